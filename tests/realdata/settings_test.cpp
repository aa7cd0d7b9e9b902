#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "cfgset/caseblind.h"
#include "cfgset/cfgset.h"
#include "cfgset/settingsreaders.h"
#include "realdata/realcopies.h"
#include "util/fileio.h"
#include "util/textcodec.h"

namespace vetra {
namespace {

using cfgset::SettingsRecord;
using cfgset::SettingsRecords;
using test::RealCopy;
using Setting = std::tuple<std::string, std::string, std::string>;

// The server configs under the name the conversion takes: .cfg files, and the newer servers' .conf files and
// an extension-less per-ship file copied to .cfg.
std::vector<RealCopy> ConfigCopies(const test::ScratchDir& dir) {
    std::vector<std::string> originals = test::RealDataFiles(".cfg");
    for (const std::string& file : test::RealDataFiles("conf")) originals.push_back(file);
    if (FileExists(test::RealDataDir() + "/settings/ship-warbird"))
        originals.push_back(test::RealDataDir() + "/settings/ship-warbird");
    std::vector<RealCopy> copies;
    for (const std::string& original : originals) {
        std::string name = filenameext::BareFileName(original);
        filenameext::SplitExtension(name);
        std::vector<std::uint8_t> bytes = test::ReadBytes(original);
        copies.push_back({original, dir.Write(name + ".cfg", bytes), bytes});
    }
    return copies;
}

// The comment files: every template and the real .set.
std::vector<RealCopy> CommentCopies(const test::ScratchDir& dir) {
    std::vector<std::string> originals = test::RealDataFiles(".sss");
    for (const std::string& file : test::RealDataFiles(".set")) originals.push_back(file);
    return test::CopyReal(dir, originals);
}

// What a .set can hold of a record: a ":" before the description, or a category beginning with a blank (its
// line would read as a comment), cannot come back.
bool Representable(const SettingsRecord& r) {
    return (r.cat + r.name + r.val).find(':') == std::string::npos && (r.cat.empty() || r.cat[0] != ' ');
}

// Sections merge and ships are spelled anew on the way, so sections compare by their folded names.
std::vector<Setting> Settings(const SettingsRecords& records, bool representableOnly) {
    std::vector<Setting> settings;
    for (const SettingsRecord& r : records)
        if (!representableOnly || Representable(r))
            settings.emplace_back(cfgset::FoldCase(r.cat), r.name, r.val);
    std::sort(settings.begin(), settings.end());
    return settings;
}

bool Holds(const std::vector<Setting>& all, const std::vector<Setting>& part) {
    return std::includes(all.begin(), all.end(), part.begin(), part.end());
}

// cfg -> set -> cfg keeps every section, name and value the .set format can hold, duplicates included, with
// and without descriptions from each comment file; no input changes.
TEST(RealSettings, EveryConfigGoesToSetAndBack) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    std::vector<RealCopy> comments = CommentCopies(dir);
    std::vector<std::string> sources{""};
    for (const RealCopy& comment : comments) sources.push_back(comment.path);
    for (const RealCopy& config : ConfigCopies(dir)) {
        for (const std::string& source : sources) {
            SCOPED_TRACE(config.original + " with " + (source.empty() ? "no descriptions" : source));
            RecordingHost host;
    FileResult notes;
    SettingsRecords original = cfgset::ReadCfgRecords(host, notes, config.path);
    FileResult toSet = host.Report(cfgset::ConvertCfgToSet(host, config.path, source, !source.empty()));
    ASSERT_TRUE(toSet.Done()) << testing::PrintToString(host.Summary());
    FileResult back = host.Report(cfgset::ConvertSetToCfg(host, toSet.written.at(0), !source.empty()));
    ASSERT_TRUE(back.Done()) << testing::PrintToString(host.Summary());
    test::ExpectUnchanged(config);
    SettingsRecords set = cfgset::ReadSetRecords(host, notes, toSet.written.at(0));
    SettingsRecords final = cfgset::ReadCfgRecords(host, notes, back.written.at(0));
    EXPECT_TRUE(Holds(Settings(set, false), Settings(original, true)));
    EXPECT_TRUE(Holds(Settings(final, false), Settings(original, true)));
    std::size_t representable = std::count_if(original.begin(), original.end(), Representable);
    std::vector<std::string> summary = host.Summary();
    std::size_t warned = std::count_if(summary.begin(), summary.end(),
                                       [](const std::string& line) { return line.starts_with("Warning: "); });
    EXPECT_GE(warned, original.size() - representable);
    RemoveFileQuietly(toSet.written.at(0));
    RemoveFileQuietly(back.written.at(0));
        }
    }
    for (const RealCopy& comment : comments) test::ExpectUnchanged(comment);
}

// What the real files hold beyond the simple layout: byte-order marks, duplicate sections and keys, blanks
// inside brackets, and the newer servers' "#include" and continued lines, which only they understand.
TEST(RealSettings, ReadersTakeTheFilesAsTheyAre) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    RecordingHost host;
    std::size_t configs = 0;
    for (const RealCopy& config : ConfigCopies(dir)) {
        SCOPED_TRACE(config.original);
        FileResult notes{config.path};
        SettingsRecords records = cfgset::ReadCfgRecords(host, notes, config.path);
        EXPECT_FALSE(records.empty());
        for (const SettingsRecord& r : records)
            EXPECT_EQ((r.cat + r.name).find("\xEF\xBB\xBF"), std::string::npos);
        std::string name = filenameext::BareFileName(config.original);
        auto count = [&records](const std::string& cat, const std::string& key) {
            return std::count_if(records.begin(), records.end(),
                                 [&](const SettingsRecord& r) { return r.cat == cat && r.name == key; });
        };
        if (name == "pb.cfg") {
            EXPECT_EQ(count("Javelin", "RocketMax"), 2);
        }
        if (name == "arena.conf") {
            EXPECT_EQ(count("General", "Map "), 1);  // the blanks inside the brackets go, the name's stay
            EXPECT_EQ(notes.notices.size(), 7u);  // an #include and six lines continued from AttachModules
        } else if (name == "svs-league.conf") {
            EXPECT_EQ(notes.notices.size(), 9u);  // #include lines
        } else {
            EXPECT_TRUE(notes.notices.empty());
        }
        ++configs;
    }
    EXPECT_EQ(configs, 12u);
}

// How a line of a server config is read: a comment, a section, a setting, or one the reader cannot take.
enum class LineKind { Comment, Section, Setting, Other };

LineKind KindOfLine(const std::string& line) {
    if (line.empty() || line[0] == ';') return LineKind::Comment;
    if (line[0] == ' ') return line.find('=') == std::string::npos ? LineKind::Comment : LineKind::Other;
    if (line[0] == '[') return LineKind::Section;
    return line.find('=') == std::string::npos ? LineKind::Other : LineKind::Setting;
}

// No line of a real file is lost unsaid: every setting line of a config becomes a record that cfg2set and
// set2cfg bring back (or one whose ":" a warning names), and every other line that is not a comment or a
// section is named by its line number; every line of the real .set is a record.
TEST(RealSettings, NoLineIsLostWithoutAWord) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    for (const RealCopy& config : ConfigCopies(dir)) {
        SCOPED_TRACE(config.original);
        std::string text(config.bytes.begin(), config.bytes.end());
        std::vector<std::string> lines = textcodec::SplitTextLines(textcodec::StripUtf8Bom(text));
        std::vector<std::string> unread;
        std::size_t settings = 0;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            LineKind kind = KindOfLine(lines[n]);
            settings += kind == LineKind::Setting;
            if (kind == LineKind::Other)
                unread.push_back(config.path + ": line " + std::to_string(n + 1) + ": ");
        }
        RecordingHost host;
        FileResult toSet = host.Report(cfgset::ConvertCfgToSet(host, config.path, "", false));
        ASSERT_TRUE(toSet.Done());
        std::vector<std::string> messages = host.Messages();
        ASSERT_EQ(messages.size(), unread.size());
        for (std::size_t k = 0; k < unread.size(); ++k) EXPECT_TRUE(messages[k].starts_with(unread[k])) << messages[k];

        FileResult notes;
        SettingsRecords original = cfgset::ReadCfgRecords(host, notes, config.path);
        ASSERT_EQ(original.size(), settings);
        FileResult back = host.Report(cfgset::ConvertSetToCfg(host, toSet.written.at(0), false));
        ASSERT_TRUE(back.Done());
        EXPECT_EQ(host.Messages().size(), unread.size());  // the .set and the .cfg written read back whole
        SettingsRecords final = cfgset::ReadCfgRecords(host, notes, back.written.at(0));
        EXPECT_EQ(final.size(), settings);
        std::size_t colons = std::count_if(original.begin(), original.end(), [](const SettingsRecord& r) {
            return (r.cat + r.name + r.val).find(':') != std::string::npos;
        });
        std::vector<std::string> summary = host.Summary();
        EXPECT_EQ(std::count_if(summary.begin(), summary.end(),
                                [](const std::string& line) { return line.starts_with("Warning: "); }),
                  static_cast<std::ptrdiff_t>(colons));
        EXPECT_TRUE(Holds(Settings(final, false), Settings(original, true)));
        for (const SettingsRecord& r : final)
            EXPECT_TRUE(r.cat.empty() || (r.cat.front() != ' ' && r.cat.back() != ' ')) << r.cat;
        test::ExpectUnchanged(config);
    }
    for (const RealCopy& set : test::CopyReal(dir, test::RealDataFiles(".set"))) {
        RecordingHost host;
        FileResult notes;
        std::string text(set.bytes.begin(), set.bytes.end());
        std::size_t lines = textcodec::SplitTextLines(text).size();
        EXPECT_EQ(cfgset::ReadSetRecords(host, notes, set.path).size(), lines);
        EXPECT_TRUE(notes.notices.empty());
    }
}

// set -> cfg, and Describe of the real .set with each comment file: every setting stays, inputs unchanged.
TEST(RealSettings, TheRealSetConvertsAndTakesEachDescription) {
    VETRA_REQUIRE_REALDATA();
    test::ScratchDir dir;
    std::vector<RealCopy> comments = CommentCopies(dir);
    for (const RealCopy& set : test::CopyReal(dir, test::RealDataFiles(".set"))) {
        RecordingHost host;
    FileResult notes;
    SettingsRecords records = cfgset::ReadSetRecords(host, notes, set.path);
    for (bool descriptions : {false, true}) {
        SCOPED_TRACE(set.original + (descriptions ? " to .cfg with descriptions" : " to .cfg"));
        FileResult cfg = host.Report(cfgset::ConvertSetToCfg(host, set.path, descriptions));
        ASSERT_TRUE(cfg.Done());
        EXPECT_TRUE(
            Holds(Settings(cfgset::ReadCfgRecords(host, notes, cfg.written.at(0)), false), Settings(records, true)));
    }
        for (const RealCopy& comment : comments) {
            SCOPED_TRACE(set.original + " described by " + comment.original);
            FileResult described = host.Report(cfgset::DescribeSet(host, set.path, comment.path));
            ASSERT_TRUE(described.Done());
            SettingsRecords after = cfgset::ReadSetRecords(host, notes, described.written.at(0));
            EXPECT_EQ(Settings(after, false), Settings(records, false));
            test::ExpectUnchanged(comment);
        }
        test::ExpectUnchanged(set);
    }
}

}  // namespace
}  // namespace vetra
