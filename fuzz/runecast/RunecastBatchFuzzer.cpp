// Any bytes as what the editor writes to `Runecast --batch`, answered by a
// stand-in back end that draws a box sized by the request (and fails some
// codes): every line up to the first empty one, or the end, gets exactly one
// answer, in order, naming its code; an "ok" answer is followed by exactly the
// bitmap it announces; a request taken holds only values the contract allows
// and reads back the same from the line the editor would write for it.
#include "RenderRequest.h"
#include "RunecastMain.h"

#include <BmpWriter.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace glyphora;
using namespace glyphora::runecast;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_runecast_batch: %s\n", what);
    std::abort();
}

class BoxRasterizer : public Rasterizer {
public:
    Result<DrawnGlyph> draw(const RenderRequest& request) override {
        drawn.push_back(request);
        if (request.code % 7 == 3) return MakeError(ErrorKind::Unsupported, "no glyph");
        if (request.code % 11 == 5) return MakeError(ErrorKind::Failed, "the font\ncannot be read\r");
        return Picture(request);
    }
    static DrawnGlyph Picture(const RenderRequest& request) {
        const int rows =
            request.fitRows > 0 ? request.fitRows : (request.height < 0 ? -request.height : request.height);
        DrawnGlyph glyph;
        glyph.image = MonoImage(1 + request.code % 19, 1 + rows % 40);
        glyph.image.setPixel(0, 0, Pixel::Ink);
        glyph.ascent = glyph.image.height() / 2;
        glyph.pixelSize = rows;
        return glyph;
    }
    std::vector<RenderRequest> drawn;
};

bool Same(const RenderRequest& a, const RenderRequest& b) {
    return a.height == b.height && a.style == b.style && a.code == b.code && a.fontName == b.fontName &&
           a.fitRows == b.fitRows;
}

// The lines the front end reads: split at LF, one CR before it dropped, up
// to the first empty line.
std::vector<std::string> RequestLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() > std::size_t{64} * 1024) line.resize(std::size_t{64} * 1024);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) break;
        lines.push_back(std::move(line));
    }
    return lines;
}

// The request as BatchRenderer writes it.
std::string EditorLine(const RenderRequest& r) {
    std::string line = r.fitRows > 0 ? "fit=" + std::to_string(r.fitRows) + " " : std::string();
    return line + std::to_string(r.height) + " " + std::to_string(static_cast<int>(r.style)) + " " +
           std::to_string(r.code) + " " + r.fontName;
}

void CheckTaken(const RenderRequest& r) {
    if (r.height == 0 || r.height < -kMaxHeight || r.height > kMaxHeight) Fail("a height out of range was taken");
    if (static_cast<int>(r.style) < 0 || static_cast<int>(r.style) > 3) Fail("a style out of range was taken");
    if (r.fitRows < 0 || r.fitRows > kMaxHeight) Fail("fit rows out of range were taken");
    if (r.fontName.find_first_not_of(' ') == std::string::npos) Fail("an empty font name was taken");
    if (r.fontName.find('\n') != std::string::npos) Fail("a font name with a line feed was taken");
    const Result<RenderRequest> again = ParseBatchLine(EditorLine(r));
    if (!again || !Same(*again, r)) Fail("the editor's line for a request taken reads otherwise");
}

// Reads "WORD numbers... rest\n" off the front of `out`.
std::string TakeLine(std::string_view& out) {
    const std::size_t end = out.find('\n');
    if (end == std::string_view::npos) Fail("an answer without a line end");
    std::string line(out.substr(0, end));
    out.remove_prefix(end + 1);
    return line;
}

void CheckAnswer(std::string_view& out, const std::string& request, BoxRasterizer& box, std::size_t& drawnIndex) {
    const std::string line = TakeLine(out);
    const Result<RenderRequest> parsed = ParseBatchLine(request);
    if (parsed) {
        CheckTaken(*parsed);
        if (drawnIndex >= box.drawn.size() || !Same(box.drawn[drawnIndex], *parsed))
            Fail("the back end was not asked for the request taken");
        ++drawnIndex;
    }
    const std::string code = std::to_string(parsed ? parsed->code : 0u);
    const bool fails = !parsed || parsed->code % 7 == 3 || parsed->code % 11 == 5;
    if (fails) {
        const int status = !parsed ? kExitUsage : parsed->code % 7 == 3 ? kExitNoGlyph : kExitFailed;
        const std::string head = "fail " + code + " " + std::to_string(status) + " ";
        if (line.compare(0, head.size(), head) != 0) Fail("a failed request was answered otherwise");
        if (line.find('\r') != std::string::npos) Fail("a failure's message holds a line break");
        return;
    }
    const DrawnGlyph picture = BoxRasterizer::Picture(*parsed);
    const std::vector<uint8_t> bmp = WriteMonoBmp(picture.image);
    const std::string expected = "ok " + code + " " + std::to_string(picture.image.width()) + " " +
                                 std::to_string(picture.image.height()) + " " + std::to_string(picture.ascent) + " " +
                                 std::to_string(picture.pixelSize) + " " + std::to_string(bmp.size());
    if (line != expected) Fail("a drawn request was answered otherwise");
    if (out.size() < bmp.size() || std::memcmp(out.data(), bmp.data(), bmp.size()) != 0)
        Fail("the bitmap after an answer is not the one announced");
    out.remove_prefix(bmp.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::FILE* in = size > 0 ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : std::fopen("/dev/null", "rb");
    char* outBytes = nullptr;
    std::size_t outSize = 0;
    std::FILE* out = open_memstream(&outBytes, &outSize);
    if (!in || !out) Fail("no streams");
    BoxRasterizer box;
    const std::string batch = "--batch";
    const int status = RunecastMain(std::span(&batch, 1), box, in, out);
    std::fclose(in);
    std::fclose(out);
    const std::string answers(outBytes, outSize);
    std::free(outBytes);
    if (status != kExitWritten) Fail("a batch read to its end did not end with status 0");

    std::string_view rest = answers;
    std::size_t drawnIndex = 0;
    for (const std::string& request : RequestLines(std::string_view(reinterpret_cast<const char*>(data), size)))
        CheckAnswer(rest, request, box, drawnIndex);
    if (!rest.empty()) Fail("answers beyond the requests");
    if (drawnIndex != box.drawn.size()) Fail("the back end was asked for more than the requests");
    return 0;
}
