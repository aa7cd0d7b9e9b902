#pragma once

#include <string>

#include "render/picturefile.h"
#include "render/rowpainter.h"
#include "util/fileresult.h"

namespace vetra::render {

// Writes the view of the loaded picture as an RGB PNG, band by band as it is drawn, through a temporary file
// that replaces `out` only once it is complete. The PNG's text chunks carry the level's name ("Title") and
// its ATTR attributes. The result names `out` as written, or says why it could not be.
FileResult WritePng(const LoadedPicture& loaded, const RenderView& view, const std::string& out);

}  // namespace vetra::render
