#pragma once

#include <cstdint>
#include <string>

#include "cfgset/settingsrecord.h"
#include "util/fileresult.h"
#include "util/progress.h"

// The readers of the three settings files: the server's .cfg, the .set list and the comment files (a .set or
// a settings template). Each shows its progress in the title. No line is dropped unsaid: a malformed line
// gets its format's message as "PATH: line N: MESSAGE" (a message box notice in the result) and is read as
// far as it goes or skipped, and so does a comment line (one that begins with a blank) that holds a whole
// setting. Anything that ends the reading (a missing, unreadable, oversized or empty file, "*" on the first
// record) throws FileError naming the file and the reason.
namespace vetra::cfgset {

// Settings files are a few dozen kilobytes; anything beyond this is refused before it is read.
inline constexpr std::uintmax_t kSettingsReadLimit = 4u * 1024u * 1024u;

// The records of a .set file: Cat:Name:Val:Min:Max:Desc, or Cat:Name:Val:* for the previous record's Min, Max
// and Desc. Shows "Not Cat:Name:Val:Min:Max:Desc in .set!" for a line with too few fields.
SettingsRecords ReadSetRecords(Progress& progress, FileResult& result, const std::string& path);

// The records of a .cfg file: "[Section]" lines and Name=Val lines; Min, Max and Desc stay empty. Blanks just
// inside the brackets are not part of the section's name. Shows "Not [Section] or Name=Val in .cfg!" for any
// other line that is not a comment (";" or a blank first).
SettingsRecords ReadCfgRecords(Progress& progress, FileResult& result, const std::string& path);

// The records of a comment file: a .set when the name ends in ".set" (ignoring case), else a template of
// Cat:Name:Min:Max:Desc lines, whose Val stays empty. Shows "Bad format in comment file!" for a short line.
SettingsRecords ReadCommentRecords(Progress& progress, FileResult& result, const std::string& path);

// True when a comment file of this name is read as a .set rather than as a template.
bool IsSetCommentFile(const std::string& path);

}  // namespace vetra::cfgset
