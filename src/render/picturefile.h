#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/levelpicture.h"
#include "util/fileresult.h"

namespace vetra::render {

// A level or map bitmap read for drawing, with what a picture of it is labelled with.
struct LoadedPicture {
    FileResult result;  // refused or failed when there is no picture; notes about what is drawn otherwise
    std::optional<LevelPicture> picture;
    std::string name;  // the file's name without its folder and extension
    std::vector<std::pair<std::string, std::string>> attributes;  // the level's ATTR chunks, KEY and VALUE
};

// Reads a .bmp as a map bitmap (1024 x 1024, 8 bits per pixel, uncompressed) and anything else as a level.
// A level whose tileset cannot be decoded is drawn in map-palette colours, with a note that says why.
LoadedPicture LoadPicture(const std::string& path);

}  // namespace vetra::render
