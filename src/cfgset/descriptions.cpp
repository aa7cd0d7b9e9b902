#include "cfgset/descriptions.h"

#include <cstdint>
#include <map>
#include <utility>

#include "cfgset/caseblind.h"
#include "cfgset/progress.h"
#include "cfgset/settingsorder.h"

namespace vetra::cfgset {
namespace {

using Key = std::pair<std::string, std::string>;  // folded category and name

void HandOver(const SettingsRecord& comment, SettingsRecord& record, CopyMode mode) {
    if (mode == CopyMode::All || !comment.min.empty()) record.min = comment.min;
    if (mode == CopyMode::All || !comment.max.empty()) record.max = comment.max;
    record.desc = comment.desc;
}

// What all comments of one category and name hand over together, applied in their sorted order. Looking
// the result up by key gives what a scan of the whole list per record would, without its n * m time.
std::map<Key, SettingsRecord> CombinedComments(const SettingsRecords& comments, CopyMode mode) {
    std::map<Key, SettingsRecord> combined;
    for (const SettingsRecord& comment : comments) {
        auto [entry, fresh] = combined.try_emplace(Key{FoldCase(comment.cat), FoldCase(comment.name)}, comment);
        if (!fresh) HandOver(comment, entry->second, mode);
    }
    return combined;
}

}  // namespace

void ApplyDescriptions(Progress& progress, SettingsRecords& records, SettingsRecords& comments, bool fromTemplate,
                       CopyMode mode) {
    SortByCategory(progress, comments);
    SortByCategory(progress, records);
    const std::map<Key, SettingsRecord> combined = CombinedComments(comments, mode);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SettingsRecord& record = records[i];
        if (i % 7 == 0)
            ShowProgress(progress, std::to_string(std::uint64_t(i) * 100u / records.size()) + " percent applied...");
        std::string_view category = fromTemplate && ShipNumber(record.cat) != 0 ? kAllShips : record.cat;
        auto match = combined.find(Key{FoldCase(category), FoldCase(record.name)});
        if (match != combined.end()) HandOver(match->second, record, mode);
    }
}

}  // namespace vetra::cfgset
