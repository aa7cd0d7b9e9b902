#pragma once

#include <QPixmap>

namespace vetra::walltiles {

// The editor's built-in picture of a complete WallTile, 64 x 80: each of the 20 slots drawn as the piece of
// wall it stands for (its joined neighbours, or a diagonal run in the fifth row), drawn rather than loaded so
// that it stays sharp at any scale.
QPixmap ExampleWallTile();

}  // namespace vetra::walltiles
