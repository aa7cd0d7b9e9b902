#include "ui/screenshots.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTabBar>

#include "ui/about.h"
#include "ui/mainwindow.h"

namespace vetra::ui {

bool SaveTabScreenshots(MainWindow& window, const QString& directory) {
    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("TabStrip"));
    if (!tabs || !QDir().mkpath(directory)) return false;
    window.show();
    bool saved = true;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        QString name = QStringLiteral("tab-%1.png").arg(tabs->tabText(i).toLower());
        saved = window.grab().save(QDir(directory).filePath(name)) && saved;
    }
    saved = About::Picture(window.VersionText()).save(QDir(directory).filePath(QStringLiteral("about.png"))) && saved;
    return saved;
}

}  // namespace vetra::ui
