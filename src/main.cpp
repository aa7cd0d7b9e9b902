#include <QApplication>
#include <QIcon>

#include "ui/mainwindow.h"
#include "ui/screenshots.h"
#include "ui/secondarywindows.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VETRA"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vetra.svg")));
    vetra::ui::MainWindow window;
    new vetra::ui::SecondaryWindows(window);  // owned by the window
    // For the documentation: "vetra --screenshots DIR" saves each tab and quits.
    QStringList arguments = QApplication::arguments();
    qsizetype option = arguments.indexOf(QStringLiteral("--screenshots"));
    if (option > 0 && option + 1 < arguments.size())
        return vetra::ui::SaveTabScreenshots(window, arguments[option + 1]) ? 0 : 1;
    // "vetra --preview FILE", as the desktop opens a level: the Preview window alone, the program ending with
    // it.
    option = arguments.indexOf(QStringLiteral("--preview"));
    if (option > 0 && option + 1 < arguments.size()) {
        QWidget* preview = window.OpenPreview(arguments[option + 1].toStdString());
        if (!preview) return 1;
        QObject::connect(preview, &QObject::destroyed, &application, &QCoreApplication::quit);
        return QApplication::exec();
    }
    window.show();
    return QApplication::exec();
}
