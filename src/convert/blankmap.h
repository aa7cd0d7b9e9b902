#pragma once

#include <string>

#include "util/fileio.h"
#include "util/fileresult.h"
#include "util/progresstitle.h"

// The empty map bitmap from which a new map is drawn, and the header and map palette every map bitmap
// the program writes starts with.
namespace vetra::convert {

// The 1078 bytes of header and map palette, showing "Creating headers..." on the title. A byte the placement
// could not put (which the fixed layout never asks for) gets a message box notice in the result.
Bytes MapHeaderBytes(FileResult& result, ProgressTitle& title);

// The header and palette followed by 1,048,576 zero pixels, with the titles of writing both.
Bytes BlankMapBytes(FileResult& result, ProgressTitle& title);

// Replaces any file of that name with the 1078 bytes of header and map palette. A failure to write leaves any
// old file as it was, with the message "Could not write the map header PATH: REASON.".
FileResult MakeMapHeader(Progress& progress, const std::string& path);

// Replaces any file of that name with a complete empty map bitmap. A failure to write leaves any old file as
// it was, with the message "Could not write the blank map PATH: REASON.".
FileResult MakeBlankMap(Progress& progress, const std::string& path);

}  // namespace vetra::convert
