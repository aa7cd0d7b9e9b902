#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

#include "ui/about.h"
#include "ui/info.h"
#include "ui/mainwindow.h"

using vetra::ui::About;
using vetra::ui::Info;
using vetra::ui::MainWindow;

class InfoTest : public QObject {
    Q_OBJECT
private slots:
    void clearAndAdd() {
        Info info;
        QCOMPARE(info.windowTitle(), QString("Conversion summary..."));
        QVERIFY(info.windowFlags().testFlag(Qt::Tool));
        info.ClearText();
        QVERIFY(info.isVisible());
        info.AddText("(1/1) Processing file: a.lvl");
        info.AddText("Error: b.bmp\r\n is not a .lvl file.\r\n");
        QCOMPARE(info.Text(), QString("(1/1) Processing file: a.lvl\nError: b.bmp\n is not a .lvl file.\n\n"));
        auto* box = info.findChild<QPlainTextEdit*>("txtInfo");
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->textCursor().position(), box->document()->characterCount() - 1);
        info.ClearText();
        QCOMPARE(info.Text(), QString());
    }

    void longSummaryScrollsToTheEnd() {
        Info info;
        info.ClearText();
        for (int i = 0; i < 200; ++i) info.AddText("line " + std::to_string(i));
        auto* bar = info.findChild<QPlainTextEdit*>("txtInfo")->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void textBoxFillsTheWindow() {
        Info info;
        info.ClearText();
        QCOMPARE(info.size(), QSize(312, 213));
        auto* box = info.findChild<QPlainTextEdit*>("txtInfo");
        for (QSize size : {QSize(500, 400), QSize(120, 90)}) {
            info.resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(box->geometry(), info.rect());
        }
    }

    void closingByHandDiscardsTheText() {
        MainWindow window;
        window.show();
        window.ClearText();
        window.AddText("first batch");
        QPointer<Info> info = window.SummaryWindow();
        info->close();
        QTRY_VERIFY(info.isNull());
        window.ClearText();
        window.AddText("second batch");
        QCOMPARE(window.SummaryWindow()->Text(), QString("second batch\n"));
    }

    void aboutClosesOnAClick() {
        About about("VETRA-0.9.0");
        QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(about.size(), QSize(400, 300));
        auto* image = about.findChild<QWidget*>("AboutImage");
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(0, 0, 400, 300));
        about.show();
        QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(390, 290));
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
        QCOMPARE(About::Picture("VETRA-0.9.0").size(), QSize(400, 300));
    }

    void aboutButtonDisablesTheControlsAroundIt() {
        MainWindow window;
        window.show();
        window.findChild<QTabBar*>("TabStrip")->setCurrentIndex(2);
        auto* button = window.findChild<QPushButton*>("cmdAbout");
        bool disabledWhileShown = false;
        bool sawAbout = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<About*>(QApplication::activeModalWidget());
            sawAbout = about != nullptr;
            disabledWhileShown = !button->isEnabled() && !window.findChild<QTabBar*>("TabStrip")->isEnabled();
            if (about) QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(10, 10));
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(sawAbout);
        QVERIFY(disabledWhileShown);
        QVERIFY(button->isEnabled());
    }
};

QTEST_MAIN(InfoTest)
#include "info_test.moc"
