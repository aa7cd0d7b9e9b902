#include "support/fuzzedinputs.h"

#include <algorithm>

#include "formats/bitmapheader.h"

namespace vetra::fuzz {
namespace {

// Header offsets whose fields decide whether a map is taken: file size, pixel offset, height, bits, compression.
constexpr std::size_t kFuzzedFields[] = {2, 10, 22, 28, 30};

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

ConverterWallTiles ConsumeWallTiles(FuzzedDataProvider& input) {
    ConverterWallTiles set;
    int count = input.ConsumeIntegralInRange(0, ConverterWallTiles::kMaxWallTiles);
    for (int w = 0; w < count && input.remaining_bytes() > 0; ++w) {
        WallTileEntries entries{};
        for (std::uint8_t& tile : entries) tile = input.ConsumeIntegral<std::uint8_t>();
        set.definitions.push_back(entries);
        set.diagonals.push_back(input.ConsumeBool());
    }
    return set;
}

std::vector<std::uint8_t> ConsumeMapBitmap(FuzzedDataProvider& input) {
    BitmapHeaderBytes header = MapBitmapHeader();
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    bytes.resize(kPixelOffset + kMapPixelSize);
    for (std::size_t field : kFuzzedFields)
        if (input.ConsumeBool()) PutU32(bytes, field, input.ConsumeIntegral<std::uint32_t>());
    if (input.ConsumeBool()) bytes.resize(input.ConsumeIntegralInRange<std::size_t>(kPixelOffset, bytes.size()));
    while (input.remaining_bytes() > 2) {
        std::size_t at = input.ConsumeIntegralInRange<std::size_t>(kBitmapHeaderSize, bytes.size());
        std::vector<std::uint8_t> run = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(1, 64));
        std::copy_n(run.begin(), std::min(run.size(), bytes.size() - at), bytes.begin() + at);
    }
    return bytes;
}

}  // namespace vetra::fuzz
