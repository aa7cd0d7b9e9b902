#pragma once

#include <string>

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vetra {
class Host;
}

namespace vetra::ui {

class FileDialog;

// The window "Embedded Comments": the comments of one tileset file in a text box, editable or read-only. OK
// writes an edited text back through the host (whose "Don't Overwrite Files" option is read at that moment);
// Cancel writes nothing. Failures of the write are the engine's message boxes; the window only hides.
class frmComments : public QDialog {
    Q_OBJECT
public:
    explicit frmComments(Host& host, QWidget* parent = nullptr);

    // Shows the comments of the file. The text stays read-only, whatever editable says, for a file without a
    // tileset, and for one whose comments must not be rewritten (after a message box saying why).
    void Load(const std::string& path, bool editable);

    // The text box, OK and Cancel, under the names the program gives them.
    QPlainTextEdit* Info() const { return info_; }
    QPushButton* OK() const { return ok_; }
    QPushButton* Cancel() const { return cancel_; }

    bool Editable = false;
    std::string CommentFile;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OK_Click();
    void Cancel_Click();

private:
    void LayOut();

    Host& host_;
    QPlainTextEdit* info_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// The one comments window of an owner: its direct child, made on first use and kept.
frmComments& CommentsWindow(Host& host, QWidget* owner);

// The procedure behind the three Info buttons: asks for a file ("View info from file:", the filter entry
// selectedFormat, its absolute value), then wipes its comments when selectedFormat is negative, or else shows
// them in the comments window, created on first use as a child of owner and kept, and returns when it hides.
// A cancelled dialog ends it silently; any other error gets the "Error in FileInfo()" message box.
void FileInfo(Host& host, FileDialog& dialog, QWidget* owner, short selectedFormat, bool editable);

}  // namespace vetra::ui
