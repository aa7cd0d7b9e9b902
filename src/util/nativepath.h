#pragma once

#include <filesystem>
#include <string>

namespace vetra {

// Engine paths are UTF-8 strings; these turn them into file-system paths and back.
inline std::filesystem::path NativePath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Path(const std::filesystem::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace vetra
