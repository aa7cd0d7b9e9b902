#include "cfgset/descriptions.h"

#include <cstdint>

#include "cfgset/caseblind.h"
#include "cfgset/progress.h"
#include "cfgset/settingsorder.h"

namespace vetra::CfgSet {
namespace {

void HandOver(const SettingsRecord& comment, SettingsRecord& record, CopyMode mode) {
    if (mode == CopyMode::All || !comment.min.empty()) record.min = comment.min;
    if (mode == CopyMode::All || !comment.max.empty()) record.max = comment.max;
    record.desc = comment.desc;
}

}  // namespace

void ApplyDescriptions(Host& host, SettingsRecords& records, SettingsRecords& comments, bool fromTemplate,
                       CopyMode mode) {
    SortByCategory(host, comments);
    SortByCategory(host, records);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SettingsRecord& record = records[i];
        if (i % 7 == 0)
            ShowProgress(host, std::to_string(std::uint64_t(i) * 100u / records.size()) + " percent applied...");
        std::string_view key = fromTemplate && ShipNumber(record.cat) != 0 ? kAllShips : std::string_view(record.cat);
        for (const SettingsRecord& comment : comments) {
            if (SortsAfter(comment.cat, key)) break;
            if (EqualCaseBlind(comment.cat, key) && EqualCaseBlind(comment.name, record.name))
                HandOver(comment, record, mode);
        }
    }
}

}  // namespace vetra::CfgSet
