#include "cfgset/settingswriters.h"

#include <gtest/gtest.h>

#include "support/scratchdir.h"
#include "util/fileerror.h"
#include "support/recordinghost.h"
#include "util/writefaults.h"

namespace vetra::cfgset {
namespace {

using test::ScratchDir;

std::string Text(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class SettingsWriters : public ::testing::Test {
protected:
    std::string SetText(const SettingsRecords& records) {
        FileResult notes;
        WriteSetRecords(host, notes, records, dir.File("out.set"));
        host.Report(notes);
        return Text(test::ReadBytes(dir.File("out.set")));
    }
    std::string CfgText(const SettingsRecords& records, bool descriptions) {
        FileResult notes;
        WriteCfgRecords(host, notes, records, dir.File("out.cfg"), descriptions);
        host.Report(notes);
        return Text(test::ReadBytes(dir.File("out.cfg")));
    }

    ScratchDir dir;
    RecordingHost host;
};

TEST_F(SettingsWriters, SetAbbreviatesRepeatedDescriptions) {
    EXPECT_EQ(SetText({{"Misc", "A", "1", "0", "9", "d:e"},
                       {"Misc", "B", "2", "0", "9", "d:e"},
                       {"Misc", "C", "3", "0", "9", "d:e"},
                       {"Misc", "D", "4", "0", "9", "D:E"},  // case alone differs: "*" would lose it
                       {"Misc", "E", "5", "", "", ""},
                       {"Misc", "F", "6", "", "", ""},
                       {"Misc", "G", "7", "Yeah, buddy!", "", ""}}),
              "Misc:A:1:0:9:d:e\r\n"
              "Misc:B:2:*\r\n"
              "Misc:C:3:*\r\n"
              "Misc:D:4:0:9:D:E\r\n"
              "Misc:E:5:::\r\n"
              "Misc:F:6:::\r\n"
              "Misc:G:7:Yeah, buddy!::\r\n");
    EXPECT_TRUE(host.Summary().empty());
}

// A ":" before the description ends its field when the line is read back: the warning says what comes back.
TEST_F(SettingsWriters, SetWarnsOfWhatItCannotKeep) {
    SetText({{"Misc", "Name", "Halo:Ring", "", "", ""},
             {" Padded", "x", "1", "", "", ""},
             {"Misc", "y", "1", "*", "", ""},
             {"Misc", "z", "1", "", "", "a:b"},
             {"Ow:ner", "N", "1", "", "", ""},
             {"Misc", "Na:me", "1", "", "", ""},
             {"Misc", "m", "1", "0", ":9", ""}});
    EXPECT_EQ(host.Summary(),
              (std::vector<std::string>{
                  "Warning: the value of Name in [Misc] holds \":\", which a .set file cannot store: it will read "
                  "back as \"Halo\".",
                  "Warning: the setting x of [ Padded] has a category that begins with a blank, which a .set file "
                  "cannot keep; it will read back differently.",
                  "Warning: the setting y of [Misc] has the minimum \"*\", which a .set file cannot keep; it will "
                  "read back differently.",
                  "Warning: the category of N in [Ow:ner] holds \":\", which a .set file cannot store: it will read "
                  "back as \"Ow\".",
                  "Warning: the name of Na:me in [Misc] holds \":\", which a .set file cannot store: it will read "
                  "back as \"Na\".",
                  "Warning: the maximum of m in [Misc] holds \":\", which a .set file cannot store: it will read "
                  "back as \"\"."}));
}

TEST_F(SettingsWriters, CfgSectionsAndDescriptions) {
    SettingsRecords records = {{"", "Top", "0", "", "", ""},
                               {"Bullet", "Speed", "a=b", "1", "2", "fast: yes"},
                               {"Misc", "X", "1", "", "", ""},
                               {"MISC", "Y", "2", "", "", ""}};
    EXPECT_EQ(CfgText(records, false), "Top=0\r\n\r\n[Bullet]\r\nSpeed=a=b\r\n\r\n[Misc]\r\nX=1\r\nY=2\r\n");
    EXPECT_EQ(CfgText(records, true),
              "Top=0\r\n;::\r\n\r\n[Bullet]\r\nSpeed=a=b\r\n;1:2:fast: yes\r\n\r\n[Misc]\r\nX=1\r\n;::\r\nY=2\r\n;::\r\n");
}

TEST_F(SettingsWriters, CfgWarnsOfNamesItCannotKeep) {
    CfgText({{"A", "a=b", "1", "", "", ""}, {"A", ";x", "1", "", "", ""}, {"A", "[x", "1", "", "", ""},
             {"A", "ok", "=", "", "", ""}},
            false);
    EXPECT_EQ(host.Summary().size(), 3u);
}

TEST_F(SettingsWriters, PercentAsTheDivisionGivesIt) {
    struct Case {
        std::size_t index, count;
        std::string text;
    };
    const Case cases[] = {{0, 30, "0"},         {25, 30, "83.3333333333333"}, {25, 50, "50"},
                          {25, 40, "62.5"},     {50, 3000, "1.66666666666667"}, {75, 76, "98.6842105263158"}};
    for (const Case& c : cases) EXPECT_EQ(PercentText(c.index, c.count), c.text) << c.index << "/" << c.count;
}

TEST_F(SettingsWriters, ProgressTitles) {
    SettingsRecords records(30, SettingsRecord{"A", "n", "v"});
    CfgText(records, false);
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"0 percent written...", "83.3333333333333 percent written..."}));
    host.Forget();
    SetText(records);
    EXPECT_EQ(host.Titles(),
              (std::vector<std::string>{"Writing data...", "0 percent written...", "83 percent written..."}));
}

class FailAt : public WriteFaults {
public:
    bool ShouldFail(WriteStep step) override { return step == WriteStep::WriteData; }
};

TEST_F(SettingsWriters, FailedWriteLeavesNothing) {
    FailAt faults;
    host.SetFaults(&faults);
    FileResult notes;
    EXPECT_THROW(WriteSetRecords(host, notes, {{"A", "n", "v"}}, dir.File("out.set")), FileError);
    EXPECT_THROW(WriteCfgRecords(host, notes, {{"A", "n", "v"}}, dir.File("out.cfg"), true), FileError);
    EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
}  // namespace vetra::cfgset
