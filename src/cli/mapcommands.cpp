#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/blankmap.h"
#include "convert/deconversion.h"
#include "convert/installedwalltiles.h"
#include "convert/relink.h"
#include "walltiles/model/wtdfile.h"

namespace vetra::cli {
namespace {

// What the level commands of this group read from their command line.
struct LevelArguments {
    std::vector<std::string> levels;
    std::string wallTiles;
    bool cleanPalette = false;
};

// Installs the WallTile set of a .wtd file, as confirming the WallTile editor does, and checks "Use
// WallTiles"; false when the file cannot be read (after DoLoad's message).
bool InstallWallTiles(CommandContext& context, const std::string& path) {
    WallTileSet set;
    if (!WtdFile::DoLoad(context.host, path, set).succeeded) {
        context.exitCode = kExitFailure;
        return false;
    }
    Convert::SetWallTiles(set.ToConverterOrder());
    context.host.SetOption(Option::UseWallTiles, true);
    return true;
}

void AddNewMap(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand("new-map", "Create a blank map bitmap (New Map)");
    auto out = std::make_shared<std::string>();
    command->add_option("OUT", *out, "The bitmap to create; an existing file is replaced")->required();
    command->callback([&context, out] {
        Outcome outcome = Convert::MakeBlankMap(context.host, *out);
        if (outcome.succeeded) context.host.MessageBox("Blank map bitmap created.");
        context.Finish(outcome);
    });
}

void AddDeconvert(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand(
        "deconvert",
        "Turn levels into a map bitmap LEVEL-m.bmp and their tileset into LEVEL-t.bmp (Deconvert)");
    auto arguments = std::make_shared<LevelArguments>();
    command->add_option("--walltiles", arguments->wallTiles,
                        "Draw the tiles of this WallTile set (.wtd) as its markers (Use WallTiles)");
    command->add_flag("--clean-palette", arguments->cleanPalette,
                      "Give the tileset bitmap the default SubSpace palette (Clean Palette)");
    command->add_option("LEVEL", arguments->levels, "Level files (.lvl)")->required();
    command->callback([&context, arguments] {
        if (!arguments->wallTiles.empty() && !InstallWallTiles(context, arguments->wallTiles)) return;
        context.host.SetOption(Option::CleanPalette, arguments->cleanPalette);
        context.RunOperation(arguments->levels, Convert::DeconvertOperation(context.host));
    });
}

void AddReLink(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand(
        "relink", "Join the WallTiles of levels anew into LEVEL-N.lvl beside each (Re-Link)");
    auto arguments = std::make_shared<LevelArguments>();
    command->add_option("--walltiles", arguments->wallTiles, "The WallTile set (.wtd) to join the walls with")
        ->required();
    command->add_option("LEVEL", arguments->levels, "Level files (.lvl)")->required();
    command->callback([&context, arguments] {
        if (!InstallWallTiles(context, arguments->wallTiles)) return;
        context.RunOperation(arguments->levels, Convert::ReLinkOperation(context.host));
    });
}

}  // namespace

void AddMapCommands(CLI::App& app, CommandContext& context) {
    AddNewMap(app, context);
    AddDeconvert(app, context);
    AddReLink(app, context);
}

}  // namespace vetra::cli
