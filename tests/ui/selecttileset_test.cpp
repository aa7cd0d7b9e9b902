#include "tileset/selecttileset.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "support/levelfixtures.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "widgets/tilegrid.h"

namespace widgets = vetra::widgets;

using vetra::tileset::SelectTileset;
using widgets::TileGrid;

namespace {

// A picker whose main window state and WallTile editor are played by the test.
struct Picker {
    vetra::ui::ScriptedDialog dialogs;
    widgets::TilesetOperation operation = widgets::TilesetOperation::Convert;
    bool useWallTiles = false;
    bool editorCancels = false;
    std::vector<std::string> editorOpenedWith;
    SelectTileset window{dialogs,
                         {[this] { return operation; }, [this] { return useWallTiles; },
                          [this](const std::string& file) {
                              editorOpenedWith.push_back(file);
                              return editorCancels;
                          }}};

    explicit Picker(const std::string& directory) {
        window.show();
        window.SetDirectory(QString::fromStdString(directory));
    }
    QListWidget* Files() { return window.findChild<QListWidget*>(QStringLiteral("File")); }
    widgets::TileGrid* Preview() { return window.findChild<widgets::TileGrid*>(QStringLiteral("Preview")); }
    QLabel* NotValid() { return window.findChild<QLabel*>(QStringLiteral("lblNotValid")); }
    QStringList FileNames() {
        QStringList names;
        for (int i = 0; i < Files()->count(); ++i) names << Files()->item(i)->text();
        return names;
    }
    bool Click(const QString& name) {
        QList<QListWidgetItem*> items = Files()->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) return false;
        QTest::mouseClick(Files()->viewport(), Qt::LeftButton, {},
                          Files()->visualItemRect(items[0]).center());
        return true;
    }
    void Press(const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
};

}  // namespace

class SelectTilesetTest : public QObject {
    Q_OBJECT
private slots:
    void ChecksEachClickedFileAndCutsThePreview_data();
    void ChecksEachClickedFileAndCutsThePreview();
    void PreviewShowsTheTopRows();
    void OkWithoutAValidFileDoesNothing();
    void OpensTheWallTileEditorOnlyForWallTileOperations();
    void EditorCancelIsReportedAsThePickers();
    void CancelAndCloseKeepCancelled();
    void AnotherFolderDropsTheChoice();
    void DoubleClickChoosesTheFile();
    void FileTypesFilterTheList();
    void BrowseMovesTheListsAndSelectsTheFile();
    void BrowseCancelledChangesNothing();
};

void SelectTilesetTest::ChecksEachClickedFileAndCutsThePreview_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("previewHeight");
    auto bytes = [](const std::vector<std::uint8_t>& v) {
        return QByteArray(reinterpret_cast<const char*>(v.data()), v.size());
    };
    using vetra::test::PatternBitmap;
    QTest::newRow("304 x 160") << bytes(PatternBitmap(304, 160)) << true << 160;
    QTest::newRow("304 x 400") << bytes(PatternBitmap(304, 400)) << true << 160;
    QTest::newRow("304 x 100") << bytes(PatternBitmap(304, 100)) << true << 96;
    QTest::newRow("304 x 8") << bytes(PatternBitmap(304, 8)) << true << 0;
    QTest::newRow("320 wide") << bytes(PatternBitmap(320, 160)) << false << 0;
    QTest::newRow("level with tileset")
        << bytes(vetra::test::LevelBytes(PatternBitmap(304, 160), {{0, 0, 1}, {1, 1, 2}, {2, 2, 3}})) << true
        << 160;
    QTest::newRow("level without tileset")
        << bytes(vetra::test::RecordBytes({{0, 0, 1}, {1, 1, 2}, {2, 2, 3}})) << false << 0;
    std::vector<std::uint8_t> headerOnly = PatternBitmap(304, 160);
    headerOnly.resize(60);
    QTest::newRow("header only") << bytes(headerOnly) << false << 0;
    QTest::newRow("empty file") << QByteArray() << false << 0;
}

void SelectTilesetTest::ChecksEachClickedFileAndCutsThePreview() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(int, previewHeight);
    vetra::test::ScratchDir dir;
    std::string path = dir.Write("tiles.lvl", std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    Picker picker(dir.Path());
    picker.window.findChild<QComboBox*>(QStringLiteral("FileType"))->setCurrentIndex(3);
    QVERIFY(picker.Click(QStringLiteral("tiles.lvl")));
    QCOMPARE(picker.window.TilesetFile(), valid ? path : std::string());
    QCOMPARE(picker.NotValid()->isVisible(), !valid);
    QCOMPARE(picker.Preview()->isVisible(), valid);
    if (valid) QCOMPARE(picker.Preview()->height(), previewHeight);
    if (!valid) QVERIFY(picker.Preview()->Image().isNull());
}

void SelectTilesetTest::PreviewShowsTheTopRows() {
    vetra::test::ScratchDir dir;
    dir.Write("tall.bmp", vetra::test::PatternBitmap(304, 400));
    Picker picker(dir.Path());
    QVERIFY(picker.Click(QStringLiteral("tall.bmp")));
    const QImage& image = picker.Preview()->Image();
    QCOMPARE(image.size(), QSize(304, 160));
    // Pixel (x, y) of the bitmap holds y + 3x; the grey palette makes that its red value.
    for (QPoint p : {QPoint(0, 0), QPoint(5, 0), QPoint(0, 159), QPoint(303, 100)})
        QCOMPARE(qRed(image.pixel(p)), (p.y() + 3 * p.x()) % 256);
}

void SelectTilesetTest::OkWithoutAValidFileDoesNothing() {
    vetra::test::ScratchDir dir;
    dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    dir.Write("wide.bmp", vetra::test::PatternBitmap(320, 160));
    Picker picker(dir.Path());
    picker.Press("OK");
    QVERIFY(picker.window.isVisible());
    QVERIFY(picker.Click(QStringLiteral("good.bmp")));
    QVERIFY(picker.Click(QStringLiteral("wide.bmp")));
    QVERIFY(picker.window.TilesetFile().empty());
    picker.Press("OK");
    QVERIFY(picker.window.isVisible());
    QVERIFY(picker.window.Cancelled());
}

void SelectTilesetTest::OpensTheWallTileEditorOnlyForWallTileOperations() {
    vetra::test::ScratchDir dir;
    std::string path = dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    using Op = widgets::TilesetOperation;
    struct Case {
        Op operation;
        bool useWallTiles;
        bool opensEditor;
    };
    for (Case c :
         {Case{Op::Convert, true, true}, Case{Op::Deconvert, true, true}, Case{Op::ReLink, true, true},
          Case{Op::ApplyTiles, true, false}, Case{Op::EditTiles, true, false},
          Case{Op::Convert, false, false}, Case{Op::ApplyTiles, false, false}}) {
        Picker picker(dir.Path());
        picker.operation = c.operation;
        picker.useWallTiles = c.useWallTiles;
        QVERIFY(picker.Click(QStringLiteral("good.bmp")));
        picker.Press("OK");
        QCOMPARE(picker.editorOpenedWith,
                 c.opensEditor ? std::vector<std::string>{path} : std::vector<std::string>{});
        QVERIFY(!picker.window.isVisible());
        QVERIFY(!picker.window.Cancelled());
        QCOMPARE(picker.window.TilesetFile(), path);
    }
}

void SelectTilesetTest::EditorCancelIsReportedAsThePickers() {
    vetra::test::ScratchDir dir;
    dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    Picker picker(dir.Path());
    picker.useWallTiles = true;
    picker.editorCancels = true;
    QVERIFY(picker.Click(QStringLiteral("good.bmp")));
    picker.Press("OK");
    QCOMPARE(picker.editorOpenedWith.size(), std::size_t{1});
    QVERIFY(!picker.window.isVisible());
    QVERIFY(picker.window.Cancelled());
}

// OK takes exactly the file shown as selected in the folder shown: after a change of folder nothing is, the
// preview is gone and OK cannot be pressed.
void SelectTilesetTest::AnotherFolderDropsTheChoice() {
    vetra::test::ScratchDir dir;
    dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    std::filesystem::create_directory(dir.File("other"));
    Picker picker(dir.Path());
    QPushButton* ok = picker.window.findChild<QPushButton*>(QStringLiteral("OK"));
    QVERIFY(!ok->isEnabled());
    QVERIFY(picker.Click(QStringLiteral("good.bmp")));
    QVERIFY(ok->isEnabled());
    picker.window.SetDirectory(QString::fromStdString(dir.File("other")));
    QVERIFY(picker.window.TilesetFile().empty());
    QVERIFY(!ok->isEnabled());
    QVERIFY(!picker.Preview()->isVisible());
    picker.Press("OK");
    QVERIFY(picker.window.isVisible());
    QVERIFY(picker.window.Cancelled());
}

void SelectTilesetTest::CancelAndCloseKeepCancelled() {
    vetra::test::ScratchDir dir;
    dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    Picker picker(dir.Path());
    QVERIFY(picker.Click(QStringLiteral("good.bmp")));
    picker.Press("OK");
    QVERIFY(!picker.window.Cancelled());
    picker.window.show();
    QVERIFY(picker.window.Cancelled());
    picker.Press("Cancel");
    QVERIFY(!picker.window.isVisible());
    QVERIFY(picker.window.Cancelled());
    QVERIFY(picker.window.TilesetFile().empty());  // shown anew, nothing is highlighted and nothing chosen
    picker.window.show();
    picker.window.close();
    QVERIFY(picker.window.Cancelled());
}

void SelectTilesetTest::DoubleClickChoosesTheFile() {
    vetra::test::ScratchDir dir;
    dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    Picker picker(dir.Path());
    QListWidgetItem* item = picker.Files()->findItems(QStringLiteral("good.bmp"), Qt::MatchExactly)[0];
    QPoint centre = picker.Files()->visualItemRect(item).center();
    QTest::mouseClick(picker.Files()->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(picker.Files()->viewport(), Qt::LeftButton, {}, centre);
    QVERIFY(!picker.window.isVisible());
    QVERIFY(!picker.window.Cancelled());
}

void SelectTilesetTest::FileTypesFilterTheList() {
    vetra::test::ScratchDir dir;
    for (const char* name : {"a.bmp", "b.lvl", "C.LVL", "d.txt"}) dir.Write(name, std::string("x"));
    Picker picker(dir.Path());
    auto* types = picker.window.findChild<QComboBox*>(QStringLiteral("FileType"));
    QCOMPARE(types->count(), 4);
    QCOMPARE(types->itemText(0), QStringLiteral("All Tileset Files (*.bmp;*.lvl)"));
    QCOMPARE(picker.FileNames(), (QStringList{"a.bmp", "b.lvl", "C.LVL"}));
    types->setCurrentIndex(1);
    QCOMPARE(picker.FileNames(), (QStringList{"a.bmp"}));
    types->setCurrentIndex(2);
    QCOMPARE(picker.FileNames(), (QStringList{"b.lvl", "C.LVL"}));
    types->setCurrentIndex(3);
    QCOMPARE(picker.FileNames(), (QStringList{"a.bmp", "b.lvl", "C.LVL", "d.txt"}));
}

void SelectTilesetTest::BrowseMovesTheListsAndSelectsTheFile() {
    vetra::test::ScratchDir home, other;
    std::string path = other.Write("far.bmp", vetra::test::PatternBitmap(304, 160));
    Picker picker(home.Path());
    picker.dialogs.QueueFiles({path});
    picker.Press("Browse");
    const widgets::DialogRequest& request = picker.dialogs.Requests().at(0).request;
    QCOMPARE(request.title, std::string("Select tileset:"));
    QCOMPARE(request.filter,
             std::string("All Tileset Files (*.bmp;*.lvl)|*.bmp;*.lvl|Bitmap Files (*.bmp)|*.bmp|"
                         "SubSpace Levels (*.lvl)|*.lvl|All Files (*.*)|*.*"));
    QCOMPARE(picker.window.Directory(), QDir(QString::fromStdString(other.Path())).absolutePath());
    QCOMPARE(picker.Files()->currentItem()->text(), QStringLiteral("far.bmp"));
    QCOMPARE(picker.window.TilesetFile(), path);
    auto* dirs = picker.window.findChild<QListWidget*>(QStringLiteral("Dir"));
    QCOMPARE(dirs->currentItem()->data(Qt::UserRole).toString(), picker.window.Directory());
    QVERIFY(!picker.window.findChild<QComboBox*>(QStringLiteral("Drive"))->currentText().isEmpty());
}

void SelectTilesetTest::BrowseCancelledChangesNothing() {
    vetra::test::ScratchDir dir;
    std::string path = dir.Write("good.bmp", vetra::test::PatternBitmap(304, 160));
    Picker picker(dir.Path());
    QVERIFY(picker.Click(QStringLiteral("good.bmp")));
    picker.Press("Browse");
    QCOMPARE(picker.window.TilesetFile(), path);
    QCOMPARE(picker.window.Directory(), QDir(QString::fromStdString(dir.Path())).absolutePath());
}

QTEST_MAIN(SelectTilesetTest)
#include "selecttileset_test.moc"
