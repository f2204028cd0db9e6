// "Copy glyphs" and "Paste glyphs": the glyphs chosen in the grid travel as
// the clipboard's glyph text (GlyphClip.h) with a PNG sheet of them beside it
// for other programs; a paste replaces the chosen glyph and those after it,
// in grid order, as one step of the langpack-wide history. Rows are aligned
// at the top and cut or padded with paper at the bottom.
#pragma once

#include <GlyphClip.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

class Session;

class GlyphClipboard {
public:
    static constexpr const char* kCopyTitle = "Copy glyphs";
    static constexpr const char* kPasteTitle = "Paste glyphs";

    explicit GlyphClipboard(Session& session) : session_(session) {}

    struct Copied {
        std::string text;          // the glyph text
        std::vector<uint8_t> png;  // the sheet, empty when it could not be made
        int count = 0;
    };
    // Glyph indices of the current set; nothing without a set or a glyph
    // among them, or when "Save the current symbol?" was cancelled.
    std::optional<Copied> Copy(const std::vector<int>& glyphs);

    struct Pasted {
        int stored = 0;  // glyphs replaced
        int inkCut = 0;  // of them, glyphs whose ink fell below the set's last row
        int noRoom = 0;  // glyphs of the clipboard past the set's last glyph
    };
    // The clipboard's glyph text (nothing: it holds none) onto glyph `first`
    // of the current set and those after it; what went wrong or was cut is
    // told. Nothing when nothing was pasted.
    std::optional<Pasted> Paste(const std::optional<std::string>& text, int first);
    // The same for glyphs already read, told nothing.
    Pasted PasteClip(const GlyphClip& clip, int first);

private:
    Session& session_;
};

}  // namespace glyphora
