#pragma once

namespace CLI {
class App;
}

namespace vetra::cli {

struct CommandContext;

// Each group of commands adds its subcommands to the application; their callbacks run the engine through
// the context's host.
void AddConvertCommands(CLI::App& app, CommandContext& context);
void AddMapCommands(CLI::App& app, CommandContext& context);
void AddTileCommands(CLI::App& app, CommandContext& context);
void AddLevelCommands(CLI::App& app, CommandContext& context);
void AddSettingsCommands(CLI::App& app, CommandContext& context);
// The level inspector: reads levels and describes them, changes nothing.
void AddCheckCommand(CLI::App& app, CommandContext& context);

}  // namespace vetra::cli
