// Whole sets in and out of the langpack: the current set written as a BDF
// font or as a PNG sheet of its glyphs, and a BDF font's glyphs put into the
// current set. Each command asks through the session's prompts; an import
// stores every glyph through Session::StoreGlyph, so the copies of set No. 2
// change with it, the langpack counts as changed and the grid rows follow.
#pragma once

#include "Session.h"

#include <BdfReader.h>
#include <SetBdf.h>

#include <optional>

namespace glyphora {

class SetExchange {
public:
    explicit SetExchange(Session& session) : session_(session) {}

    // "Export set as BDF…": the save dialog, then the set as a BDF font whose
    // FONT name comes from the langpack's file name and the set number.
    void ExportBdfCommand();
    // The same with the set's baseline guide (a 0-based row), which gives the
    // font's ascent and descent (BaselineDescent); without a usable guide the
    // save dialog asks the descent in its window, 0 unless the user changes it.
    void ExportBdfWithBaseline(std::optional<int> baselineRow);
    // "Import BDF into set…": "Save the current symbol?", the open dialog, the
    // font read (a refusal changes nothing), the shift asked beside the font's
    // size, the glyphs stored, and a message with how many were replaced and how
    // many the font lacked.
    void ImportBdfCommand();
    // What "Import BDF into set…" does once its questions are answered: the
    // font's glyphs into the current set moved up by `shift` rows (nothing:
    // the rows it is taller than the set), as one step, and with
    // `addMissing` the characters the set lacks added first. A refusal
    // changes nothing and is returned, not shown.
    struct BdfImported {
        BdfImportPlan plan;
        int added = 0;
    };
    Result<BdfImported> ImportBdf(const BdfFont& font, std::optional<int> shift, bool addMissing);
    // "Export set as PNG sheet…": the scale asked (default 4), then the save dialog.
    void ExportPngCommand();

private:
    Session& session_;
};

}  // namespace glyphora
