#include "util/fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "util/nativepath.h"
#include "util/writefaults.h"

#ifdef __unix__
#include <unistd.h>
#endif

namespace vetra {
namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText(int error) { return std::strerror(error); }

// An injected failure reads as the disk's own: an input/output error.
bool Fails(WriteFaults* faults, WriteStep step) {
    if (faults == nullptr || !faults->ShouldFail(step)) return false;
    errno = EIO;
    return true;
}

FileHandle OpenExclusive(const std::string& path) {
    return FileHandle(std::fopen(NativePath(path).c_str(), "wbx"));
}

// A name beside the target that no other file has, created empty and exclusively.
std::pair<std::string, FileHandle> CreateTemporaryBeside(const std::string& target) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = target + ".vetra-" + std::to_string(random() % 1000000000u) + ".tmp";
        FileHandle file = OpenExclusive(candidate);
        if (file) return {candidate, std::move(file)};
        if (errno != EEXIST) break;
    }
    throw FileError(target, "cannot create a temporary file beside it (" + ErrnoText(errno) + ")");
}

void WriteAndFlush(std::FILE* file, std::span<const std::uint8_t> bytes, WriteFaults* faults,
                   const std::string& target) {
    if (Fails(faults, WriteStep::WriteData) ||
        (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()))
        throw FileError(target, "writing failed (" + ErrnoText(errno ? errno : EIO) + ")");
    bool flushed = !Fails(faults, WriteStep::Flush) && std::fflush(file) == 0;
#ifdef __unix__
    flushed = flushed && ::fsync(fileno(file)) == 0;
#endif
    if (!flushed) throw FileError(target, "flushing to disk failed (" + ErrnoText(errno ? errno : EIO) + ")");
}

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
    if (Fails(faults, WriteStep::CreateTemporary))
        throw FileError(path, "cannot create a temporary file beside it");
    auto [temporary, file] = CreateTemporaryBeside(path);
    try {
        WriteAndFlush(file.get(), bytes, faults, path);
        if (std::fclose(file.release()) != 0) throw FileError(path, "closing failed");
        std::error_code error;
        if (Fails(faults, WriteStep::Rename)) error = std::make_error_code(std::errc::io_error);
        else fs::rename(NativePath(temporary), NativePath(path), error);
        if (error) throw FileError(path, "could not be replaced (" + error.message() + ")");
    } catch (...) {
        file.reset();
        RemoveFileQuietly(temporary);
        throw;
    }
}

void RemoveFileQuietly(const std::string& path) {
    std::error_code error;
    fs::remove(NativePath(path), error);
}

}  // namespace vetra
