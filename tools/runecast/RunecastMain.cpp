// temp.bmp is removed first, so that after a one-character run it exists
// exactly when the exit status is 0: a failed run can never leave an earlier
// glyph behind to be taken for this one.
#include "RunecastMain.h"

#include "RequestInput.h"

#include <BmpWriter.h>
#include <FileLayer.h>
#include <RendererLimits.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace glyphora::runecast {

namespace {

constexpr const char* kOutputFile = "temp.bmp";
// A request line longer than this is no request (a font path is far shorter);
// the editor refuses a font name that would make one.
constexpr std::size_t kMaxLine = kRendererRequestMax;
// Answers held back while requests wait; the pipe to the caller holds as much.
constexpr std::size_t kOutputBlock = 1 << 16;

int StatusOf(const Error& error) {
    switch (error.kind) {
    case ErrorKind::Usage: return kExitUsage;
    case ErrorKind::Unsupported: return kExitNoGlyph;  // only a back end's draw reports it
    default: return kExitFailed;
    }
}

int Fail(const Error& error) {
    std::fprintf(stderr, "Runecast: %s\n", error.message.c_str());
    return StatusOf(error);
}

int RunOne(std::span<const std::string> args, Rasterizer& rasterizer) {
    if (Status removed = RemoveFile(kOutputFile); !removed) return Fail(removed.error());
    Result<RenderRequest> request = ParseRequest(args);
    if (!request) {
        const int status = Fail(request.error());
        std::fputs("usage: Runecast HEIGHT STYLE CODE FONTNAME... (Runecast --help tells more)\n", stderr);
        return status;
    }
    Result<DrawnGlyph> drawn = rasterizer.draw(*request);
    if (!drawn) return Fail(drawn.error());
    const std::vector<uint8_t> bmp = WriteMonoBmp(drawn->image);
    // The editor reads the bitmap at once: it need not wait for the disk.
    if (Status written = WriteFileAtomically(kOutputFile, bmp, Durability::Quick); !written)
        return Fail(written.error());
    return kExitWritten;
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// An answer goes out once no further request is waiting: a caller that asks
// ahead gets its answers in blocks, one that waits for each gets each at once.
int RunBatch(Rasterizer& rasterizer, std::FILE* in, std::FILE* out) {
    std::setvbuf(out, nullptr, _IOFBF, kOutputBlock);
    RequestInput requests(in, kMaxLine);
    std::string line;
    while (requests.readLine(line) && !line.empty()) {
        Result<RenderRequest> request = ParseBatchLine(line);
        Result<DrawnGlyph> drawn = request ? rasterizer.draw(*request) : Result<DrawnGlyph>(request.error());
        const unsigned code = request ? request->code : 0u;
        if (!drawn) {
            std::fprintf(out, "fail %u %d %s\n", code, StatusOf(drawn.error()), OneLine(drawn.error().message).c_str());
        } else {
            const std::vector<uint8_t> bmp = WriteMonoBmp(drawn->image);
            std::fprintf(out, "ok %u %d %d %d %d %zu\n", code, drawn->image.width(), drawn->image.height(),
                         drawn->ascent, drawn->pixelSize, bmp.size());
            std::fwrite(bmp.data(), 1, bmp.size(), out);
        }
        if (!requests.waiting() && std::fflush(out) != 0) return kExitFailed;  // the caller went away
    }
    return std::fflush(out) == 0 ? kExitWritten : kExitFailed;
}

}  // namespace

int RunecastMain(std::span<const std::string> args, Rasterizer& rasterizer, std::FILE* in, std::FILE* out) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(UsageText(), out);
        return kExitWritten;
    }
    if (args.size() == 1 && args[0] == "--capabilities") {
        std::fputs(kCapabilities, out);
        return kExitWritten;
    }
    if (args.size() == 1 && args[0] == "--batch") return RunBatch(rasterizer, in, out);
    return RunOne(args, rasterizer);
}

}  // namespace glyphora::runecast
