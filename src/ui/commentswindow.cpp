#include "ui/commentswindow.h"

#include <cmath>
#include <cstdlib>
#include <exception>

#include <QPlainTextEdit>
#include <QPushButton>

#include "convert/comments.h"
#include "widgets/filedialog.h"
#include "util/host.h"
#include "util/resultreport.h"
#include "util/textcodec.h"

namespace vetra::ui {
namespace {

// The window's measures are in twips, 15 to a pixel.
int Pixels(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }
double Twips(int pixels) { return pixels * 15.0; }

constexpr double kButtonWidth = 800;
constexpr double kButtonHeight = 300;

// The stored comments break lines with CR LF; the text box with LF.
QString Shown(const std::string& cp1252) {
    QString text = QString::fromStdString(textcodec::Cp1252ToUtf8(cp1252));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string Stored(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return textcodec::Utf8ToCp1252(text.toStdString());
}

}  // namespace

CommentsWindow::CommentsWindow(Host& host, KeepOriginal keepOriginal, QWidget* parent)
    : QDialog(parent),
      host_(host),
      keepOriginal_(std::move(keepOriginal)),
      info_(new QPlainTextEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(QStringLiteral("Embedded Comments"));
    setModal(true);
    info_->setObjectName(QStringLiteral("Info"));
    ok_->setObjectName(QStringLiteral("OK"));
    cancel_->setObjectName(QStringLiteral("Cancel"));
    ok_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    resize(Pixels(4725), Pixels(3315));
    connect(ok_, &QPushButton::clicked, this, &CommentsWindow::SaveAndClose);
    connect(cancel_, &QPushButton::clicked, this, &CommentsWindow::CloseWithoutSaving);
}

void CommentsWindow::Load(const std::string& path, bool editable) {
    std::string text = convert::ReadComments(path);
    info_->setPlainText(Shown(text));
    commentFile_ = path;
    editable_ = editable && !convert::SaysNoTileset(text);
    if (editable_) {
        if (std::optional<std::string> refusal = convert::CommentsRefusal(path)) {
            host_.MessageBox(*refusal);
            editable_ = false;
        }
    }
    LayOut();
}

void CommentsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    LayOut();
}

void CommentsWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

// A window made too small simply gets a text box of no height; nothing here can fail.
void CommentsWindow::LayOut() {
    double width = Twips(this->width());
    double height = Twips(this->height());
    info_->setGeometry(0, 0, Pixels(width), std::max(0, Pixels(height - 330)));
    int top = Pixels(height - 315);
    if (editable_) {
        cancel_->setGeometry(Pixels(width / 2 - kButtonWidth - width * 0.05), top, Pixels(kButtonWidth),
                             Pixels(kButtonHeight));
        ok_->setGeometry(Pixels(width / 2 + width * 0.05), top, Pixels(kButtonWidth), Pixels(kButtonHeight));
    } else {
        ok_->setGeometry(Pixels(width / 2 - kButtonWidth / 2), top, Pixels(kButtonWidth), Pixels(kButtonHeight));
    }
    cancel_->setVisible(editable_);
    info_->setReadOnly(!editable_);
}

void CommentsWindow::SaveAndClose() {
    if (editable_)
        ReportOutcome(host_, convert::EditInfo(host_, commentFile_, Stored(info_->toPlainText()),
                                               keepOriginal_ && keepOriginal_()));
    accept();
}

void CommentsWindow::CloseWithoutSaving() { reject(); }

CommentsWindow& FindOrCreateCommentsWindow(Host& host, QWidget* owner, const KeepOriginal& keepOriginal) {
    CommentsWindow* window = owner->findChild<CommentsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    return window != nullptr ? *window : *new CommentsWindow(host, keepOriginal, owner);
}

void OpenFileComments(Host& host, widgets::FileDialog& dialog, QWidget* owner, short selectedFormat,
                      bool editable, const KeepOriginal& keepOriginal) {
    bool wipe = selectedFormat < 0;
    int filterIndex = std::abs(selectedFormat);
    std::string path;
    try {
        path = dialog.OpenFile({convert::kInfoDialogTitle, convert::kInfoFilter, filterIndex});
        if (path.empty()) return;
        if (wipe) {
            ReportOutcome(host, convert::WipeInfo(host, path, keepOriginal && keepOriginal()));
            return;
        }
        CommentsWindow& window = FindOrCreateCommentsWindow(host, owner, keepOriginal);
        window.Load(path, editable);
        window.exec();
    } catch (const std::exception& error) {
        host.MessageBox("Could not show the comments of " + (path.empty() ? std::string("the file") : path) + ": " +
                        error.what() + ".");
    }
}

}  // namespace vetra::ui
