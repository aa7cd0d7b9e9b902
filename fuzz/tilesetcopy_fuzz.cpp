// Copying and cleaning the tileset at the head of arbitrary bytes: never reads past the source, and cleaning
// keeps the copy's length, file-size field and pixels.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "convert/tilesetprimitives.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "support/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    using fuzz::Require;
    FuzzedDataProvider input(data, size);
    auto height = input.ConsumeIntegral<std::uint8_t>();
    std::vector<std::uint8_t> source = input.ConsumeRemainingBytes<std::uint8_t>();
    Bytes copy;
    std::uint32_t copied = convert::CopyTileset(source, copy);
    Require(copied <= source.size(), "copied more than the source holds");
    if (copied == 0) return 0;
    Require(copy.size() >= copied && std::equal(copy.begin(), copy.begin() + copied, source.begin()),
            "the copy differs from the source");
    Bytes cleaned = copy;
    convert::CleanTilesetCopy(cleaned, height);
    Require(cleaned.size() >= copy.size(), "cleaning shortened the copy");
    if (copy.size() >= 6) Require(ReadU32(cleaned.data() + 2) == ReadU32(copy.data() + 2), "cleaning moved the size");
    if (copy.size() > kPixelOffset)
        Require(std::equal(copy.begin() + kPixelOffset, copy.end(), cleaned.begin() + kPixelOffset),
                "cleaning changed pixels");
    return 0;
}
