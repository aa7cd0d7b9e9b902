#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vetra::test {

// A fresh folder for one test, removed with everything in it when the test ends.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }
    // The path of a file inside the folder.
    std::string File(const std::string& name) const;
    // Writes a file inside the folder and returns its path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;
    // The names of the files in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);

}  // namespace vetra::test
