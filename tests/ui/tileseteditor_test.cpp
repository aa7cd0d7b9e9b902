#include "tileset/tileseteditor.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "formats/level.h"
#include "support/levelfixtures.h"
#include "support/scratchdir.h"
#include "support/scripteddialog.h"
#include "widgets/tilegrid.h"

namespace widgets = vetra::widgets;

using vetra::Bytes;
using widgets::TileGrid;

namespace {

QPoint Tile(int column, int row) { return QPoint(16 * column + 8, 16 * row + 8); }

// The value of the top-left pixel of a tile; the numbered fixtures fill each tile with one value.
int TileValue(const Bytes& pixels, int column, int row) {
    return pixels.at((9 - row) * 4864 + 16 * column + 304 * 15);
}

bool TileFilledWith(const Bytes& pixels, int column, int row, int value) {
    for (int d = 0; d < 16; ++d)
        for (int x = 0; x < 16; ++x)
            if (pixels.at((9 - row) * 4864 + 16 * column + x + 304 * d) != value) return false;
    return true;
}

// A tileset whose tile t holds the value 200 - t, so its tiles differ from those of the numbered tileset.
Bytes OtherTileset() {
    Bytes bytes = vetra::test::TilesetBitmap({.numbered = true});
    for (std::size_t i = 1078; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(200 - bytes[i]);
    return bytes;
}

struct Editor {
    vetra::test::ScratchDir dir;
    vetra::ui::ScriptedDialog dialogs;
    std::deque<std::optional<std::string>> picks;
    std::vector<std::string> commentFiles;
    vetra::tileset::TilesetEditor window{dialogs,
                                         {[this]() -> std::optional<std::string> {
                                              if (picks.empty()) return std::nullopt;
                                              auto pick = picks.front();
                                              picks.pop_front();
                                              return pick;
                                          },
                                          [this](const std::string& file) { commentFiles.push_back(file); }}};

    explicit Editor(const Bytes& tileset = vetra::test::TilesetBitmap({.numbered = true})) {
        window.SetFileName(dir.Write("source.bmp", tileset));
        window.show();
    }
    widgets::TileGrid* Custom() { return window.findChild<widgets::TileGrid*>(QStringLiteral("CustomTileset")); }
    widgets::TileGrid* Source() { return window.findChild<widgets::TileGrid*>(QStringLiteral("SourceTileset")); }
    void Drag(widgets::TileGrid* grid, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(grid, button, {}, from);
        QTest::mouseMove(grid, to);
        QTest::mouseRelease(grid, button, {}, to);
    }
    void Press(const char* name) {
        QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY(control != nullptr);
        QTest::mouseClick(control, Qt::LeftButton);
    }
    int CustomTile(int column, int row) { return TileValue(window.Custom().pixels, column, row); }
};

}  // namespace

class TilesetEditorTest : public QObject {
    Q_OBJECT
private slots:
    void FirstLoadCopiesIntoTheCustomTileset();
    void SecondSourceKeepsTheCustomTileset();
    void DraggedTargetRepeatsTheSelection();
    void PasteIsCutOffAtTheEdges();
    void RightDragCopiesFromASnapshot();
    void HoleBlanksTheTarget();
    void FinishedAsksOnlyAfterAPaste();
    void ShortTilesetIsPaddedWithZeros();
    void SavingWritesTheCustomTilesetAndOpensTheComments();
    void SavingKeepsBytesBehindAndNeverDeclaresPastTheEnd();
    void SwapDropAndRecolor();
    void UnreadableSourceIsReported();
    void SourceOfAnotherLayoutIsRefused();
    void StatusBarNamesTheTileUnderTheMouse();
};

void TilesetEditorTest::FirstLoadCopiesIntoTheCustomTileset() {
    Editor editor;
    Bytes file = vetra::test::TilesetBitmap({.numbered = true});
    QCOMPARE(editor.window.Source().pixels, Bytes(file.begin() + 1078, file.end()));
    QCOMPARE(editor.window.Custom().pixels, editor.window.Source().pixels);
    QCOMPARE(editor.window.Custom().head, Bytes(file.begin(), file.begin() + 1078));
    QVERIFY(editor.window.findChild<QPushButton*>(QStringLiteral("Save Custom"))->isEnabled());
    QVERIFY(!editor.Custom()->Image().isNull());
    QVERIFY(!editor.Source()->Image().isNull());
    QCOMPARE(qRed(editor.Custom()->Image().pixel(Tile(2, 1))), 22);  // tile 22 holds value 22, a grey of 22
}

void TilesetEditorTest::SecondSourceKeepsTheCustomTileset() {
    Editor editor;
    editor.picks.push_back(editor.dir.Write("other.bmp", OtherTileset()));
    editor.Press("New Source");
    QCOMPARE(TileValue(editor.window.Source().pixels, 0, 0), 199);
    QCOMPARE(editor.CustomTile(0, 0), 1);
    editor.Press("New Source");  // cancelled
    QCOMPARE(TileValue(editor.window.Source().pixels, 0, 0), 199);
}

void TilesetEditorTest::DraggedTargetRepeatsTheSelection() {
    Editor editor;
    editor.Drag(editor.Source(), Tile(3, 2), Tile(4, 2));
    editor.Drag(editor.Custom(), Tile(0, 0), Tile(4, 2));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column)
            QVERIFY(TileFilledWith(editor.window.Custom().pixels, column, row, column % 2 == 0 ? 42 : 43));
    QCOMPARE(editor.CustomTile(5, 0), 6);
    QCOMPARE(editor.CustomTile(0, 3), 58);
    QVERIFY(editor.window.Modified());
    // A reversed drag on both gives the same paste.
    Editor reversed;
    reversed.Drag(reversed.Source(), Tile(4, 2), Tile(3, 2));
    reversed.Drag(reversed.Custom(), Tile(4, 2), Tile(0, 0));
    QCOMPARE(reversed.window.Custom().pixels, editor.window.Custom().pixels);
}

void TilesetEditorTest::PasteIsCutOffAtTheEdges() {
    Editor editor;
    editor.Drag(editor.Source(), Tile(0, 0), Tile(2, 2));
    editor.Drag(editor.Custom(), Tile(17, 8), Tile(17, 8));
    QCOMPARE(editor.CustomTile(17, 8), 1);
    QCOMPARE(editor.CustomTile(18, 8), 2);
    QCOMPARE(editor.CustomTile(17, 9), 20);
    QCOMPARE(editor.CustomTile(18, 9), 21);
    QCOMPARE(editor.CustomTile(16, 8), 169);
    // A drag that leaves the image is clamped to its last column and row.
    editor.Drag(editor.Source(), Tile(5, 5), Tile(5, 5));
    editor.Drag(editor.Custom(), Tile(16, 7), QPoint(400, 300));
    for (int row = 7; row < 10; ++row)
        for (int column = 16; column < 19; ++column) QCOMPARE(editor.CustomTile(column, row), 101);
}

void TilesetEditorTest::RightDragCopiesFromASnapshot() {
    Editor editor;
    editor.Drag(editor.Custom(), Tile(0, 0), Tile(2, 0), Qt::RightButton);
    QVERIFY(!editor.window.Modified());
    editor.Drag(editor.Custom(), Tile(1, 0), Tile(1, 0));
    QCOMPARE(editor.CustomTile(0, 0), 1);
    QCOMPARE(editor.CustomTile(1, 0), 1);
    QCOMPARE(editor.CustomTile(2, 0), 2);
    QCOMPARE(editor.CustomTile(3, 0), 3);
    QCOMPARE(editor.CustomTile(4, 0), 5);
}

void TilesetEditorTest::HoleBlanksTheTarget() {
    Editor editor;
    editor.Drag(editor.Source(), Tile(0, 0), Tile(0, 0));
    editor.Press("Hole");
    editor.Drag(editor.Custom(), Tile(3, 4), Tile(2, 2));
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 19; ++column) {
            bool blank = column >= 2 && column <= 3 && row >= 2 && row <= 4;
            QVERIFY(TileFilledWith(editor.window.Custom().pixels, column, row,
                                   blank ? 0 : row * 19 + column + 1));
        }
}

void TilesetEditorTest::FinishedAsksOnlyAfterAPaste() {
    {
        Editor editor;
        editor.Press("Finished");
        QVERIFY(editor.dialogs.Messages().empty());
        QVERIFY(!editor.window.isVisible());
        QVERIFY(editor.window.Custom().Empty());
    }
    Editor editor;
    editor.Drag(editor.Source(), Tile(1, 1), Tile(1, 1));
    editor.Drag(editor.Custom(), Tile(0, 0), Tile(0, 0));
    Bytes pasted = editor.window.Custom().pixels;
    editor.dialogs.QueueAnswer(false);
    editor.dialogs.QueueAnswer(true);
    editor.Press("Finished");
    QCOMPARE(editor.dialogs.Messages(), std::vector<std::string>{"Quit without saving?"});
    QVERIFY(editor.window.isVisible());
    QCOMPARE(editor.window.Custom().pixels, pasted);
    QVERIFY(editor.window.Modified());
    editor.window.close();  // the close box is "Finished" too
    QCOMPARE(editor.dialogs.Messages().size(), std::size_t{2});
    QVERIFY(!editor.window.isVisible());
    QVERIFY(editor.window.Custom().Empty());
    QVERIFY(!editor.window.Modified());
}

void TilesetEditorTest::ShortTilesetIsPaddedWithZeros() {
    Bytes file = vetra::test::TilesetBitmap({.height = 80, .numbered = true});
    Editor editor(file);
    Bytes expected(file.begin() + 1078, file.end());
    QCOMPARE(expected.size(), std::size_t{5 * 4864});
    expected.resize(48640, 0);
    QCOMPARE(editor.window.Source().pixels, expected);
    const Bytes& head = editor.window.Source().head;
    QCOMPARE(vetra::ReadU32(&head[18]), 304u);
    QCOMPARE(vetra::ReadU32(&head[22]), 160u);
    QCOMPARE(vetra::ReadU32(&head[2]), 49718u);
    QCOMPARE(vetra::ReadU32(&head[34]), 48640u);
}

void TilesetEditorTest::SavingWritesTheCustomTilesetAndOpensTheComments() {
    Editor editor;
    editor.Drag(editor.Source(), Tile(1, 1), Tile(1, 1));
    editor.Drag(editor.Custom(), Tile(0, 0), Tile(0, 0));
    std::string target = editor.dir.File("custom.bmp");
    editor.dialogs.QueueFiles({target});
    editor.Press("Save Custom");
    const vetra::ui::ScriptedDialog::Request& request = editor.dialogs.Requests().at(0);
    QVERIFY(request.kind == vetra::ui::ScriptedDialog::Kind::SaveFile);
    QCOMPARE(request.request.title, std::string("Save tileset as:"));
    QCOMPARE(request.request.filter, std::string("Bitmap files (*.bmp)|*.bmp"));
    QCOMPARE(vetra::test::ReadBytes(target), editor.window.Custom().Joined());
    QCOMPARE(editor.commentFiles, std::vector<std::string>{target});
    QVERIFY(!editor.window.Modified());
    editor.Press("Save Custom");  // cancelled
    QCOMPARE(editor.commentFiles.size(), std::size_t{1});
}

void TilesetEditorTest::SavingKeepsBytesBehindAndNeverDeclaresPastTheEnd() {
    // The source is a level whose tileset declares comments: 100 bytes more than the bitmap.
    Bytes tileset = vetra::test::TilesetBitmap({.comments = Bytes(100, 'c'), .numbered = true});
    Editor editor(vetra::test::LevelBytes(tileset, {{0, 0, 1}, {1, 1, 2}, {2, 2, 3}}));
    std::string fresh = editor.dir.File("fresh.bmp");
    editor.dialogs.QueueFiles({fresh});
    editor.Press("Save Custom");
    Bytes written = vetra::test::ReadBytes(fresh);
    QCOMPARE(written.size(), std::size_t{49718});
    QCOMPARE(vetra::ReadU32(&written[2]), 49718u);

    Bytes existing = OtherTileset();
    existing.resize(49718 + 300, 'k');
    std::string longer = editor.dir.Write("longer.bmp", existing);
    editor.dialogs.QueueFiles({longer});
    editor.Press("Save Custom");
    written = vetra::test::ReadBytes(longer);
    QCOMPARE(written.size(), existing.size());
    QCOMPARE(vetra::ReadU32(&written[2]), 49818u);
    QVERIFY(
        std::equal(written.begin() + 1078, written.begin() + 49718, editor.window.Custom().pixels.begin()));
    QVERIFY(std::all_of(written.begin() + 49718, written.end(), [](std::uint8_t b) { return b == 'k'; }));
}

void TilesetEditorTest::SwapDropAndRecolor() {
    Editor editor;
    editor.picks.push_back(editor.dir.Write("other.bmp", OtherTileset()));
    editor.Press("New Source");
    editor.Press("Swap");
    QCOMPARE(editor.CustomTile(0, 0), 199);
    QCOMPARE(TileValue(editor.window.Source().pixels, 0, 0), 1);
    editor.Press("Drop");
    QCOMPARE(editor.window.Source().pixels, editor.window.Custom().pixels);

    Bytes coloured = vetra::test::TilesetBitmap({.numbered = true});
    coloured[54 + 4 * 5 + 2] = 250;  // entry 5 turns red
    editor.picks.push_back(editor.dir.Write("coloured.bmp", coloured));
    editor.Press("New Source");
    Bytes pixels = editor.window.Custom().pixels;
    editor.Press("Recolor");
    QCOMPARE(editor.window.Custom().head, Bytes(coloured.begin(), coloured.begin() + 1078));
    QCOMPARE(editor.window.Custom().pixels, pixels);
}

void TilesetEditorTest::UnreadableSourceIsReported() {
    Bytes shortFile = vetra::test::TilesetBitmap({.numbered = true});
    shortFile.resize(20000);
    Editor editor(shortFile);
    QCOMPARE(editor.dialogs.Messages().size(), std::size_t{1});
    QVERIFY(editor.dialogs.Messages()[0].starts_with("Could not load the tileset "));
    QVERIFY(editor.window.Custom().Empty());
    editor.Drag(editor.Custom(), Tile(0, 0), Tile(1, 1));  // nothing to paste on: ignored
    QVERIFY(!editor.window.Modified());
}

// Zones use 24- and 32-bit and compressed tilesets; read as 8-bit pixels they would turn to noise.
void TilesetEditorTest::SourceOfAnotherLayoutIsRefused() {
    for (auto [bits, compression] : {std::pair{24, 0}, std::pair{32, 0}, std::pair{8, 1}}) {
        Bytes other = vetra::test::TilesetBitmap({.numbered = true});
        vetra::WriteU16(&other[28], static_cast<std::uint16_t>(bits));
        vetra::WriteU32(&other[30], static_cast<std::uint32_t>(compression));
        Editor editor(other);
        QCOMPARE(editor.dialogs.Messages(),
                 std::vector<std::string>{
                     editor.dir.File("source.bmp") +
                     " is not an 8-bit uncompressed tileset; the tileset editor cannot edit it."});
        QVERIFY(editor.window.Custom().Empty());
    }
}

void TilesetEditorTest::StatusBarNamesTheTileUnderTheMouse() {
    Editor editor;
    auto* status = editor.window.findChild<QStatusBar*>();
    QCOMPARE(status->currentMessage(), QStringLiteral("VETRA-0.9.0"));
    QTest::mouseMove(editor.Source(), Tile(18, 9));
    QVERIFY(status->currentMessage().startsWith(QStringLiteral("190 - ")));
    // A button ignores the move, which then reaches the window too; its hint must stay.
    for (QPushButton* button : editor.window.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Save Custom")) QTest::mouseMove(button, QPoint(5, 5));
    QCOMPARE(status->currentMessage(), QStringLiteral("Save Custom Tileset."));
}

QTEST_MAIN(TilesetEditorTest)
#include "tileseteditor_test.moc"
