#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/blanktileset.h"

namespace vetra::cli {
namespace {

void AddNewTiles(CLI::App& app, CommandContext& context) {
    auto* command = app.add_subcommand("new-tiles", "Create a blank tileset bitmap (New Tiles)");
    auto out = std::make_shared<std::string>();
    command->add_option("OUT", *out, "The bitmap to create; an existing file is replaced")->required();
    command->callback([&context, out] {
        Outcome outcome = Convert::MakeBlankTileset(context.host, *out);
        if (outcome.succeeded) context.host.MessageBox("Blank tileset created.");
        context.Finish(outcome);
    });
}

}  // namespace

void AddTileCommands(CLI::App& app, CommandContext& context) { AddNewTiles(app, context); }

}  // namespace vetra::cli
