#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/info.h"
#include "util/batchoperation.h"
#include "util/host.h"
#include "walltiles/model/converterwalltiles.h"
#include "widgets/filedialog.h"
#include "widgets/tilesetoperation.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

namespace vetra::ui {

// The option boxes of the window, read when an operation is made from them.
enum class Option { UseWallTiles, CleanPalette, IncludeDescriptions, DontOverwriteFiles };

// The steps a batch may take around its file dialog. A step that returns false ends the batch silently.
struct BatchSteps {
    // Becomes CurrentOperation before any dialog or picker; None leaves it as it is.
    widgets::TilesetOperation operation = widgets::TilesetOperation::None;
    std::function<bool()> beforeDialog;  // Apply Tiles' tileset, Overlay's diff file
    std::function<bool()> afterDialog;   // the WallTile picker, Describe's comment file
};

// The main window: four tabs of buttons that start every operation, the four options, a status bar of hints,
// and the title as the engine's progress display. It is the engine's host: each operation is made from the
// options as they stand once its dialogs have been answered, and its results are shown in the summary and in
// message boxes. A cancelled dialog ends a batch silently; an unexpected error is reported in a message box.
class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    // Opens the picker and returns the chosen tileset file (empty when none was chosen), or nothing when the
    // user cancelled.
    using TilesetPicker = std::function<std::optional<std::string>()>;
    // Opens the tileset editor on a file.
    using TilesetEditorOpener = std::function<void(const std::string& file)>;
    // Opens a Preview window on a level or map bitmap: the window, or null when the file cannot be drawn.
    using PreviewOpener = std::function<QWidget*(const std::string& file)>;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Host
    void SetTitle(const std::string& text) override;
    void RestoreTitle() override;
    void DoEvents() override;
    void ClearText() override;
    void AddText(const std::string& text) override;
    void MessageBox(const std::string& text) override;

    // The current value of an option box.
    bool OptionValue(Option option) const;
    // Reads "Don't Overwrite Files" at the moment a comment write starts.
    std::function<bool()> KeepOriginalNow() const;
    // The WallTile set that the WallTile editor installs and the WallTile operations use while "Use WallTiles"
    // is checked; empty at start.
    ConverterWallTiles& InstalledWallTiles() { return wallTiles_; }
    // That set when "Use WallTiles" is checked, else none.
    ConverterWallTiles WallTilesInUse() const;

    QString VersionText() const { return versionText_; }
    widgets::TilesetOperation CurrentOperation() const { return currentOperation_; }
    QString StatusText() const;
    // The common dialog that every window uses.
    widgets::FileDialog& Dialog() { return *dialog_; }
    void SetFileDialog(std::unique_ptr<widgets::FileDialog> dialog);
    // The summary window, created on first use; null until then or after the user closed it.
    Info* SummaryWindow() const { return info_; }

    void SetTilesetPicker(TilesetPicker picker) { tilesetPicker_ = std::move(picker); }
    void SetTilesetEditor(TilesetEditorOpener editor) { tilesetEditor_ = std::move(editor); }
    void SetPreviewOpener(PreviewOpener opener) { previewOpener_ = std::move(opener); }
    // A Preview window on the file, as "vetra --preview FILE" opens it; null when it cannot be drawn.
    QWidget* OpenPreview(const std::string& file) { return previewOpener_ ? previewOpener_(file) : nullptr; }
    // Runs the picker; nothing when cancelled. The choice stays readable through PickedTileset.
    std::optional<std::string> ChooseTileset();
    const std::string& PickedTileset() const { return pickedTileset_; }
    // The step of Convert, Deconvert and Re-Link: the picker runs only while "Use WallTiles" is checked.
    std::function<bool()> WallTilePickerStep();
    // A window that the main window closes when it closes (editors, picker), in the order added.
    void AddSecondaryWindow(QWidget* window);

    // Makes an operation from the window's options and choices as they stand when it is called.
    using OperationMaker = std::function<BatchOperation()>;
    // The batch pattern: disable the controls, ask for files (in the dialog the operation names), take the
    // steps, make the operation and run its job over the files with progress lines, show the completion
    // message (none when the operation has no completion text), enable the controls.
    void RunOperation(const OperationMaker& operation, const BatchSteps& steps = {});
    // A single-file operation: a save dialog, the routine on the chosen name, its result, and the completion
    // text when the routine succeeded.
    void RunSaveOperation(const BatchOperation& operation);
    // Any other handler's body, between DisableControls and EnableControls; an unexpected error is reported.
    void RunWithControlsDisabled(const std::function<void()>& body);

    void DisableControls();
    void EnableControls();
    // The tab-click rule: the frame whose caption matches, ignoring case, becomes the visible one.
    void ShowFrameForCaption(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void ShowTab(int index);
    void EnableExpertButtons();
    void ConvertMaps();
    void ReLinkLevels();
    void OverlayLevels();
    void DeconvertLevels();
    void CreateBlankMap();
    void DiffLevels();
    void EditTileset();
    void ApplyTilesets();
    void SplitLevels();
    void CreateBlankTileset();
    void ViewComments();
    void EditComments();
    void WipeComments();
    void ShowAbout();
    void PreviewLevel();
    void ConvertSetsToCfg();
    void ConvertCfgsToSet();
    void DescribeSets();

private:
    void BuildTabStrip(QWidget* central);
    void BuildFrames(QWidget* central);
    void ConnectButtons();
    // The comment-file dialog of the Server tab; "" when cancelled or not a template or .set.
    std::string PickCommentFile();
    void WatchForHints(QWidget* widget, const QString& hint);
    Info& Summary();
    QPushButton* Button(const char* name) const;
    QCheckBox* Box(const char* name) const;

    QString versionText_;
    widgets::TilesetOperation currentOperation_ = widgets::TilesetOperation::None;
    std::unique_ptr<widgets::FileDialog> dialog_;
    QPointer<Info> info_;
    std::vector<QPointer<QWidget>> secondary_;
    TilesetPicker tilesetPicker_;
    TilesetEditorOpener tilesetEditor_;
    PreviewOpener previewOpener_;
    std::string pickedTileset_;
    std::string overlay_;
    std::string commentFile_;
    ConverterWallTiles wallTiles_;
    QTabBar* tabStrip_ = nullptr;
    QLabel* statusText_ = nullptr;
    std::vector<QFrame*> frames_;
    std::vector<QWidget*> disableOrder_;
    QHash<QObject*, QString> hints_;
};

}  // namespace vetra::ui
