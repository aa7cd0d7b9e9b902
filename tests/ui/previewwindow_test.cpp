#include "preview/previewwindow.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "preview/previewcanvas.h"
#include "support/levelfixtures.h"
#include "support/realdata.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "ui/mainwindow.h"
#include "ui/secondarywindows.h"

using vetra::preview::PreviewCanvas;
using vetra::preview::PreviewWindow;
using vetra::ui::ScriptedDialog;

class PreviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensAtFitAndNamesTheCellUnderAPoint() {
        vetra::test::ScratchDir dir;
        std::string level = dir.Write("town.lvl", vetra::test::LevelBytes(vetra::test::TilesetBitmap(),
                                                                          {{10, 20, 1}, {100, 100, 219}}));
        ScriptedDialog dialog;
        PreviewWindow window(dialog);
        window.resize(700, 700);
        window.show();
        QVERIFY(window.Open(level));
        QCOMPARE(window.windowTitle(), QString("Preview - town.lvl"));
        PreviewCanvas& canvas = window.Canvas();
        QVERIFY(canvas.Zoom() < 1);
        QCOMPARE(canvas.horizontalScrollBar()->maximum(), 0);

        canvas.SetZoom(16, QPoint(0, 0));
        QCOMPARE(canvas.Zoom(), 16.0);
        canvas.horizontalScrollBar()->setValue(10 * 16);
        canvas.verticalScrollBar()->setValue(20 * 16);
        QCOMPARE(canvas.DescribeCellAt(QPoint(3, 3)), QString("10, 20: tile 1 (Normal Tile)"));
        QCOMPARE(canvas.DescribeCellAt(QPoint(16 + 3, 3)), QString("11, 20: tile 0 (Empty Tile)"));
        canvas.horizontalScrollBar()->setValue(100 * 16);
        canvas.verticalScrollBar()->setValue(100 * 16);
        QCOMPARE(canvas.DescribeCellAt(QPoint(5 * 16 + 1, 2 * 16 + 1)),
                 QString("105, 102: part of tile 219 (Space Station) at 100, 100"));

        // Zooming keeps the cell under the mouse where it was.
        QPoint at(200, 150);
        QString before = canvas.DescribeCellAt(at);
        canvas.ZoomOut(at);
        QCOMPARE(canvas.Zoom(), 8.0);
        QCOMPARE(canvas.DescribeCellAt(at), before);
        canvas.ZoomIn(at);
        canvas.ZoomIn(at);
        QCOMPARE(canvas.Zoom(), 16.0);
        window.findChild<QAction*>("Fit")->trigger();
        QVERIFY(canvas.Zoom() < 1);
        QVERIFY(!canvas.grab().isNull());
    }

    void theStatusBarFollowsTheMouse() {
        vetra::test::ScratchDir dir;
        std::string level = dir.Write("one.lvl", vetra::test::LevelBytes({}, {{0, 0, 217}}));
        ScriptedDialog dialog;
        PreviewWindow window(dialog);
        window.resize(500, 500);
        window.show();
        QVERIFY(window.Open(level));
        window.Canvas().SetZoom(16, QPoint(0, 0));
        QWidget* viewport = window.Canvas().viewport();
        QPoint inside(20, 20);
        QMouseEvent move(QEvent::MouseMove, inside, viewport->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QCOMPARE(window.StatusText(), window.Canvas().DescribeCellAt(inside));
        QVERIFY(window.StatusText().contains("Large Asteroid"));
    }

    void aFileThatCannotBeDrawnIsSaidSo() {
        vetra::test::ScratchDir dir;
        std::string bad = dir.Write("bad.bmp", vetra::test::PatternBitmap(304, 160));
        ScriptedDialog dialog;
        PreviewWindow window(dialog);
        QVERIFY(!window.Open(bad));
        QCOMPARE(dialog.Messages(),
                 std::vector<std::string>{"Could not draw " + bad + ": it is not a 1024 x 1024 map bitmap."});
    }

    void thePreviewButtonOpensTheChosenFile() {
        vetra::test::ScratchDir dir;
        std::string level = dir.Write("pick.lvl", vetra::test::LevelBytes({}, {{5, 5, 1}}));
        vetra::ui::MainWindow window;
        new vetra::ui::SecondaryWindows(window);
        auto dialog = std::make_unique<ScriptedDialog>();
        ScriptedDialog* script = dialog.get();
        window.SetFileDialog(std::move(dialog));
        script->QueueFiles({level});
        window.findChild<QPushButton*>("cmdPreview")->click();
        auto* preview = window.findChild<PreviewWindow*>();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->windowTitle(), QString("Preview - pick.lvl"));
        preview->close();
    }

    void aLargeRealLevelOpensAtFit() {
        if (vetra::test::RealDataDir().empty()) QSKIP("no real data folder");
        ScriptedDialog dialog;
        PreviewWindow window(dialog);
        window.resize(900, 900);
        window.show();
        QVERIFY(window.Open(vetra::test::RealDataDir() + "/levels/TWVillage.lvl"));
        QVERIFY(!window.Canvas().grab().isNull());
    }
};

QTEST_MAIN(PreviewWindowTest)
#include "previewwindow_test.moc"
