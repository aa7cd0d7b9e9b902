// The render command: pictures of levels and map bitmaps as PNG files.
#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli/commandcontext.h"
#include "cli/commands.h"
#include "render/picturefile.h"
#include "render/pngoutput.h"
#include "render/rowpainter.h"
#include "util/filenameext.h"

namespace vetra::cli {
namespace {

struct RenderArguments {
    std::vector<std::string> files;
    int cellSize = 1;
    bool crop = false;
    std::string out;
};

// NAME.png beside the input, or the file named; a name that is taken gives way to the first free numbered
// one.
std::string OutputName(const RenderArguments& arguments, const std::string& input) {
    std::string out = arguments.out;
    if (out.empty()) {
        out = input;
        filenameext::SplitExtension(out);
        out += ".png";
    }
    return filenameext::UniqueFileName(out);
}

void RenderFile(CommandContext& context, const RenderArguments& arguments, const std::string& input) {
    render::LoadedPicture loaded = render::LoadPicture(input);
    if (!loaded.picture) return context.Finish(loaded.result);
    render::RenderView view{loaded.picture->Occupied(), arguments.cellSize};
    if (!arguments.crop) view.cells = render::CellRect{};
    FileResult result = render::WritePng(loaded, view, OutputName(arguments, input));
    result.notices.insert(result.notices.begin(), loaded.result.notices.begin(), loaded.result.notices.end());
    context.Finish(result);
}

}  // namespace

void AddRenderCommand(CLI::App& app, CommandContext& context) {
    auto arguments = std::make_shared<RenderArguments>();
    CLI::App* command = app.add_subcommand(
        "render",
        "Draw levels and map bitmaps as PNG pictures, NAME.png beside each (with the level's own tiles)");
    command
        ->add_option("--cell-size", arguments->cellSize,
                     "Pixels per map cell: 1, 2, 4, 8 or 16 (the game's own)")
        ->check(CLI::IsMember({1, 2, 4, 8, 16}));
    command->add_flag("--crop", arguments->crop, "Only the cells that hold tiles, with a margin of one cell");
    command->add_option(
        "--out", arguments->out,
        "The PNG to write, for a single input; when it is taken, the first free numbered name");
    command->add_option("FILES", arguments->files, "Levels (.lvl) or map bitmaps (.bmp)")->required();
    command->callback([&context, arguments] {
        if (!arguments->out.empty() && arguments->files.size() > 1)
            return context.UsageError("--out names one picture; give one input with it");
        for (const std::string& input : arguments->files) RenderFile(context, *arguments, input);
    });
}

}  // namespace vetra::cli
