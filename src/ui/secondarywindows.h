#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "widgets/forwardeddialog.h"

namespace vetra::tileset {
class SelectTileset;
class Tileset;
}  // namespace vetra::tileset

namespace vetra::walltiles {
class Custom;
}

namespace vetra::ui {

class UI;

// The windows that the main window's buttons open beyond its own dialogs: the tileset picker, the WallTile
// editor the picker hands the WallTile operations to, and the tileset editor with its comments window. Made
// once as children of the main window, which owns this object too and closes them when it closes.
class SecondaryWindows : public QObject {
    Q_OBJECT
public:
    explicit SecondaryWindows(UI& window);

    tileset::SelectTileset& Picker() const { return *picker_; }
    walltiles::Custom& WallTileEditor() const { return *wallTileEditor_; }
    tileset::Tileset& TilesetEditor() const { return *tilesetEditor_; }

private:
    widgets::ForwardedDialog dialog_;
    walltiles::Custom* wallTileEditor_ = nullptr;
    tileset::SelectTileset* picker_ = nullptr;
    tileset::Tileset* tilesetEditor_ = nullptr;
};

}  // namespace vetra::ui
