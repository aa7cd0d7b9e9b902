#include "convert/comments.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <span>
#include <string_view>

#include "convert/commentarea.h"
#include "convert/levelsection.h"
#include "formats/level.h"
#include "util/fileio.h"
#include "util/filenameext.h"
#include "util/progress.h"

namespace vetra::convert {
namespace {

const std::string kVersionText = VETRA_VERSION_TEXT;

// Zero bytes at either end pad the comments (often to align what follows); they are not text.
std::string WithoutPadding(std::span<const std::uint8_t> bytes) {
    auto first = std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; });
    auto last = std::find_if(bytes.rbegin(), std::make_reverse_iterator(first), [](std::uint8_t b) { return b != 0; });
    return std::string(first, last.base());
}

std::string WithExtendedData(const std::string& comments, const CommentArea& area) {
    std::string text = comments;
    if (!text.empty() && !text.ends_with('\n') && !text.ends_with('\r')) text += "\r\n";
    text += kExtendedDataLine;
    for (const std::string& line : DescribeChunks(*area.section)) text += "\r\n" + line;
    // A damaged chunk says so in its own line; damage to the section as a whole gets one of its own.
    if (area.section->cut || area.section->stray != 0)
        text += "\r\n(damaged: " + SectionDamage(*area.section) + ")";
    return text;
}

std::string DisplayText(std::span<const std::uint8_t> bytes) {
    CommentArea area = FindCommentArea(bytes);
    if (!area.hasTileset) return kNoTilesetText;
    std::uint64_t textEnd = area.CommentsEnd();
    std::string comments =
        textEnd > area.pixelEnd ? WithoutPadding(bytes.subspan(area.pixelEnd, textEnd - area.pixelEnd)) : "";
    if (area.section) return WithExtendedData(comments, area);
    return comments.empty() ? kNoCommentsText : comments;
}

std::optional<std::string> Refusal(const std::string& path, const CommentArea& area) {
    if (!area.hasTileset) return std::nullopt;
    if (!area.complete) return path + " is not a complete bitmap; its comments are left unchanged.";
    if (area.section && area.section->Damaged())
        return path + " holds damaged extended level data (" + SectionDamage(*area.section) +
               "); its comments are left unchanged.";
    return std::nullopt;
}

std::string StoredText(const std::string& text) {
    if (text == kRemoveAllComments) return "";
    if (text.starts_with(kVersionText)) return text;
    return kVersionText + "\r\n\r\n" + text;
}

// The listing of extended level data that the text shown for a file ends with is not part of its comments.
std::string WithoutListing(std::string text) {
    std::size_t at =
        text.starts_with(kExtendedDataLine) ? 0 : text.find(std::string("\r\n") + kExtendedDataLine);
    if (at == std::string::npos) return text;
    text.erase(at);
    return text;
}

// The file with its comment area replaced: header, palette and pixels, the new comments, any extended level
// data (on the next multiple of 4), then whatever stood behind the tileset (a level's records), with the
// size field telling where the tileset ends and the reserved field where its extended level data begins.
Bytes Rewritten(std::span<const std::uint8_t> bytes, const CommentArea& area, const std::string& comments) {
    Bytes out(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(area.pixelEnd));
    out.insert(out.end(), comments.begin(), comments.end());
    WriteU32(out.data() + 2, static_cast<std::uint32_t>(out.size()));
    if (area.section)
        AppendSection(out, bytes, {area.section->offset, static_cast<std::size_t>(area.end), *area.section});
    if (bytes.size() > area.declaredEnd)
        out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(area.declaredEnd), bytes.end());
    return out;
}

}  // namespace

std::string ReadComments(const std::string& path) {
    try {
        return DisplayText(ReadWholeFile(path));
    } catch (const FileError&) {
        return "";
    }
}

bool SaysNoTileset(const std::string& text) {
    std::string_view lead = std::string_view(text).substr(0, 11);
    return lead.size() == 11 && std::equal(lead.begin(), lead.end(), "no tileset!", [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

std::optional<std::string> CommentsRefusal(const std::string& path) {
    try {
        return Refusal(path, FindCommentArea(ReadWholeFile(path)));
    } catch (const FileError& error) {
        return error.what();
    }
}

FileResult WriteComments(Progress& progress, const std::string& path, const std::string& text, bool replace) {
    FileResult result{path};
    auto stop = [&result](NoticeKind kind, const std::string& reason, const std::string& message) {
        result.Add({kind, NoticeDisplay::MessageBox, result.file, reason, message});
        return result.Stopped();
    };
    Bytes bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError& error) {
        return stop(NoticeKind::ReadError, error.Reason(), error.what());
    }
    CommentArea area = FindCommentArea(bytes);
    if (!area.hasTileset) return result;
    if (std::optional<std::string> refusal = Refusal(path, area))
        return stop(NoticeKind::Refusal, "holds comments that cannot be rewritten", *refusal);
    std::string comments = StoredText(area.section ? WithoutListing(text) : text);
    std::uint64_t sectionLength = area.section ? area.end - area.section->offset + 3 : 0;
    if (area.pixelEnd + comments.size() + sectionLength > UINT32_MAX)
        return stop(NoticeKind::Refusal, "cannot hold comments that long", path + ": the comments are too long to store.");
    std::string target = replace ? path : filenameext::UniqueFileName(path);
    try {
        WriteFileSafely(target, Rewritten(bytes, area, comments), progress.Faults());
    } catch (const FileError& error) {
        return stop(NoticeKind::WriteError, error.Reason(), error.what());
    }
    result.written.push_back(target);
    return result;
}

FileResult EditInfo(Progress& progress, const std::string& path, const std::string& text, bool keepOriginal) {
    return WriteComments(progress, path, text, !keepOriginal);
}

FileResult WipeInfo(Progress& progress, const std::string& path, bool keepOriginal) {
    return EditInfo(progress, path, kRemoveAllComments, keepOriginal);
}

}  // namespace vetra::convert
