#include "util/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "util/nativepath.h"
#include "util/safefilewriter.h"

namespace vetra {
namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText(int error) { return std::strerror(error); }

}  // namespace

Bytes ReadWholeFile(const std::string& path, std::uintmax_t limit) {
    std::uintmax_t length = FileLength(path);
    if (length > limit) throw FileError(path, "is too large (" + std::to_string(length) + " bytes)");
    FileHandle file(std::fopen(NativePath(path).c_str(), "rb"));
    if (!file) throw FileError(path, "could not be opened (" + ErrnoText(errno) + ")");
    Bytes bytes(static_cast<std::size_t>(length));
    std::size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (got != bytes.size() || std::ferror(file.get()))
        throw FileError(path, "could not be read");
    return bytes;
}

std::uintmax_t FileLength(const std::string& path) {
    std::error_code error;
    fs::path native = NativePath(path);
    fs::file_status status = fs::status(native, error);
    if (error || !fs::exists(status)) throw FileError(path, "does not exist");
    if (fs::is_directory(status)) throw FileError(path, "is a folder, not a file");
    std::uintmax_t length = fs::file_size(native, error);
    if (error) throw FileError(path, "could not be read (" + error.message() + ")");
    return length;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(NativePath(path), error);
}

void WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, WriteFaults* faults) {
    SafeFileWriter writer(path, faults);
    writer.Write(bytes);
    writer.Commit();
}

void RemoveFileQuietly(const std::string& path) {
    std::error_code error;
    fs::remove(NativePath(path), error);
}

}  // namespace vetra
