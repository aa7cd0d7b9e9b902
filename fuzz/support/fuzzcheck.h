#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/scratchdir.h"

// What the fuzz targets share: a scratch folder for the files a routine needs, and checks that abort (so that
// libFuzzer records the input) when a routine breaks a promise of the engine. Nothing here throws.
namespace vetra::fuzz {

// Aborts with the message when the condition is false.
void Require(bool condition, const char* what);

// A file in a fresh folder, removed with the folder when the object goes.
struct FuzzFile {
    test::ScratchDir dir;
    std::string path;
    FuzzFile(const std::string& name, std::span<const std::uint8_t> bytes);
};

// Requires that the folder holds exactly the names given plus any created by the outcome, and no temporary file.
void RequireOnlyFiles(const test::ScratchDir& dir, std::vector<std::string> names,
                      const std::vector<std::string>& created);

// Requires that a file still holds the bytes.
void RequireUnchanged(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace vetra::fuzz
