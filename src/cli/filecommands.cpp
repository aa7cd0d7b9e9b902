// The commands that make one new file: a blank map, a blank tileset, a diff of two levels, the WallTile sets
// of a level.
#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/blankmap.h"
#include "convert/blanktileset.h"
#include "convert/makediff.h"
#include "util/batch.h"
#include "util/filenameext.h"
#include "walltiles/model/levelwalltiles.h"

namespace vetra::cli {
namespace {

// A command that writes one named file with the engine, then says what its button's message box says.
void AddBlankFileCommand(CLI::App& app, CommandContext& context, const char* name, const char* description,
                         FileResult (*make)(Progress&, const std::string&), const char* completion) {
    auto* command = app.add_subcommand(name, description);
    auto out = std::make_shared<std::string>();
    command->add_option("OUT", *out, "The bitmap to create; an existing file is replaced")->required();
    command->callback([&context, out, make, completion] {
        FileResult result = make(context.host, *out);
        if (result.Done()) context.host.MessageBox(completion);
        context.Finish(result);
    });
}

// The desktop program's dialogs only offer .lvl files; here a wrong name is a usage error.
bool IsLevelName(CommandContext& context, const std::string& path) {
    if (filenameext::HasExtension(path, ".lvl")) return true;
    context.UsageError(WrongExtension(path, ".lvl").text);
    return false;
}

struct DiffArguments {
    std::string unaltered;
    std::string edited;
};

void AddDiff(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<DiffArguments>();
    CLI::App* command = app.add_subcommand(
        "diff", "Write the tiles an edited level adds or changes to a new file beside the unaltered one (Make Diff)");
    command->add_option("unaltered", arguments->unaltered, "The original, unaltered level")->required();
    command->add_option("edited", arguments->edited, "The hand-edited, modified level")->required();
    command->callback([&context, arguments] {
        if (!IsLevelName(context, arguments->unaltered) || !IsLevelName(context, arguments->edited)) return;
        FileResult result = convert::DiffLevels(context.host, arguments->unaltered, arguments->edited);
        if (!result.Done()) context.Failed();
    });
}

struct WallTilesArguments {
    std::string level;
    std::string out;
};

void AddWallTiles(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<WallTilesArguments>();
    CLI::App* command = app.add_subcommand(
        "walltiles",
        "Write the WallTile sets kept in a level (its DCWT chunks) to a WallTile definition file (.wtd)");
    command->add_option("LEVEL", arguments->level, "The level whose WallTile sets to take")->required();
    command->add_option("--out", arguments->out,
                        "The .wtd file to write (default: LEVEL.wtd beside the level); when it is taken, the "
                        "first free numbered name");
    command->callback([&context, arguments] {
        if (!IsLevelName(context, arguments->level)) return;
        std::string out = arguments->out;
        if (out.empty()) {
            out = arguments->level;
            filenameext::SplitExtension(out);
            out += ".wtd";
        }
        context.Finish(levelwalltiles::WriteWtd(arguments->level, out));
    });
}

}  // namespace

void AddFileCommands(CLI::App& app, CommandContext& context) {
    AddBlankFileCommand(app, context, "new-map", "Create a blank map bitmap (New Map)", convert::MakeBlankMap,
                        "Blank map bitmap created.");
    AddBlankFileCommand(app, context, "new-tiles", "Create a blank tileset bitmap (New Tiles)",
                        convert::MakeBlankTileset, "Blank tileset created.");
    AddDiff(app, context);
    AddWallTiles(app, context);
}

}  // namespace vetra::cli
