// The level tools of the command line: overlay diffs and the comments embedded in tilesets.
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/comments.h"
#include "convert/makediff.h"
#include "convert/overlay.h"
#include "util/batch.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "util/textcodec.h"

namespace vetra::cli {
namespace {

struct OverlayArguments {
    std::string overlay;
    std::vector<std::string> levels;
};

struct DiffArguments {
    std::string unaltered;
    std::string edited;
};

struct InfoArguments {
    std::string file;
    std::string text;
    std::string textFile;
    bool keepOriginal = false;
};

// The GUI's dialogs only offer .lvl files; here a wrong name is a usage error.
bool IsLevelName(CommandContext& context, const std::string& path) {
    if (FileNameExt::HasExtension(path, ".lvl")) return true;
    context.UsageError(WrongExtensionText(path, ".lvl"));
    return false;
}

void AddOverlay(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<OverlayArguments>();
    CLI::App* command = app.add_subcommand("overlay", "Lay an overlay diff over levels (the Overlay button)");
    command->add_option("--overlay", arguments->overlay, "The overlay, a .lvl file")->required();
    command->add_option("levels", arguments->levels, "Levels to overlay; each result goes to a new file beside it")
        ->required();
    command->callback([&context, arguments] {
        if (!IsLevelName(context, arguments->overlay)) return;
        context.RunOperation(arguments->levels, Convert::OverlayOperation(context.host, std::make_shared<std::string>(arguments->overlay)));
    });
}

void AddDiff(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<DiffArguments>();
    CLI::App* command = app.add_subcommand(
        "diff", "Write the tiles an edited level adds or changes to a new file beside the unaltered one (Make Diff)");
    command->add_option("unaltered", arguments->unaltered, "The original, unaltered level")->required();
    command->add_option("edited", arguments->edited, "The hand-edited, modified level")->required();
    command->callback([&context, arguments] {
        if (!IsLevelName(context, arguments->unaltered) || !IsLevelName(context, arguments->edited)) return;
        context.Finish(Convert::DiffLevels(context.host, arguments->unaltered, arguments->edited));
    });
}

// The file must be there; a message and the failure status otherwise.
bool Readable(CommandContext& context, const std::string& path) {
    try {
        FileLength(path);
        return true;
    } catch (const FileError& error) {
        context.host.MessageBox(error.what());
        context.Finish(Outcome::Failed());
        return false;
    }
}

bool HasTileset(CommandContext& context, const std::string& path, bool failWithout) {
    if (!Convert::SaysNoTileset(Convert::ReadComments(path))) return true;
    context.host.MessageBox(Convert::kNoTilesetText);
    if (!failWithout) return false;
    // The box does not say which file; on the command line that is needed.
    context.host.AddText(path + " does not begin with a tileset.");
    context.Finish(Outcome::Failed());
    return false;
}

// Line ends of any kind become CR LF, as the comments store them.
std::string CrLfText(std::string_view text) {
    std::vector<std::string> lines = TextCodec::SplitTextLines(text);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) joined += (i ? "\r\n" : "") + lines[i];
    if (text.ends_with('\n') || text.ends_with('\r')) joined += "\r\n";
    return joined;
}

// The new comment text, as Windows-1252; nothing after a usage or read error.
std::optional<std::string> NewText(CommandContext& context, const InfoArguments& arguments) {
    if (arguments.text.empty() == arguments.textFile.empty()) {
        context.UsageError("info edit takes one of --text and --text-file.");
        return std::nullopt;
    }
    std::string utf8 = arguments.text;
    if (!arguments.textFile.empty()) {
        try {
            Bytes bytes = ReadWholeFile(arguments.textFile, 16u * 1024u * 1024u);
            utf8 = TextCodec::StripUtf8Bom(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        } catch (const FileError& error) {
            context.host.MessageBox(error.what());
            context.Finish(Outcome::Failed());
            return std::nullopt;
        }
    }
    return TextCodec::Utf8ToCp1252(CrLfText(utf8));
}

void AddInfo(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<InfoArguments>();
    CLI::App* info = app.add_subcommand("info", "The comments embedded in a tileset, alone or at the head of a level");
    info->require_subcommand(1);

    CLI::App* view = info->add_subcommand("view", "Print the comments (View Info)");
    view->add_option("file", arguments->file, "A .lvl or .bmp file")->required();
    view->callback([&context, arguments] {
        if (!Readable(context, arguments->file)) return;
        context.host.AddText(TextCodec::Cp1252ToUtf8(Convert::ReadComments(arguments->file)));
    });

    CLI::App* edit = info->add_subcommand("edit", "Replace the comments (Edit Info)");
    edit->add_option("file", arguments->file, "A .lvl or .bmp file")->required();
    auto* text = edit->add_option("--text", arguments->text, "The new comments");
    edit->add_option("--text-file", arguments->textFile, "A UTF-8 text file holding the new comments")->excludes(text);
    edit->add_flag("--keep-original", arguments->keepOriginal,
                   "Write the result to a new file beside it (Don't Overwrite Files)");
    edit->callback([&context, arguments] {
        std::optional<std::string> newText = NewText(context, *arguments);
        if (!newText || !Readable(context, arguments->file) || !HasTileset(context, arguments->file, true)) return;
        context.host.SetOption(Option::DontOverwriteFiles, arguments->keepOriginal);
        context.Finish(Convert::EditInfo(context.host, arguments->file, *newText));
    });

    CLI::App* wipe = info->add_subcommand("wipe", "Remove the comments (Wipe Info)");
    wipe->add_option("file", arguments->file, "A .lvl or .bmp file")->required();
    wipe->add_flag("--keep-original", arguments->keepOriginal,
                   "Write the result to a new file beside it (Don't Overwrite Files)");
    wipe->callback([&context, arguments] {
        if (!Readable(context, arguments->file) || !HasTileset(context, arguments->file, false)) return;
        context.host.SetOption(Option::DontOverwriteFiles, arguments->keepOriginal);
        context.Finish(Convert::WipeInfo(context.host, arguments->file));
    });
}

}  // namespace

void AddLevelCommands(CLI::App& app, CommandContext& context) {
    AddOverlay(app, context);
    AddDiff(app, context);
    AddInfo(app, context);
}

}  // namespace vetra::cli
