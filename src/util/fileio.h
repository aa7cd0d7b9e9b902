#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/fileerror.h"

namespace vetra {

class WriteFaults;

using Bytes = std::vector<std::uint8_t>;

// No file the program works with comes near this; anything larger is refused before it is read.
inline constexpr std::uintmax_t kReadLimit = 256u * 1024u * 1024u;

// Reads a whole file. Throws FileError when it is missing, a directory, unreadable or larger than the limit.
Bytes ReadWholeFile(const std::string& path, std::uintmax_t limit = kReadLimit);

// The length of a file; throws FileError when it is missing or not a regular file.
std::uintmax_t FileLength(const std::string& path);

bool FileExists(const std::string& path);

// Writes a file whole or not at all: the bytes go to a new temporary file in the target's folder, are flushed
// to disk, and the temporary file is renamed over the target in one step, so at every moment either the old
// target or the new one is there complete. On failure the temporary file is removed, the target is untouched,
// and FileError is thrown.
void WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, WriteFaults* faults = nullptr);

inline void WriteFileSafely(const std::string& path, const std::string& text, WriteFaults* faults = nullptr) {
    WriteFileSafely(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), faults);
}

// Removes a file if it is there; never throws.
void RemoveFileQuietly(const std::string& path);

}  // namespace vetra
