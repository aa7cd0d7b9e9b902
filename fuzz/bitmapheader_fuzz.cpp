// The bitmap header readers and tests on arbitrary bytes.
#include <cstdint>
#include <span>

#include "formats/bitmapheader.h"
#include "support/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vetra::fuzz::Require;
    std::span<const std::uint8_t> bytes(data, size);
    std::optional<vetra::BitmapInfo> info = vetra::ReadBitmapInfo(bytes);
    Require(info.has_value() == (size >= vetra::kBitmapHeaderSize), "header read from too few bytes");
    bool width = vetra::PassesTilesetWidth(bytes);
    Require(!width || vetra::PassesTilesetSignature(bytes), "width test passed without the signature");
    bool map = vetra::PassesMapBitmapTest(bytes);
    Require(!map || size >= vetra::kMapBitmapSize, "a short file passed the map bitmap test");
    if (info && (width || map)) Require((info->width & 0xFFFF) == (width ? 304 : 1024), "width test disagrees");
    return 0;
}
