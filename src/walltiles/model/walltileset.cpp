#include "walltiles/model/walltileset.h"

#include <algorithm>

namespace vetra {

WallTileSet::WallTileSet(int count) : definitions_(std::clamp(count, 1, kMaxWallTiles)) {}

void WallTileSet::SetCurrent(int index) { current_ = std::clamp(index, 0, LastIndex()); }

WallTileDefinition& WallTileSet::Definition(int index) {
    return definitions_[std::clamp(index, 0, LastIndex())];
}

const WallTileDefinition& WallTileSet::Definition(int index) const {
    return definitions_[std::clamp(index, 0, LastIndex())];
}

bool WallTileSet::AddWallTile() {
    if (LastIndex() >= kMaxWallTiles - 1) return false;
    int index = current_ + 1;
    bool diagonals = index <= LastIndex() && definitions_[index].diagonals;
    WallTileDefinition blank;
    blank.diagonals = diagonals;
    definitions_.insert(definitions_.begin() + index, blank);
    current_ = index;
    return true;
}

void WallTileSet::DeleteCurrent() {
    if (LastIndex() == 0) {
        ClearCurrent();
        return;
    }
    definitions_.erase(definitions_.begin() + current_);
    current_ = std::min(current_, LastIndex());
}

void WallTileSet::ClearCurrent() { definitions_[current_].tiles.fill(0); }

ConverterWallTiles WallTileSet::ToConverterOrder() const {
    ConverterWallTiles converter;
    for (const WallTileDefinition& definition : definitions_) {
        converter.definitions.push_back(definition.ToConverterOrder());
        converter.diagonals.push_back(definition.diagonals);
    }
    return converter;
}

}  // namespace vetra
