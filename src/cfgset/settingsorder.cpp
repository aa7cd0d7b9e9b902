#include "cfgset/settingsorder.h"

#include <exception>

#include "cfgset/caseblind.h"
#include "cfgset/progress.h"
#include "cfgset/shellsort.h"

namespace vetra::cfgset {
namespace {

bool CategorySortsAfter(const SettingsRecord& a, const SettingsRecord& b) { return SortsAfter(a.cat, b.cat); }

// Ship records carry their ship number as Cat while they are sorted.
bool ShipSortsAfter(const SettingsRecord& a, const SettingsRecord& b) {
    int byName = CompareCaseBlind(a.name, b.name);
    return byName > 0 || (byName == 0 && SortsAfter(a.cat, b.cat));
}

// Works on copies, so that the list keeps its order when anything fails.
void ArrangeInSetOrder(Progress& progress, SettingsRecords& records) {
    ShowProgress(progress, "Dividing data...");
    SettingsRecords normal;
    SettingsRecords ships;
    for (const SettingsRecord& record : records) {
        int ship = ShipNumber(record.cat);
        if (ship == 0) {
            normal.push_back(record);
        } else {
            ships.push_back(record);
            ships.back().cat = std::to_string(ship);
        }
    }
    ShowProgress(progress, "Sorting normal data...");
    ShellSort(normal, CategorySortsAfter);
    ShowProgress(progress, "Sorting ship data...");
    ShellSort(ships, ShipSortsAfter);
    ShowProgress(progress, "Recombining data...");
    for (SettingsRecord& record : ships) {
        record.cat = std::string(kShipCategories[std::stoi(record.cat) - 1]);
        normal.push_back(std::move(record));
    }
    records = std::move(normal);
}

}  // namespace

int ShipNumber(std::string_view category) {
    for (std::size_t i = 0; i < kShipCategories.size(); ++i)
        if (EqualCaseBlind(category, kShipCategories[i])) return int(i) + 1;
    return 0;
}

void SortByCategory(Progress& progress, SettingsRecords& records) {
    ShowProgress(progress, "Sorting data...");
    ShellSort(records, CategorySortsAfter);
}

void SortToSetOrder(Progress& progress, FileResult& result, SettingsRecords& records) {
    try {
        ArrangeInSetOrder(progress, records);
    } catch (const std::exception& error) {
        // The caller writes the list in the order it has.
        result.Add({NoticeKind::Note, NoticeDisplay::MessageBox, result.file, error.what(),
                    result.file + ": the settings could not be put in set order (" + error.what() +
                        "); they are written in the order they were read."});
    }
}

}  // namespace vetra::cfgset
