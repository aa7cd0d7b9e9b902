#include "support/realdata.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "util/filenameext.h"

namespace vetra::test {
namespace fs = std::filesystem;

std::string RealDataDir() {
    const char* override = std::getenv("VETRA_REALDATA_DIR");
    std::string dir = override != nullptr ? override : VETRA_REALDATA_DIR;
    std::error_code error;
    return fs::is_directory(dir, error) ? dir : std::string();
}

std::vector<std::string> RealDataFiles(const std::string& extension) {
    std::vector<std::string> files;
    std::string dir = RealDataDir();
    if (dir.empty()) return files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        std::string path = entry.path().string();
        if (entry.is_regular_file() && filenameext::HasExtension(path, extension)) files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace vetra::test
