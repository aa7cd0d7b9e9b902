#include "widgets/qtfiledialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace vetra::widgets {
namespace {

const QString kTitle = QStringLiteral("VETRA");

std::vector<std::string> RunDialog(QWidget* parent, const DialogRequest& request, QFileDialog::FileMode mode,
                                   QFileDialog::AcceptMode accept) {
    QFileDialog dialog(parent, QString::fromStdString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.filterIndex - 1, filters.first()));
    }
    if (accept == QFileDialog::AcceptSave) {
        // A name typed without extension still gets the kind of file the filter asks for.
        static const QRegularExpression single(QStringLiteral(R"(^\*\.(\w+)$)"));
        QString pattern = QString::fromStdString(request.filter).section(QLatin1Char('|'), 1, 1);
        QRegularExpressionMatch match = single.match(pattern);
        if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
    }
    std::vector<std::string> paths;
    if (dialog.exec() != QDialog::Accepted) return paths;
    for (const QString& file : dialog.selectedFiles())
        paths.push_back(QDir::toNativeSeparators(file).toStdString());
    return paths;
}

std::string First(const std::vector<std::string>& paths) { return paths.empty() ? std::string() : paths.front(); }

}  // namespace

QStringList NameFilters(const std::string& filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral(R"(\s*\([^()]*\)\s*$)"));
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    if (filter.empty()) return filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (patterns.isEmpty()) patterns = QStringLiteral("*");
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        description.remove(trailingPatterns);
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString DisplayText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::vector<std::string> QtFileDialog::OpenFiles(const DialogRequest& request) {
    return RunDialog(parent_, request, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen);
}

std::string QtFileDialog::OpenFile(const DialogRequest& request) {
    return First(RunDialog(parent_, request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen));
}

std::string QtFileDialog::SaveFile(const DialogRequest& request) {
    return First(RunDialog(parent_, request, QFileDialog::AnyFile, QFileDialog::AcceptSave));
}

void QtFileDialog::MessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, DisplayText(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtFileDialog::AskOkCancel(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, DisplayText(text), QMessageBox::Ok | QMessageBox::Cancel,
                    parent_);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace vetra::widgets
