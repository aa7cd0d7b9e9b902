#include "ui/commentswindow.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "convert/comments.h"
#include "support/levelfixtures.h"
#include "support/recordinghost.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "ui/mainwindow.h"

using namespace vetra;

class CommentsWindowTest : public QObject {
    Q_OBJECT

private:
    using Bytes = std::vector<std::uint8_t>;

    static Bytes WithComments(const std::string& text) {
        return test::LevelBytes(test::TilesetBitmap({.comments = Bytes(text.begin(), text.end())}),
                                {{1, 1, 1}});
    }

    // Positions are checked in pixels of the design size, 315 x 221 (4725 x 3315 twips).
    // A main window whose dialogs answer from a script.
    struct Main {
        ui::MainWindow window;
        ui::ScriptedDialog* dialog;
        Main() : dialog(new ui::ScriptedDialog) { window.SetFileDialog(std::unique_ptr<widgets::FileDialog>(dialog)); }
        void Click(const char* button) { window.findChild<QPushButton*>(button)->click(); }
    };

    static void ExpectGeometry(QWidget* widget, int x, int y, int w, int h) {
        QCOMPARE(widget->geometry(), QRect(x, y, w, h));
    }

private slots:
    void EditableLayout() {
        test::ScratchDir dir;
        RecordingHost host;
        ui::CommentsWindow window(host, {});
        window.Load(dir.Write("m.lvl", WithComments("words")), true);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Embedded Comments"));
        QCOMPARE(window.size(), QSize(315, 221));
        QVERIFY(window.Editable());
        QVERIFY(!window.Info()->isReadOnly());
        QVERIFY(window.Cancel()->isVisible());
        QCOMPARE(window.Cancel()->text(), QStringLiteral("Cancel"));
        ExpectGeometry(window.Info(), 0, 0, 315, 199);
        ExpectGeometry(window.Cancel(), 88, 200, 53, 20);  // 2362.5 - 800 - 236.25 twips
        ExpectGeometry(window.OK(), 173, 200, 53, 20);     // 2362.5 + 236.25 twips
        window.resize(600, 400);
        ExpectGeometry(window.Info(), 0, 0, 600, 378);
        ExpectGeometry(window.OK(), 330, 379, 53, 20);
        window.resize(20, 10);  // too small: nothing breaks
        QCOMPARE(window.Info()->height(), 0);
    }

    void ReadOnlyLayoutForAFileWithoutTileset() {
        test::ScratchDir dir;
        RecordingHost host;
        ui::CommentsWindow window(host, {});
        window.Load(dir.Write("plain.lvl", test::LevelBytes({}, {{1, 1, 1}})), true);
        window.show();
        QVERIFY(!window.Editable());
        QVERIFY(window.Info()->isReadOnly());
        QVERIFY(!window.Cancel()->isVisible());
        ExpectGeometry(window.OK(), 131, 200, 53, 20);  // centred: 2362.5 - 400 twips
        QVERIFY(window.Info()->toPlainText().startsWith(QStringLiteral("No tileset!\n\n")));
        QVERIFY(host.Messages().empty());
    }

    void OkWritesTheEditedText() {
        bool keepOriginal = false;
        test::ScratchDir dir;
        RecordingHost host;
        std::string path = dir.Write("m.lvl", WithComments("Caf\xE9\r\nline two"));
        ui::CommentsWindow window(host, [&] { return keepOriginal; });
        window.Load(path, true);
        window.show();
        QCOMPARE(window.Info()->toPlainText(), QString::fromUtf8("Caf\u00e9\nline two"));
        window.Info()->setPlainText(window.Info()->toPlainText() + QString::fromUtf8("\n\u20ac \u4e2d"));
        keepOriginal = true;
        window.OK()->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(test::ReadBytes(path), WithComments("Caf\xE9\r\nline two"));
        QCOMPARE(test::ReadBytes(dir.File("m-0.lvl")),
                 WithComments("VETRA-0.9.0\r\n\r\nCaf\xE9\r\nline two\r\n\x80 ?"));
    }

    void CancelWritesNothing() {
        test::ScratchDir dir;
        RecordingHost host;
        std::string path = dir.Write("m.lvl", WithComments("keep"));
        ui::CommentsWindow window(host, {});
        window.Load(path, true);
        window.show();
        window.Info()->setPlainText(QStringLiteral("changed"));
        window.Cancel()->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(test::ReadBytes(path), WithComments("keep"));
        QCOMPARE(dir.Names().size(), std::size_t{1});
    }

    void ViewOnlyOkWritesNothing() {
        test::ScratchDir dir;
        RecordingHost host;
        std::string path = dir.Write("m.lvl", WithComments("keep"));
        ui::CommentsWindow window(host, {});
        window.Load(path, false);
        window.show();
        QVERIFY(window.Info()->isReadOnly());
        window.OK()->click();
        QCOMPARE(test::ReadBytes(path), WithComments("keep"));
    }

    void RefusedFileOpensReadOnlyAfterTheMessage() {
        test::ScratchDir dir;
        RecordingHost host;
        Bytes cut = test::TilesetBitmap();
        cut.resize(20000);
        std::string path = dir.Write("cut.bmp", cut);
        ui::CommentsWindow window(host, {});
        window.Load(path, true);
        QVERIFY(!window.Editable());
        QCOMPARE(host.Messages(),
                 std::vector<std::string>{path + " is not a complete bitmap; its comments are left unchanged."});
        QCOMPARE(window.Info()->toPlainText(), QStringLiteral("No embedded comments."));
    }

    void InfoButtons() {
        test::ScratchDir dir;
        Main main;
        std::string path = dir.Write("m.lvl", WithComments("old"));
        main.dialog->QueueFiles({path});
        main.Click("cmdDelInfo");
        QCOMPARE(test::ReadBytes(path), WithComments(""));
        QCOMPARE(main.dialog->Requests().back().request.title, std::string("View info from file:"));
        QCOMPARE(main.dialog->Requests().back().request.filterIndex, 1);  // Wipe asks with -1, made positive
        QVERIFY(main.dialog->Messages().empty());

        // Edit Info: the window opens modally over the main window; typing and OK write the new text beside the
        // file because "Don't Overwrite Files" is checked by then.
        main.dialog->QueueFiles({path});
        QTimer::singleShot(0, [&] {
            auto* window = main.window.findChild<ui::CommentsWindow*>();
            QVERIFY(window && window->isModal() && window->Editable());
            window->Info()->setPlainText(QStringLiteral("new"));
            main.window.findChild<QCheckBox*>("ROComments")->setChecked(true);
            window->OK()->click();
        });
        main.Click("cmdPutInfo");
        QCOMPARE(test::ReadBytes(path), WithComments(""));
        QCOMPARE(test::ReadBytes(dir.File("m-0.lvl")), WithComments("VETRA-0.9.0\r\n\r\nnew"));

        // View Info reuses the same window, read-only.
        main.dialog->QueueFiles({dir.File("m-0.lvl")});
        QTimer::singleShot(0, [&] {
            auto* window = main.window.findChild<ui::CommentsWindow*>();
            QVERIFY(!window->Editable());
            QCOMPARE(window->Info()->toPlainText(), QStringLiteral("VETRA-0.9.0\n\nnew"));
            window->OK()->click();
        });
        main.Click("cmdGetInfo");
        QCOMPARE(main.window.findChildren<ui::CommentsWindow*>().size(), 1);

        main.dialog->QueueCancel();
        main.Click("cmdGetInfo");
        QVERIFY(main.dialog->Messages().empty());
    }

    void OverlayAndDiffButtons() {
        test::ScratchDir dir;
        Main main;
        std::string a = dir.Write("a.lvl", test::LevelBytes({}, {{1, 1, 1}}));
        std::string b = dir.Write("b.lvl", test::LevelBytes({}, {{1, 1, 2}, {3, 3, 3}}));
        main.dialog->QueueFiles({a});
        main.dialog->QueueFiles({b});
        main.Click("cmdDiffLvls");
        QCOMPARE(main.dialog->Messages(), std::vector<std::string>{"Diff generation complete."});
        QCOMPARE(test::ReadBytes(dir.File("a-0.lvl")), test::LevelBytes({}, {{1, 1, 2}, {3, 3, 3}}));
        QCOMPARE(main.dialog->Requests()[0].request.title, std::string("Original, unaltered level:"));
        QCOMPARE(main.dialog->Requests()[1].request.title, std::string("Hand-edited, modified level:"));

        main.dialog->QueueFiles({dir.File("a-0.lvl")});
        main.dialog->QueueFiles({a, dir.File("notes.txt")});
        main.Click("cmdMergeLvls");
        QCOMPARE(
            main.dialog->Messages().back(),
            std::string("Overlay application complete.\r\n\r\n1 processed.\r\n1 could not be processed."));
        QCOMPARE(test::RecordsOf(test::ReadBytes(dir.File("a-1.lvl"))), (std::vector<TileRecord>{{1, 1, 2}, {3, 3, 3}}));
        QCOMPARE(main.dialog->Requests()[2].request.title, std::string("Apply which overlay?"));
        QCOMPARE(main.dialog->Requests()[3].request.title, std::string("Apply overlay to level(s):"));

        // An overlay not named .lvl ends the button without a word or a second dialog.
        main.dialog->QueueFiles({dir.File("x.bmp")});
        main.Click("cmdMergeLvls");
        QCOMPARE(main.dialog->Requests().size(), std::size_t{5});
        QCOMPARE(main.dialog->Messages().size(), std::size_t{2});
    }
};

QTEST_MAIN(CommentsWindowTest)
#include "commentswindow_test.moc"
