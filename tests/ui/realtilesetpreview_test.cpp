#include <QTest>

#include "support/realdata.h"
#include "widgets/decodedtileset.h"
#include "tileset/selecttileset.h"
#include "widgets/tilesetbytes.h"
#include "tileset/tilesetpreview.h"

namespace widgets = vetra::widgets;

// The picker's preview of the tilesets zones really use: 24- and 32-bit ones, run-length compressed ones, a
// 304 x 144 one, and levels that begin with each kind; and the picture the WallTile editor takes of each.
class RealTilesetPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void EveryRealTilesetHasAPreview();
};

void RealTilesetPreviewTest::EveryRealTilesetHasAPreview() {
    if (vetra::test::RealDataDir().empty()) QSKIP("no real data folder");
    std::vector<std::string> files = vetra::test::RealDataFiles(".bmp");
    for (const char* extension : {".bm2", ".lvl"})
        for (const std::string& file : vetra::test::RealDataFiles(extension)) files.push_back(file);
    int previews = 0;
    for (const std::string& file : files) {
        QString path = QString::fromStdString(file);
        if (!vetra::tileset::SelectTileset::IsValidTileset(path)) continue;
        std::optional<QImage> preview = vetra::tileset::TilesetPreview(path);
        QVERIFY2(preview && !preview->isNull(), file.c_str());
        QCOMPARE(preview->width(), 304);
        QVERIFY2(preview->height() == 160 || file.find("_castle") != std::string::npos, file.c_str());
        // What the WallTile editor shows of it.
        widgets::TilesetBytes shown = widgets::HoldsRaw8BitPixels(file)
                                                 ? widgets::ReadTilesetBytes(file)
                                                 : widgets::DecodedTilesetBytes(file);
        QCOMPARE(shown.pixels.size(), std::size_t(304 * 160));
        ++previews;
    }
    QVERIFY(previews >= 40);
}

QTEST_MAIN(RealTilesetPreviewTest)
#include "realtilesetpreview_test.moc"
