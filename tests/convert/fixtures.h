#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/bitmapheader.h"
#include "formats/level.h"
#include "formats/tilerecord.h"
#include "util/fileio.h"
#include "util/writefaults.h"

// Small levels and tilesets built in memory for the engine's tests.
namespace vetra::test {

// A tileset of the given height with a palette and pixels of its own, and `comments` bytes behind the pixels
// that its file-size field counts.
inline Bytes PaintedTileset(int height = 160, std::size_t comments = 0, std::uint8_t seed = 1) {
    auto header = TilesetHeader(height);
    Bytes bytes(header.begin(), header.end());
    for (int i = 0; i < 1024; ++i) bytes.push_back(static_cast<std::uint8_t>(seed * 31 + i * 3));
    for (int i = 0; i < height * 304; ++i) bytes.push_back(static_cast<std::uint8_t>(seed + i * 7));
    for (std::size_t i = 0; i < comments; ++i) bytes.push_back(static_cast<std::uint8_t>('a' + i % 26));
    WriteU32(bytes.data() + 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

inline Bytes RecordBytes(const std::vector<TileRecord>& records) { return EncodeTileRecords(records); }

inline Bytes Joined(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Fails one step of the n-th file write (counted from 1), the others go through.
class FailNthWrite : public WriteFaults {
public:
    explicit FailNthWrite(int n, WriteStep step = WriteStep::WriteData) : n_(n), step_(step) {}
    bool ShouldFail(WriteStep step) override {
        if (step == WriteStep::CreateTemporary) ++writes_;
        return writes_ == n_ && step == step_;
    }

private:
    int n_;
    WriteStep step_;
    int writes_ = 0;
};

}  // namespace vetra::test
