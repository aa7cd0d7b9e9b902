#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "walltiles/model/converterwalltiles.h"
#include "walltiles/model/walltileset.h"
#include "widgets/tileselection.h"
#include "widgets/tilesetbytes.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QStatusBar;

namespace vetra {
class Host;
}

namespace vetra::widgets {
class FileDialog;
class TileGrid;
}  // namespace vetra::widgets

namespace vetra::walltiles {

// The WallTile editor "Custom WallTile Definition": builds a set of up to 32 WallTiles from the tiles of a
// tileset, loads and saves it as a ".wtd" file, and on OK installs it as the set the WallTile operations use;
// Cancel empties that set, the close box leaves it alone. Each showing starts again from the last loaded file as it now
// stands on disk. Failures are message boxes of the host; nothing is thrown.
class WallTileEditor : public QDialog {
    Q_OBJECT
public:
    // installed is the set OK installs into; it must outlive the window.
    WallTileEditor(Host& host, widgets::FileDialog& dialogs, ConverterWallTiles& installed,
                   QString versionText, QWidget* parent = nullptr);

    // True from each showing until OK.
    bool Cancelled() const { return cancelled_; }
    // The tileset bitmap, or level that begins with one, whose tiles the next showing offers.
    void SetTilesetFile(const std::string& path) { tilesetFile_ = path; }
    const std::string& TilesetFile() const { return tilesetFile_; }

    // What the window holds, for tests.
    const WallTileSet& WallTiles() const { return set_; }
    const std::string& DefinitionFile() const { return definitionFile_; }

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // Reachable by name for the rules the buttons' enabling never lets a user reach.
    void DeleteWallTile();
    void ClearWallTile();
    void AddWallTile();

private:
    void BuildControls();
    void BuildPreviews();
    void BuildExample();
    void BuildCommands();
    QPushButton* Command(const QString& caption, QRect geometry);
    void Activate();
    bool LoadTileset();
    void ResetWallTiles();
    void LoadDefinitionFile();
    void UpdateButtons();
    void MakePicture();
    void RefreshView();
    void ShowWallTile(int slot, int index, bool visible);
    void CopyTiles(int column, int row);
    void ShowVersion();

    void MouseDownOnTileset(QPoint pixel);
    void MouseMoveOverTileset(QPoint pixel);
    void MouseUpOnTileset(QPoint pixel);
    void PasteIntoSlots(QPoint pixel);
    void ShowPreviousWallTile();
    void ShowNextWallTile();
    void ClearSelection();
    void SetDiagonals();
    void ScrollToWallTile(int value);
    void LoadDefinitions();
    void SaveDefinitions();
    void InstallAndClose();
    void CloseWithoutWallTiles();

    Host& host_;
    widgets::FileDialog& dialogs_;
    ConverterWallTiles& installed_;
    QString versionText_;
    bool cancelled_ = true;
    std::string tilesetFile_;
    std::string definitionFile_;
    WallTileSet set_;
    widgets::TilesetBytes tileset_;
    widgets::TileSelection picked_{0, 0, 0, 0};
    bool dragging_ = false;

    // Previous, current and next WallTile.
    widgets::TileGrid* previews_[3] = {};
    QLabel* labels_[3] = {};
    QLabel* covers_[3] = {};
    QFrame* example_ = nullptr;
    QLabel* examplePicture_ = nullptr;
    QCheckBox* diagonals_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLabel* index_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* add_ = nullptr;
    widgets::TileGrid* tilesetImage_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace vetra::walltiles
