#include <cstdio>
#include <exception>

#include <CLI/CLI.hpp>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "cli/consolehost.h"

int main(int argc, char** argv) {
    using namespace vetra::cli;
    CLI::App app{"VETRA: map, tileset and server-settings tools for SubSpace, from the shell.", "vetra-cli"};
    app.set_version_flag("--version", VETRA_VERSION_TEXT);
    app.require_subcommand(1);
    // Global options are taken after the command as well as before it, as people type them; every command
    // added below inherits this.
    app.fallthrough();
    ConsoleHost host(stdout, stderr);
    CommandContext context{host};
    app.add_flag("--verbose,-v", context.verbose, "Print a \"(i/n) Processing file:\" line for each file");

    AddBatchCommands(app, context);
    AddFileCommands(app, context);
    AddInfoCommands(app, context);
    AddCheckCommand(app, context);
    AddRenderCommand(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int code = app.exit(error);
        return code == 0 ? kExitSuccess : kExitUsage;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vetra: %s\n", error.what());
        return kExitFailure;
    }
    return context.exitCode;
}
