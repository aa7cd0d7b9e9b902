#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "widgets/tilesetoperation.h"

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vetra::widgets {
class FileDialog;
class TileGrid;
}  // namespace vetra::widgets

namespace vetra::tileset {

// The tileset picker "Select tileset": drive, directory and file lists, a check of each clicked file (a
// bitmap 304 pixels wide, or a level that begins with one) with a preview, and for the WallTile operations
// the hand-over to the WallTile editor. Problems with a file only mark it "Not a valid tileset."; nothing is
// thrown.
class SelectTileset : public QDialog {
    Q_OBJECT
public:
    // What the picker reads of the window that shows it.
    struct Context {
        std::function<widgets::TilesetOperation()> currentOperation;
        std::function<bool()> useWallTiles;
        // Shows the WallTile editor for a tileset modally; true when the user did not confirm it.
        std::function<bool(const std::string& tilesetFile)> wallTileEditor;
    };

    SelectTileset(widgets::FileDialog& dialogs, Context context, QWidget* parent = nullptr);

    // True from each showing until OK succeeds.
    bool Cancelled() const { return cancelled_; }
    // The last clicked file if it is a valid tileset, else empty.
    const std::string& TilesetFile() const { return tilesetFile_; }

    // Moves the drive, directory and file lists to a directory.
    void SetDirectory(const QString& directory);
    QString Directory() const { return directory_; }

    // True for a file that begins with "BM" and declares a width of 304.
    static bool IsValidTileset(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void Refresh();
    void FillDrives();
    void FillDirectories();
    void FillFiles();
    void CheckFile(const QString& name);
    void MarkNotValid();
    void ClearChoice();

    void OpenDrive(int index);
    void OpenFolder(QListWidgetItem* item);
    void FilterByType(int index);
    void PreviewFile();
    void ChooseFile();
    void BrowseForTileset();
    void UseChosenTileset();
    void CancelChoice();

    widgets::FileDialog& dialogs_;
    Context context_;
    bool cancelled_ = true;
    std::string tilesetFile_;
    QString directory_;
    QString pattern_;

    QComboBox* drive_ = nullptr;
    QListWidget* dir_ = nullptr;
    QListWidget* file_ = nullptr;
    QComboBox* fileType_ = nullptr;
    widgets::TileGrid* preview_ = nullptr;
    QLabel* notValid_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vetra::tileset
