#include <QCheckBox>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QtTest>

#include "ui/mainwindow.h"

using vetra::ui::MainWindow;
using vetra::ui::Option;

namespace {

const QStringList kDisabledDuringRun = {
    "cmdAbout", "cmdTileset", "cmdMakeBMP", "cmdMakeTileset", "cmdFixLVL", "cmdConvert", "cmdApplyTileset",
    "cmdSplitLevel", "cmdDeconvert", "Clean", "cmdDescSet", "cmdCfg2Set", "cmdSet2Cfg", "Comments", "Expert",
    "cmdGetInfo", "cmdPutInfo", "cmdDelInfo", "cmdMergeLvls", "cmdDiffLvls"};

void MoveMouseOver(QWidget* widget, QPoint position = QPoint(2, 2)) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

QString VisibleFrame(const MainWindow& window) {
    for (QFrame* frame : window.findChildren<QFrame*>(QRegularExpression("^Frame")))
        if (frame->isVisibleTo(&window)) return frame->objectName();
    return {};
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startState() {
        MainWindow window;
        window.show();
        QCOMPARE(VisibleFrame(window), QString("FrameMaps"));
        QVERIFY(!window.findChild<QPushButton*>("cmdFixLVL")->isEnabled());
        QCOMPARE(window.StatusText(), QString("VETRA-0.9.0"));
        QCOMPARE(window.VersionText(), QString("VETRA-0.9.0"));
        QCOMPARE(window.CurrentOperation(), vetra::widgets::TilesetOperation::None);
        QVERIFY(window.windowTitle().startsWith("VETRA - "));
        QCOMPARE(window.size(), QSize(213, 143));
        for (QCheckBox* box : window.findChildren<QCheckBox*>()) QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        for (Option option : {Option::UseWallTiles, Option::CleanPalette, Option::IncludeDescriptions,
                              Option::DontOverwriteFiles})
            QVERIFY(!window.OptionValue(option));
    }

    void controls_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("hint");
        auto add = [](const char* frame, const char* name, const char* caption, int x, int y, const char* hint) {
            QTest::newRow(name) << frame << name << caption << QRect(x, y, 67, 23) << hint;
        };
        add("FrameMaps", "cmdConvert", "Convert", 0, 0, "Convert a BMP to a Subspace LVL");
        add("FrameMaps", "cmdFixLVL", "Re-Link", 67, 0, "Re-link WallTiles in a LVL");
        add("FrameMaps", "cmdMergeLvls", "Overlay", 134, 0, "Overlay a diff on a SubSpace LVL.");
        add("FrameMaps", "cmdDeconvert", "Deconvert", 0, 23, "Convert a SubSpace LVL to a BMP");
        add("FrameMaps", "cmdMakeBMP", "New Map", 67, 23, "Create a blank map BMP.");
        add("FrameMaps", "cmdDiffLvls", "Make Diff", 134, 23, "Create a custom overlay diff.");
        add("FrameTilesets", "cmdTileset", "Edit Tiles", 0, 0, "Edit a tileset BMP.");
        add("FrameTilesets", "cmdApplyTileset", "Apply Tiles", 67, 0, "Apply a tileset to a LVL.");
        add("FrameTilesets", "cmdSplitLevel", "Split Tiles", 134, 0, "Split a tileset from a LVL.");
        add("FrameTilesets", "cmdMakeTileset", "New Tiles", 67, 23, "Create a new tileset BMP.");
        add("FrameVETRA", "cmdGetInfo", "View Info", 0, 0, "View embedded tileset comments.");
        add("FrameVETRA", "cmdPutInfo", "Edit Info", 67, 0, "Edit embedded tileset comments.");
        add("FrameVETRA", "cmdDelInfo", "Wipe Info", 134, 0, "Delete embedded tileset comments.");
        add("FrameVETRA", "cmdAbout", "About", 67, 23, "About VETRA.");
        add("FrameVETRA", "cmdPreview", "Preview", 0, 23, "Preview a LVL or map BMP.");
        add("FrameServer", "cmdSet2Cfg", ".set->.cfg", 0, 0, "Convert a SET to a CFG.");
        add("FrameServer", "cmdCfg2Set", ".cfg->.set", 67, 0, "Convert a CFG to a SET.");
        add("FrameServer", "cmdDescSet", "Describe", 133, 0, "Add descriptions to a SET/CFG.");
    }

    void controls() {
        QFETCH(QString, frame);
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        auto* button = window.findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->parentWidget()->objectName(), frame);
        QTEST(button->text(), "caption");
        QTEST(button->geometry(), "geometry");
        MoveMouseOver(button);
        QTEST(window.StatusText(), "hint");
        QCOMPARE(window.findChild<QFrame*>(frame)->geometry(), QRect(3, 24, 201, 70));
    }

    void checkBoxes_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Expert") << "FrameMaps" << "Expert" << "Use WallTiles" << "Use WallTile technology.";
        QTest::newRow("Clean") << "FrameTilesets" << "Clean" << "Clean Palette" << "Use default SubSpace palette.";
        QTest::newRow("ROComments") << "FrameVETRA" << "ROComments" << "Don't Overwrite Files"
                                    << "Don't change tileset comments.";
        QTest::newRow("Comments") << "FrameServer" << "Comments" << "Include Descriptions"
                                  << "Use descriptions in SET/CFG.";
    }

    void checkBoxes() {
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        auto* box = window.findChild<QCheckBox*>(name);
        QVERIFY(box);
        QTEST(box->parentWidget()->objectName(), "frame");
        QTEST(box->text(), "caption");
        QVERIFY(box->geometry().top() >= 46);
        MoveMouseOver(box);
        QTEST(window.StatusText(), "hint");
    }

    void optionsAreReadLive() {
        MainWindow window;
        const std::pair<const char*, Option> boxes[] = {{"Expert", Option::UseWallTiles},
                                                        {"Clean", Option::CleanPalette},
                                                        {"Comments", Option::IncludeDescriptions},
                                                        {"ROComments", Option::DontOverwriteFiles}};
        for (const auto& [name, option] : boxes) {
            window.findChild<QCheckBox*>(name)->setChecked(true);
            QVERIFY2(window.OptionValue(option), name);
            window.findChild<QCheckBox*>(name)->setChecked(false);
            QVERIFY2(!window.OptionValue(option), name);
        }
    }

    void tabs() {
        MainWindow window;
        window.show();
        auto* tabs = window.findChild<QTabBar*>("TabStrip");
        QCOMPARE(tabs->count(), 4);
        const QStringList captions = {"Maps", "Tiles", "Info", "Server"};
        const QStringList keys = {"Maps", "Tilesets", "Info", "Server"};
        const QStringList tips = {"Map functions", "Tileset functions", "Informational tools.", "Server configuration"};
        const QStringList frames = {"FrameMaps", "FrameTilesets", "FrameVETRA", "FrameServer"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(tabs->tabText(i), captions[i]);
            QCOMPARE(tabs->tabData(i).toString(), keys[i]);
            QCOMPARE(tabs->tabToolTip(i), tips[i]);
        }
        for (int i : {2, 1, 3, 0}) {
            tabs->setCurrentIndex(i);
            QCOMPARE(VisibleFrame(window), frames[i]);
        }
        window.ShowFrameForCaption("sERVER");
        QCOMPARE(VisibleFrame(window), QString("FrameServer"));
        window.ShowFrameForCaption("Tilesets");
        QCOMPARE(VisibleFrame(window), QString("FrameServer"));
    }

    void expertEnablesReLink() {
        MainWindow window;
        window.show();
        auto* expert = window.findChild<QCheckBox*>("Expert");
        auto* relink = window.findChild<QPushButton*>("cmdFixLVL");
        QTest::mouseClick(expert, Qt::LeftButton);
        QVERIFY(expert->isChecked());
        QVERIFY(relink->isEnabled());
        QTest::mouseClick(expert, Qt::LeftButton);
        QVERIFY(!relink->isEnabled());
    }

    void hintsReturnToVersionText() {
        MainWindow window;
        window.show();
        auto* frame = window.findChild<QFrame*>("FrameMaps");
        auto* convert = window.findChild<QPushButton*>("cmdConvert");
        const QList<QWidget*> bare = {window.centralWidget(), frame, window.findChild<QTabBar*>("TabStrip"),
                                      window.statusBar()};
        for (QWidget* widget : bare) {
            MoveMouseOver(convert);
            QCOMPARE(window.StatusText(), QString("Convert a BMP to a Subspace LVL"));
            MoveMouseOver(widget, QPoint(widget->width() - 2, widget->height() - 2));
            QCOMPARE(window.StatusText(), QString("VETRA-0.9.0"));
        }
    }

    void disableAndEnable() {
        MainWindow window;
        auto* expert = window.findChild<QCheckBox*>("Expert");
        for (bool wallTiles : {false, true}) {
            expert->setChecked(wallTiles);
            window.DisableControls();
            for (const QString& name : kDisabledDuringRun)
                QVERIFY2(!window.findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
            QVERIFY(!window.findChild<QTabBar*>("TabStrip")->isEnabled());
            QVERIFY(window.findChild<QCheckBox*>("ROComments")->isEnabled());
            window.EnableControls();
            for (const QString& name : kDisabledDuringRun)
                QCOMPARE(window.findChild<QWidget*>(name)->isEnabled(), name != "cmdFixLVL" || wallTiles);
            QVERIFY(window.findChild<QTabBar*>("TabStrip")->isEnabled());
        }
    }

    void titleProgress() {
        MainWindow window;
        QString normal = window.windowTitle();
        window.SetTitle("50% cleaned...");
        QCOMPARE(window.windowTitle(), QString("50% cleaned..."));
        window.RestoreTitle();
        QCOMPARE(window.windowTitle(), normal);
    }

    void closingClosesSecondaryWindows() {
        MainWindow window;
        window.show();
        window.ClearText();
        QWidget editor;
        editor.show();
        window.AddSecondaryWindow(&editor);
        QPointer<vetra::ui::Info> info = window.SummaryWindow();
        QVERIFY(info && info->isVisible());
        window.close();
        QVERIFY(!editor.isVisible());
        QTRY_VERIFY(info.isNull());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
