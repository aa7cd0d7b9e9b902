#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vetra::cfgset {

// One server setting as the .cfg, .set and template files carry it. No field is ever read as a number; the
// text is Windows-1252 bytes kept as they are.
struct SettingsRecord {
    std::string cat{};  // the .cfg section
    std::string name{};
    std::string val{};
    std::string min{};  // may be empty
    std::string max{};  // may be empty
    std::string desc{};  // may be empty and may hold ":"

    bool operator==(const SettingsRecord&) const = default;
};

using SettingsRecords = std::vector<SettingsRecord>;

// The eight ships in their order, ship 1 first, spelled as the files spell them.
inline constexpr std::array<std::string_view, 8> kShipCategories = {
    "Warbird", "Javelin", "Spider", "Leviathan", "Weasel", "Terrier", "Lancaster", "Shark"};

// The category under which a template describes the settings of every ship.
inline constexpr std::string_view kAllShips = "All";

// The ship number 1 to 8 of a category equal to a ship's name (ignoring case), 0 for any other category.
int ShipNumber(std::string_view category);

}  // namespace vetra::cfgset
