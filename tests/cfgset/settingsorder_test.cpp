#include "cfgset/settingsorder.h"

#include <gtest/gtest.h>

#include "support/recordinghost.h"

namespace vetra::cfgset {
namespace {

std::vector<std::string> CatsAndNames(const SettingsRecords& records) {
    std::vector<std::string> out;
    for (const SettingsRecord& r : records) out.push_back(r.cat + ":" + r.name);
    return out;
}

TEST(SettingsOrder, SortByCategoryKeepsTheSortsOwnOrder) {
    RecordingHost host;
    SettingsRecords records = {{"Misc", "1"}, {"Bullet", "1"}, {"misc", "2"}, {"Bullet", "2"}, {"Bullet", "3"}};
    SortByCategory(host, records);
    EXPECT_EQ(CatsAndNames(records),
              (std::vector<std::string>{"Bullet:3", "Bullet:1", "Bullet:2", "Misc:1", "misc:2"}));
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Sorting data..."});
}

TEST(SettingsOrder, ShipsLastByNameThenShip) {
    RecordingHost host;
    SettingsRecords records = {{"javelin", "BombSpeed"}, {"Javelin", "Armor"}, {"Misc", "X"},
                               {"warbird", "BombSpeed"}, {"Bullet", "Y"},      {"WARBIRD", "Armor"},
                               {"Shark", "armor"},       {"Warbirds", "Z"}};
    FileResult notes;
    SortToSetOrder(host, notes, records);
    EXPECT_TRUE(notes.notices.empty());
    EXPECT_EQ(CatsAndNames(records),
              (std::vector<std::string>{"Bullet:Y", "Misc:X", "Warbirds:Z", "Warbird:Armor", "Javelin:Armor",
                                        "Shark:armor", "Warbird:BombSpeed", "Javelin:BombSpeed"}));
    EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Dividing data...", "Sorting normal data...",
                                                       "Sorting ship data...", "Recombining data..."}));
}

TEST(SettingsOrder, ShipNumbers) {
    EXPECT_EQ(ShipNumber("Warbird"), 1);
    EXPECT_EQ(ShipNumber("LEVIATHAN"), 4);
    EXPECT_EQ(ShipNumber("shark"), 8);
    EXPECT_EQ(ShipNumber("All"), 0);
    EXPECT_EQ(ShipNumber("Warbird "), 0);
}

}  // namespace
}  // namespace vetra::cfgset
