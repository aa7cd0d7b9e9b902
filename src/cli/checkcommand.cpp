#include <CLI/CLI.hpp>
#include <memory>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "formats/levelinspection.h"
#include "formats/levelreport.h"
#include "util/fileio.h"

namespace vetra::cli {
namespace {

// One block per level, a blank line between blocks; damage or an unreadable file makes the status 1.
void CheckLevels(CommandContext& context, const std::vector<std::string>& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i != 0) context.host.AddText("");
        try {
            LevelInspection level = InspectLevel(ReadWholeFile(files[i]));
            for (const std::string& line : LevelReport(files[i], level)) context.host.AddText(line);
            if (level.Damaged()) context.Failed();
        } catch (const FileError& error) {
            context.host.MessageBox(error.what());
            context.Failed();
        }
    }
}

}  // namespace

void AddCheckCommand(CLI::App& app, CommandContext& context) {
    CLI::App* check = app.add_subcommand(
        "check",
        "Describe levels: tileset, bytes behind its pixels, records, damage and unusual tile numbers");
    auto files = std::make_shared<std::vector<std::string>>();
    check->add_option("files", *files, "Level files to inspect")->required();
    check->callback([&context, files] { CheckLevels(context, *files); });
}

}  // namespace vetra::cli
