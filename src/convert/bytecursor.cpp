#include "convert/bytecursor.h"

#include <climits>

namespace vetra::convert {

bool ByteCursor::Put(std::span<std::uint8_t> buffer, std::int32_t position, std::uint8_t value,
                     bool absolute) {
    if (position != 0 || absolute)
        position_ = position;
    else if (position_ < INT32_MAX)
        ++position_;
    if (position_ < 0 || static_cast<std::size_t>(position_) >= buffer.size()) return false;
    buffer[static_cast<std::size_t>(position_)] = value;
    return true;
}

}  // namespace vetra::convert
