#pragma once

// Extended level data built in memory: chunks and "elvl" sections as map editors write them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "util/fileio.h"

namespace vetra::test {

Bytes Text(const std::string& text);

// A chunk: its type, its size and its data, padded with zero bytes to 4.
Bytes Chunk(const std::string& type, const Bytes& data);

// A section of the chunks; its size field covers them unless another size is given.
Bytes Section(const std::vector<Bytes>& chunks, std::optional<std::uint32_t> size = std::nullopt);

}  // namespace vetra::test
