#include "support/sectionfixtures.h"

#include "formats/level.h"

namespace vetra::test {
namespace {

Bytes U32(std::uint32_t value) {
    Bytes bytes(4);
    WriteU32(bytes.data(), value);
    return bytes;
}

void Append(Bytes& to, const Bytes& bytes) { to.insert(to.end(), bytes.begin(), bytes.end()); }

}  // namespace

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Chunk(const std::string& type, const Bytes& data) {
    Bytes chunk = Text(type);
    Append(chunk, U32(static_cast<std::uint32_t>(data.size())));
    Append(chunk, data);
    chunk.resize((chunk.size() + 3) / 4 * 4, 0);
    return chunk;
}

Bytes Section(const std::vector<Bytes>& chunks, std::optional<std::uint32_t> size) {
    Bytes body;
    for (const Bytes& chunk : chunks) Append(body, chunk);
    Bytes section = Text("elvl");
    Append(section, U32(size.value_or(static_cast<std::uint32_t>(12 + body.size()))));
    Append(section, U32(0));
    Append(section, body);
    return section;
}

}  // namespace vetra::test
