#include "cfgset/settingsreaders.h"

#include <gtest/gtest.h>

#include "support/scratchdir.h"
#include "util/fileerror.h"
#include "support/recordinghost.h"

namespace vetra::cfgset {
namespace {

using test::ScratchDir;

const std::string kSetMessage = "Not Cat:Name:Val:Min:Max:Desc in .set!";
const std::string kCommentMessage = "Bad format in comment file!";

class SettingsReaders : public ::testing::Test {
protected:
    // Each reading's notices are shown as the front ends show them.
    SettingsRecords Reported(SettingsRecords (*read)(Progress&, FileResult&, const std::string&),
                             const std::string& path) {
        FileResult notes{path};
        struct Show {
            RecordingHost& host;
            FileResult& notes;
            ~Show() { host.Report(notes); }
        } show{host, notes};
        return read(host, notes, path);
    }
    SettingsRecords Set(const std::string& text) { return Reported(ReadSetRecords, dir.Write("s.set", text)); }
    SettingsRecords Cfg(const std::string& text) { return ReadCfgRecords(host, dir.Write("c.cfg", text)); }
    SettingsRecords Comments(const std::string& name, const std::string& text) {
        return Reported(ReadCommentRecords, dir.Write(name, text));
    }

    ScratchDir dir;
    RecordingHost host;
};

TEST_F(SettingsReaders, SetLines) {
    SettingsRecords records = Set(
        "Misc:Greeting:Hi:0:1:a:b\r\n"
        "\r\n"
        " a comment line\r\n"
        "Misc:Other:2:*:ignored:ignored\r\n"
        "Misc:Third:3:*\r\n"
        "Bullet:Speed:10:1:20:\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"Misc", "Greeting", "Hi", "0", "1", "a:b"},
                                        {"Misc", "Other", "2", "0", "1", "a:b"},
                                        {"Misc", "Third", "3", "0", "1", "a:b"},
                                        {"Bullet", "Speed", "10", "1", "20", ""}}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(SettingsReaders, ShortSetLinesGetTheirMessageOnce) {
    SettingsRecords records = Set(
        "Misc:Five:5:0:9\r\n"  // no Desc: kept with an empty one
        "------\r\n"           // too short to be a record: skipped
        "Misc:Four:4:0\r\n"
        "Misc:Six:6:0:9:six\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"Misc", "Five", "5", "0", "9", ""}, {"Misc", "Six", "6", "0", "9", "six"}}));
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{kSetMessage, kSetMessage, kSetMessage}));
}

TEST_F(SettingsReaders, LineEndsAndByteOrderMarkGiveTheSameRecords) {
    const SettingsRecords expected = {{"A", "x", "1", "", "", ""}, {"B", "y", "2", "0", "5", "d"}};
    for (const std::string& text :
         {std::string("A:x:1:::\r\nB:y:2:0:5:d\r\n"), std::string("A:x:1:::\nB:y:2:0:5:d"),
          std::string("A:x:1:::\rB:y:2:0:5:d\r"), std::string("\xEF\xBB\xBF" "A:x:1:::\nB:y:2:0:5:d\n")})
        EXPECT_EQ(Set(text), expected) << text;
    EXPECT_EQ(Cfg("[A]\nx=1\n[B]\ny=2\n"), Cfg("\xEF\xBB\xBF[A]\r\nx=1\r\n[B]\r\ny=2\r\n"));
}

TEST_F(SettingsReaders, ErrorsThatEndTheReading) {
    EXPECT_THROW(Set("Misc:First:1:*\r\n"), FileError);
    EXPECT_THROW(Set(""), FileError);
    EXPECT_THROW(Set("\xEF\xBB\xBF"), FileError);
    EXPECT_THROW(Cfg(""), FileError);
    EXPECT_THROW(Reported(ReadSetRecords, dir.File("missing.set")), FileError);
    EXPECT_THROW(Reported(ReadCommentRecords, dir.Path()), FileError);  // a folder
    EXPECT_THROW(Set(std::string(kSettingsReadLimit + 1, 'x')), FileError);
    try {
        Set(" skipped\r\nMisc:First:1:*\r\n");
        FAIL();
    } catch (const FileError& error) {
        EXPECT_EQ(error.Reason(), "line 2: \"*\" on the first record");
    }
}

TEST_F(SettingsReaders, ProgressEveryTwentyFifthRecord) {
    std::string text;
    for (int i = 0; i < 51; ++i) text += "[S]\r\nName" + std::to_string(i) + "=1\r\n";
    Cfg(text);
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"25 records loaded...", "50 records loaded..."}));
}

TEST_F(SettingsReaders, CfgLines) {
    SettingsRecords records = Cfg(
        "Top=0\r\n"
        "[Misc]\r\n"
        "Name=a=b\r\n"
        "NoEquals\r\n"
        ";Commented=1\r\n"
        " Indented=1\r\n"
        "\r\n"
        "Empty=\r\n"
        "[ Padded Section ]\r\n"
        "Key = spaced \r\n"
        "[Odd) ; comment\r\n"
        "x=1\r\n"
        "[\r\n"
        "y=2\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"", "Top", "0"},
                                        {"Misc", "Name", "a=b"},
                                        {"Misc", "Empty", ""},
                                        {" Padded Section ", "Key ", " spaced "},
                                        {"Odd) ; commen", "x", "1"},
                                        {"", "y", "2"}}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(SettingsReaders, TemplateLines) {
    SettingsRecords records = Comments("t.sss",
                                       "All:BombSpeed:0:9:How fast: very\r\n"
                                       "Misc:NoDesc:1:2\r\n"
                                       "-----------\r\n"
                                       "*Security:Kick:700\r\n"
                                       "Misc:Star:*:1:star\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"All", "BombSpeed", "", "0", "9", "How fast: very"},
                                        {"Misc", "NoDesc", "", "1", "2", ""},
                                        {"Misc", "Star", "", "*", "1", "star"}}));
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{kCommentMessage, kCommentMessage, kCommentMessage}));
}

TEST_F(SettingsReaders, SetAsCommentFile) {
    SettingsRecords records = Comments("other.SET", "Warbird:Armor:1:0:9:d\r\nJavelin:Armor:2:*\r\nX:Y:1:2\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"Warbird", "Armor", "1", "0", "9", "d"}, {"Javelin", "Armor", "2", "0", "9", "d"}}));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{kCommentMessage});
    EXPECT_TRUE(IsSetCommentFile("a.Set"));
    EXPECT_FALSE(IsSetCommentFile("a.sss"));
    EXPECT_FALSE(IsSetCommentFile("set"));
}

}  // namespace
}  // namespace vetra::cfgset
