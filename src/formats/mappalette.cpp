#include "formats/mappalette.h"

namespace vetra {
namespace {

struct Range {
    int first, last;
    Rgb colour;
};

constexpr Range kRanges[] = {
    {0, 0, {0x00, 0x00, 0x00}},       {1, 161, {0xFF, 0x00, 0xFF}},     {20, 20, {0x50, 0x50, 0x50}},
    {162, 165, {0x00, 0x00, 0xFF}},   {166, 169, {0x40, 0x40, 0xA0}},   {170, 170, {0xFF, 0x00, 0x00}},
    {171, 171, {0x00, 0xFF, 0x00}},   {172, 172, {0xC0, 0xC0, 0x00}},   {173, 175, {0x00, 0x60, 0x60}},
    {176, 183, {0x00, 0x80, 0x80}},   {184, 190, {0x00, 0xC0, 0xC0}},   {191, 215, {0x00, 0x00, 0x00}},
    {216, 216, {0xE4, 0xA0, 0x5E}},   {217, 217, {0xD6, 0x70, 0x0C}},   {218, 218, {0xEC, 0xB1, 0x78}},
    {219, 219, {0xC0, 0xC0, 0xC0}},   {220, 220, {0x00, 0x00, 0x80}},   {221, 221, {0xE9, 0x89, 0x0D}},
    {222, 222, {0xD6, 0xD6, 0xD6}},   {223, 223, {0x00, 0x05, 0xBC}},   {224, 224, {0xE0, 0xE0, 0xE0}},
    {255, 255, {0xFF, 0xFF, 0xFF}},
};

std::array<Rgb, 256> BuildColours() {
    std::array<Rgb, 256> colours{};
    for (const Range& range : kRanges)  // later ranges override earlier ones (the border tile inside 1-161)
        for (int i = range.first; i <= range.last; ++i) colours[i] = range.colour;
    // WallTile markers 30 down to 1: five groups of six shades.
    const std::uint8_t levels[] = {0xE0, 0xC0, 0xA0, 0x80, 0x60};
    int index = 225;
    for (std::uint8_t v : levels) {
        const Rgb group[] = {{v, 0xFF, v}, {0xFF, 0xFF, v}, {0xFF, v, v}, {0xFF, v, 0xFF}, {v, v, 0xFF}, {v, 0xFF, 0xFF}};
        for (const Rgb& colour : group) colours[index++] = colour;
    }
    return colours;
}

}  // namespace

const std::array<Rgb, 256>& MapPaletteColours() {
    static const std::array<Rgb, 256> colours = BuildColours();
    return colours;
}

std::array<std::uint8_t, 1024> MapPaletteTable() {
    std::array<std::uint8_t, 1024> table{};
    const auto& colours = MapPaletteColours();
    for (int i = 0; i < 256; ++i) {
        table[4 * i] = colours[i].blue;
        table[4 * i + 1] = colours[i].green;
        table[4 * i + 2] = colours[i].red;
    }
    return table;
}

}  // namespace vetra
