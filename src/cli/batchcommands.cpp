// The commands that run a button's batch: one table row each, naming the command, its options and how its
// operation is made from them.
#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cfgset/cfgset.h"
#include "cfgset/settingsoperations.h"
#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/deconversion.h"
#include "convert/levelsplit.h"
#include "convert/mapconversion.h"
#include "convert/overlay.h"
#include "convert/relink.h"
#include "convert/tilesetapplication.h"
#include "util/filenameext.h"
#include "util/resultreport.h"
#include "walltiles/model/wtdfile.h"

namespace vetra::cli {
namespace {

// Everything the batch commands read from their command lines; each command sets only its own options.
struct Arguments {
    std::vector<std::string> files;
    std::string wallTiles;
    std::string tileset;
    std::string overlay;
    std::string commentFile;
    bool cleanPalette = false;
    bool descriptions = false;
};

struct BatchCommand {
    const char* name;
    const char* description;
    const char* filesName;
    const char* filesHelp;
    void (*addOptions)(CLI::App& command, Arguments& arguments);
    // The operation to run, or nothing once a usage error or an unreadable option file has been reported.
    std::optional<BatchOperation> (*operation)(CommandContext& context, const Arguments& arguments);
};

void AddCleanPalette(CLI::App& command, Arguments& arguments, const char* help) {
    command.add_flag("--clean-palette", arguments.cleanPalette, help);
}

// The WallTile set of a .wtd file, as confirming the WallTile editor gives it; nothing after the file's
// failure has been reported.
std::optional<ConverterWallTiles> WallTiles(CommandContext& context, const std::string& path) {
    if (path.empty()) return ConverterWallTiles{};
    WallTileSet set;
    FileResult loaded = wtdfile::Load(path, set);
    if (!loaded.Done()) {
        context.Finish(loaded);
        return std::nullopt;
    }
    return set.ToConverterOrder();
}

// The named comment file as the desktop program's dialog would give it; "" (after a usage error) when it
// names neither a template nor a .set.
std::string ChosenCommentFile(CommandContext& context, const std::string& named) {
    std::string chosen =
        cfgset::PickCommentFile([&](const std::string&, const std::string&) { return named; });
    if (chosen.empty()) context.UsageError("The comment file must be a settings template (.sss) or a .set: " + named);
    return chosen;
}

const BatchCommand kBatchCommands[] = {
    {"convert", "Convert map bitmaps into levels (Convert)", "MAP",
     "Map bitmaps (1024 x 1024, 8 bits per pixel)",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--walltiles", arguments.wallTiles,
                            "Join the walls drawn with WallTile markers using this WallTile definition file (.wtd)");
         command.add_option("--tileset", arguments.tileset,
                            "Put this tileset (a tileset bitmap, or a level that has one) at the head of each level");
         AddCleanPalette(command, arguments, "Give the tileset the default SubSpace palette (Clean Palette)");
     },
     [](CommandContext& context, const Arguments& arguments) -> std::optional<BatchOperation> {
         std::optional<ConverterWallTiles> wallTiles = WallTiles(context, arguments.wallTiles);
         if (!wallTiles) return std::nullopt;
         return convert::ConvertOperation(
             {.wallTiles = *wallTiles, .tileset = arguments.tileset, .cleanPalette = arguments.cleanPalette});
     }},
    {"deconvert", "Turn levels into a map bitmap LEVEL-m.bmp and their tileset into LEVEL-t.bmp (Deconvert)",
     "LEVEL", "Level files (.lvl)",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--walltiles", arguments.wallTiles,
                            "Draw the tiles of this WallTile set (.wtd) as its markers (Use WallTiles)");
         AddCleanPalette(command, arguments, "Give the tileset bitmap the default SubSpace palette (Clean Palette)");
     },
     [](CommandContext& context, const Arguments& arguments) -> std::optional<BatchOperation> {
         std::optional<ConverterWallTiles> wallTiles = WallTiles(context, arguments.wallTiles);
         if (!wallTiles) return std::nullopt;
         return convert::DeconvertOperation(
             {.wallTiles = *wallTiles, .cleanPalette = arguments.cleanPalette});
     }},
    {"relink", "Join the WallTiles of levels anew into LEVEL-N.lvl beside each (Re-Link)", "LEVEL",
     "Level files (.lvl)",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--walltiles", arguments.wallTiles, "The WallTile set (.wtd) to join the walls with")
             ->required();
     },
     [](CommandContext& context, const Arguments& arguments) -> std::optional<BatchOperation> {
         std::optional<ConverterWallTiles> wallTiles = WallTiles(context, arguments.wallTiles);
         if (!wallTiles) return std::nullopt;
         return convert::ReLinkOperation({.wallTiles = *wallTiles});
     }},
    {"apply-tiles", "Put a tileset at the head of levels, writing LEVEL-0.lvl beside each (Apply Tiles)",
     "LEVEL", "Level files (.lvl)",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--tileset", arguments.tileset, "A tileset bitmap, or a level that has one")->required();
         AddCleanPalette(command, arguments, "Give the tileset the default SubSpace palette (Clean Palette)");
     },
     [](CommandContext&, const Arguments& arguments) -> std::optional<BatchOperation> {
         return convert::ApplyTilesOperation(arguments.tileset, arguments.cleanPalette);
     }},
    {"split-tiles",
     "Take levels apart into LEVEL-s.bmp and a level without tileset LEVEL-s.lvl (Split Tiles)", "LEVEL",
     "Level files (.lvl)",
     [](CLI::App& command, Arguments& arguments) {
         AddCleanPalette(command, arguments, "Give the tileset the default SubSpace palette (Clean Palette)");
     },
     [](CommandContext&, const Arguments& arguments) -> std::optional<BatchOperation> {
         return convert::SplitTilesOperation(arguments.cleanPalette);
     }},
    {"overlay", "Lay an overlay diff over levels (the Overlay button)", "levels",
     "Levels to overlay; each result goes to a new file beside it",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--overlay", arguments.overlay, "The overlay, a .lvl file")->required();
     },
     [](CommandContext& context, const Arguments& arguments) -> std::optional<BatchOperation> {
         // The desktop program's dialog only offers .lvl files; here a wrong name is a usage error.
         if (!filenameext::HasExtension(arguments.overlay, ".lvl")) {
             context.UsageError(WrongExtension(arguments.overlay, ".lvl").text);
             return std::nullopt;
         }
         return convert::OverlayOperation(arguments.overlay);
     }},
    {"cfg2set", "Convert server config files (.cfg) into settings lists (.set) in the server's set order",
     "files", "The .cfg files",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--descriptions", arguments.commentFile,
                            "Take Min, Max and descriptions from this template (.sss) or settings list (.set)")
             ->check(CLI::ExistingFile);
     },
     [](CommandContext& context, const Arguments& arguments) -> std::optional<BatchOperation> {
         bool include = !arguments.commentFile.empty();
         std::string commentFile = include ? ChosenCommentFile(context, arguments.commentFile) : "";
         if (include && commentFile.empty()) return std::nullopt;
         return cfgset::CfgToSetOperation(commentFile, include);
     }},
    {"set2cfg", "Convert server settings lists (.set) into config files (.cfg)", "files", "The .set files",
     [](CLI::App& command, Arguments& arguments) {
         command.add_flag("--descriptions", arguments.descriptions,
                          "Write each setting's Min, Max and description on a \";\" line below it");
     },
     [](CommandContext&, const Arguments& arguments) -> std::optional<BatchOperation> {
         return cfgset::SetToCfgOperation(arguments.descriptions);
     }},
    {"describe", "Write each settings list (.set) again with Min, Max and descriptions from a comment file",
     "files", "The .set files",
     [](CLI::App& command, Arguments& arguments) {
         command.add_option("--comments", arguments.commentFile, "A settings template (.sss) or another .set")
             ->required()
             ->check(CLI::ExistingFile);
     },
     [](CommandContext& context, const Arguments& arguments) -> std::optional<BatchOperation> {
         std::string commentFile = ChosenCommentFile(context, arguments.commentFile);
         if (commentFile.empty()) return std::nullopt;
         return cfgset::DescribeSetOperation(commentFile);
     }},
};

void AddBatchCommand(CLI::App& app, CommandContext& context, const BatchCommand& entry) {
    CLI::App* command = app.add_subcommand(entry.name, entry.description);
    auto arguments = std::make_shared<Arguments>();
    entry.addOptions(*command, *arguments);
    command->add_option(entry.filesName, arguments->files, entry.filesHelp)->required();
    command->callback([&context, &entry, arguments] {
        if (std::optional<BatchOperation> operation = entry.operation(context, *arguments))
            context.RunOperation(arguments->files, *operation);
    });
}

}  // namespace

void AddBatchCommands(CLI::App& app, CommandContext& context) {
    for (const BatchCommand& entry : kBatchCommands) AddBatchCommand(app, context, entry);
}

}  // namespace vetra::cli
