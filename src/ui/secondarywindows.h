#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "widgets/forwardeddialog.h"

namespace vetra::tileset {
class SelectTileset;
class TilesetEditor;
}  // namespace vetra::tileset

namespace vetra::walltiles {
class WallTileEditor;
}

namespace vetra::ui {

class MainWindow;

// The windows that the main window's buttons open beyond its own dialogs: the tileset picker, the WallTile
// editor the picker hands the WallTile operations to, and the tileset editor with its comments window. Made
// once as children of the main window, which owns this object too and closes them when it closes.
class SecondaryWindows : public QObject {
    Q_OBJECT
public:
    explicit SecondaryWindows(MainWindow& window);

    tileset::SelectTileset& Picker() const { return *picker_; }
    walltiles::WallTileEditor& WallTileEditorWindow() const { return *wallTileEditor_; }
    tileset::TilesetEditor& TilesetEditorWindow() const { return *tilesetEditor_; }

private:
    widgets::ForwardedDialog dialog_;
    walltiles::WallTileEditor* wallTileEditor_ = nullptr;
    tileset::SelectTileset* picker_ = nullptr;
    tileset::TilesetEditor* tilesetEditor_ = nullptr;
};

}  // namespace vetra::ui
