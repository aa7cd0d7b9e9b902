#include "convert/filenotices.h"

namespace vetra::convert {

std::optional<Bytes> ReadOrRefuse(FileResult& result, const std::string& path) {
    try {
        return ReadWholeFile(path);
    } catch (const FileError&) {
        result.Problem(NoticeKind::ReadError, path, "could not be read");
        return std::nullopt;
    }
}

bool WriteOrRefuse(FileResult& result, const std::string& path, std::span<const std::uint8_t> bytes,
                   WriteFaults* faults) {
    try {
        WriteFileSafely(path, bytes, faults);
        result.written.push_back(path);
        return true;
    } catch (const FileError&) {
        result.Problem(NoticeKind::WriteError, path, "could not be written");
        return false;
    }
}

void RefuseTilesetBeyondEnd(FileResult& result, const std::string& path) {
    result.Problem(NoticeKind::Refusal, path, "has a tileset size beyond the end of the file");
}

void RefuseUnusableTileset(FileResult& result, const std::string& path, const LevelLayout& layout) {
    if (layout.tilesetTooShort)
        result.Problem(NoticeKind::Refusal, path,
                       "has a tileset size smaller than a tileset's header and colour table");
    else
        RefuseTilesetBeyondEnd(result, path);
}

std::uint8_t TilesetHeightByte(std::span<const std::uint8_t> bytes) {
    return bytes.size() > 22 ? bytes[22] : 0;
}

void NoteStrayBytes(FileResult& result, const std::string& path, std::size_t strayBytes, bool kept) {
    if (strayBytes == 0) return;
    result.Note(path + ": " + std::to_string(strayBytes) +
                (strayBytes == 1 ? " stray byte" : " stray bytes") + " at the end " +
                (strayBytes == 1 ? "was " : "were ") +
                (kept ? (strayBytes == 1 ? "kept as it stood." : "kept as they stood.") : "ignored."));
}

}  // namespace vetra::convert
