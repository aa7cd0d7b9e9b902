#include <QtTest>
#include <filesystem>

#include "ui/qtfiledialog.h"
#include "ui/selection.h"

using namespace std::string_literals;
using vetra::ui::CountSelectedFiles;
using vetra::ui::NameFilters;
using vetra::ui::SelectedFilePath;

namespace {
const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));
}

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void onePath() {
        std::string one = "C:\\maps\\a.lvl";
        QCOMPARE(CountSelectedFiles(one), short(1));
        QCOMPARE(SelectedFilePath(one, 1), one);
        QCOMPARE(CountSelectedFiles(""), short(1));
    }

    void severalNames() {
        std::string several = "C:\\maps\0a.lvl\0b.lvl\0c d.lvl"s;
        QCOMPARE(CountSelectedFiles(several), short(3));
        QCOMPARE(SelectedFilePath(several, 1), "C:\\maps" + kSep + "a.lvl");
        QCOMPARE(SelectedFilePath(several, 2), "C:\\maps" + kSep + "b.lvl");
        QCOMPARE(SelectedFilePath(several, 3), "C:\\maps" + kSep + "c d.lvl");
        QCOMPARE(SelectedFilePath(several, 4), "C:\\maps" + kSep);
    }

    void rootDirectoryDoublesTheSeparator() {
        std::string root = kSep + "\0a.lvl\0b.lvl"s;
        QCOMPARE(CountSelectedFiles(root), short(2));
        QCOMPARE(SelectedFilePath(root, 2), kSep + kSep + "b.lvl");
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one pair") << "SubSpace Levels (*.lvl)|*.lvl" << QStringList{"SubSpace Levels (*.lvl)"};
        QTest::newRow("two pairs") << "Bitmap Files (*.bmp)|*.bmp|Levels|*.lvl"
                                   << QStringList{"Bitmap Files (*.bmp)", "Levels (*.lvl)"};
        QTest::newRow("pattern list") << "Settings (*.cfg;*.set)|*.cfg;*.set"
                                      << QStringList{"Settings (*.cfg *.set)"};
        QTest::newRow("no pattern") << "Anything" << QStringList{"Anything (*)"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void nameFilters() {
        QFETCH(QString, filter);
        QTEST(NameFilters(filter.toStdString()), "expected");
    }
};

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"
