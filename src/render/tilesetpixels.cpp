#include "render/tilesetpixels.h"

#include <array>

#include "formats/bitmapheader.h"
#include "formats/level.h"

namespace vetra::render {
namespace {

constexpr int kWidth = 304;
constexpr std::size_t kPerTile = 256 + 64 + 16 + 4 + 1;

std::size_t ScaledOffset(int cellSize) {
    switch (cellSize) {
        case 16:
            return 0;
        case 8:
            return 256;
        case 4:
            return 320;
        case 2:
            return 336;
        default:
            return 340;
    }
}

struct Layout {
    BitmapInfo info;
    int height = 0;  // rows in the picture
    bool topDown = false;
    std::size_t tableStart = 0;
    std::size_t tableEntries = 0;
};

std::optional<Layout> CheckLayout(std::span<const std::uint8_t> bytes, std::string& reason) {
    std::optional<BitmapInfo> info = ReadBitmapInfo(bytes);
    if (!info) return reason = "has a tileset cut off inside its header", std::nullopt;
    Layout layout{*info};
    if (info->infoSize < 40 || info->infoSize > bytes.size() - 14)
        return reason = "has a tileset with an unknown bitmap header", std::nullopt;
    if (info->width != kWidth)
        return reason = "has a tileset " + std::to_string(info->width) + " pixels wide, not 304",
               std::nullopt;
    layout.topDown = info->height < 0;
    long long height = info->height < 0 ? -static_cast<long long>(info->height) : info->height;
    if (height < 16 || height % 16 != 0 || height > 4096)
        return reason = "has a tileset " + std::to_string(height) + " pixels high, not whole rows of tiles",
               std::nullopt;
    layout.height = static_cast<int>(height);
    int bits = info->bitsPerPixel;
    bool known = (bits == 8 && (info->compression == 0 || info->compression == 1)) ||
                 (bits == 24 && info->compression == 0) || (bits == 32 && info->compression == 0);
    if (!known)
        return reason = "has a tileset of " + std::to_string(bits) + " bits per pixel" +
                        (info->compression ? " with compression " + std::to_string(info->compression) : "") +
                        ", which cannot be drawn",
               std::nullopt;
    if (layout.topDown && info->compression == 1)
        return reason = "has a compressed tileset stored top down, which cannot be drawn", std::nullopt;
    layout.tableStart = 14 + info->infoSize;
    if (bits == 8) {
        layout.tableEntries = info->coloursUsed == 0 || info->coloursUsed > 256 ? 256 : info->coloursUsed;
        if (layout.tableStart + layout.tableEntries * 4 > bytes.size())
            return reason = "has a tileset whose colour table is cut off", std::nullopt;
    }
    if (info->pixelOffset >= bytes.size())
        return reason = "has a tileset whose pixels lie past its end", std::nullopt;
    return layout;
}

// The palette indices of an RLE8 picture, bottom row first; what the runs leave out stays 0.
std::optional<std::vector<std::uint8_t>> UnpackRle8(std::span<const std::uint8_t> data, int height,
                                                    std::string& reason) {
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(kWidth) * height, 0);
    std::size_t at = 0;
    int x = 0, y = 0;
    auto put = [&](std::uint8_t value) {
        if (x < kWidth && y < height) indices[static_cast<std::size_t>(y) * kWidth + x] = value;
        ++x;
    };
    while (y < height) {
        if (at + 2 > data.size()) return indices;  // a stream without its end mark: the rest stays blank
        std::uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(value);
        } else if (value == 0) {
            x = 0, ++y;
        } else if (value == 1) {
            return indices;
        } else if (value == 2) {
            if (at + 2 > data.size()) return indices;
            x += data[at], y += data[at + 1];
            at += 2;
        } else {
            if (at + value > data.size())
                return reason = "has a compressed tileset whose data is cut off", std::nullopt;
            for (int i = 0; i < value; ++i) put(data[at + i]);
            at += value + (value & 1);
        }
        if (x > kWidth + 255) return reason = "has a compressed tileset with rows too long", std::nullopt;
    }
    return indices;
}

std::vector<Rgb> ColourTable(std::span<const std::uint8_t> bytes, const Layout& layout) {
    std::vector<Rgb> table(256, Rgb{0, 0, 0});
    for (std::size_t i = 0; i < layout.tableEntries; ++i) {
        const std::uint8_t* entry = bytes.data() + layout.tableStart + 4 * i;
        table[i] = Rgb{entry[2], entry[1], entry[0]};
    }
    return table;
}

// The whole picture, top row first.
std::optional<std::vector<Rgb>> Picture(std::span<const std::uint8_t> bytes, const Layout& layout,
                                        std::string& reason) {
    std::span<const std::uint8_t> data = bytes.subspan(layout.info.pixelOffset);
    std::vector<Rgb> picture(static_cast<std::size_t>(kWidth) * layout.height);
    int bits = layout.info.bitsPerPixel;
    auto target = [&](int storedRow) { return layout.topDown ? storedRow : layout.height - 1 - storedRow; };
    if (bits == 8 && layout.info.compression == 1) {
        std::optional<std::vector<std::uint8_t>> indices = UnpackRle8(data, layout.height, reason);
        if (!indices) return std::nullopt;
        std::vector<Rgb> table = ColourTable(bytes, layout);
        for (int row = 0; row < layout.height; ++row)
            for (int x = 0; x < kWidth; ++x)
                picture[static_cast<std::size_t>(target(row)) * kWidth + x] =
                    table[(*indices)[row * kWidth + x]];
        return picture;
    }
    std::size_t stride = (static_cast<std::size_t>(kWidth) * bits + 31) / 32 * 4;
    if (data.size() < stride * layout.height)
        return reason = "has a tileset whose pixels are cut off", std::nullopt;
    std::vector<Rgb> table = bits == 8 ? ColourTable(bytes, layout) : std::vector<Rgb>{};
    int step = bits / 8;
    for (int row = 0; row < layout.height; ++row) {
        const std::uint8_t* stored = data.data() + stride * row;
        Rgb* out = picture.data() + static_cast<std::size_t>(target(row)) * kWidth;
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t* p = stored + x * step;
            out[x] = bits == 8 ? table[*p] : Rgb{p[2], p[1], p[0]};
        }
    }
    return picture;
}

}  // namespace

std::optional<TilesetPixels> TilesetPixels::Decode(std::span<const std::uint8_t> tileset,
                                                   std::string& reason) {
    std::optional<Layout> layout = CheckLayout(tileset, reason);
    if (!layout) return std::nullopt;
    std::optional<std::vector<Rgb>> picture = Picture(tileset, *layout, reason);
    if (!picture) return std::nullopt;
    int rows = std::min(layout->height / 16, kMostRows);
    picture->resize(static_cast<std::size_t>(kWidth) * 16 * rows);
    return TilesetPixels(rows, std::move(*picture));
}

TilesetPixels::TilesetPixels(int rows, std::vector<Rgb> picture)
    : rows_(rows), scaled_(kPerTile * TileCount()) {
    for (int t = 0; t < TileCount(); ++t) {
        int left = (t % kColumns) * 16, top = (t / kColumns) * 16;
        Rgb* tile = scaled_.data() + kPerTile * t;
        for (int v = 0; v < 16; ++v)
            for (int u = 0; u < 16; ++u)
                tile[v * 16 + u] = picture[static_cast<std::size_t>(top + v) * kWidth + left + u];
        for (int size = 8; size >= 1; size /= 2) {
            int block = 16 / size;
            Rgb* out = tile + ScaledOffset(size);
            for (int v = 0; v < size; ++v)
                for (int u = 0; u < size; ++u) {
                    std::array<unsigned, 3> sum{};
                    for (int dv = 0; dv < block; ++dv)
                        for (int du = 0; du < block; ++du) {
                            const Rgb& p = tile[(v * block + dv) * 16 + u * block + du];
                            sum[0] += p.red, sum[1] += p.green, sum[2] += p.blue;
                        }
                    unsigned n = block * block;
                    out[v * size + u] = Rgb{static_cast<std::uint8_t>((sum[0] + n / 2) / n),
                                            static_cast<std::uint8_t>((sum[1] + n / 2) / n),
                                            static_cast<std::uint8_t>((sum[2] + n / 2) / n)};
                }
        }
    }
}

std::span<const Rgb> TilesetPixels::Tile(int t, int cellSize) const {
    return std::span(scaled_).subspan(kPerTile * (t - 1) + ScaledOffset(cellSize),
                                      static_cast<std::size_t>(cellSize) * cellSize);
}

}  // namespace vetra::render
