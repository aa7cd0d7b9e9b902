#include "ui/mainwindow.h"

#include <QStatusBar>

namespace vetra::ui {

UI::UI(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("VETRA - vetra.subspace.zone"));
    statusBar()->showMessage(QStringLiteral(VETRA_VERSION_TEXT));
    setFixedSize(213, 143);
}

}  // namespace vetra::ui
