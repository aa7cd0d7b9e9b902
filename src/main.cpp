#include <QApplication>
#include <QIcon>

#include "ui/mainwindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VETRA"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vetra.svg")));
    vetra::ui::UI window;
    window.show();
    return QApplication::exec();
}
