#include "widgets/selection.h"

#include <algorithm>
#include <filesystem>

namespace vetra::widgets {

short CountSelectedFiles(const std::string& selection) {
    auto nuls = std::count(selection.begin(), selection.end(), '\0');
    return static_cast<short>(nuls == 0 ? 1 : nuls);
}

std::string SelectedFilePath(const std::string& selection, int index) {
    std::size_t first = selection.find('\0');
    if (first == std::string::npos) return selection;
    std::size_t start = first;
    for (int i = 1; i < index && start != std::string::npos; ++i) start = selection.find('\0', start + 1);
    std::string name;
    if (start != std::string::npos) {
        std::size_t end = selection.find('\0', start + 1);
        name = selection.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
    }
    return selection.substr(0, first) + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

}  // namespace vetra::widgets
