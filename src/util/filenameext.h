#pragma once

#include <string>

// Names the files that operations write, so that no operation overwrites an existing file by accident,
// and finds the temporary directory. Paths use the platform's native separator.
namespace vetra::filenameext {

// The native directory separator ("/" here; "\" on Windows, where "/" is accepted too).
bool IsSeparator(char c);
char NativeSeparator();

// A path that names no existing file: the given one if it is free, else a numbered variant
// ("map.lvl" -> "map-0.lvl", "map-3.lvl" -> "map-4.lvl").
std::string UniqueFileName(const std::string& path);

// Cuts the extension (with its dot, after the last ".") off the path and returns it; a path without "."
// gives "" and stays unchanged.
std::string SplitExtension(std::string& path);

// The part after the last separator.
std::string BareFileName(const std::string& path);

// The temporary directory, ending with a separator: TEMP, then TMP, then the system's, then the current one.
std::string TempDir();

// True when the last four characters of the path equal the extension, ignoring letter case.
bool HasExtension(const std::string& path, const std::string& extension);

}  // namespace vetra::filenameext
