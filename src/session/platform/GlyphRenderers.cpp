#include "GlyphRenderers.h"

#include <BmpReader.h>
#include <ColorReduce.h>
#include <FileAnswerMemo.h>
#include <FileLayer.h>
#include <HexText.h>
#include <SystemPaths.h>
#include <Utf8Path.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <sstream>

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

// A renderer's bitmap is a glyph of a few dozen pixels: a file far larger is
// no glyph, and is not read whole.
constexpr uint64_t kMaxBitmapBytes = uint64_t{4} << 20;
// Enough of a picture to see ink past column 15 or below any set, and to
// squeeze a wide glyph.
constexpr int kPictureSide = 256;

Result<RenderedGlyph> DecodeBitmap(std::span<const uint8_t> bytes, const std::string& name) {
    const Result<RgbaImage> bitmap = ReadBmp(bytes, kPictureSide, kPictureSide);
    if (!bitmap)
        return MakeError(bitmap.error().kind, "'" + name + "' is not a readable bitmap: " + bitmap.error().message);
    RenderedGlyph glyph;
    glyph.image = ReduceToMono(*bitmap);
    return glyph;
}

}  // namespace

OneGlyphRenderer::OneGlyphRenderer(std::string programPath, std::string folder, std::chrono::milliseconds timeout)
    : programPath_(std::move(programPath)),
      bitmapPath_(Utf8FromPath(PathFromUtf8(folder) / kRendererBitmap)),
      folder_(std::move(folder)),
      timeout_(timeout) {}

Result<RenderedGlyph> OneGlyphRenderer::draw(const RenderFont& font, uint16_t code, const KeepGoing& keepGoing) {
    // A bitmap left by an earlier run must never pass for this glyph's.
    std::error_code removeError;
    std::filesystem::remove(PathFromUtf8(bitmapPath_), removeError);
    if (removeError) return MakeError(ErrorKind::Io, FileError("remove", bitmapPath_, removeError.message()));

    ProcessOutput output;
    const Result<int> status =
        RunAndWait(programPath_, RendererParameters(font, code), folder_, timeout_, &output, keepGoing);
    if (!status) return GlyphFailed(status.error().message);
    if (*status != 0) {
        const std::string said = LastLine(output.err);
        return GlyphFailed(NameOf(programPath_) + " ended with exit status " + std::to_string(*status) +
                           (said.empty() ? std::string() : ": " + said));
    }
    const Result<std::vector<uint8_t>> bytes = ReadWholeFile(bitmapPath_, kMaxBitmapBytes);
    if (!bytes) {
        if (bytes.error().kind == ErrorKind::Missing)
            return GlyphFailed(NameOf(programPath_) + " left no " + NameOf(bitmapPath_));
        return bytes.error();
    }
    return DecodeBitmap(*bytes, bitmapPath_);
}

void OneGlyphRenderer::drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) {
    RenderFont font = job.font;
    if (job.fitRows > 0) font.height = job.fitRows;
    Status fits = CheckFontName(font);
    if (fits) fits = CheckCommandLine(programPath_, font);
    if (!fits) {
        if (!job.codes.empty()) take(0, fits.error());
        return;
    }
    for (std::size_t i = 0; i < job.codes.size(); ++i) {
        if (keepGoing && !keepGoing()) return;
        Result<RenderedGlyph> glyph = draw(font, job.codes[i], keepGoing);
        if (keepGoing && !keepGoing()) return;  // a run stopped by the cancel is no failure of the glyph
        const bool ends = !glyph && glyph.error().kind != ErrorKind::Failed;
        take(i, std::move(glyph));
        if (ends) return;
    }
}

BatchRenderer::BatchRenderer(std::string programPath, std::string folder, std::chrono::milliseconds timeout)
    : programPath_(std::move(programPath)), folder_(std::move(folder)), timeout_(timeout) {}

namespace {

// "ok CODE WIDTH HEIGHT ASCENT PIXELSIZE BYTES" or "fail CODE STATUS MESSAGE".
struct Answer {
    bool ok = false;
    long values[6] = {};
    std::string message;
};

std::optional<Answer> ParseAnswer(const std::string& line) {
    Answer answer;
    std::istringstream in(line);
    std::string word;
    in >> word;
    answer.ok = word == "ok";
    if (!answer.ok && word != "fail") return std::nullopt;
    const int count = answer.ok ? 6 : 2;
    for (int i = 0; i < count; ++i)
        if (!(in >> answer.values[i])) return std::nullopt;
    if (!answer.ok) {
        std::getline(in, answer.message);
        if (!answer.message.empty() && answer.message.front() == ' ') answer.message.erase(0, 1);
    }
    return answer;
}

// Neither side of a picture the renderer draws exceeds this many pixels.
constexpr long kAnswerSideMax = 4096;

std::string OutsideRange(const char* what, long value, long low, long high) {
    return what + std::string(" ") + std::to_string(value) + " lies outside " + std::to_string(low) + " to " +
           std::to_string(high);
}

// What is wrong with the numbers of an "ok" answer, or nothing: they decide
// how much is read and where the picture lands, so a number no picture can
// have (a fault, or a stranger writing on the renderer's output) must stop
// there rather than wrap around in the placement and store blank glyphs.
std::optional<std::string> AnswerOutOfRange(const Answer& answer) {
    if (!answer.ok) return std::nullopt;
    const long width = answer.values[1];
    const long height = answer.values[2];
    const long ascent = answer.values[3];
    const long pixelSize = answer.values[4];
    const long bytes = answer.values[5];
    if (width < 1 || width > kAnswerSideMax) return OutsideRange("its width", width, 1, kAnswerSideMax);
    if (height < 1 || height > kAnswerSideMax) return OutsideRange("its height", height, 1, kAnswerSideMax);
    if (ascent < 0 || ascent > height) return OutsideRange("its ascent", ascent, 0, height);
    if (pixelSize < 0 || pixelSize > kAnswerSideMax)
        return OutsideRange("its pixel size", pixelSize, 0, kAnswerSideMax);
    if (bytes < 1 || static_cast<uint64_t>(bytes) > kMaxBitmapBytes)
        return OutsideRange("its bitmap's size", bytes, 1, static_cast<long>(kMaxBitmapBytes));
    return std::nullopt;
}

std::string RequestLine(const RenderJob& job, uint16_t code) {
    std::string line = job.fitRows > 0 ? "fit=" + std::to_string(job.fitRows) + " " : std::string();
    for (const std::string& word : RendererParameters(job.font, code)) line += word + " ";
    line.back() = '\n';
    return line;
}

// Requests written ahead of the answers, so the renderer never waits for the
// next one; few enough that neither pipe fills up.
constexpr std::size_t kAhead = 16;

}  // namespace

BatchRenderer::~BatchRenderer() {
    // Its end of input is the end of its work: it leaves as it always does.
    if (child_) (void)child_->finish();
}

void BatchRenderer::drawAll(const RenderJob& job, const RenderedSink& take, const KeepGoing& keepGoing) {
    if (job.codes.empty()) return;
    if (Status fits = CheckFontName(job.font); !fits) {
        take(0, fits.error());
        return;
    }
    for (bool reused = child_.has_value();; reused = false) {
        if (!child_) {
            ProcessRequest request;
            request.program = programPath_;
            request.arguments = {"--batch"};
            request.currentFolder = folder_;
            request.timeout = timeout_;
            Result<ChildProcess> child = ChildProcess::Start(request);
            if (!child) {
                for (std::size_t i = 0; i < job.codes.size(); ++i) take(i, GlyphFailed(child.error().message));
                return;
            }
            child_.emplace(std::move(*child));
        }
        child_->setKeepGoing(keepGoing);
        child_->restartClock();
        const Outcome outcome = drawWith(*child_, job, take, reused);
        if (outcome == Outcome::Kept) {
            child_->setKeepGoing({});
            return;
        }
        child_.reset();
        if (outcome == Outcome::Ended) return;
    }
}

BatchRenderer::Outcome BatchRenderer::drawWith(ChildProcess& child, const RenderJob& job, const RenderedSink& take,
                                               bool reused) {
    const std::string name = NameOf(programPath_);
    std::size_t written = 0;
    // The glyphs from `from` on were not drawn: each is named with the reason.
    auto lost = [&](std::size_t from, const std::string& reason) {
        for (std::size_t i = from; i < job.codes.size(); ++i) take(i, GlyphFailed(reason));
    };
    for (std::size_t i = 0; i < job.codes.size(); ++i) {
        // Topped up in blocks, half the window at a time: one write for several requests.
        if (written < job.codes.size() && written <= i + kAhead / 2) {
            std::string block;
            std::size_t upTo = written;
            for (; upTo < job.codes.size() && upTo < i + kAhead; ++upTo) block += RequestLine(job, job.codes[upTo]);
            if (child.write(block)) written = upTo;
        }
        child.restartClock();
        Result<std::string> line = child.readLine(4096);
        if (!line) {
            if (child.cancelled()) return Outcome::Ended;
            // A program kept from an earlier job that went away meanwhile
            // has drawn nothing of this one: a new one draws it all.
            if (reused && i == 0 && line.error().kind == ErrorKind::Missing) return Outcome::GoneBeforeItBegan;
            // How it ended says more than the missing answer.
            const Result<int> status = line.error().kind == ErrorKind::Missing ? child.finish() : line.error();
            std::string how = status ? "it ended with exit status " + std::to_string(*status) : status.error().message;
            if (const std::string said = LastLine(child.errorOutput()); !said.empty()) how += ": " + said;
            std::string reason = name + " stopped before it drew this glyph: ";
            reason += how;
            lost(i, reason);
            return Outcome::Ended;
        }
        const std::optional<Answer> answer = ParseAnswer(*line);
        const std::optional<std::string> outOfRange = answer ? AnswerOutOfRange(*answer) : std::nullopt;
        if (!answer || answer->values[0] != job.codes[i] || outOfRange) {
            child.stop();
            std::string reason = name + " answered '" + line->substr(0, 80) + "' for " + CodeName(job.codes[i]);
            if (outOfRange) reason += ": " + *outOfRange;
            lost(i, reason);
            return Outcome::Ended;
        }
        if (!answer->ok) {
            take(i, GlyphFailed(name + ": " + answer->message));
            continue;
        }
        Result<std::string> bmp = child.read(static_cast<std::size_t>(answer->values[5]));
        if (!bmp) {
            if (child.cancelled()) return Outcome::Ended;
            lost(i, name + " ended in the middle of a bitmap: " + bmp.error().message);
            return Outcome::Ended;
        }
        Result<RenderedGlyph> glyph =
            DecodeBitmap(std::span(reinterpret_cast<const uint8_t*>(bmp->data()), bmp->size()), name + "'s bitmap");
        if (glyph) {
            glyph->ascent = static_cast<int>(answer->values[3]);
            glyph->pixelSize = static_cast<int>(answer->values[4]);
        }
        // An unreadable bitmap ends the job: no later answer, even one read
        // already, may be handed over after it.
        const bool ends = !glyph && glyph.error().kind != ErrorKind::Failed;
        take(i, std::move(glyph));
        if (ends) {
            child.stop();
            return Outcome::Ended;
        }
    }
    return Outcome::Kept;
}

bool HasBatchMode(const std::string& programPath, const std::string& folder) {
    static FileAnswerMemo answers([] {
        const std::string cache = UserCacheFolder();
        return cache.empty() ? cache : cache + "/renderer-answers";
    }());
    const std::string capabilities = answers.answer(programPath, [&]() -> std::optional<std::string> {
        ProcessOutput output;
        ProcessRequest request;
        request.program = programPath;
        request.arguments = {"--capabilities"};
        request.currentFolder = folder;
        request.timeout = std::chrono::milliseconds(2000);
        const Result<int> status = RunProcess(request, &output);
        if (!status) return std::nullopt;
        return *status == 0 ? output.out.substr(0, output.out.find('\n')) : std::string();
    });
    std::istringstream words(capabilities);
    std::string word;
    while (words >> word)
        if (word == "batch") return true;
    return false;
}

Result<RendererRun> RendererRun::Start(const std::string& rendererPath, std::chrono::milliseconds timeout) {
    Result<RendererFolder> folder = RendererFolder::For(rendererPath);
    if (!folder) return folder.error();
    RendererRun run(std::move(*folder));
    const std::string& program = run.folder_.program();
    if (HasBatchMode(program, run.folder_.folder()))
        run.renderer_ = std::make_unique<BatchRenderer>(program, run.folder_.folder(), timeout);
    else
        run.renderer_ = std::make_unique<OneGlyphRenderer>(program, run.folder_.folder(), timeout);
    return run;
}

}  // namespace glyphora
