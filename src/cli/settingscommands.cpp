#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cfgset/cfgset.h"
#include "cfgset/settingsoperations.h"
#include "cli/commandcontext.h"
#include "cli/commands.h"

namespace vetra::cli {
namespace {

struct SettingsArguments {
    std::vector<std::string> files;
    std::string commentFile;
    bool descriptions = false;
};

// The named comment file as the desktop program's dialog would give it; "" (after a usage error) when it
// names neither a template nor a .set.
std::string ChosenCommentFile(CommandContext& context, const std::string& named) {
    std::string chosen = CfgSet::PickCommentFile([&](const std::string&, const std::string&) { return named; });
    if (chosen.empty()) context.UsageError("The comment file must be a settings template (.sss) or a .set: " + named);
    return chosen;
}

void AddCfg2Set(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<SettingsArguments>();
    CLI::App* command = app.add_subcommand(
        "cfg2set", "Convert server config files (.cfg) into settings lists (.set) in the server's set order");
    command->add_option("--descriptions", arguments->commentFile,
                        "Take Min, Max and descriptions from this template (.sss) or settings list (.set)")
        ->check(CLI::ExistingFile);
    command->add_option("files", arguments->files, "The .cfg files")->required();
    command->callback([&context, arguments] {
        bool include = !arguments->commentFile.empty();
        std::string commentFile;
        if (include && (commentFile = ChosenCommentFile(context, arguments->commentFile)).empty()) return;
        context.host.SetOption(Option::IncludeDescriptions, include);
        context.RunOperation(arguments->files, CfgSet::Cfg2SetOperation(context.host, commentFile));
    });
}

void AddSet2Cfg(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<SettingsArguments>();
    CLI::App* command =
        app.add_subcommand("set2cfg", "Convert server settings lists (.set) into config files (.cfg)");
    command->add_flag("--descriptions", arguments->descriptions,
                      "Write each setting's Min, Max and description on a \";\" line below it");
    command->add_option("files", arguments->files, "The .set files")->required();
    command->callback([&context, arguments] {
        context.host.SetOption(Option::IncludeDescriptions, arguments->descriptions);
        context.RunOperation(arguments->files, CfgSet::Set2CfgOperation(context.host));
    });
}

void AddDescribe(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<SettingsArguments>();
    CLI::App* command = app.add_subcommand(
        "describe", "Write each settings list (.set) again with Min, Max and descriptions from a comment file");
    command->add_option("--comments", arguments->commentFile, "A settings template (.sss) or another .set")
        ->required()
        ->check(CLI::ExistingFile);
    command->add_option("files", arguments->files, "The .set files")->required();
    command->callback([&context, arguments] {
        std::string commentFile = ChosenCommentFile(context, arguments->commentFile);
        if (commentFile.empty()) return;
        context.RunOperation(arguments->files, CfgSet::DescSetOperation(context.host, commentFile));
    });
}

}  // namespace

void AddSettingsCommands(CLI::App& app, CommandContext& context) {
    AddCfg2Set(app, context);
    AddSet2Cfg(app, context);
    AddDescribe(app, context);
}

}  // namespace vetra::cli
