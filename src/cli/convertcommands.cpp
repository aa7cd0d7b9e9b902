#include <CLI/CLI.hpp>

#include "cli/commandcontext.h"
#include "cli/commands.h"

namespace vetra::cli {

void AddConvertCommands(CLI::App& /*app*/, CommandContext& /*context*/) {}

}  // namespace vetra::cli
