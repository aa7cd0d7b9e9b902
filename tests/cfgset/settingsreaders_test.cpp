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
const std::string kCfgMessage = "Not [Section] or Name=Val in .cfg!";
const std::string kCommented = " It begins with a blank, so it was skipped as a comment.";

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
    SettingsRecords Cfg(const std::string& text) {
        return Reported(ReadCfgRecords, dir.Write("c.cfg", text));
    }
    SettingsRecords Comments(const std::string& name, const std::string& text) {
        return Reported(ReadCommentRecords, dir.Write(name, text));
    }
    // A format message as it names the file and the line.
    std::string At(const std::string& name, int line, const std::string& message) const {
        return dir.File(name) + ": line " + std::to_string(line) + ": " + message;
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
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{At("s.set", 1, kSetMessage), At("s.set", 2, kSetMessage),
                                                         At("s.set", 3, kSetMessage)}));
}

// A comment line is one that begins with a blank; one that holds a whole setting, as a .set written with the
// category " General " does, is still skipped, but named.
TEST_F(SettingsReaders, CommentLinesThatHoldASettingAreNamed) {
    SettingsRecords set = Set(
        " a comment: with a colon\r\n"
        " General :Map :x:::\r\n"
        " General :Other:y:*\r\n"
        "Misc:Kept:1:::\r\n");
    EXPECT_EQ(set, (SettingsRecords{{"Misc", "Kept", "1", "", "", ""}}));
    SettingsRecords cfg = Cfg(" just words\r\n Indented=1\r\n[A]\r\nx=1\r\n");
    EXPECT_EQ(cfg, (SettingsRecords{{"A", "x", "1"}}));
    SettingsRecords comments = Comments("t.sss", " All:A:0:1:d\r\n plain: words\r\nAll:B:0:1:d\r\n");
    EXPECT_EQ(comments.size(), 1u);
    EXPECT_EQ(host.Messages(),
              (std::vector<std::string>{At("s.set", 2, kSetMessage + kCommented), At("s.set", 3, kSetMessage + kCommented),
                                        At("c.cfg", 2, kCfgMessage + kCommented),
                                        At("t.sss", 1, kCommentMessage + kCommented)}));
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

// Blanks just inside the brackets are not part of the name; every line that is neither a setting, a section nor
// a comment gets the format message, as "#include" and continued lines of newer servers' files do.
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
        "y=2\r\n"
        "#include conf/other.conf\r\n"
        "\tModule.Name \\\r\n"
        "[ General ]\r\n"
        "a=1\r\n"
        "[\t Tabbed\t]\r\n"
        "b=2\r\n"
        "[  ]\r\n"
        "c=3\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"", "Top", "0"},
                                        {"Misc", "Name", "a=b"},
                                        {"Misc", "Empty", ""},
                                        {"Padded Section", "Key ", " spaced "},
                                        {"Odd) ; commen", "x", "1"},
                                        {"", "y", "2"},
                                        {"General", "a", "1"},
                                        {"Tabbed", "b", "2"},
                                        {"", "c", "3"}}));
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{At("c.cfg", 4, kCfgMessage), At("c.cfg", 6, kCfgMessage + kCommented),
                                                         At("c.cfg", 15, kCfgMessage), At("c.cfg", 16, kCfgMessage)}));
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
    EXPECT_EQ(host.Messages(), (std::vector<std::string>{At("t.sss", 2, kCommentMessage), At("t.sss", 3, kCommentMessage),
                                                         At("t.sss", 4, kCommentMessage)}));
}

TEST_F(SettingsReaders, SetAsCommentFile) {
    SettingsRecords records = Comments("other.SET", "Warbird:Armor:1:0:9:d\r\nJavelin:Armor:2:*\r\nX:Y:1:2\r\n");
    EXPECT_EQ(records, (SettingsRecords{{"Warbird", "Armor", "1", "0", "9", "d"}, {"Javelin", "Armor", "2", "0", "9", "d"}}));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{At("other.SET", 3, kCommentMessage)});
    EXPECT_TRUE(IsSetCommentFile("a.Set"));
    EXPECT_FALSE(IsSetCommentFile("a.sss"));
    EXPECT_FALSE(IsSetCommentFile("set"));
}

}  // namespace
}  // namespace vetra::cfgset
