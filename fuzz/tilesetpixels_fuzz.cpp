// The renderer's tileset decoder on arbitrary bytes: it decodes or gives a reason, and a decoded tileset
// draws.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/levelpicture.h"
#include "render/rowpainter.h"
#include "render/tilesetpixels.h"
#include "support/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vetra::fuzz::Require;
    std::string reason;
    std::optional<vetra::render::TilesetPixels> tiles =
        vetra::render::TilesetPixels::Decode(std::span<const std::uint8_t>(data, size), reason);
    Require(tiles.has_value() == reason.empty(), "a refusal without a reason, or a reason with a tileset");
    if (!tiles) return 0;
    Require(tiles->TileCount() > 0 && tiles->TileCount() <= 190, "tile count out of range");
    std::vector<vetra::TileRecord> records;
    for (int t = 1; t <= 190; ++t) records.push_back({t - 1, 0, static_cast<std::uint8_t>(t)});
    auto picture = vetra::render::LevelPicture::FromRecords(records, std::move(tiles));
    vetra::render::RenderView view{{0, 0, 190, 1}, 16};
    std::vector<std::uint8_t> row(static_cast<std::size_t>(view.Width()) * 3);
    for (int y = 0; y < view.Height(); ++y) vetra::render::PaintRow(picture, view, y, row);
    return 0;
}
