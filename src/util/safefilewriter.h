#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

namespace vetra {

class WriteFaults;

// The safe writer, also for outputs too large to hold whole (WriteFileSafely writes through it): bytes go to
// a temporary file beside the target as they come, and only Commit() puts the target in place, in one rename.
// A writer that is destroyed without a successful Commit() removes its temporary file, so the target is never
// half-written.
class SafeFileWriter {
public:
    // Creates the temporary file; throws FileError when it cannot. Faults, when given, make chosen steps fail
    // as the disk would.
    explicit SafeFileWriter(std::string target, WriteFaults* faults = nullptr);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // False once a write has failed; the reason is kept for Commit() to throw. Never throws, so that it can
    // be called from a C library's callback.
    bool Write(std::span<const std::uint8_t> bytes) noexcept;
    // Flushes to disk and renames over the target; throws FileError (and leaves the target alone) on failure.
    void Commit();

    const std::string& Target() const { return target_; }
    // Why a write failed; "" while none has.
    const std::string& Failure() const { return failure_; }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::string target_;
    std::string temporary_;
    std::unique_ptr<std::FILE, Closer> file_;
    WriteFaults* faults_ = nullptr;
    std::string failure_;
    bool committed_ = false;
};

}  // namespace vetra
