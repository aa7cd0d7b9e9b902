#include "ui/secondarywindows.h"

#include "preview/previewwindow.h"
#include "tileset/selecttileset.h"
#include "tileset/tileseteditor.h"
#include "ui/commentswindow.h"
#include "ui/mainwindow.h"
#include "walltiles/walltileeditor.h"

namespace vetra::ui {
namespace {

// The picker shown modally: the chosen file, or nothing when the user cancelled it (or the WallTile editor).
std::optional<std::string> PickTileset(tileset::SelectTileset& picker) {
    picker.exec();
    if (picker.Cancelled()) return std::nullopt;
    return picker.TilesetFile();
}

// The WallTile editor shown modally for a tileset; true when the user did not confirm it.
bool EditWallTiles(walltiles::WallTileEditor& editor, const std::string& tilesetFile) {
    editor.SetTilesetFile(tilesetFile);
    editor.exec();
    return editor.Cancelled();
}

}  // namespace

SecondaryWindows::SecondaryWindows(MainWindow& window)
    : QObject(&window), dialog_([&window]() -> widgets::FileDialog& { return window.Dialog(); }) {
    wallTileEditor_ = new walltiles::WallTileEditor(window, dialog_, window.InstalledWallTiles(),
                                                    window.VersionText(), &window);
    walltiles::WallTileEditor* wallTileEditor = wallTileEditor_;
    tileset::SelectTileset::Context context{
        [&window] { return window.CurrentOperation(); },
        [&window] { return window.OptionValue(Option::UseWallTiles); },
        [wallTileEditor](const std::string& file) { return EditWallTiles(*wallTileEditor, file); }};
    picker_ = new tileset::SelectTileset(dialog_, std::move(context), &window);

    tileset::SelectTileset* picker = picker_;
    tileset::TilesetEditor::Hooks hooks{[picker] { return PickTileset(*picker); },
                                        [&window](const std::string& file) {
                                            CommentsWindow& comments = FindOrCreateCommentsWindow(
                                                window, &window, window.KeepOriginalNow());
                                            comments.Load(file, true);
                                            comments.exec();
                                        }};
    tilesetEditor_ = new tileset::TilesetEditor(dialog_, std::move(hooks), &window);

    for (QWidget* secondary : std::initializer_list<QWidget*>{wallTileEditor_, picker_, tilesetEditor_})
        window.AddSecondaryWindow(secondary);
    window.SetTilesetPicker([picker] { return PickTileset(*picker); });
    tileset::TilesetEditor* tilesetEditor = tilesetEditor_;
    window.SetTilesetEditor([tilesetEditor](const std::string& file) {
        tilesetEditor->SetFileName(file);
        tilesetEditor->exec();
    });
    // Each file gets a window of its own, so that two levels can be looked at side by side.
    window.SetPreviewOpener([this, &window](const std::string& file) -> QWidget* {
        auto* preview = new preview::PreviewWindow(dialog_, &window);
        preview->setAttribute(Qt::WA_DeleteOnClose);
        if (!preview->Open(file)) {
            preview->deleteLater();
            return nullptr;
        }
        window.AddSecondaryWindow(preview);
        preview->show();
        return preview;
    });
}

}  // namespace vetra::ui
