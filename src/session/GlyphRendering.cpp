#include "GlyphRendering.h"

#include <BmpReader.h>
#include <ColorReduce.h>
#include <FileLayer.h>
#include <GlyphRows.h>

#include <Utf8Path.h>
#include <algorithm>

#include <filesystem>

namespace glyphora {

namespace {

std::string NameOf(const std::string& path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

// The renderer's own words: the last line it wrote on stderr.
std::string LastLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    const std::size_t start = text.find_last_of('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

Error GlyphFailed(std::string reason) { return MakeError(ErrorKind::Failed, std::move(reason)); }

}  // namespace

GlyphPicture PictureFromBitmap(const RgbaImage& bitmap, int height) {
    GlyphPicture picture;
    picture.width = std::clamp(bitmap.width, 1, kRenderedMaxWidth);
    picture.image = MonoImage(GlyphImageWidth(picture.width), height);
    const MonoImage mono = ReduceToMono(bitmap);
    picture.image.draw(mono.copy(0, 0, std::min(mono.width(), picture.width), std::min(mono.height(), height)));
    return picture;
}

RunecastRenderer::RunecastRenderer(std::string programPath, RenderFont font, std::chrono::milliseconds timeout)
    : programPath_(std::move(programPath)),
      bitmapPath_(Utf8FromPath(PathFromUtf8(programPath_).parent_path() / "temp.bmp")),
      font_(std::move(font)),
      timeout_(timeout) {}

Result<GlyphPicture> RunecastRenderer::draw(uint16_t code, int height) {
    // A bitmap left by an earlier run must never pass for this glyph's.
    std::error_code removeError;
    std::filesystem::remove(PathFromUtf8(bitmapPath_), removeError);
    if (removeError) return MakeError(ErrorKind::Io, FileError("remove", bitmapPath_, removeError.message()));

    ProcessOutput output;
    const Result<int> status = RunAndWait(programPath_, RendererParameters(font_, code), timeout_, &output);
    if (!status) return GlyphFailed(status.error().message);
    if (*status != 0) {
        const std::string said = LastLine(output.err);
        return GlyphFailed(NameOf(programPath_) + " ended with exit status " + std::to_string(*status) +
                           (said.empty() ? std::string() : ": " + said));
    }

    const Result<std::vector<uint8_t>> bytes = ReadWholeFile(bitmapPath_);
    if (!bytes) {
        if (bytes.error().kind == ErrorKind::Missing)
            return GlyphFailed(NameOf(programPath_) + " left no " + NameOf(bitmapPath_));
        return bytes.error();
    }
    const Result<RgbaImage> bitmap = ReadBmp(*bytes, kRenderedMaxWidth, height);
    if (!bitmap)
        return MakeError(bitmap.error().kind,
                         "'" + bitmapPath_ + "' is not a readable bitmap: " + bitmap.error().message);
    return PictureFromBitmap(*bitmap, height);
}

BatchResult RenderGlyphs(const std::vector<Symbols>& glyphs, GlyphRange range, int height, GlyphRenderer& renderer,
                         const GlyphStore& store, const BatchProgress& progress) {
    BatchResult result;
    range = ClampRange(range, static_cast<int>(glyphs.size()));
    const int total = result.total = std::max(0, range.to - range.from + 1);
    for (int g = range.from; g <= range.to; ++g) {
        const uint16_t code = glyphs[static_cast<std::size_t>(g)].Code;
        Result<GlyphPicture> picture = renderer.draw(code, height);
        if (!picture && picture.error().kind != ErrorKind::Failed) {
            result.stopped = GlyphFailure{g, code, picture.error().message};
            break;
        }
        ++result.done;
        if (picture) {
            store(g, static_cast<uint8_t>(picture->width), GlyphImageToRows(picture->image, picture->width, height));
            ++result.changed;
        } else {
            result.failed.push_back({g, code, picture.error().message});
        }
        if (progress && !progress(result.done, total)) {
            result.cancelled = result.done < total;
            break;
        }
    }
    return result;
}

}  // namespace glyphora
