#pragma once

#include <vector>

#include "walltiles/model/converterwalltiles.h"
#include "walltiles/model/walltiledefinition.h"

namespace vetra {

// The WallTile set of the editor: 1 to 32 definitions with indices 0 to the last index, and a current one.
// Nothing here fails; an index out of range is clamped.
class WallTileSet {
public:
    static constexpr int kMaxWallTiles = ConverterWallTiles::kMaxWallTiles;

    // count blank WallTiles (at least 1, at most 32), the first one current.
    explicit WallTileSet(int count = 1);

    int LastIndex() const { return static_cast<int>(definitions_.size()) - 1; }
    int Current() const { return current_; }
    void SetCurrent(int index);

    WallTileDefinition& Definition(int index);
    const WallTileDefinition& Definition(int index) const;
    WallTileDefinition& CurrentDefinition() { return definitions_[current_]; }

    // "Add WallTile": a blank WallTile after the current one becomes current; false when the set is full.
    // The new WallTile takes the Diagonals flag of the one that stood at its index, as the editor does.
    bool AddWallTile();
    // "Delete Current": drops the current WallTile; the only one left is cleared instead.
    void DeleteCurrent();
    // "Clear Current": every slot of the current WallTile becomes 0; Diagonals stays.
    void ClearCurrent();

    // The set as the converter takes it (SetWallTiles): flags and definitions in converter order.
    ConverterWallTiles ToConverterOrder() const;

    bool operator==(const WallTileSet&) const = default;

private:
    std::vector<WallTileDefinition> definitions_;
    int current_ = 0;
};

}  // namespace vetra
