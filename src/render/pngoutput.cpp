#include "render/pngoutput.h"

#include <png.h>

#include <csetjmp>
#include <vector>

#include "util/fileerror.h"
#include "util/safefilewriter.h"

namespace vetra::render {
namespace {

struct PngSink {
    SafeFileWriter* file = nullptr;
    std::string error;
};

void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    if (!sink->file->Write(std::span(data, length))) png_error(png, "write failed");
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
    if (sink->error.empty()) sink->error = message;
    std::longjmp(png_jmpbuf(png), 1);
}

void OnWarning(png_structp, png_const_charp) {}

// A PNG keyword: 1 to 79 printable Latin-1 characters without spaces at either end.
std::string Keyword(const std::string& key) {
    std::string word;
    for (char ch : key) {
        auto c = static_cast<unsigned char>(ch);
        if ((c >= 0x20 && c <= 0x7E) || c >= 0xA1) word += ch;
    }
    while (!word.empty() && word.front() == ' ') word.erase(word.begin());
    while (!word.empty() && word.back() == ' ') word.pop_back();
    return word.substr(0, 79);
}

struct TextChunks {
    std::vector<std::string> keys, values;
    std::vector<png_text> entries;

    explicit TextChunks(const LoadedPicture& loaded) {
        keys.push_back("Title"), values.push_back(loaded.name);
        for (const auto& [key, value] : loaded.attributes) {
            std::string word = Keyword(key);
            if (!word.empty()) keys.push_back(word), values.push_back(value);
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            png_text text{};
            text.compression = PNG_TEXT_COMPRESSION_NONE;
            text.key = keys[i].data();
            text.text = values[i].data();
            text.text_length = values[i].size();
            entries.push_back(text);
        }
    }
};

// Everything that libpng can jump out of lives in this function, which holds nothing that needs destroying.
bool Encode(png_structp png, png_infop info, const RenderView& view, TextChunks& text,
            const LevelPicture& picture, std::span<std::uint8_t> row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, view.Width(), view.Height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_text(png, info, text.entries.data(), static_cast<int>(text.entries.size()));
    png_write_info(png, info);
    for (int y = 0; y < view.Height(); ++y) {
        PaintRow(picture, view, y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

FileResult WritePng(const LoadedPicture& loaded, const RenderView& view, const std::string& out) {
    FileResult result;
    result.file = loaded.result.file;
    try {
        SafeFileWriter file(out);
        PngSink sink{&file};
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
        png_infop info = png ? png_create_info_struct(png) : nullptr;
        if (!info) {
            png_destroy_write_struct(&png, nullptr);
            throw FileError(out, "could not be written (out of memory)");
        }
        png_set_write_fn(png, &sink, WriteData, Flush);
        TextChunks text(loaded);
        std::vector<std::uint8_t> row(static_cast<std::size_t>(view.Width()) * 3);
        bool encoded = Encode(png, info, view, text, *loaded.picture, row);
        png_destroy_write_struct(&png, &info);
        if (!encoded)
            throw FileError(
                out, !file.Failure().empty() ? file.Failure() : "could not be encoded (" + sink.error + ")");
        file.Commit();
        result.written.push_back(out);
    } catch (const FileError& error) {
        result.Problem(NoticeKind::WriteError, error.Path(), error.Reason());
        result.Fail(FileStatus::Failed, "write the picture of");
    }
    return result;
}

}  // namespace vetra::render
