#include "util/safefilewriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "util/fileerror.h"
#include "util/fileio.h"
#include "util/nativepath.h"
#include "util/writefaults.h"

#ifdef __unix__
#include <unistd.h>
#endif

namespace vetra {
namespace {

std::string ErrnoText(int error) { return std::strerror(error); }

// An injected failure reads as the disk's own: an input/output error.
bool Fails(WriteFaults* faults, WriteStep step) {
    if (faults == nullptr || !faults->ShouldFail(step)) return false;
    errno = EIO;
    return true;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string target, WriteFaults* faults)
    : target_(std::move(target)), faults_(faults) {
    if (Fails(faults_, WriteStep::CreateTemporary))
        throw FileError(target_, "cannot create a temporary file beside it");
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        std::string candidate = target_ + ".vetra-" + std::to_string(random() % 1000000000u) + ".tmp";
        file_.reset(std::fopen(NativePath(candidate).c_str(), "wbx"));
        if (file_)
            temporary_ = candidate;
        else if (errno != EEXIST)
            break;
    }
    if (!file_)
        throw FileError(target_, "cannot create a temporary file beside it (" + ErrnoText(errno) + ")");
}

SafeFileWriter::~SafeFileWriter() {
    if (committed_) return;
    file_.reset();
    RemoveFileQuietly(temporary_);
}

bool SafeFileWriter::Write(std::span<const std::uint8_t> bytes) noexcept {
    if (!failure_.empty()) return false;
    if (Fails(faults_, WriteStep::WriteData) ||
        (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()))
        failure_ = "writing failed (" + ErrnoText(errno ? errno : EIO) + ")";
    return failure_.empty();
}

void SafeFileWriter::Commit() {
    if (!failure_.empty()) throw FileError(target_, failure_);
    bool flushed = !Fails(faults_, WriteStep::Flush) && std::fflush(file_.get()) == 0;
#ifdef __unix__
    flushed = flushed && ::fsync(fileno(file_.get())) == 0;
#endif
    if (!flushed)
        throw FileError(target_, "flushing to disk failed (" + ErrnoText(errno ? errno : EIO) + ")");
    if (std::fclose(file_.release()) != 0) throw FileError(target_, "closing failed");
    std::error_code error;
    if (Fails(faults_, WriteStep::Rename))
        error = std::make_error_code(std::errc::io_error);
    else
        std::filesystem::rename(NativePath(temporary_), NativePath(target_), error);
    if (error) throw FileError(target_, "could not be replaced (" + error.message() + ")");
    committed_ = true;
}

}  // namespace vetra
