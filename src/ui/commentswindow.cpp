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
    QString text = QString::fromStdString(TextCodec::Cp1252ToUtf8(cp1252));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string Stored(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return TextCodec::Utf8ToCp1252(text.toStdString());
}

}  // namespace

frmComments::frmComments(Host& host, KeepOriginal keepOriginal, QWidget* parent)
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
    connect(ok_, &QPushButton::clicked, this, &frmComments::OK_Click);
    connect(cancel_, &QPushButton::clicked, this, &frmComments::Cancel_Click);
}

void frmComments::Load(const std::string& path, bool editable) {
    std::string text = Convert::ReadComments(path);
    info_->setPlainText(Shown(text));
    CommentFile = path;
    Editable = editable && !Convert::SaysNoTileset(text);
    if (Editable) {
        if (std::optional<std::string> refusal = Convert::CommentsRefusal(path)) {
            host_.MessageBox(*refusal);
            Editable = false;
        }
    }
    LayOut();
}

void frmComments::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    LayOut();
}

void frmComments::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

// A window made too small simply gets a text box of no height; nothing here can fail.
void frmComments::LayOut() {
    double width = Twips(this->width());
    double height = Twips(this->height());
    info_->setGeometry(0, 0, Pixels(width), std::max(0, Pixels(height - 330)));
    int top = Pixels(height - 315);
    if (Editable) {
        cancel_->setGeometry(Pixels(width / 2 - kButtonWidth - width * 0.05), top, Pixels(kButtonWidth),
                             Pixels(kButtonHeight));
        ok_->setGeometry(Pixels(width / 2 + width * 0.05), top, Pixels(kButtonWidth), Pixels(kButtonHeight));
    } else {
        ok_->setGeometry(Pixels(width / 2 - kButtonWidth / 2), top, Pixels(kButtonWidth), Pixels(kButtonHeight));
    }
    cancel_->setVisible(Editable);
    info_->setReadOnly(!Editable);
}

void frmComments::OK_Click() {
    if (Editable)
        ReportFile(host_, Convert::EditInfo(host_, CommentFile, Stored(info_->toPlainText()),
                                            keepOriginal_ && keepOriginal_()));
    accept();
}

void frmComments::Cancel_Click() { reject(); }

frmComments& CommentsWindow(Host& host, QWidget* owner, const KeepOriginal& keepOriginal) {
    frmComments* window = owner->findChild<frmComments*>(QString(), Qt::FindDirectChildrenOnly);
    return window != nullptr ? *window : *new frmComments(host, keepOriginal, owner);
}

void FileInfo(Host& host, widgets::FileDialog& dialog, QWidget* owner, short selectedFormat, bool editable,
              const KeepOriginal& keepOriginal) {
    bool wipe = selectedFormat < 0;
    int filterIndex = std::abs(selectedFormat);
    std::string path;
    try {
        path = dialog.OpenFile({Convert::kInfoDialogTitle, Convert::kInfoFilter, filterIndex});
        if (path.empty()) return;
        if (wipe) {
            ReportFile(host, Convert::WipeInfo(host, path, keepOriginal && keepOriginal()));
            return;
        }
        frmComments& window = CommentsWindow(host, owner, keepOriginal);
        window.Load(path, editable);
        window.exec();
    } catch (const std::exception& error) {
        host.MessageBox("Could not show the comments of " + (path.empty() ? std::string("the file") : path) + ": " +
                        error.what() + ".");
    }
}

}  // namespace vetra::ui
