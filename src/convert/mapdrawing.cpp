#include "convert/mapdrawing.h"

#include <algorithm>

#include "convert/filenotices.h"
#include "formats/bitmapheader.h"
#include "formats/level.h"

namespace vetra::convert {
namespace {

constexpr int kNoMarker = -1;
constexpr int kMapSide = 1024;

// The values an object's footprint is drawn with, beside its own tile number at the top left.
bool IsFootprint(std::uint8_t value) { return value >= 221 && value <= 223; }

// For each tile number, the marker of the first WallTile whose compared entries list it.
std::array<int, 256> MarkerTable(const ConverterWallTiles& wallTiles) {
    std::array<int, 256> markers;
    markers.fill(kNoMarker);
    for (int w = std::min(wallTiles.Count(), ConverterWallTiles::kMaxWallTiles) - 1; w >= 0; --w) {
        auto index = static_cast<std::size_t>(w);
        int compared = index < wallTiles.diagonals.size() && wallTiles.diagonals[index] ? 20 : 16;
        for (int j = 0; j < compared; ++j)
            markers[wallTiles.definitions[index][static_cast<std::size_t>(j)]] = 255 - w;
    }
    return markers;
}

// The records from the tileset size on; a fragment of three bytes is one more record whose tile reads as 0.
// Nothing after the framed notice when a record lies outside the map.
std::optional<std::vector<TileRecord>> LoadRecords(FileResult& result, ProgressTitle& title,
                                                   const std::string& levelPath,
                                                   std::span<const std::uint8_t> data) {
    title.Show("Loading level...");
    std::size_t count = (data.size() + 1) / 4;
    std::vector<TileRecord> records;
    records.reserve(count);
    for (std::size_t i = 1; i <= count; ++i) {
        std::array<std::uint8_t, 4> bytes{};
        std::span<const std::uint8_t> part =
            data.subspan(4 * (i - 1), std::min<std::size_t>(4, data.size() - 4 * (i - 1)));
        std::copy(part.begin(), part.end(), bytes.begin());
        TileRecord record = TileRecord::Decode(bytes.data());
        if (!record.InsideMap()) {
            result.Problem(NoticeKind::Refusal, levelPath,
                           "has a tile record outside the map (" + std::to_string(record.x) + ", " +
                               std::to_string(record.y) + ")");
            return std::nullopt;
        }
        records.push_back(record);
        if (i % 256 == 0) title.ShowFigure(static_cast<long long>(i * 100 / count), "% loaded...");
    }
    return records;
}

}  // namespace

MapDrawing::MapDrawing(const ConverterWallTiles& wallTiles)
    : markers_(MarkerTable(wallTiles)), pixels_(kMapPixelSize, 0) {}

void MapDrawing::Draw(const TileRecord& record) {
    int marker = markers_[record.tile];
    if (marker != kNoMarker) return Set(record.x, record.y, static_cast<std::uint8_t>(marker));
    switch (record.tile) {
        case 217:
            Fill(record, 2, 221);
            break;
        case 219:
            Fill(record, 6, 222);
            break;
        case 220:
            Fill(record, 5, 223);
            break;
        default:
            break;
    }
    bool drawable = record.tile <= 190 || (record.tile >= 216 && record.tile <= 220);
    if (!drawable) {
        ++leftOutCount_;
        leftOut_[record.tile] = true;
    }
    Set(record.x, record.y, drawable ? record.tile : 0);
}

std::string MapDrawing::LeftOutText(const std::string& levelPath) const {
    if (leftOutCount_ == 0) return {};
    std::string numbers;
    for (int tile = 0; tile < 256; ++tile)
        if (leftOut_[static_cast<std::size_t>(tile)]) numbers += (numbers.empty() ? "" : ", ") + std::to_string(tile);
    if (leftOutCount_ == 1)
        return levelPath + ": 1 tile that a map bitmap cannot hold was left out (tile number: " + numbers + ").";
    return levelPath + ": " + std::to_string(leftOutCount_) +
           " tiles that a map bitmap cannot hold were left out (tile numbers: " + numbers + ").";
}

std::string MapDrawing::HiddenText(const std::string& levelPath) const {
    if (hiddenCount_ == 0) return {};
    if (hiddenCount_ == 1) return levelPath + ": 1 tile hidden under an object was left out.";
    return levelPath + ": " + std::to_string(hiddenCount_) + " tiles hidden under objects were left out.";
}

void MapDrawing::Set(int x, int y, std::uint8_t value) {
    pixels_[static_cast<std::size_t>((kMapSide - 1 - y) * kMapSide + x)] = value;
}

// A cell that already shows a tile (not another object's footprint) loses it to the footprint.
void MapDrawing::Fill(const TileRecord& record, int side, std::uint8_t value) {
    for (int b = 0; b < side && record.y + b < kMapSide; ++b)
        for (int a = 0; a < side && record.x + a < kMapSide; ++a) {
            std::uint8_t shown =
                pixels_[static_cast<std::size_t>((kMapSide - 1 - record.y - b) * kMapSide + record.x + a)];
            if (shown != 0 && !IsFootprint(shown)) ++hiddenCount_;
            Set(record.x + a, record.y + b, value);
        }
}

std::optional<LevelForMap> ReadLevelForMap(FileResult& result, ProgressTitle& title, const std::string& levelPath) {
    std::optional<Bytes> bytes = ReadOrRefuse(result, levelPath);
    if (!bytes) return std::nullopt;
    LevelForMap level;
    if (PassesTilesetSignature(*bytes)) {
        if (!PassesTilesetWidth(*bytes)) {
            result.Problem(NoticeKind::Refusal, levelPath, "does not begin with a 304-pixel wide tileset bitmap");
            return std::nullopt;
        }
        LevelLayout layout = ParseLevel(*bytes, TilesetSignature::SecondByte);
        if (layout.TilesetUnusable()) {
            RefuseUnusableTileset(result, levelPath, layout);
            return std::nullopt;
        }
        level.beganWithTileset = true;
        level.tilesetSize = layout.tilesetSize;
    }
    std::optional<std::vector<TileRecord>> records =
        LoadRecords(result, title, levelPath, std::span(*bytes).subspan(level.tilesetSize));
    if (!records) return std::nullopt;
    NoteStrayBytes(result, levelPath, (bytes->size() - level.tilesetSize) % 4, false);
    level.records = std::move(*records);
    level.bytes = std::move(*bytes);
    return level;
}

MapDrawing DrawRecords(ProgressTitle& title, const std::vector<TileRecord>& records,
                       const ConverterWallTiles& wallTiles) {
    title.Show("Creating bitmap...");
    MapDrawing drawing(wallTiles);
    std::size_t count = records.size();
    if (count > 0) title.ShowFigure(0, "% created...");
    for (std::size_t i = 1; i <= count; ++i) {
        drawing.Draw(records[i - 1]);
        if (i % 128 == 0) title.ShowFigure(static_cast<long long>(i * 100 / count), "% created...");
    }
    return drawing;
}

}  // namespace vetra::convert
