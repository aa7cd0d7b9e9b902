#include <QtTest>
#include <filesystem>

#include "widgets/qtfiledialog.h"
#include "widgets/selection.h"

namespace widgets = vetra::widgets;

using namespace std::string_literals;
using widgets::CountSelectedFiles;
using widgets::NameFilters;
using widgets::SelectedFilePath;

namespace {
const std::string kSep(1, static_cast<char>(std::filesystem::path::preferred_separator));
}

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void onePath() {
        std::string one = "C:\\maps\\a.lvl";
        QCOMPARE(widgets::CountSelectedFiles(one), short(1));
        QCOMPARE(widgets::SelectedFilePath(one, 1), one);
        QCOMPARE(widgets::CountSelectedFiles(""), short(1));
    }

    void severalNames() {
        std::string several = "C:\\maps\0a.lvl\0b.lvl\0c d.lvl"s;
        QCOMPARE(widgets::CountSelectedFiles(several), short(3));
        QCOMPARE(widgets::SelectedFilePath(several, 1), "C:\\maps" + kSep + "a.lvl");
        QCOMPARE(widgets::SelectedFilePath(several, 2), "C:\\maps" + kSep + "b.lvl");
        QCOMPARE(widgets::SelectedFilePath(several, 3), "C:\\maps" + kSep + "c d.lvl");
        QCOMPARE(widgets::SelectedFilePath(several, 4), "C:\\maps" + kSep);
    }

    void rootDirectoryDoublesTheSeparator() {
        std::string root = kSep + "\0a.lvl\0b.lvl"s;
        QCOMPARE(widgets::CountSelectedFiles(root), short(2));
        QCOMPARE(widgets::SelectedFilePath(root, 2), kSep + kSep + "b.lvl");
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
        QTEST(widgets::NameFilters(filter.toStdString()), "expected");
    }
};

QTEST_MAIN(SelectionTest)
#include "selection_test.moc"
