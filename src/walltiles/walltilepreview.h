#pragma once

#include <QImage>

#include "widgets/tilesetbytes.h"
#include "walltiles/model/walltiledefinition.h"

namespace vetra::walltiles {

// The 64 x 80 picture of a WallTile's 4 x 5 slots in the tileset's colours: each slot shows its tile, and an
// empty one (or a number past 190) the palette swatch, whose pixel (x, y) holds palette entry 16 y + x.
// A tileset without pixels gives swatches only.
QImage WallTilePreview(const widgets::TilesetBytes& tileset, const WallTileDefinition& definition);

}  // namespace vetra::walltiles
