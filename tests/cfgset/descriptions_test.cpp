#include "cfgset/descriptions.h"

#include <gtest/gtest.h>

#include "support/recordinghost.h"

namespace vetra::cfgset {
namespace {

const SettingsRecord* Find(const SettingsRecords& records, const std::string& cat, const std::string& name) {
    for (const SettingsRecord& r : records)
        if (r.cat == cat && r.name == name) return &r;
    return nullptr;
}

TEST(ApplyDescriptions, TemplateDescribesEveryShipUnderAll) {
    RecordingHost host;
    SettingsRecords records = {{"Warbird", "Armor", "1"}, {"Shark", "ARMOR", "2"}, {"Misc", "Armor", "3"},
                               {"Javelin", "Speed", "4", "0", "9", "old"}};
    SettingsRecords comments = {{"All", "armor", "", "0", "100", "ship armor"},
                                {"Misc", "Armor", "", "5", "6", "misc armor"},
                                {"Javelin", "Speed", "", "1", "2", "never used"}};
    ApplyDescriptions(host, records, comments, true, CopyMode::All);
    EXPECT_EQ(*Find(records, "Warbird", "Armor"), (SettingsRecord{"Warbird", "Armor", "1", "0", "100", "ship armor"}));
    EXPECT_EQ(*Find(records, "Shark", "ARMOR"), (SettingsRecord{"Shark", "ARMOR", "2", "0", "100", "ship armor"}));
    EXPECT_EQ(*Find(records, "Misc", "Armor"), (SettingsRecord{"Misc", "Armor", "3", "5", "6", "misc armor"}));
    EXPECT_EQ(*Find(records, "Javelin", "Speed"), (SettingsRecord{"Javelin", "Speed", "4", "0", "9", "old"}));
}

TEST(ApplyDescriptions, SetCommentsLookShipsUpUnderTheirOwnCategory) {
    RecordingHost host;
    SettingsRecords records = {{"Warbird", "Armor", "1"}, {"Javelin", "Armor", "2"}};
    SettingsRecords comments = {{"All", "Armor", "", "0", "1", "all"}, {"javelin", "armor", "9", "2", "3", "jav"}};
    ApplyDescriptions(host, records, comments, false, CopyMode::All);
    EXPECT_EQ(*Find(records, "Warbird", "Armor"), (SettingsRecord{"Warbird", "Armor", "1"}));
    EXPECT_EQ(*Find(records, "Javelin", "Armor"), (SettingsRecord{"Javelin", "Armor", "2", "2", "3", "jav"}));
}

TEST(ApplyDescriptions, CopyAllOrOnlyWhatTheCommentHas) {
    const SettingsRecord original{"Misc", "X", "1", "0", "9", "old"};
    struct Case {
        SettingsRecord comment;
        CopyMode mode;
        SettingsRecord expected;
    };
    const Case cases[] = {
        {{"Misc", "X", "", "", "", "new"}, CopyMode::All, {"Misc", "X", "1", "", "", "new"}},
        {{"Misc", "X", "", "", "", "new"}, CopyMode::WhatItHas, {"Misc", "X", "1", "0", "9", "new"}},
        {{"Misc", "X", "", "", "7", ""}, CopyMode::WhatItHas, {"Misc", "X", "1", "0", "7", ""}},
        {{"Misc", "X", "", "2", "", "n"}, CopyMode::WhatItHas, {"Misc", "X", "1", "2", "9", "n"}},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        SettingsRecords records = {original};
        SettingsRecords comments = {c.comment};
        ApplyDescriptions(host, records, comments, true, c.mode);
        EXPECT_EQ(records.front(), c.expected) << c.comment.min << "/" << c.comment.max << "/" << c.comment.desc;
    }
}

TEST(ApplyDescriptions, LaterMatchOverridesAndProgressEverySeventh) {
    RecordingHost host;
    SettingsRecords records(15, SettingsRecord{"Misc", "X", "1"});
    SettingsRecords comments = {{"Misc", "X", "", "1", "", "first"}, {"Misc", "x", "", "2", "", "second"}};
    ApplyDescriptions(host, records, comments, true, CopyMode::All);
    EXPECT_EQ(records.front().desc, "second");
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Sorting data...", "Sorting data...", "0 percent applied...",
                                                       "46 percent applied...", "93 percent applied..."}));
}

TEST(ApplyDescriptions, SeveralMatchesHandOverInTurn) {
    const SettingsRecords comments = {{"Misc", "X", "", "2", "", "a"}, {"MISC", "x", "", "", "8", "b"}};
    for (CopyMode mode : {CopyMode::All, CopyMode::WhatItHas}) {
        RecordingHost host;
        SettingsRecords records = {{"Misc", "X", "1", "0", "9", "old"}};
        SettingsRecords copy = comments;
        ApplyDescriptions(host, records, copy, false, mode);
        SettingsRecord expected = mode == CopyMode::All ? SettingsRecord{"Misc", "X", "1", "", "8", "b"}
                                                        : SettingsRecord{"Misc", "X", "1", "2", "8", "b"};
        EXPECT_EQ(records.front(), expected);
    }
}

}  // namespace
}  // namespace vetra::cfgset
