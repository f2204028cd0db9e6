#include "GlyphGeneration.h"

#include "GlyphRendering.h"
#include "WidthOptimizing.h"

#include <Utf8Path.h>
#include <cstdio>

#include <filesystem>

namespace glyphora {

namespace {

// As the glyph grid's "Unicod" column shows it.
std::string CodeText(uint16_t code) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(code));
    return text;
}

// A long list is cut: a message box is no place for a thousand codes.
constexpr std::size_t kCodesNamed = 40;

std::string CodeList(const std::vector<GlyphFailure>& failed) {
    std::string list;
    for (std::size_t i = 0; i < failed.size() && i < kCodesNamed; ++i)
        list += (i ? ", " : "") + CodeText(failed[i].code);
    if (failed.size() > kCodesNamed) list += " and " + std::to_string(failed.size() - kCodesNamed) + " more";
    return list;
}

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
        text = "Replacing stopped at " + CodeText(result.stopped->code) + ":\n" + result.stopped->reason + "\n\n";
        text += std::to_string(result.changed) + " of " + Glyphs(result.total) + " were replaced before it.";
    } else {
        text = std::to_string(result.changed) + " of " + Glyphs(result.total) + " were replaced.";
    }
    if (!result.failed.empty()) {
        text += "\n\nNot replaced: " + CodeList(result.failed) + ".\n" + CodeText(result.failed.front().code) + ": " +
                result.failed.front().reason;
    }
    return text;
}

template <class Batch>
BatchResult GlyphGeneration::runBatch(const std::string& title, int from, int to, Batch&& batch) {
    const int set = session_.CurrentSet();
    const int height = session_.setHeight(set);
    const std::vector<Symbols>& glyphs = session_.langpack()->SymbolTable[static_cast<std::size_t>(set)];
    const GlyphStore store = [this, set](int glyph, uint8_t width, const std::vector<uint8_t>& rows) {
        session_.StoreGlyph(set, glyph, width, rows);
    };
    BatchResult result;
    {
        // Ends before any message: nothing may be asked while it lives.
        const std::unique_ptr<LongWork> work = session_.prompts().beginLongWork(title);
        result = batch(glyphs, GlyphRange{from, to}, height, store,
                       [&work](int done, int total) { return work->step(done, total); });
    }
    // The canvas shows the working glyph as it is stored now, never another one.
    const GlyphRange range = ClampRange({from, to}, static_cast<int>(glyphs.size()));
    if (session_.CurrentSymbol() >= range.from && session_.CurrentSymbol() <= range.to) session_.ReloadWorkingGlyph();
    return result;
}

void GlyphGeneration::SelectWindowsFont() {
    const std::optional<RenderFont> chosen = session_.prompts().chooseFont(font_);
    if (!chosen) return;
    font_ = *chosen;
    session_.prompts().information("Height of the chosen font " + std::to_string(chosen->measuredHeight) + " pixels.");
}

void GlyphGeneration::SelectFontFile() {
    Prompts::FileDialog dialog;
    dialog.title = "Select font file";
    dialog.filters = {
        "Font files (*.ttf *.otf *.ttc *.pcf *.pcf.gz *.bdf *.otb) (*.ttf *.TTF *.otf *.OTF *.ttc *.TTC "
        "*.pcf *.PCF *.pcf.gz *.PCF.GZ *.bdf *.BDF *.otb *.OTB)",
        "All files (*)"};
    dialog.folder = FontFolder(font_);
    const std::optional<std::string> path = session_.prompts().chooseOpenFile(dialog);
    if (!path || path->empty()) return;
    font_.name = *path;
}

// Both batches start here: a set without glyphs is said to have none, and
// leaves the langpack unchanged.
bool GlyphGeneration::mayStartBatch() {
    if (!session_.langpack() || session_.CurrentSet() < 0) return false;
    if (session_.langpack()->SymbolTable[static_cast<std::size_t>(session_.CurrentSet())].empty()) {
        session_.prompts().warning("The set " + std::to_string(session_.CurrentSet() + 1) + " has no glyphs.");
        return false;
    }
    return session_.QuestionSaveImage();
}

void GlyphGeneration::ReplaceChosenSymbols(int from, int to) {
    if (!mayStartBatch()) return;
    // An installed renderer's folder is not writable: it then works in a folder of its own.
    Result<RendererFolder> folder = RendererFolder::For(rendererPath());
    if (!folder) {
        session_.prompts().error(folder.error().message);
        return;
    }
    // Once the batch starts, the langpack counts as changed even when no glyph gets replaced.
    session_.EditingLang();
    RunecastRenderer renderer(folder->program(), font_, timeout_);
    const BatchResult result = runBatch("Replace the chosen symbols", from, to,
                                        [&renderer](const std::vector<Symbols>& glyphs, GlyphRange range, int height,
                                                    const GlyphStore& store, const BatchProgress& progress) {
                                            return RenderGlyphs(glyphs, range, height, renderer, store, progress);
                                        });
    const std::string report = ReplaceReport(result);
    if (report.empty()) return;
    if (result.stopped)
        session_.prompts().error(report);
    else
        session_.prompts().warning(report);
}

void GlyphGeneration::OptimizeChosenSymbols(int from, int to) {
    if (!mayStartBatch()) return;
    runBatch("Optimize the chosen symbols on width", from, to,
             [](const std::vector<Symbols>& glyphs, GlyphRange range, int height, const GlyphStore& store,
                const BatchProgress& progress) { return OptimizeWidths(glyphs, range, height, store, progress); });
}

}  // namespace glyphora
