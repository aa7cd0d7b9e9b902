#pragma once

#include <string>

namespace vetra::Convert {

// A problem with one file of a batch as the summary shows it: the text between two rule lines.
inline std::string FramedNotice(const std::string& text) {
    static const std::string rule = "-=-=-=-=-=-=-=-=-";
    return rule + "\r\n" + text + "\r\n" + rule;
}

}  // namespace vetra::Convert
