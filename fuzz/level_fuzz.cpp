// Level parsing: the layout always adds up to the file, and the records read back to their own bytes.
#include <cstdint>
#include <span>

#include "formats/level.h"
#include "support/fuzzcheck.h"

namespace {

void CheckLayout(std::span<const std::uint8_t> bytes, vetra::TilesetSignature signature) {
    using vetra::fuzz::Require;
    vetra::LevelLayout layout = vetra::ParseLevel(bytes, signature);
    std::vector<vetra::TileRecord> records = vetra::ReadTileRecords(bytes, layout);
    if (layout.tilesetBeyondEnd) {
        Require(records.empty(), "records read past a tileset that runs beyond the end");
        return;
    }
    Require(layout.recordStart + 4 * layout.recordCount + layout.trailingBytes == bytes.size(),
            "the layout does not add up to the file length");
    Require(layout.trailingBytes < 4, "a whole record counted as trailing bytes");
    Require(records.size() == layout.recordCount, "records lost");
    std::vector<std::uint8_t> encoded = vetra::EncodeTileRecords(records);
    Require(std::equal(encoded.begin(), encoded.end(), bytes.begin() + layout.recordStart),
            "records do not encode back to their bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> bytes(data, size);
    CheckLayout(bytes, vetra::TilesetSignature::SecondByte);
    CheckLayout(bytes, vetra::TilesetSignature::BothBytes);
    return 0;
}
