// The comments embedded in tilesets, from the command line.
#include <memory>
#include <optional>

#include <CLI/CLI.hpp>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "convert/comments.h"
#include "util/fileio.h"
#include "util/textcodec.h"

namespace vetra::cli {
namespace {

struct InfoArguments {
    std::string file;
    std::string text;
    std::string textFile;
    bool keepOriginal = false;
};

// The file must be there; a message and the failure status otherwise.
bool Readable(CommandContext& context, const std::string& path) {
    try {
        FileLength(path);
        return true;
    } catch (const FileError& error) {
        context.host.MessageBox(error.what());
        context.Failed();
        return false;
    }
}

bool HasTileset(CommandContext& context, const std::string& path, bool failWithout) {
    if (!convert::SaysNoTileset(convert::ReadComments(path))) return true;
    context.host.MessageBox(convert::kNoTilesetText);
    if (!failWithout) return false;
    // The box does not say which file; on the command line that is needed.
    context.host.AddText(path + " does not begin with a tileset.");
    context.Failed();
    return false;
}

// Line ends of any kind become CR LF, as the comments store them.
std::string CrLfText(std::string_view text) {
    std::vector<std::string> lines = textcodec::SplitTextLines(text);
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
            utf8 = textcodec::StripUtf8Bom(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        } catch (const FileError& error) {
            context.host.MessageBox(error.what());
            context.Failed();
            return std::nullopt;
        }
    }
    return textcodec::Utf8ToCp1252(CrLfText(utf8));
}

void AddKeepOriginal(CLI::App& command, InfoArguments& arguments) {
    command.add_flag("--keep-original", arguments.keepOriginal,
                     "Write the result to a new file beside it (Don't Overwrite Files)");
}

}  // namespace

void AddInfoCommands(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<InfoArguments>();
    CLI::App* info = app.add_subcommand("info", "The comments embedded in a tileset, alone or at the head of a level");
    info->require_subcommand(1);

    CLI::App* view = info->add_subcommand("view", "Print the comments (View Info)");
    view->add_option("file", arguments->file, "A .lvl or .bmp file")->required();
    view->callback([&context, arguments] {
        if (!Readable(context, arguments->file)) return;
        context.host.AddText(textcodec::Cp1252ToUtf8(convert::ReadComments(arguments->file)));
    });

    CLI::App* edit = info->add_subcommand("edit", "Replace the comments (Edit Info)");
    edit->add_option("file", arguments->file, "A .lvl or .bmp file")->required();
    auto* text = edit->add_option("--text", arguments->text, "The new comments");
    edit->add_option("--text-file", arguments->textFile, "A UTF-8 text file holding the new comments")->excludes(text);
    AddKeepOriginal(*edit, *arguments);
    edit->callback([&context, arguments] {
        std::optional<std::string> newText = NewText(context, *arguments);
        if (!newText || !Readable(context, arguments->file) || !HasTileset(context, arguments->file, true)) return;
        context.Finish(convert::EditInfo(context.host, arguments->file, *newText, arguments->keepOriginal));
    });

    CLI::App* wipe = info->add_subcommand("wipe", "Remove the comments (Wipe Info)");
    wipe->add_option("file", arguments->file, "A .lvl or .bmp file")->required();
    AddKeepOriginal(*wipe, *arguments);
    wipe->callback([&context, arguments] {
        if (!Readable(context, arguments->file) || !HasTileset(context, arguments->file, false)) return;
        context.Finish(convert::WipeInfo(context.host, arguments->file, arguments->keepOriginal));
    });
}

}  // namespace vetra::cli
