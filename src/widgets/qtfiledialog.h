#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "widgets/filedialog.h"

namespace vetra::widgets {

// The common dialog drawn by Qt itself (never the platform's native one, so it behaves alike everywhere) and
// Qt message boxes titled "VETRA". Cancelling gives the empty answer of the interface.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}

    std::vector<std::string> OpenFiles(const DialogRequest& request) override;
    std::string OpenFile(const DialogRequest& request) override;
    std::string SaveFile(const DialogRequest& request) override;
    void MessageBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

// Turns "Description|pattern|Description|pattern" into Qt's name filters, "Description (pattern pattern)";
// a pattern list separated by ";" becomes one separated by spaces. A description without pattern takes "*".
QStringList NameFilters(const std::string& filter);

// Engine text (UTF-8, CR LF line breaks) as display text.
QString DisplayText(const std::string& text);

}  // namespace vetra::widgets
