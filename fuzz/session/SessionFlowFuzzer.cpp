// Any bytes as a user's session on a small langpack: each byte picks a step
// (drawing on the canvas, the glyph's Undo and steps, Save Image, a glyph
// stored by a batch, a set or glyph chosen, characters added or removed, a
// new height or width, Optimize, Save langpack, Undo and Redo of langpack
// changes, the file opened again) and the bytes after it its values and the
// user's answers. After every step:
//  - the model changed only in a step of the langpack-wide history;
//  - an Undo gives back the langpack as it was before the step it takes back,
//    a Redo as it was before that Undo;
//  - a saved file reads back as the model, and a refused save leaves the
//    file's bytes as they were;
//  - a working glyph that counts as unchanged shows what the model holds.
// Letters name the steps (any other byte but a blank stands for one of them),
// so that a seed reads as what the user did.
#include "CharacterRangesFeature.h"
#include "FlashExtraction.h"
#include "FuzzScratchFolder.h"
#include "GlyphGeneration.h"
#include "Session.h"

#include <FileLayer.h>
#include <GlyphRows.h>
#include <LangpackBuilder.h>
#include <LangpackReader.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>
#include "GlyphSize.h"
#include "GlyphSteps.h"
#include "LangpackUndo.h"

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz_session_flow: %s\n", what.c_str());
    std::abort();
}

class Bytes {
public:
    Bytes(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    // A digit stands for its value, so that a seed reads "c1" as the second set.
    int below(int n) {
        const int b = next();
        return n > 0 ? (b >= '0' && b <= '9' ? b - '0' : b) % n : 0;
    }
    // Text up to a ';' or the end.
    std::string text() {
        std::string out;
        while (!empty() && data_[at_] != ';') out.push_back(static_cast<char>(next()));
        if (!empty()) ++at_;
        return out;
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The user: a question is answered by the next byte ('y' Yes, 'n' No, else
// Cancel), a size dialog by the value the step chose.
class FuzzPrompts : public Prompts {
public:
    explicit FuzzPrompts(Bytes& bytes) : bytes_(bytes) {}
    Answer ask(const std::string& text, Icon, Buttons buttons) override {
        if (text.find("changed by another program") != std::string::npos)
            Fail("the session's own save counts as another program's change: " + text);
        const uint8_t b = bytes_.next();
        if (b == 'y') return Answer::Yes;
        if (b == 'n') return Answer::No;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    void tell(const std::string& text, Icon) override { told = text; }
    std::optional<std::string> chooseOpenFile(const FileDialog&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const FileDialog&) override { return std::nullopt; }
    std::optional<Font> chooseFont(const Font&) override { return std::nullopt; }
    std::optional<int> askSize(SizeMode, int, int) override { return size; }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<int> size;
    std::string told;

private:
    Bytes& bytes_;
};

// --- what is compared ------------------------------------------------------------------

// What the user made: heights, characters, widths and pixels, and which sets
// are copies. Offsets are left out: a save lays them out anew, an Undo puts
// back those of its step.
bool SameContent(const TLangpack& a, const TLangpack& b, std::string& where) {
    if (a.SetCount() != b.SetCount()) return where = "the number of sets", false;
    if (a.Set3SharesSet2 != b.Set3SharesSet2 || a.Set7SharesSet2 != b.Set7SharesSet2)
        return where = "which sets are copies of set 2", false;
    for (std::size_t k = 0; k < a.FontSetTable.size(); ++k) {
        const std::string set = "set " + std::to_string(k + 1) + ": ";
        const TFontSetEntry &x = a.FontSetTable[k], &y = b.FontSetTable[k];
        if (x.Height != y.Height || x.Extra1 != y.Extra1 || x.Extra2 != y.Extra2 || x.Extra3 != y.Extra3)
            return where = set + "its height or extra words", false;
        const auto &g = a.SymbolTable[k], &h = b.SymbolTable[k];
        if (g.size() != h.size()) return where = set + "its number of glyphs", false;
        for (std::size_t i = 0; i < g.size(); ++i)
            if (g[i].Code != h[i].Code || g[i].Width != h[i].Width || g[i].Data != h[i].Data)
                return where = set + "glyph " + std::to_string(i), false;
    }
    return true;
}

// Everything the file holds and the reader fills in.
bool SameAsRead(const TLangpack& model, const TLangpack& read, std::string& where) {
    if (!SameContent(model, read, where)) return false;
    for (std::size_t k = 0; k < model.FontSetTable.size(); ++k) {
        const std::string set = "set " + std::to_string(k + 1) + ": ";
        const TFontSetEntry &x = model.FontSetTable[k], &y = read.FontSetTable[k];
        if (x.DataOffset != y.DataOffset || x.DescriptorTableOffset != y.DescriptorTableOffset ||
            x.IntervalTableOffset != y.IntervalTableOffset || x.IntervalCount != y.IntervalCount)
            return where = set + "its table offsets", false;
        const auto &v = model.IntervalTable[k], &w = read.IntervalTable[k];
        if (v.size() != w.size()) return where = set + "its number of intervals", false;
        for (std::size_t j = 0; j < v.size(); ++j)
            if (v[j].FirstCode != w[j].FirstCode || v[j].LastCode != w[j].LastCode ||
                v[j].FirstIndex != w[j].FirstIndex || v[j].DataBase != w[j].DataBase)
                return where = set + "interval " + std::to_string(j), false;
        const auto &g = model.SymbolTable[k], &h = read.SymbolTable[k];
        for (std::size_t i = 0; i < g.size(); ++i)
            if (g[i].Offset != h[i].Offset || g[i].Interval != h[i].Interval)
                return where = set + "the offset or interval of glyph " + std::to_string(i), false;
    }
    if (model.SetTableTail != read.SetTableTail) return where = "the bytes after the set table", false;
    return true;
}

// --- the langpack ----------------------------------------------------------------------

// Four sets as a phone has them, few glyphs each: digits, letters in two
// intervals with set 3 as set 2's copy, and glyphs wider than 8. The fonts
// area lies at the end, or in the middle when `middle`.
std::vector<uint8_t> SmallLangpack(bool middle) {
    using namespace fixtures;
    LangpackSpec spec;
    spec.Languages = {{0x01, 0x10200000, 0}, {0x23, 0x10280000, 0}};
    spec.Form = TSetTableForm::Framed;
    spec.Sets.push_back(PatternSet(8, {{0x30, 0x39}}, {5, 6}, 100));
    spec.Sets.push_back(PatternSet(12, {{0x41, 0x4A}, {0x410, 0x417}}, {4, 8, 10}, 200));
    spec.Sets.push_back(MirrorOf(spec.Sets[1], 1));
    spec.Sets.push_back(PatternSet(10, {{0x20, 0x25}}, {3, 12}, 300));
    spec.End = SetTableEnd::Marker;
    spec.AfterEnd = {0x11, 0x22, 0x33, 0x44};
    spec.ITapAfterSetTable = middle;
    if (middle) spec.AfterEnd.resize(64, 0x77);
    return BuildLangpack(spec).Bytes;
}

using ScratchFolder = fuzzing::FuzzScratchFolder;

std::vector<uint8_t> FileBytes(const std::string& path) {
    Result<std::vector<uint8_t>> bytes = ReadWholeFile(path, uint64_t{1} << 26);
    if (!bytes) Fail("the langpack cannot be read back: " + bytes.error().message);
    return std::move(*bytes);
}

// --- the run -------------------------------------------------------------------------------

class Run {
public:
    Run(Bytes& bytes, const ScratchFolder& scratch, const std::string& path)
        : bytes_(bytes),
          prompts_(bytes),
          session_(SessionPaths{scratch.folder(), scratch.path("Glyphora.ini"), {}}, prompts_, extraction_),
          path_(path) {
        session_.OpenFile(path_);
        if (!session_.langpack()) Fail("the langpack did not open: " + prompts_.told);
        onDisk_ = FileBytes(path_);
    }

    void step() {
        // Blanks and semicolons keep a seed readable; any other byte is a step.
        static constexpr std::string_view kSteps = "plfReb<n+-WigcyatdxhosurO";
        uint8_t op = bytes_.next();
        if (op == ' ' || op == ';') return;
        if (kSteps.find(static_cast<char>(op)) == std::string_view::npos)
            op = static_cast<uint8_t>(kSteps[op % kSteps.size()]);
        switch (op) {
        case 'p': return draw(Tool::Pencil, 2);
        case 'l': return draw(Tool::Line, 4);
        case 'f': return draw(Tool::Fill, 2);
        case 'R': return draw(Tool::FilledRectangle, 4);
        case 'e': return plain([&] { GlyphSteps(session_).UndoCommand(); });
        case 'b': return plain([&] { GlyphSteps(session_).StepBackward(); });
        case 'n': return plain([&] { GlyphSteps(session_).StepForward(); });
        case '<': return plain([&] { session_.editor().ShiftImageGor(-1); });
        case '+': return plain([&] { session_.editor().IncreaseWidth(); });
        case '-': return plain([&] { session_.editor().DecreaseWidth(); });
        case 'W': {
            prompts_.size = 1 + bytes_.below(kMaxGlyphWidth);
            return plain([&] { GlyphSize(session_).SetWidthCommand(); });
        }
        case 'i': return plain([&] { session_.SaveImageCommand(); });
        case 'g': return storeFromBatch();
        case 'c': {
            const int set = bytes_.below(session_.langpack()->SetCount() + 1);
            return asked([&] { session_.ChooseSet(set); });
        }
        case 'y': {
            const int glyph = bytes_.below(kGlyphChoice);
            return asked([&] { session_.ChooseSymbol(glyph); });
        }
        case 'a': {
            const CodeSpan span = someSpan();
            const int width = bytes_.below(17);
            return asked([&] { CharacterRangesFeature(session_).AddSpan(span, width); });
        }
        case 't': {
            const std::string typed = bytes_.text();
            return asked([&] { CharacterRangesFeature(session_).AddRange(typed, 6); });
        }
        case 'd': {
            const CodeSpan span = someSpan();
            return asked([&] { CharacterRangesFeature(session_).RemoveSpan(span); });
        }
        case 'x': {
            std::vector<int> glyphs(1 + bytes_.below(3));
            for (int& g : glyphs) g = bytes_.below(kGlyphChoice);
            return asked([&] { CharacterRangesFeature(session_).RemoveGlyphs(glyphs); });
        }
        case 'h': {
            prompts_.size = 1 + bytes_.below(24);
            return asked([&] { GlyphSize(session_).SetHeightCommand(); });
        }
        case 'o': {
            const int from = bytes_.below(kGlyphChoice);
            const int to = from + bytes_.below(8);
            return asked([&] { GlyphGeneration(session_).OptimizeChosenSymbols(from, to); });
        }
        case 's': return save();
        case 'u': return walk(true);
        case 'r': return walk(false);
        case 'O': return reopen();
        default: return;
        }
    }

private:
    static constexpr int kGlyphChoice = 24;

    CodeSpan someSpan() {
        static constexpr uint32_t kBases[] = {0x20, 0x30, 0x41, 0x410, 0xFFF8};
        const uint32_t first = kBases[bytes_.below(5)] + static_cast<uint32_t>(bytes_.below(16));
        return {first, std::min<uint32_t>(0xFFFF, first + static_cast<uint32_t>(bytes_.below(12)))};
    }

    // A glyph stored as a batch stores it: of the set's height, bits right
    // of its width paper, as the editor would store it.
    void storeFromBatch() {
        const TLangpack& lp = *session_.langpack();
        const int set = bytes_.below(lp.SetCount());
        const int glyph = bytes_.below(kGlyphChoice);
        const int width = bytes_.below(kMaxGlyphWidth + 1);
        const uint8_t ink = bytes_.next();
        const int height = lp.FontSetTable[static_cast<std::size_t>(set)].Height;
        MonoImage image(GlyphImageWidth(std::max(width, 1)), height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((ink >> ((x + y) % 8)) & 1) image.setPixel(x, y, Pixel::Ink);
        const std::vector<uint8_t> rows = GlyphImageToRows(image, width, height);
        asked([&] {
            session_.StoreGlyph(set, glyph, static_cast<uint8_t>(width), rows);
            // The batch loads the working glyph again when it is done.
            session_.ReloadWorkingGlyph();
        });
    }

    void draw(Tool tool, int points) {
        GlyphEditor& e = session_.editor();
        int xy[4] = {};
        const int w = std::max(1, e.canvasWidth()), h = std::max(1, e.canvasHeight());
        for (int i = 0; i < points; ++i) xy[i] = i % 2 == 0 ? bytes_.below(w) : bytes_.below(h);
        const MouseButton button = bytes_.next() % 2 ? MouseButton::Right : MouseButton::Left;
        plain([&] {
            e.setTool(tool);
            e.mouseDown(button, xy[0], xy[1]);
            if (points > 2) e.mouseMove(xy[2], xy[3]);
            e.mouseUp(button, points > 2 ? xy[2] : xy[0], points > 2 ? xy[3] : xy[1]);
        });
    }

    // A step that changes the model only through the history's steps.
    template <class F>
    void plain(F&& f) {
        const TLangpack before = *session_.langpack();
        const std::size_t steps = session_.langpackHistory().steps();
        const bool canRedo = session_.langpackHistory().CanRedo();
        f();
        settle(before, steps, canRedo);
        checkWorkingGlyph();
    }

    // A step that may first ask "Save the current symbol?": the question is
    // a step of its own (its Yes stores the glyph), so each holds one change.
    template <class F>
    void asked(F&& f) {
        plain([&] { session_.QuestionSaveImage(); });
        if (session_.editor().ImageModified()) return;  // cancelled: the command does not run
        plain(f);
    }

    // Follows the history: a new step keeps the langpack as it was before it.
    void settle(const TLangpack& before, std::size_t steps, bool canRedo) {
        const LangpackHistory& history = session_.langpackHistory();
        const std::size_t now = history.steps();
        std::string where;
        if (now == steps && history.CanRedo() == canRedo) {
            if (!SameContent(before, *session_.langpack(), where))
                Fail("a step outside the langpack history changed " + where);
        } else if (now == undo_.size() + 1 && !history.CanRedo()) {
            undo_.push_back(before);
            redo_.clear();
        } else if (now == undo_.size() && !history.CanRedo()) {
            // A command that changed nothing dropped the steps to redo.
            if (!SameContent(before, *session_.langpack(), where))
                Fail("a step outside the langpack history changed " + where);
            redo_.clear();
        } else {
            Fail("one command left " + std::to_string(now) + " steps after " + std::to_string(steps));
        }
    }

    void walk(bool back) {
        plain([&] { session_.QuestionSaveImage(); });
        if (session_.editor().ImageModified()) return;
        std::vector<TLangpack>& from = back ? undo_ : redo_;
        std::vector<TLangpack>& to = back ? redo_ : undo_;
        const bool can = back ? session_.commandInputs().canUndoLangpack : session_.commandInputs().canRedoLangpack;
        if (can != !from.empty()) Fail(back ? "Undo langpack change is offered wrongly" : "Redo is offered wrongly");
        const TLangpack before = *session_.langpack();
        back ? LangpackUndo(session_).Undo() : LangpackUndo(session_).Redo();
        if (!can) return;
        std::string where;
        if (!SameContent(*session_.langpack(), from.back(), where))
            Fail(std::string(back ? "an Undo" : "a Redo") + " did not give back the langpack as it was: " + where);
        from.pop_back();
        to.push_back(before);
        checkWorkingGlyph();
    }

    void save() {
        plain([&] { session_.QuestionSaveImage(); });
        if (session_.editor().ImageModified()) return;
        const bool modified = session_.LangModified();
        plain([&] { session_.SaveLang(); });
        const std::vector<uint8_t> now = FileBytes(path_);
        if (modified && session_.LangModified()) {
            if (now != onDisk_) Fail("a refused save changed the file: " + prompts_.told);
            return;
        }
        if (!modified && now != onDisk_) Fail("a save with nothing to save wrote the file");
        onDisk_ = now;
        checkFile();
    }

    void reopen() {
        plain([&] { session_.QuestionSaveImage(); });
        if (session_.editor().ImageModified()) return;
        const bool modified = session_.LangModified();
        const TLangpack before = *session_.langpack();
        session_.OpenFile(path_);
        const std::vector<uint8_t> now = FileBytes(path_);
        if (session_.LangModified()) {
            // Cancelled, or a save that was refused: the langpack stays as it was.
            std::string where;
            if (!SameContent(before, *session_.langpack(), where)) Fail("a cancelled open changed " + where);
            if (now != onDisk_) Fail("a refused save before an open changed the file");
            return;
        }
        if (!modified && now != onDisk_) Fail("an open wrote an unchanged langpack");
        onDisk_ = now;
        if (session_.langpackHistory().steps() == 0) {
            undo_.clear();
            redo_.clear();
        }
        checkFile();
        checkWorkingGlyph();
    }

    void checkFile() {
        const Result<TLangpack> read = ReadLangpack(onDisk_);
        if (!read) Fail("the saved file does not read as a langpack: " + read.error().message);
        std::string where;
        if (!SameAsRead(*session_.langpack(), *read, where))
            Fail("the saved file reads otherwise than the model: " + where);
    }

    void checkWorkingGlyph() {
        const GlyphEditor& e = session_.editor();
        const Symbols* glyph = session_.workingGlyph();
        if (!glyph || e.ImageModified() || e.SelectionActive()) return;
        const int height = session_.setHeight(session_.CurrentSet());
        if (e.GlyphWidth() != glyph->Width || e.SaveImage(height) != glyph->Data)
            Fail("the canvas shows a glyph the model does not hold, and counts as unchanged");
    }

    Bytes& bytes_;
    FuzzPrompts prompts_;
    CoreFlashExtraction extraction_;
    Session session_;
    std::string path_;
    std::vector<uint8_t> onDisk_;
    std::vector<TLangpack> undo_;  // the langpack before each step Undo would take back, oldest first
    std::vector<TLangpack> redo_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const ScratchFolder scratch("fuzz-session");
    static const std::vector<uint8_t> atEnd = SmallLangpack(false);
    static const std::vector<uint8_t> inMiddle = SmallLangpack(true);
    if (size == 0) return 0;
    Bytes bytes(data, size);
    const std::string path = scratch.path("lang.smg");
    {
        const std::vector<uint8_t>& file = bytes.next() == 'm' ? inMiddle : atEnd;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        if (!out) Fail("the scratch langpack cannot be written");
    }
    Run run(bytes, scratch, path);
    for (int steps = 0; !bytes.empty() && steps < 200; ++steps) run.step();
    return 0;
}
