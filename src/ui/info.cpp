#include "ui/info.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "widgets/qtfiledialog.h"

namespace vetra::ui {

Info::Info(QWidget* parent) : QWidget(parent, Qt::Tool), txtInfo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("Conversion summary..."));
    setAttribute(Qt::WA_DeleteOnClose);
    txtInfo_->setObjectName(QStringLiteral("txtInfo"));
    txtInfo_->setReadOnly(true);
    txtInfo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtInfo_);
    resize(4680 / 15, 3195 / 15);
}

void Info::ClearText() {
    txtInfo_->clear();
    show();
    QCoreApplication::processEvents();
}

void Info::AddText(const std::string& text) {
    txtInfo_->moveCursor(QTextCursor::End);
    txtInfo_->insertPlainText(widgets::DisplayText(text) + QLatin1Char('\n'));
    txtInfo_->moveCursor(QTextCursor::End);
    txtInfo_->ensureCursorVisible();
    txtInfo_->verticalScrollBar()->setValue(txtInfo_->verticalScrollBar()->maximum());
    if (parentWidget()) parentWidget()->update();
    QCoreApplication::processEvents();
}

QString Info::Text() const { return txtInfo_->toPlainText(); }

}  // namespace vetra::ui
