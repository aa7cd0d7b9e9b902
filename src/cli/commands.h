#pragma once

namespace CLI {
class App;
}

namespace vetra::cli {

struct CommandContext;

// Each group of commands adds its subcommands to the application; their callbacks run the engine through
// the context's host.

// The commands that run one button's batch over the files named (convert, deconvert, apply-tiles, ...).
void AddBatchCommands(CLI::App& app, CommandContext& context);
// The commands that make one new file: new-map, new-tiles, diff and walltiles.
void AddFileCommands(CLI::App& app, CommandContext& context);
// The comments embedded in a tileset: info view, edit and wipe.
void AddInfoCommands(CLI::App& app, CommandContext& context);
// The level inspector: reads levels and describes them, changes nothing.
void AddCheckCommand(CLI::App& app, CommandContext& context);
// Pictures of levels and map bitmaps as PNG files.
void AddRenderCommand(CLI::App& app, CommandContext& context);

}  // namespace vetra::cli
