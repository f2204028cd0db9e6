#include "SetExchange.h"

#include "CharacterRangesFeature.h"
#include "FileNames.h"
#include "Session.h"

#include <BdfReader.h>
#include <BdfWriter.h>
#include <FileLayer.h>
#include <PngWriter.h>
#include <SetBdf.h>
#include <SetSheet.h>

#include <Utf8Path.h>
#include <algorithm>
#include <charconv>
#include <cstdint>

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace glyphora {

namespace {

const char* const kExportBdfTitle = "Export set as BDF";
const char* const kImportBdfTitle = "Import BDF into set";
const char* const kExportPngTitle = "Export set as PNG sheet";

// The commands work on the set the glyph grid shows.
bool SetShown(const Session& s) { return s.LangFileOpen() && s.langpack() && s.CurrentSet() >= 0; }

std::string FileNameOf(const std::string& path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

// "demo-set2", the FONT name of an exported set and the name the save dialogs suggest.
std::string SetFileStem(const Session& s) { return BdfFontName(s.document()->path(), s.CurrentSet() + 1); }

std::optional<int> ParseWholeNumber(const std::string& text, int min, int max) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    long long number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end || number < min || number > max) return std::nullopt;
    return static_cast<int>(number);
}

// Asks until the answer is a whole number in [min, max]; nothing when cancelled.
std::optional<int> AskWholeNumber(Prompts& prompts, const std::string& title, const std::string& label,
                                  const std::string& what, int initial, int min, int max) {
    std::string text = std::to_string(initial);
    for (;;) {
        const std::optional<std::string> answer = prompts.askText(title, label, text);
        if (!answer) return std::nullopt;
        if (const std::optional<int> number = ParseWholeNumber(*answer, min, max)) return number;
        prompts.warning("The " + what + " must be a whole number from " + std::to_string(min) + " to " +
                        std::to_string(max) + ".");
        text = *answer;
    }
}

// The save dialog; the extension is added when the chosen name has none.
std::optional<std::string> ChooseTarget(Session& s, const std::string& title, const std::string& filter,
                                        const std::string& extension, Prompts::NumberField* number = nullptr) {
    Prompts::FileDialog dialog;
    dialog.title = title;
    dialog.filters = {filter, "All files (*)"};
    dialog.folder = FolderOf(s.document()->path());
    dialog.suggestedName = SetFileStem(s) + extension;
    dialog.kind = extension.substr(1);
    std::optional<std::string> path =
        number ? s.prompts().chooseSaveFileAndNumber(dialog, *number) : s.prompts().chooseSaveFile(dialog);
    if (!path || path->empty()) return std::nullopt;
    return WithExtension(*path, extension);
}

void WriteTarget(Session& s, const std::string& path, std::span<const uint8_t> bytes) {
    if (SameFile(path, s.document()->path())) {
        s.prompts().error("The set could not be exported to " + path + ":\nit is the open langpack.");
        return;
    }
    const Status written = WriteFileAtomically(path, bytes);
    if (!written) s.prompts().error("The set could not be exported to " + path + ":\n" + written.error().message);
}

// What the import cut or chose, a paragraph of its own below the counts.
std::string Notes(const BdfImportPlan& plan) {
    std::string text;
    for (const std::string& note : BdfImportNotes(plan)) text += (text.empty() ? "\n\n" : "\n") + note + ".";
    return text;
}

}  // namespace

void SetExchange::ExportBdfCommand() { ExportBdfWithBaseline(std::nullopt); }

void SetExchange::ExportBdfWithBaseline(std::optional<int> baselineRow) {
    Session& s = session_;
    if (!SetShown(s)) return;
    // The file holds what the canvas shows, so a changed working glyph is stored first.
    if (!s.QuestionSaveImage()) return;
    const int height = s.setHeight(s.CurrentSet());
    std::optional<int> descent = BaselineDescent(baselineRow, height);
    Prompts::NumberField asked{"Rows below the baseline (descent), from 0 to " + std::to_string(height) +
                                   "; View -> \"Guides…\" keeps a baseline for the set:",
                               0, 0, height};
    const std::optional<std::string> path =
        ChooseTarget(s, kExportBdfTitle, "BDF fonts (*.bdf) (*.bdf *.BDF)", ".bdf", descent ? nullptr : &asked);
    if (!path) return;
    if (!descent) descent = std::clamp(asked.value, 0, height);
    const std::string text = WriteBdf(SetToBdf(*s.langpack(), s.CurrentSet(), SetFileStem(s), *descent));
    WriteTarget(s, *path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void SetExchange::ImportBdfCommand() {
    Session& s = session_;
    if (!SetShown(s)) return;
    if (!s.QuestionSaveImage()) return;
    Prompts::FileDialog dialog;
    dialog.title = kImportBdfTitle;
    dialog.filters = {"BDF fonts (*.bdf) (*.bdf *.BDF)", "All files (*)"};
    dialog.folder = FolderOf(s.document()->path());
    dialog.kind = "bdf";
    const std::optional<std::string> path = s.prompts().chooseOpenFile(dialog);
    if (!path || path->empty()) return;

    const Result<BdfFont> font = ReadBdfFile(*path);
    if (!font) {
        const Error& why = font.error();
        const std::string text = "The font cannot be imported:\n" + why.message;
        if (why.kind == ErrorKind::Io || why.kind == ErrorKind::Missing)
            s.prompts().error(text);
        else
            s.prompts().warning(text);
        return;
    }

    const int set = s.CurrentSet();
    // The characters of the font that the set lacks are added only when the user says so.
    const std::size_t lacking = BdfCodesLacking(*s.langpack(), set, *font).size();
    bool addMissing = false;
    if (lacking > 0) {
        const Prompts::Answer answer =
            s.prompts().ask(FileNameOf(*path) + " has " + std::to_string(lacking) + " characters that set " +
                                std::to_string(set + 1) + " lacks.\nAdd them to the set?",
                            Prompts::Icon::Question);
        if (answer == Prompts::Answer::Cancel) return;
        addMissing = answer == Prompts::Answer::Yes;
    }
    const int height = s.setHeight(set);
    const int ascent = BdfAscent(*font);
    const int descent = BdfDescent(*font);
    // Beyond these shifts the cell lies wholly above or below the font's line.
    const int lowest = -height;
    const int highest = std::max(0, ascent + descent);
    const std::string label = FileNameOf(*path) + " is " + std::to_string(ascent + descent) + " rows high (ascent " +
                              std::to_string(ascent) + ", descent " + std::to_string(descent) + "); set " +
                              std::to_string(set + 1) + " is " + std::to_string(height) +
                              " rows high.\n\nShift the font up by rows (a positive shift cuts rows at the top, " +
                              "from " + std::to_string(lowest) + " to " + std::to_string(highest) + "):";
    const std::optional<int> shift =
        AskWholeNumber(s.prompts(), kImportBdfTitle, label, "shift", DefaultBdfShift(*font, height), lowest, highest);
    if (!shift) return;

    const Result<BdfImported> done = ImportBdf(*font, *shift, addMissing);
    if (!done) {
        s.prompts().warning("The font cannot be imported:\n" + done.error().message);
        return;
    }
    const BdfImportPlan& plan = done->plan;
    const int added = done->added;
    s.prompts().information("Imported " + FileNameOf(*path) + " into set " + std::to_string(set + 1) +
                            ".\nGlyphs replaced: " + std::to_string(plan.Replaced - added) +
                            "\nGlyphs the font lacked (kept as they were): " + std::to_string(plan.Lacked) +
                            (addMissing ? "\nGlyphs added: " + std::to_string(added) : std::string()) + Notes(plan));
}

Result<SetExchange::BdfImported> SetExchange::ImportBdf(const BdfFont& font, std::optional<int> shift,
                                                        bool addMissing) {
    Session& s = session_;
    const int set = s.CurrentSet();
    BdfImported imported;
    if (addMissing) {
        const Result<RangeEdit> done = CharacterRangesFeature(s).Change(kImportBdfTitle, set, [&](TLangpack& lp) {
            return ImportBdfAddingMissing(lp, set, font, shift, imported.plan);
        });
        if (!done) return done.error();
        imported.added = done->changed;
        return imported;
    }
    imported.plan = PlanBdfImport(*s.langpack(), set, font, shift);
    Session::LangpackStep step = s.beginStep(kImportBdfTitle, set);
    for (const BdfGlyphImport& g : imported.plan.Glyphs) s.StoreGlyph(set, g.GlyphIndex, g.Width, g.Data);
    s.ReloadWorkingGlyph();
    step.commit(imported.plan.Replaced);
    return imported;
}

void SetExchange::ExportPngCommand() {
    Session& s = session_;
    if (!SetShown(s)) return;
    if (!s.QuestionSaveImage()) return;
    const std::optional<int> scale =
        AskWholeNumber(s.prompts(), kExportPngTitle,
                       "Scale: screen pixels for each glyph pixel, from 1 to " + std::to_string(kMaxSheetScale) + ":",
                       "scale", kDefaultSheetScale, 1, kMaxSheetScale);
    if (!scale) return;
    const Result<SheetImage> sheet = MakeSetSheet(*s.langpack(), s.CurrentSet(), *scale);
    if (!sheet) {
        s.prompts().warning("The sheet cannot be made: " + sheet.error().message + ".");
        return;
    }
    const std::optional<std::string> path =
        ChooseTarget(s, kExportPngTitle, "PNG pictures (*.png) (*.png *.PNG)", ".png");
    if (!path) return;
    WriteTarget(s, *path, WriteGrayPng(sheet->width, sheet->height, sheet->gray));
}

}  // namespace glyphora
