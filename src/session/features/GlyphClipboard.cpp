#include "GlyphClipboard.h"

#include "Session.h"

#include <PngWriter.h>
#include <SetMatching.h>
#include <SetSheet.h>

namespace glyphora {

namespace {

// The glyphs as a set of their own, so they make the same sheet an export makes.
std::vector<uint8_t> SheetOf(const GlyphClip& clip) {
    TLangpack lp;
    TFontSetEntry set;
    set.Height = static_cast<uint16_t>(clip.height);
    lp.FontSetTable.push_back(set);
    lp.SymbolTable.emplace_back();
    for (const ClipGlyph& g : clip.glyphs) lp.SymbolTable[0].push_back({g.code, g.width, 0, 0, g.rows});
    const Result<SheetImage> sheet = MakeSetSheet(lp, 0, kDefaultSheetScale);
    if (!sheet) return {};
    return WriteGrayPng(sheet->width, sheet->height, sheet->gray);
}

bool SetShown(const Session& s) { return s.LangFileOpen() && s.langpack() && s.CurrentSet() >= 0; }

}  // namespace

std::optional<GlyphClipboard::Copied> GlyphClipboard::Copy(const std::vector<int>& glyphs) {
    Session& s = session_;
    if (!SetShown(s)) return std::nullopt;
    // The clipboard gets what the canvas shows.
    if (!s.QuestionSaveImage()) return std::nullopt;
    const GlyphClip clip = ClipOfGlyphs(*s.langpack(), s.CurrentSet(), glyphs);
    if (clip.glyphs.empty()) return std::nullopt;
    const int count = static_cast<int>(clip.glyphs.size());
    s.report().statusMessage(std::to_string(count) + (count == 1 ? " glyph copied" : " glyphs copied"));
    return Copied{WriteGlyphClip(clip), SheetOf(clip), count};
}

std::optional<GlyphClipboard::Pasted> GlyphClipboard::Paste(const std::optional<std::string>& text, int first) {
    Session& s = session_;
    if (!SetShown(s)) return std::nullopt;
    if (!text) {
        s.prompts().warning("The clipboard holds no glyphs. \"Copy glyphs\" puts the glyphs chosen in the grid there.");
        return std::nullopt;
    }
    const Result<GlyphClip> clip = ReadGlyphClip(*text);
    if (!clip) {
        s.prompts().warning("The glyphs on the clipboard cannot be pasted:\n" + clip.error().message + ".");
        return std::nullopt;
    }
    if (!s.QuestionSaveImage()) return std::nullopt;
    const Pasted done = PasteClip(*clip, first);
    std::string notes;
    if (done.inkCut > 0)
        notes += std::to_string(done.inkCut) + " of the pasted glyphs lost ink below row " +
                 std::to_string(s.setHeight(s.CurrentSet())) + ": the glyphs were " + std::to_string(clip->height) +
                 " rows high.";
    if (done.noRoom > 0)
        notes += std::string(notes.empty() ? "" : "\n") + std::to_string(done.noRoom) +
                 " glyphs did not fit after the last glyph of the set and were left out.";
    if (!notes.empty()) s.prompts().information(notes);
    return done;
}

GlyphClipboard::Pasted GlyphClipboard::PasteClip(const GlyphClip& clip, int first) {
    Session& s = session_;
    Pasted done;
    if (!SetShown(s) || first < 0) return done;
    const int set = s.CurrentSet();
    const int height = s.setHeight(set);
    const int count = static_cast<int>(s.langpack()->glyphs(set).size());
    Session::LangpackStep step = s.beginStep(kPasteTitle, set);
    for (const ClipGlyph& g : clip.glyphs) {
        const int target = first + done.stored;
        if (target >= count) {
            ++done.noRoom;
            continue;
        }
        const AlignedRows rows = AlignRows(g.rows, g.width, clip.height, height);
        s.StoreGlyph(set, target, g.width, rows.rows);
        ++done.stored;
        if (rows.inkCut) ++done.inkCut;
    }
    s.ReloadWorkingGlyph();
    step.commit(done.stored);
    return done;
}

}  // namespace glyphora
