#include "cfgset/settingsreaders.h"

#include <string_view>
#include <vector>

#include "cfgset/progress.h"
#include "util/fileerror.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "util/splitstring.h"
#include "util/textcodec.h"

namespace vetra::cfgset {
namespace {

constexpr std::string_view kSetFormatMessage = "Not Cat:Name:Val:Min:Max:Desc in .set!";
constexpr std::string_view kCommentFormatMessage = "Bad format in comment file!";

std::vector<std::string> ReadLines(const std::string& path) {
    Bytes bytes = ReadWholeFile(path, kSettingsReadLimit);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<std::string> lines = textcodec::SplitTextLines(textcodec::StripUtf8Bom(text));
    if (lines.empty()) throw FileError(path, "holds no line");
    return lines;
}

// Empty lines and lines that begin with a blank are the files' own comments.
bool IsSkipped(const std::string& line) { return line.empty() || line[0] == ' '; }

void CountRecord(Progress& progress, std::size_t count, const char* word) {
    if (count % 25 == 0) ShowProgress(progress, std::to_string(count) + word);
}

std::string LineText(int number) { return "line " + std::to_string(number) + ": "; }

// Reads Cat:Name:Val:Min:Max:Desc lines with the "*" inheritance; shared by the .set reader and .set comments.
SettingsRecords ReadSetLines(Progress& progress, FileResult& result, const std::string& path, std::string_view message, const char* word) {
    SettingsRecords records;
    std::vector<std::string> fields;
    int number = 0;
    for (const std::string& line : ReadLines(path)) {
        ++number;
        if (IsSkipped(line)) continue;
        int count = splitstring::SplitFieldsMax(':', line, 6, fields);
        bool inherits = count >= 4 && fields[3] == "*";
        if (!inherits && count < 6) {
            result.Add({NoticeKind::Note, NoticeDisplay::MessageBox, path, {}, std::string(message)});
            if (count < 5) continue;  // a separator or stray line: nothing to keep
        }
        SettingsRecord record{fields[0], fields[1], fields[2]};
        if (inherits) {
            if (records.empty()) throw FileError(path, LineText(number) + "\"*\" on the first record");
            record.min = records.back().min;
            record.max = records.back().max;
            record.desc = records.back().desc;
        } else {
            record.min = fields[3];
            record.max = fields[4];
            if (count > 5) record.desc = fields[5];
        }
        records.push_back(std::move(record));
        CountRecord(progress, records.size(), word);
    }
    return records;
}

SettingsRecords ReadTemplateLines(Progress& progress, FileResult& result, const std::string& path) {
    SettingsRecords records;
    std::vector<std::string> fields;
    for (const std::string& line : ReadLines(path)) {
        if (IsSkipped(line)) continue;
        int count = splitstring::SplitFieldsMax(':', line, 5, fields);
        if (count < 5) {
            result.Add({NoticeKind::Note, NoticeDisplay::MessageBox, path, {}, std::string(kCommentFormatMessage)});
            if (count < 4) continue;
        }
        SettingsRecord record{fields[0], fields[1], "", fields[2], fields[3]};
        if (count > 4) record.desc = fields[4];
        records.push_back(std::move(record));
        CountRecord(progress, records.size(), " comments loaded...");
    }
    return records;
}

// "[Name]" less its first and last character, whatever the last one is; blanks inside stay part of the name.
std::string SectionName(const std::string& line) {
    return line.size() < 2 ? std::string() : line.substr(1, line.size() - 2);
}

}  // namespace

SettingsRecords ReadSetRecords(Progress& progress, FileResult& result, const std::string& path) {
    return ReadSetLines(progress, result, path, kSetFormatMessage, " records loaded...");
}

SettingsRecords ReadCfgRecords(Progress& progress, const std::string& path) {
    SettingsRecords records;
    std::string category;
    for (const std::string& line : ReadLines(path)) {
        if (IsSkipped(line) || line[0] == ';') continue;
        if (line[0] == '[') {
            category = SectionName(line);
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        records.push_back({category, line.substr(0, equals), line.substr(equals + 1)});
        CountRecord(progress, records.size(), " records loaded...");
    }
    return records;
}

SettingsRecords ReadCommentRecords(Progress& progress, FileResult& result, const std::string& path) {
    if (IsSetCommentFile(path)) return ReadSetLines(progress, result, path, kCommentFormatMessage, " comments loaded...");
    return ReadTemplateLines(progress, result, path);
}

bool IsSetCommentFile(const std::string& path) { return filenameext::HasExtension(path, ".set"); }

}  // namespace vetra::cfgset
