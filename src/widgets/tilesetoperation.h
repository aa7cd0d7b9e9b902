#pragma once

namespace vetra::widgets {

// The operation a tileset is being chosen for: the tileset picker hands the WallTile operations on to the
// WallTile editor, and not the others.
enum class TilesetOperation { None, Convert, Deconvert, ApplyTiles, ReLink, EditTiles };

}  // namespace vetra::widgets
