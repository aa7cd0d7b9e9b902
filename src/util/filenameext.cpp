#include "util/filenameext.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "util/nativepath.h"
#include "util/splitstring.h"

namespace vetra::filenameext {
namespace fs = std::filesystem;

namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(NativePath(path), error);
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(NativePath(path), error);
}

bool AllDigits(const std::string& text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Parses a run of digits into a 32-bit signed counter; false when it does not fit.
bool ParseCounter(const std::string& digits, std::int32_t& value) {
    if (digits.empty()) {
        value = 0;
        return true;
    }
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size();
}

std::string WithSeparator(std::string directory) {
    if (directory.empty() || !IsSeparator(directory.back())) directory += NativeSeparator();
    return directory;
}

}  // namespace

bool IsSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

char NativeSeparator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::string UniqueFileName(const std::string& path) {
    if (!Exists(path)) return path;
    std::string base = path;
    std::string extension = SplitExtension(base);

    std::vector<std::string> fields;
    int count = splitstring::SplitFields('-', base, fields);
    std::string prefix;
    std::int64_t counter = 0;
    if (count <= 1) {
        prefix = base + "-";
    } else {
        for (int i = 0; i < count - 1; ++i) prefix += fields[i] + "-";
        const std::string& last = fields[count - 1];
        std::int32_t value = 0;
        if (AllDigits(last) && ParseCounter(last, value)) {
            counter = value;
        } else {
            prefix += last + "-";
        }
    }
    std::string candidate;
    do {
        candidate = prefix + std::to_string(counter) + extension;
        ++counter;
    } while (Exists(candidate));
    return candidate;
}

std::string SplitExtension(std::string& path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) return {};
    std::string extension = path.substr(dot);
    path.erase(dot);
    return extension;
}

std::string BareFileName(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsSeparator(path[i - 1])) return path.substr(i);
    return path;
}

std::string TempDir() {
    for (const char* name : {"TEMP", "TMP"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && IsDirectory(value)) return WithSeparator(value);
    }
    std::error_code error;
    fs::path system = fs::temp_directory_path(error);
    if (!error && IsDirectory(Utf8Path(system))) return WithSeparator(Utf8Path(system));
    fs::path current = fs::current_path(error);
    return WithSeparator(error ? std::string(".") : Utf8Path(current));
}

bool HasExtension(const std::string& path, const std::string& extension) {
    if (path.size() < extension.size()) return false;
    std::string_view tail(path.data() + path.size() - extension.size(), extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(tail[i]) != lower(extension[i])) return false;
    }
    return true;
}

}  // namespace vetra::filenameext
