#include "GlyphGeneration.h"

#include <CharacterCode.h>

#include "GlyphRendering.h"

#include <GlyphAlgorithms.h>
#include <GlyphRows.h>
#include <HexText.h>
#include <Utf8Path.h>
#include <WidthOptimizing.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

namespace glyphora {

namespace {

std::string CodeList(const std::vector<GlyphFailure>& failed) {
    std::vector<uint16_t> codes;
    codes.reserve(failed.size());
    for (const GlyphFailure& f : failed) codes.push_back(f.code);
    return CodeNames(codes);
}

// The kept renderer is at work for as long as this lives.
class Drawing {
public:
    explicit Drawing(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
    ~Drawing() { flag_ = was_; }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

private:
    bool& flag_;
    bool was_;
};

std::string Glyphs(int count) { return std::to_string(count) + (count == 1 ? " glyph" : " glyphs"); }

std::string FontFolder(const RenderFont& font) {
    if (font.name.find('/') != std::string::npos) return Utf8FromPath(PathFromUtf8(font.name).parent_path());
    std::error_code ec;
    const char* system = "/usr/share/fonts";
    return std::filesystem::is_directory(PathFromUtf8(system), ec) ? system : "";
}

}  // namespace

std::string ReplaceReport(const BatchResult& result) {
    if (result.failed.empty() && !result.stopped) return {};
    std::string text;
    if (result.stopped) {
        text = "Replacing stopped at " + CodeName(result.stopped->code) + ":\n" + result.stopped->reason + "\n\n";
        text += std::to_string(result.changed) + " of " + Glyphs(result.total) + " were replaced before it.";
    } else {
        text = std::to_string(result.changed) + " of " + Glyphs(result.total) + " were replaced.";
    }
    if (!result.failed.empty()) {
        text += "\n\nNot replaced: " + CodeList(result.failed) + ".\n" + CodeName(result.failed.front().code) + ": " +
                result.failed.front().reason;
    }
    return text;
}

template <class Batch>
BatchResult GlyphGeneration::runBatch(const std::string& title, const std::vector<int>& which, Batch&& batch) {
    const int set = session_.CurrentSet();
    const int height = session_.setHeight(set);
    const std::vector<Symbols>& glyphs = session_.langpack()->glyphs(set);
    const GlyphStore store = [this, set](int glyph, uint8_t width, const std::vector<uint8_t>& rows) {
        session_.StoreGlyph(set, glyph, width, rows);
    };
    Session::LangpackStep step = session_.beginStep(title, set);
    BatchResult result;
    {
        // Ends before any message: nothing may be asked while it lives.
        const std::unique_ptr<LongWork> work = session_.prompts().beginLongWork(title);
        int done = 0;
        const int total = static_cast<int>(which.size());
        // Asked at once, so the progress window can show itself from the first glyph on.
        if (work->poll(0, total))
            result = batch(
                glyphs, height, store,
                [&work, &done](int now, int all) {
                    done = now;
                    return work->step(now, all);
                },
                [&work, &done, total] { return work->poll(done, total); });
    }
    // The canvas shows the working glyph as it is stored now, never another one.
    if (std::find(which.begin(), which.end(), session_.CurrentSymbol()) != which.end()) session_.ReloadWorkingGlyph();
    step.commit(result.changed);
    return result;
}

void GlyphGeneration::SelectWindowsFont() {
    const std::optional<RenderFont> chosen = session_.prompts().chooseFont(font_);
    if (!chosen) return;
    font_ = *chosen;
    fittedSize_.clear();
    session_.prompts().information("Height of the chosen font " + std::to_string(chosen->measuredHeight) + " pixels.");
}

Prompts::FileDialog GlyphGeneration::FontFileDialog() const {
    Prompts::FileDialog dialog;
    dialog.title = "Select font file";
    dialog.filters = {
        "Font files (*.ttf *.otf *.ttc *.pcf *.pcf.gz *.bdf *.otb) (*.ttf *.TTF *.otf *.OTF *.ttc *.TTC "
        "*.pcf *.PCF *.pcf.gz *.PCF.GZ *.bdf *.BDF *.otb *.OTB)",
        "All files (*)"};
    dialog.folder = FontFolder(font_);
    // Fonts are seldom where the langpacks are: the folder used last is kept apart.
    dialog.kind = "fonts";
    return dialog;
}

void GlyphGeneration::SelectFontFile() {
    const std::optional<std::string> path = session_.prompts().chooseOpenFile(FontFileDialog());
    if (!path || path->empty()) return;
    // The file is a face of its own: the style and size of the family chosen
    // before are not its. A bitmap font takes its strike nearest to the
    // set's height, a scalable one fills the set's line.
    RenderFont file;
    file.name = *path;
    if (session_.langpack() && session_.CurrentSet() >= 0) file.height = session_.setHeight(session_.CurrentSet());
    font_ = file;
    fittedSize_.clear();
}

// Both batches start here: a set without glyphs is said to have none, and
// leaves the langpack unchanged.
bool GlyphGeneration::mayStartBatch() {
    if (!session_.langpack() || session_.CurrentSet() < 0) return false;
    if (session_.langpack()->glyphs(session_.CurrentSet()).empty()) {
        session_.prompts().warning("The set " + std::to_string(session_.CurrentSet() + 1) + " has no glyphs.");
        return false;
    }
    return session_.QuestionSaveImage();
}

BatchResult GlyphGeneration::renderBatch(const std::string& title, const GenerateOptions& options,
                                         const std::vector<int>& which, bool kept) {
    // Stopped before the first glyph, which the report names.
    const auto stoppedAtFirst = [&](const std::string& reason) {
        BatchResult stopped;
        const int first = which.empty() ? 0 : which.front();
        const auto& glyphs = session_.langpack()->glyphs(session_.CurrentSet());
        const uint16_t code =
            first < static_cast<int>(glyphs.size()) ? glyphs[static_cast<std::size_t>(first)].Code : 0;
        stopped.stopped = GlyphFailure{first, code, reason};
        return stopped;
    };
    if (Status named = CheckFontName(options.font); !named) return stoppedAtFirst(named.error().message);
    std::optional<RendererRun> own;
    GlyphRenderer* renderer = nullptr;
    if (kept) {
        if (keptDrawing_) return stoppedAtFirst("the glyphs of a preview are being drawn");
        Result<GlyphRenderer*> keptRenderer = kept_.renderer(rendererPath(), timeout_);
        if (!keptRenderer) return stoppedAtFirst(keptRenderer.error().message);
        renderer = *keptRenderer;
    } else {
        Result<RendererRun> run = RendererRun::Start(rendererPath(), timeout_);
        if (!run) return stoppedAtFirst(run.error().message);
        renderer = &own.emplace(std::move(*run)).renderer();
    }
    // Once the batch starts, the langpack counts as changed even when no glyph gets replaced.
    session_.EditingLang();
    std::optional<Drawing> drawing;
    if (kept) drawing.emplace(keptDrawing_);
    return runBatch(title, which,
                    [&](const std::vector<Symbols>& glyphs, int height, const GlyphStore& store,
                        const BatchProgress& progress, const KeepGoing& keepGoing) {
                        GenerateOptions placed = options;
                        placed.placement.height = height;
                        return RenderGlyphs(glyphs, which, placed, *renderer, store, progress, keepGoing);
                    });
}

void GlyphGeneration::ReplaceChosenSymbols(int from, int to) {
    if (!mayStartBatch()) return;
    GenerateOptions options;
    options.font = font_;
    const auto& glyphs = session_.langpack()->glyphs(session_.CurrentSet());
    const BatchResult result = renderBatch("Replace the chosen symbols", options,
                                           RangeIndices({from, to}, static_cast<int>(glyphs.size())), false);
    const std::string report = ReplaceReport(result);
    if (report.empty()) return;
    if (result.stopped)
        session_.prompts().error(report);
    else
        session_.prompts().warning(report);
}

BatchResult GlyphGeneration::Generate(const GenerateOptions& options, const std::vector<int>& which) {
    if (which.empty() || !mayStartBatch()) return {};
    font_ = options.font;
    BatchResult result = renderBatch("Generate glyphs", options, which, true);
    fittedSize_ = options.fit && result.pixelSizeMost > 0 ? PixelSizeText(result) : "";
    std::string report = ReplaceReport(result);
    if (!result.cut.empty()) {
        std::vector<GlyphFailure> cut;
        const auto& glyphs = session_.langpack()->glyphs(session_.CurrentSet());
        for (int g : result.cut) cut.push_back({g, glyphs[static_cast<std::size_t>(g)].Code, {}});
        report += (report.empty() ? "" : "\n\n") +
                  std::string("Ink cut off (wider than 15 pixels or outside the set's rows): ") + CodeList(cut) + ".";
    }
    if (!report.empty()) {
        if (result.stopped)
            session_.prompts().error(report);
        else
            session_.prompts().warning(report);
    }
    return result;
}

GenerateOptions GlyphGeneration::generateOptions() const {
    GenerateOptions options;
    options.font = font_;
    options.fit = true;
    if (session_.langpack() && session_.CurrentSet() >= 0)
        options.placement.height = session_.setHeight(session_.CurrentSet());
    return options;
}

std::string GlyphGeneration::renderFontText() const {
    std::string style = font_.styleName;
    if (style.empty()) {
        if (font_.bold && font_.italic)
            style = "Bold Italic";
        else if (font_.bold)
            style = "Bold";
        else if (font_.italic)
            style = "Italic";
        else
            style = "Regular";
    }
    const std::string name =
        font_.name.find('/') != std::string::npos ? Utf8FromPath(PathFromUtf8(font_.name).filename()) : font_.name;
    // Ctrl+F draws at the font's own size; a fitted Generate may have drawn at others.
    return name + ", " + style + ", " + std::to_string(std::abs(font_.height)) +
           (font_.height < 0 ? " px" : " px cell") + (fittedSize_.empty() ? "" : "; fitted " + fittedSize_);
}

BatchResult GlyphGeneration::OptimizeChosenSymbols(int from, int to) {
    if (!mayStartBatch()) return {};
    const auto& glyphs = session_.langpack()->glyphs(session_.CurrentSet());
    const std::vector<int> which = RangeIndices({from, to}, static_cast<int>(glyphs.size()));
    return runBatch("Optimize the chosen symbols on width", which,
                    [from, to](const std::vector<Symbols>& all, int height, const GlyphStore& store,
                               const BatchProgress& progress, const KeepGoing&) {
                        return OptimizeWidths(all, GlyphRange{from, to}, height, store, progress);
                    });
}

BatchResult OptimizeWidths(const std::vector<Symbols>& glyphs, GlyphRange range, int height, const GlyphStore& store,
                           const BatchProgress& progress) {
    BatchResult result;
    range = ClampRange(range, static_cast<int>(glyphs.size()));
    const int total = result.total = std::max(0, range.to - range.from + 1);
    for (int g = range.from; g <= range.to; ++g) {
        const Symbols& glyph = glyphs[static_cast<std::size_t>(g)];
        if (const std::optional<GlyphRowsOfWidth> trimmed = OptimizedGlyph(glyph.Data, glyph.Width, height)) {
            store(g, static_cast<uint8_t>(trimmed->width), trimmed->rows);
            ++result.changed;
        }
        ++result.done;
        if (progress && !progress(result.done, total)) {
            result.cancelled = result.done < total;
            break;
        }
    }
    return result;
}

bool GenerationPreview::cut(int glyph) const {
    return std::find(result.cut.begin(), result.cut.end(), glyph) != result.cut.end();
}

bool GenerationPreview::failed(int glyph) const {
    return std::any_of(result.failed.begin(), result.failed.end(),
                       [glyph](const GlyphFailure& f) { return f.glyph == glyph; });
}

std::vector<int> GlyphGeneration::glyphsOf(const GenerateRange& range) const {
    if (!session_.langpack() || session_.CurrentSet() < 0) return {};
    const int set = session_.CurrentSet();
    const std::vector<Symbols>& all = session_.langpack()->glyphs(set);
    const int count = static_cast<int>(all.size());
    switch (range.kind) {
    case GenerateRange::Kind::Glyphs: return RangeIndices({range.from, range.to}, count);
    case GenerateRange::Kind::Codes: {
        std::vector<int> which;
        for (int g = 0; g < count; ++g)
            if (all[static_cast<std::size_t>(g)].Code >= range.from &&
                all[static_cast<std::size_t>(g)].Code <= range.to)
                which.push_back(g);
        return which;
    }
    case GenerateRange::Kind::BlankOnly: return BlankGlyphs(all, {0, count - 1}, session_.setHeight(set));
    case GenerateRange::Kind::All: break;
    }
    return RangeIndices({0, count - 1}, count);
}

GenerateRange::Kind GlyphGeneration::OpeningRange(int chosenFrom, int chosenTo) const {
    if (chosenTo > chosenFrom) return GenerateRange::Kind::Glyphs;
    if (!glyphsOf({GenerateRange::Kind::BlankOnly}).empty()) return GenerateRange::Kind::BlankOnly;
    return GenerateRange::Kind::All;
}

GenerationPreview GlyphGeneration::Preview(const GenerateOptions& options, const std::vector<int>& which) {
    GenerationPreview preview;
    if (!session_.langpack() || session_.CurrentSet() < 0) return preview;
    // Asked while a batch lets events through: the picture stays as it is.
    if (keptDrawing_) {
        preview.summary = "The glyphs are being drawn.";
        return preview;
    }
    const Drawing drawing(keptDrawing_);
    const std::vector<Symbols>& all = session_.langpack()->glyphs(session_.CurrentSet());
    preview.shown = all;
    Result<GlyphRenderer*> renderer = kept_.renderer(rendererPath(), timeout_);
    if (!renderer) {
        preview.summary = renderer.error().message;
        return preview;
    }
    preview.glyphs = which;
    GenerateOptions placed = options;
    placed.placement.height = session_.setHeight(session_.CurrentSet());
    preview.result =
        RenderGlyphs(all, which, placed, **renderer, [&](int glyph, uint8_t width, const std::vector<uint8_t>& rows) {
            Symbols& drawn = preview.shown[static_cast<std::size_t>(glyph)];
            drawn.Width = width;
            drawn.Data = rows;
        });
    const BatchResult& r = preview.result;
    preview.summary = Glyphs(static_cast<int>(which.size()));
    if (r.pixelSizeMost > 0) preview.summary += ", " + PixelSizeText(r) + (options.fit ? " (fitted)" : "");
    preview.summary += ", " + std::to_string(r.cut.size()) + " cut, " + std::to_string(r.failed.size()) + " not drawn";
    if (r.stopped) preview.summary += ": " + r.stopped->reason;
    return preview;
}

std::string PixelSizeText(const BatchResult& result) {
    if (result.pixelSizeLeast == result.pixelSizeMost) return std::to_string(result.pixelSizeMost) + " px";
    return std::to_string(result.pixelSizeLeast) + "\u2013" + std::to_string(result.pixelSizeMost) + " px";
}

std::vector<int> BlankGlyphs(const std::vector<Symbols>& glyphs, GlyphRange range, int height) {
    std::vector<int> blank;
    for (int g : RangeIndices(range, static_cast<int>(glyphs.size()))) {
        const Symbols& glyph = glyphs[static_cast<std::size_t>(g)];
        if (BlankByNature(glyph.Code)) continue;
        if (!HasInk(GlyphRowsToImage(glyph.Data, glyph.Width, height), glyph.Width, height)) blank.push_back(g);
    }
    return blank;
}

}  // namespace glyphora
