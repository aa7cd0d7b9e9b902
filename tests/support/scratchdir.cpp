#include "support/scratchdir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace vetra::test {
namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    std::random_device seed;
    for (;;) {
        fs::path candidate = fs::temp_directory_path() / ("vetra-test-" + std::to_string(seed()));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
}

ScratchDir::~ScratchDir() {
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

std::string ScratchDir::File(const std::string& name) const { return (fs::path(path_) / name).string(); }

std::string ScratchDir::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::string path = File(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ScratchDir::Write(const std::string& name, const std::string& text) const {
    return Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::string> ScratchDir::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vetra::test
