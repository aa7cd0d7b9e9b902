#pragma once

#include <cstdint>
#include <span>

namespace vetra::convert {

// Fills a byte buffer either at given positions or, position after position, from where the last byte went.
class ByteCursor {
public:
    // Stores the value at the position when the position is not 0 or absolute is set, else at the position
    // after the last one. A position outside the buffer stores nothing and gives false.
    bool Put(std::span<std::uint8_t> buffer, std::int32_t position, std::uint8_t value, bool absolute);

    std::int32_t Position() const { return position_; }

private:
    std::int32_t position_ = 0;
};

}  // namespace vetra::convert
