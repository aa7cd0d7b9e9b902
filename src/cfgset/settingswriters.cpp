#include "cfgset/settingswriters.h"

#include <charconv>
#include <cstdint>
#include <utility>

#include "cfgset/caseblind.h"
#include "cfgset/progress.h"
#include "util/fileio.h"

namespace vetra::cfgset {
namespace {

std::string WholePercent(std::size_t index, std::size_t count) {
    return std::to_string(std::uint64_t(index) * 100u / count);
}

bool Holds(const std::string& text, char c) { return text.find(c) != std::string::npos; }

// The first field before the description that holds ":", which ends it when the line is read back.
std::string ColonWarning(const SettingsRecord& r) {
    const std::pair<const char*, const std::string*> fields[] = {
        {"category", &r.cat}, {"name", &r.name}, {"value", &r.val}, {"minimum", &r.min}, {"maximum", &r.max}};
    for (const auto& [what, text] : fields) {
        std::size_t colon = text->find(':');
        if (colon == std::string::npos) continue;
        return std::string("Warning: the ") + what + " of " + r.name + " in [" + r.cat +
               "] holds \":\", which a .set file cannot store: it will read back as \"" +
               text->substr(0, colon) + "\".";
    }
    return {};
}

// Why a record would read back differently from a .set, or "" when it would not.
std::string SetLineProblem(const SettingsRecord& r) {
    if (!r.cat.empty() && r.cat[0] == ' ') return "has a category that begins with a blank";
    if (r.min == "*") return "has the minimum \"*\"";
    return {};
}

// Why a record would read back differently from a .cfg, or "" when it would not.
std::string CfgLineProblem(const SettingsRecord& r) {
    if (Holds(r.name, '=')) return "holds \"=\" in its name";
    if (!r.name.empty() && (r.name[0] == ';' || r.name[0] == ' ' || r.name[0] == '['))
        return "has a name that begins with \"" + r.name.substr(0, 1) + "\"";
    return {};
}

void WarnIf(FileResult& result, const SettingsRecord& record, const std::string& problem, const char* kind) {
    if (problem.empty()) return;
    result.Note("Warning: the setting " + record.name + " of [" + record.cat + "] " + problem + ", which a " +
                 kind + " file cannot keep; it will read back differently.");
}

bool SameDescription(const SettingsRecord& a, const SettingsRecord& b) {
    // Exact, not case-blind: "*" makes the reader copy the previous record's text, so a difference in case
    // alone must still be written out.
    return a.min == b.min && a.max == b.max && a.desc == b.desc;
}

bool DescriptionEmpty(const SettingsRecord& r) { return r.min.empty() && r.max.empty() && r.desc.empty(); }

}  // namespace

std::string PercentText(std::size_t index, std::size_t count) {
    double percent = double(index) * 100.0 / double(count);
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

void WriteSetRecords(Progress& progress, FileResult& result, const SettingsRecords& records,
                     const std::string& path) {
    ShowProgress(progress, "Writing data...");
    std::string text;
    const SettingsRecord* previous = nullptr;  // none after a record without description, so it is never abbreviated
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SettingsRecord& record = records[i];
        if (i % 25 == 0) ShowProgress(progress, WholePercent(i, records.size()) + " percent written...");
        if (std::string warning = ColonWarning(record); !warning.empty())
            result.Note(std::move(warning));
        else
            WarnIf(result, record, SetLineProblem(record), ".set");
        text += record.cat + ":" + record.name + ":" + record.val + ":";
        if (previous != nullptr && SameDescription(record, *previous)) {
            text += "*";
        } else {
            text += record.min + ":" + record.max + ":" + record.desc;
            previous = DescriptionEmpty(record) ? nullptr : &record;
        }
        text += "\r\n";
    }
    WriteFileSafely(path, text, progress.Faults());
}

void WriteCfgRecords(Progress& progress, FileResult& result, const SettingsRecords& records,
                     const std::string& path, bool includeDescriptions) {
    std::string text;
    std::string category;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SettingsRecord& record = records[i];
        if (i % 25 == 0) ShowProgress(progress, PercentText(i, records.size()) + " percent written...");
        WarnIf(result, record, CfgLineProblem(record), ".cfg");
        if (!EqualCaseBlind(record.cat, category)) {
            text += "\r\n[" + record.cat + "]\r\n";
            category = record.cat;
        }
        text += record.name + "=" + record.val + "\r\n";
        if (includeDescriptions) text += ";" + record.min + ":" + record.max + ":" + record.desc + "\r\n";
    }
    WriteFileSafely(path, text, progress.Faults());
}

}  // namespace vetra::cfgset
