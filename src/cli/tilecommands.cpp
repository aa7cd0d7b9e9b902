#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/blanktileset.h"
#include "convert/levelsplit.h"
#include "convert/tilesetapplication.h"

namespace vetra::cli {
namespace {

// What the level commands of this group read from their command line.
struct LevelArguments {
    std::vector<std::string> levels;
    std::string tileset;
    bool cleanPalette = false;
};

void AddLevelsAndCleaning(CLI::App& command, LevelArguments& arguments) {
    command.add_flag("--clean-palette", arguments.cleanPalette,
                     "Give the tileset the default SubSpace palette (Clean Palette)");
    command.add_option("LEVEL", arguments.levels, "Level files (.lvl)")->required();
}

void AddNewTiles(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand("new-tiles", "Create a blank tileset bitmap (New Tiles)");
    auto out = std::make_shared<std::string>();
    command->add_option("OUT", *out, "The bitmap to create; an existing file is replaced")->required();
    command->callback([&context, out] {
        Outcome outcome = Convert::MakeBlankTileset(context.host, *out);
        if (outcome.succeeded) context.host.MessageBox("Blank tileset created.");
        // The window's message names no file; a script needs to know which one.
        else context.host.AddText(*out + " could not be written.");
        context.Finish(outcome);
    });
}

void AddApplyTiles(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand(
        "apply-tiles", "Put a tileset at the head of levels, writing LEVEL-0.lvl beside each (Apply Tiles)");
    auto arguments = std::make_shared<LevelArguments>();
    command->add_option("--tileset", arguments->tileset, "A tileset bitmap, or a level that has one")
        ->required();
    AddLevelsAndCleaning(*command, *arguments);
    command->callback([&context, arguments] {
        context.host.SetOption(Option::CleanPalette, arguments->cleanPalette);
        context.RunOperation(arguments->levels,
                             Convert::ApplyTilesOperation(context.host, arguments->tileset));
    });
}

void AddSplitTiles(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand(
        "split-tiles",
        "Take levels apart into LEVEL-s.bmp and a level without tileset LEVEL-s.lvl (Split Tiles)");
    auto arguments = std::make_shared<LevelArguments>();
    AddLevelsAndCleaning(*command, *arguments);
    command->callback([&context, arguments] {
        context.host.SetOption(Option::CleanPalette, arguments->cleanPalette);
        context.RunOperation(arguments->levels, Convert::SplitTilesOperation(context.host));
    });
}

}  // namespace

void AddTileCommands(CLI::App& app, CommandContext& context) {
    AddNewTiles(app, context);
    AddApplyTiles(app, context);
    AddSplitTiles(app, context);
}

}  // namespace vetra::cli
