#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "cfgset/caseblind.h"
#include "cfgset/cfgset.h"
#include "cfgset/settingsreaders.h"
#include "support/realdata.h"
#include "support/scratchdir.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "support/recordinghost.h"

namespace vetra::cfgset {
namespace {

using test::ScratchDir;

// Every real server config: .cfg, the newer servers' .conf, and an extension-less one.
std::vector<std::string> RealConfigs() {
    std::vector<std::string> files = test::RealDataFiles(".cfg");
    for (const std::string& conf : test::RealDataFiles("conf")) files.push_back(conf);
    std::string bare = test::RealDataDir() + "/settings/ship-warbird";
    if (FileExists(bare)) files.push_back(bare);
    return files;
}

std::string CopyAsCfg(const ScratchDir& dir, const std::string& path) {
    std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    std::string name = filenameext::BareFileName(path);
    filenameext::SplitExtension(name);
    return dir.Write(name + ".cfg", bytes);
}

bool HoldsColon(const SettingsRecord& r) {
    return (r.cat + r.name + r.val).find(':') != std::string::npos;
}

// "[ General ]" names the section "General": no category may begin with a blank, which would make its .set
// lines comments.
bool BeginsWithBlank(const SettingsRecord& r) { return !r.cat.empty() && r.cat[0] == ' '; }

using Setting = std::tuple<std::string, std::string, std::string>;

// Sections merge and ships are spelled anew on the way, so sections compare by their folded name.
std::vector<Setting> Settings(const SettingsRecords& records) {
    std::vector<Setting> settings;
    for (const SettingsRecord& r : records) {
        std::string cat = r.cat;
        for (char& c : cat) c = char(std::tolower(static_cast<unsigned char>(c)));
        settings.emplace_back(cat, r.name, r.val);
    }
    std::sort(settings.begin(), settings.end());
    return settings;
}

TEST(RealSettings, CfgToSetToCfgKeepsEverySetting) {
    VETRA_REQUIRE_REALDATA();
    std::vector<std::string> configs = RealConfigs();
    ASSERT_FALSE(configs.empty());
    for (const std::string& config : configs) {
        SCOPED_TRACE(config);
        ScratchDir dir;
        RecordingHost host;
        std::string cfg = CopyAsCfg(dir, config);
        FileResult notes;
        SettingsRecords original = ReadCfgRecords(host, notes, cfg);
        FileResult toSet = host.Report(ConvertCfgToSet(host, cfg, "", false));
        ASSERT_TRUE(toSet.Done());
        FileResult back = host.Report(ConvertSetToCfg(host, toSet.written.at(0), false));
        ASSERT_TRUE(back.Done());
        SettingsRecords final = ReadCfgRecords(host, notes, back.written.at(0));
        EXPECT_EQ(host.Messages().size(), notes.notices.size());  // only the lines of the config it cannot take
        EXPECT_EQ(std::count_if(original.begin(), original.end(), BeginsWithBlank), 0);

        // A ":" in a section, name or value, or a section that begins with a blank, is beyond the .set format:
        // warned of, and only those differ.
        SettingsRecords representable;
        std::copy_if(original.begin(), original.end(), std::back_inserter(representable),
                     [](const SettingsRecord& r) { return !HoldsColon(r) && !BeginsWithBlank(r); });
        EXPECT_EQ(host.Summary().size(), original.size() - representable.size());
        EXPECT_EQ(final.size(), original.size() - std::count_if(original.begin(), original.end(), BeginsWithBlank));
        std::vector<Setting> kept = Settings(final);
        std::vector<Setting> wanted = Settings(representable);
        EXPECT_TRUE(std::includes(kept.begin(), kept.end(), wanted.begin(), wanted.end()));
    }
}

TEST(RealSettings, TemplatesDescribeASetMadeFromACfg) {
    VETRA_REQUIRE_REALDATA();
    std::string config = test::RealDataDir() + "/settings/ss-continuum_server.cfg";
    std::vector<std::string> templates = test::RealDataFiles(".sss");
    ASSERT_FALSE(templates.empty());
    for (const std::string& path : templates) {
        SCOPED_TRACE(path);
        ScratchDir dir;
        RecordingHost host;
    FileResult notes;
        std::string cfg = CopyAsCfg(dir, config);
        FileResult outcome = host.Report(ConvertCfgToSet(host, cfg, path, true));
        ASSERT_TRUE(outcome.Done());
        SettingsRecords set = ReadSetRecords(host, notes, outcome.written.at(0));
        EXPECT_EQ(set.size(), ReadCfgRecords(host, notes, cfg).size());
        std::size_t described = std::count_if(set.begin(), set.end(), [](auto& r) { return !r.desc.empty(); });
        EXPECT_GT(described, set.size() / 4);  // one template names its categories "+Bomb" and the like

        SettingsRecords comments = ReadCommentRecords(host, notes, path);
        bool hasBombSpeed = std::any_of(comments.begin(), comments.end(), [](const SettingsRecord& c) {
            return c.cat == "All" && c.name == "BombSpeed";
        });
        if (hasBombSpeed) {
            auto warbird = std::find_if(set.begin(), set.end(), [](const SettingsRecord& r) {
                return r.cat == "Warbird" && r.name == "BombSpeed";
            });
            ASSERT_NE(warbird, set.end());
            EXPECT_EQ(warbird->desc, "How fast bombs travel");
        }
    }
}

TEST(RealSettings, DescribeTheRealSet) {
    VETRA_REQUIRE_REALDATA();
    ScratchDir dir;
    RecordingHost host;
    FileResult notes;
    std::string set = dir.Write("server.set", test::ReadBytes(test::RealDataDir() + "/settings/server.set"));
    std::string comments = test::RealDataDir() + "/settings/ss-continuum_template.sss";
    FileResult outcome = host.Report(DescribeSet(host, set, comments));
    ASSERT_TRUE(outcome.Done());
    EXPECT_EQ(outcome.written, std::vector<std::string>{dir.File("server-0.set")});
    SettingsRecords before = ReadSetRecords(host, notes, set);
    SettingsRecords after = ReadSetRecords(host, notes, outcome.written.at(0));
    ASSERT_EQ(after.size(), before.size());
    std::vector<Setting> a = Settings(before), b = Settings(after);
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace vetra::cfgset
