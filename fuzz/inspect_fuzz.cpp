// The level inspector and its report, and the extended level data reader and its listing, on arbitrary bytes.
#include <cstdint>
#include <span>

#include "formats/extendedleveldata.h"
#include "formats/levelinspection.h"
#include "formats/levelreport.h"
#include "support/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vetra;
    std::span<const std::uint8_t> bytes(data, size);
    LevelInspection level = InspectLevel(bytes);
    LevelReport("level.lvl", level);
    std::size_t counted = 0;
    for (std::size_t n : level.tileCounts) counted += n;
    fuzz::Require(counted <= size / 4, "more records counted than the file holds");
    if (auto extended = FindExtendedLevelData(bytes, 0, size)) {
        fuzz::Require(extended->end <= size, "extended level data read past the end");
        for (const ElvlChunk& chunk : extended->chunks)
            fuzz::Require(chunk.offset + 8 <= size, "a chunk header past the end");
        // Every chunk gets one line, and no line can be broken by what the file holds.
        std::vector<std::string> lines = DescribeChunks(*extended);
        fuzz::Require(lines.size() == extended->chunks.size(),
                      "a chunk without its line, or a line too many");
        for (const std::string& line : lines)
            fuzz::Require(line.find_first_of("\r\n") == std::string::npos, "a chunk line holds a line break");
        SectionDamage(*extended);
    }
    return 0;
}
