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
constexpr std::string_view kCfgFormatMessage = "Not [Section] or Name=Val in .cfg!";

std::vector<std::string> ReadLines(const std::string& path) {
    Bytes bytes = ReadWholeFile(path, kSettingsReadLimit);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<std::string> lines = textcodec::SplitTextLines(textcodec::StripUtf8Bom(text));
    if (lines.empty()) throw FileError(path, "holds no line");
    return lines;
}

// Empty lines and lines that begin with a blank are the files' own comments.
bool IsSkipped(const std::string& line) { return line.empty() || line[0] == ' '; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void CountRecord(Progress& progress, std::size_t count, const char* word) {
    if (count % 25 == 0) ShowProgress(progress, std::to_string(count) + word);
}

std::string LineText(int number) { return "line " + std::to_string(number) + ": "; }

// A line the reader cannot take: the format's message, naming the file and the line so that it can be found.
void FormatMessage(FileResult& result, const std::string& path, int number, std::string_view message) {
    result.Add({NoticeKind::Note, NoticeDisplay::MessageBox, path, {},
                path + ": " + LineText(number) + std::string(message)});
}

// A line that would be taken but for its leading blank, which makes it a comment: skipped, but not unsaid.
void CommentedOutMessage(FileResult& result, const std::string& path, int number, std::string_view message) {
    FormatMessage(result, path, number,
                  std::string(message) + " It begins with a blank, so it was skipped as a comment.");
}

// A comment line of a .set that holds a whole record, as a .set written with a blank-led category does.
bool IsCommentedOutRecord(const std::string& line, std::vector<std::string>& fields) {
    int count = splitstring::SplitFieldsMax(':', line, 6, fields);
    return count == 6 || (count >= 4 && fields[3] == "*");
}

// Reads Cat:Name:Val:Min:Max:Desc lines with the "*" inheritance; shared by the .set reader and .set comments.
SettingsRecords ReadSetLines(Progress& progress, FileResult& result, const std::string& path, std::string_view message, const char* word) {
    SettingsRecords records;
    std::vector<std::string> fields;
    int number = 0;
    for (const std::string& line : ReadLines(path)) {
        ++number;
        if (IsSkipped(line)) {
            if (!line.empty() && IsCommentedOutRecord(line, fields))
                CommentedOutMessage(result, path, number, message);
            continue;
        }
        int count = splitstring::SplitFieldsMax(':', line, 6, fields);
        bool inherits = count >= 4 && fields[3] == "*";
        if (!inherits && count < 6) {
            FormatMessage(result, path, number, message);
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
    int number = 0;
    for (const std::string& line : ReadLines(path)) {
        ++number;
        int count = splitstring::SplitFieldsMax(':', line, 5, fields);
        if (IsSkipped(line)) {
            if (count == 5) CommentedOutMessage(result, path, number, kCommentFormatMessage);
            continue;
        }
        if (count < 5) {
            FormatMessage(result, path, number, kCommentFormatMessage);
            if (count < 4) continue;
        }
        SettingsRecord record{fields[0], fields[1], "", fields[2], fields[3]};
        if (count > 4) record.desc = fields[4];
        records.push_back(std::move(record));
        CountRecord(progress, records.size(), " comments loaded...");
    }
    return records;
}

// "[Name]" less its first and last character, whatever the last one is, and less the blanks just inside
// them: servers read "[ General ]" as the section General.
std::string SectionName(const std::string& line) {
    if (line.size() < 2) return {};
    std::string_view name = std::string_view(line).substr(1, line.size() - 2);
    while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    return std::string(name);
}

}  // namespace

SettingsRecords ReadSetRecords(Progress& progress, FileResult& result, const std::string& path) {
    return ReadSetLines(progress, result, path, kSetFormatMessage, " records loaded...");
}

SettingsRecords ReadCfgRecords(Progress& progress, FileResult& result, const std::string& path) {
    SettingsRecords records;
    std::string category;
    int number = 0;
    for (const std::string& line : ReadLines(path)) {
        ++number;
        if (IsSkipped(line) || line[0] == ';') {
            if (!line.empty() && line[0] == ' ' && line.find('=') != std::string::npos)
                CommentedOutMessage(result, path, number, kCfgFormatMessage);
            continue;
        }
        if (line[0] == '[') {
            category = SectionName(line);
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            FormatMessage(result, path, number, kCfgFormatMessage);
            continue;
        }
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
