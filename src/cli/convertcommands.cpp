#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/installedwalltiles.h"
#include "convert/mapconversion.h"
#include "convert/tilesetapplication.h"
#include "walltiles/model/wtdfile.h"

namespace vetra::cli {
namespace {

struct ConvertArguments {
    std::vector<std::string> maps;
    std::string wallTiles;
    std::string tileset;
    bool cleanPalette = false;
};

// Installs a .wtd file's set as the WallTile editor's OK does; false (after "Error in DoLoad.") when the
// file cannot be read.
bool InstallWallTiles(CommandContext& context, const std::string& path) {
    WallTileSet set;
    if (!WtdFile::DoLoad(context.host, path, set).succeeded) return false;
    Convert::SetWallTiles(set.ToConverterOrder());
    context.host.SetOption(Option::UseWallTiles, true);
    return true;
}

// The Convert button's step after each conversion when a tileset was picked: the tileset goes into the level.
Convert::LevelFollowUp TilesetStep(const std::string& tileset) {
    if (tileset.empty()) return {};
    return [tileset](Host& host, const std::string& levelPath) {
        return Convert::ApplyTileset(host, levelPath, tileset, true);
    };
}

void AddConvert(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand("convert", "Convert map bitmaps into levels (Convert)");
    auto arguments = std::make_shared<ConvertArguments>();
    command->add_option(
        "--walltiles", arguments->wallTiles,
        "Join the walls drawn with WallTile markers using this WallTile definition file (.wtd)");
    command->add_option(
        "--tileset", arguments->tileset,
        "Put this tileset (a tileset bitmap, or a level that has one) at the head of each level");
    command->add_flag("--clean-palette", arguments->cleanPalette,
                      "Give the tileset the default SubSpace palette (Clean Palette)");
    command->add_option("MAP", arguments->maps, "Map bitmaps (1024 x 1024, 8 bits per pixel)")->required();
    command->callback([&context, arguments] {
        if (!arguments->wallTiles.empty() && !InstallWallTiles(context, arguments->wallTiles)) {
            context.exitCode = kExitFailure;
            return;
        }
        context.host.SetOption(Option::CleanPalette, arguments->cleanPalette);
        context.RunOperation(arguments->maps,
                             Convert::ConvertOperation(context.host, TilesetStep(arguments->tileset)));
    });
}

}  // namespace

void AddConvertCommands(CLI::App& app, CommandContext& context) { AddConvert(app, context); }

}  // namespace vetra::cli
