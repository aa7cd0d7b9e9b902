#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace vetra::tileset {

// The picture a tileset bitmap (or a level that begins with one) shows in the picker: its top rows, cut to
// whole 16-pixel tile rows and at most 160. Gives nothing when the picture cannot be read; a bitmap lower
// than one tile row gives an empty picture.
std::optional<QImage> TilesetPreview(const QString& path);

}  // namespace vetra::tileset
