#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Text in the program's files is one byte per character in Windows-1252. The engine keeps such text as raw
// bytes; windows and the console convert it once, here.
namespace vetra::textcodec {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined map to the C1 controls.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252; a character the code page cannot represent, or a malformed sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Splits text into lines where CR, CR LF or a lone LF ends a line. A last line without an end is kept;
// an end at the very end of the text adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);

// Joins lines, each followed by CR LF, the way the program writes text files.
std::string JoinCrLf(std::span<const std::string> lines);

// Drops a UTF-8 byte-order mark at the start, if there is one.
std::string_view StripUtf8Bom(std::string_view text);

}  // namespace vetra::textcodec
