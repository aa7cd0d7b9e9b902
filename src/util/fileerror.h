#pragma once

#include <stdexcept>
#include <string>

namespace vetra {

// A file could not be read or written; what() names the file and the reason.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& path, const std::string& reason)
        : std::runtime_error(path + ": " + reason), path_(path), reason_(reason) {}
    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

}  // namespace vetra
