#pragma once

#include <optional>
#include <string>

#include "util/fileresult.h"

namespace vetra {
class Progress;
}

// The comments embedded in a tileset bitmap, on its own or at the head of a level: reading them for display and
// rewriting them. Texts are Windows-1252 bytes with CR LF line breaks. Reading never fails loudly; a refused or
// failed write gets a message box notice in its result and leaves the file as it was.
namespace vetra::convert {

inline constexpr const char* kNoTilesetText =
    "No tileset!\r\n\r\nComments are stored as data in the tileset.\r\nWith no tileset, there can't be any comments.";
inline constexpr const char* kNoCommentsText = "No embedded comments.";
inline constexpr const char* kRemoveAllComments = "Remove All Comments.";
inline constexpr const char* kExtendedDataLine = "Extended level data:";
inline constexpr const char* kInfoDialogTitle = "View info from file:";
inline constexpr const char* kInfoFilter =
    "SubSpace Levels (*.lvl)|*.lvl|Bitmap Files (*.bmp)|*.bmp|All Tileset Files (*.lvl;*.bmp)|*.lvl;*.bmp";

// The text to show for a file: its comments without the zero bytes that pad them, "No embedded comments." when
// there are none, the "No tileset!" text for a file without a tileset, and a listing of extended level data
// after any comments that stand before it. A file that cannot be read gives "".
std::string ReadComments(const std::string& path);

// True when a text from ReadComments says that the file has no tileset, so there is nothing to edit.
bool SaysNoTileset(const std::string& text);

// Why the comments of a file must not be rewritten (not a complete bitmap, or extended level data stored where
// the comments are), as the message box says it; nothing when they may be, or when the file has no tileset.
std::optional<std::string> CommentsRefusal(const std::string& path);

// Rewrites the comment area of the file with the text, which is stored behind the version string and two line
// breaks unless it already begins with it; "Remove All Comments." stores nothing. A level's records follow the
// new comments. With replace the file itself is replaced in one step, else the result goes to a new file beside
// it. A file without a tileset is left alone and nothing is written.
FileResult WriteComments(Progress& progress, const std::string& path, const std::string& text, bool replace);

// The Edit Info button's write: replaces the file unless keepOriginal ("Don't Overwrite Files") is set.
FileResult EditInfo(Progress& progress, const std::string& path, const std::string& text, bool keepOriginal);

// The Wipe Info button: removes the comments, the same way.
FileResult WipeInfo(Progress& progress, const std::string& path, bool keepOriginal);

}  // namespace vetra::convert
