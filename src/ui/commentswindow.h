#pragma once

#include <functional>
#include <string>

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vetra {
class Host;
}

namespace vetra::widgets {
class FileDialog;
}  // namespace vetra::widgets

namespace vetra::ui {

// Tells, at the moment a write starts, whether the original is to be kept ("Don't Overwrite Files").
using KeepOriginal = std::function<bool()>;

// The window "Embedded Comments": the comments of one tileset file in a text box, editable or read-only. OK
// writes an edited text back (asking keepOriginal at that moment) and reports the result through the host;
// Cancel writes nothing. The window only hides.
class CommentsWindow : public QDialog {
    Q_OBJECT
public:
    CommentsWindow(Host& host, KeepOriginal keepOriginal, QWidget* parent = nullptr);

    // Shows the comments of the file. The text stays read-only, whatever editable says, for a file without a
    // tileset, and for one whose comments must not be rewritten (after a message box saying why).
    void Load(const std::string& path, bool editable);

    // The text box, OK and Cancel, under the names the program gives them.
    QPlainTextEdit* Info() const { return info_; }
    QPushButton* OK() const { return ok_; }
    QPushButton* Cancel() const { return cancel_; }
    // Whether OK writes the text back, and the file it goes to.
    bool Editable() const { return editable_; }
    const std::string& CommentFile() const { return commentFile_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void SaveAndClose();
    void CloseWithoutSaving();

private:
    void LayOut();

    Host& host_;
    KeepOriginal keepOriginal_;
    bool editable_ = false;
    std::string commentFile_;
    QPlainTextEdit* info_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// The one comments window of an owner: its direct child, made on first use and kept.
CommentsWindow& FindOrCreateCommentsWindow(Host& host, QWidget* owner, const KeepOriginal& keepOriginal);

// The procedure behind the three Info buttons: asks for a file ("View info from file:", the filter entry
// selectedFormat, its absolute value), then wipes its comments when selectedFormat is negative, or else shows
// them in the comments window, created on first use as a child of owner and kept, and returns when it hides.
// A cancelled dialog ends it silently; any other error gets a message box naming the file and the reason.
void OpenFileComments(Host& host, widgets::FileDialog& dialog, QWidget* owner, short selectedFormat,
                      bool editable, const KeepOriginal& keepOriginal);

}  // namespace vetra::ui
