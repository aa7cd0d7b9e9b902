#pragma once

#include <string>

#include "convert/progresstitle.h"
#include "util/fileio.h"
#include "util/outcome.h"

// The empty map bitmap from which a new map is drawn, and the header and map palette every map bitmap
// the program writes starts with.
namespace vetra::Convert {

// The 1078 bytes of header and map palette, showing "Creating headers..." on the title.
Bytes MapHeaderBytes(Host& host, ProgressTitle& title);

// The header and palette followed by 1,048,576 zero pixels, with the titles of writing both.
Bytes BlankMapBytes(Host& host, ProgressTitle& title);

// Replaces any file of that name with the 1078 bytes of header and map palette. A failure to write shows
// "Ugh!" and leaves any old file as it was.
Outcome MakeMapHeader(Host& host, const std::string& path);

// Replaces any file of that name with a complete empty map bitmap. A failure to write shows
// "CreateBitmapError" and leaves any old file as it was.
Outcome MakeBlankMap(Host& host, const std::string& path);

}  // namespace vetra::Convert
