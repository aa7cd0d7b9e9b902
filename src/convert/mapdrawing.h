#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "walltiles/model/converterwalltiles.h"
#include "formats/tilerecord.h"
#include "util/fileio.h"
#include "util/fileresult.h"
#include "util/progresstitle.h"

// A level drawn as the pixels of a map bitmap, one pixel per cell: the way back from a level that the
// deconversion writes and the re-link converts again.
namespace vetra::convert {

// The map's pixels and the tiles it could not hold.
class MapDrawing {
public:
    // Every tile that a WallTile of the set lists is drawn as that WallTile's marker (the first that lists it).
    explicit MapDrawing(const ConverterWallTiles& wallTiles);

    void Draw(const TileRecord& record);

    // 1024 rows of 1024 pixels, bottom row first.
    const Bytes& Pixels() const { return pixels_; }

    // The notice for the tiles left out, or "" when there were none.
    std::string LeftOutText(const std::string& levelPath) const;
    // "PATH: N tiles hidden under objects were left out." for the tiles a later object's footprint drew over;
    // "" when there were none.
    std::string HiddenText(const std::string& levelPath) const;

private:
    void Set(int x, int y, std::uint8_t value);
    void Fill(const TileRecord& record, int side, std::uint8_t value);

    std::array<int, 256> markers_;
    Bytes pixels_;
    std::array<bool, 256> leftOut_{};
    std::size_t leftOutCount_ = 0;
    std::size_t hiddenCount_ = 0;
};

// A level read to be drawn: its bytes, where its records start, and the records, all inside the map.
struct LevelForMap {
    Bytes bytes;
    bool beganWithTileset = false;  // it began with a tileset that passed the width test
    std::uint32_t tilesetSize = 0;
    std::vector<TileRecord> records;
};

// Reads a level for drawing. A level that cannot be read, whose tileset is not 304 pixels wide or runs past the
// end of the file, or that has a record outside the map gets a framed notice and gives nothing.
std::optional<LevelForMap> ReadLevelForMap(FileResult& result, ProgressTitle& title, const std::string& levelPath);

// Draws the records in order, showing "% created..." progress.
MapDrawing DrawRecords(ProgressTitle& title, const std::vector<TileRecord>& records,
                       const ConverterWallTiles& wallTiles);

}  // namespace vetra::convert
