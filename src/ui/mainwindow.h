#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/filedialog.h"
#include "ui/info.h"
#include "util/batchoperation.h"
#include "util/host.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

namespace vetra::ui {

// The steps a batch may take around its file dialog. A step that returns false ends the batch silently.
struct BatchSteps {
    short operationCode = 0;             // becomes CurrentOperation before any dialog or picker; 0 leaves it
    std::function<bool()> beforeDialog;  // Apply Tiles' tileset, Overlay's diff file
    std::function<bool()> afterDialog;   // the WallTile picker, Describe's comment file
};

// The main window: four tabs of buttons that start every operation, the four options, a status bar of hints,
// and the title as the engine's progress display. It is the engine's host. Operations report failure in their
// own messages; the batch driver ends silently on a cancelled dialog or an error outside the engine.
class UI : public QMainWindow, public Host {
    Q_OBJECT
public:
    // Opens the picker and returns the chosen tileset file (empty when none was chosen), or nothing when the
    // user cancelled.
    using TilesetPicker = std::function<std::optional<std::string>()>;
    // Opens the tileset editor on a file.
    using TilesetEditor = std::function<void(const std::string& file)>;

    explicit UI(QWidget* parent = nullptr);
    ~UI() override;

    // Host
    void SetTitle(const std::string& text) override;
    void RestoreTitle() override;
    void ClearText() override;
    void AddText(const std::string& text) override;
    void MessageBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text) override;
    void DoEvents() override;
    bool OptionValue(Option option) const override;

    QString VersionText() const { return versionText_; }
    short CurrentOperation() const { return currentOperation_; }
    QString StatusText() const;
    // The common dialog that every window uses.
    FileDialog& Dialog() { return *dialog_; }
    void SetFileDialog(std::unique_ptr<FileDialog> dialog);
    // The summary window, created on first use; null until then or after the user closed it.
    Info* SummaryWindow() const { return info_; }

    void SetTilesetPicker(TilesetPicker picker) { tilesetPicker_ = std::move(picker); }
    void SetTilesetEditor(TilesetEditor editor) { tilesetEditor_ = std::move(editor); }
    // Runs the picker; nothing when cancelled. The choice stays readable through PickedTileset.
    std::optional<std::string> ChooseTileset();
    const std::string& PickedTileset() const { return pickedTileset_; }
    // The step of Convert, Deconvert and Re-Link: the picker runs only while "Use WallTiles" is checked.
    std::function<bool()> WallTilePickerStep();
    // A window that the main window closes when it closes (editors, picker), in the order added.
    void AddSecondaryWindow(QWidget* window);

    // The batch pattern: disable the controls, ask for files, run the job over them with progress lines, show
    // the completion message (none when the operation has no completion text), enable the controls.
    void RunOperation(const BatchOperation& operation, const BatchSteps& steps = {});
    // A single-file operation: a save dialog, the routine on the chosen name, and the completion text when
    // the routine succeeded.
    void RunSaveOperation(const BatchOperation& operation);
    // Any other handler's body, between DisableControls and EnableControls; an exception ends it silently.
    void RunWithControlsDisabled(const std::function<void()>& body);

    void DisableControls();
    void EnableControls();
    void ReEnableButtons() { EnableControls(); }
    // The tab-click rule: the frame whose caption matches, ignoring case, becomes the visible one.
    void ShowFrameForCaption(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void TabStrip_Click(int index);
    void Expert_Click();
    void cmdConvert_Click();
    void cmdFixLVL_Click();
    void cmdMergeLvls_Click();
    void cmdDeconvert_Click();
    void cmdMakeBMP_Click();
    void cmdDiffLvls_Click();
    void cmdTileset_Click();
    void cmdApplyTileset_Click();
    void cmdSplitLevel_Click();
    void cmdMakeTileset_Click();
    void cmdGetInfo_Click();
    void cmdPutInfo_Click();
    void cmdDelInfo_Click();
    void cmdAbout_Click();
    void cmdSet2Cfg_Click();
    void cmdCfg2Set_Click();
    void cmdDescSet_Click();

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
    short currentOperation_ = 0;
    std::unique_ptr<FileDialog> dialog_;
    QPointer<Info> info_;
    std::vector<QPointer<QWidget>> secondary_;
    TilesetPicker tilesetPicker_;
    TilesetEditor tilesetEditor_;
    std::string pickedTileset_;
    QTabBar* tabStrip_ = nullptr;
    QLabel* statusText_ = nullptr;
    std::vector<QFrame*> frames_;
    std::vector<QWidget*> disableOrder_;
    QHash<QObject*, QString> hints_;
};

}  // namespace vetra::ui
