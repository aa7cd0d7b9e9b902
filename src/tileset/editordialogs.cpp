#include "tileset/editordialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace vetra::tileset {
namespace {

// "Bitmap files (*.bmp)|*.bmp" in the toolkit's form, whose patterns sit space-separated in parentheses.
QString ToolkitFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        qsizetype open = description.lastIndexOf(u'(');
        if (open > 0) description = description.left(open).trimmed();
        entries << description + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') + u')';
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::optional<std::string> QtEditorDialogs::OpenFile(const std::string& title, const std::string& filter) {
    return Chosen(QFileDialog::getOpenFileName(parent_, QString::fromStdString(title), QString(),
                                               ToolkitFilter(filter), nullptr,
                                               QFileDialog::DontUseNativeDialog));
}

std::optional<std::string> QtEditorDialogs::SaveFile(const std::string& title, const std::string& filter) {
    return Chosen(QFileDialog::getSaveFileName(parent_, QString::fromStdString(title), QString(),
                                               ToolkitFilter(filter), nullptr,
                                               QFileDialog::DontUseNativeDialog));
}

void QtEditorDialogs::MessageBox(const std::string& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), QString::fromStdString(text));
}

bool QtEditorDialogs::AskOkCancel(const std::string& text, const std::string& title) {
    return QMessageBox::question(parent_, QString::fromStdString(title), QString::fromStdString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace vetra::tileset
