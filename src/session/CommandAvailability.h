// Which commands of the main window are enabled: one pure function of the
// session's and the editor's state, so the rules are tested without a window.
#pragma once

#include <bitset>
#include <cstddef>

namespace glyphora {

enum class Command : std::size_t {
    OpenFile,
    SaveImage,
    SaveLangpack,
    Shx,
    Exit,
    Undo,
    Clear,
    SelectAll,
    Copy,
    Cut,
    Paste,
    ExportBitmap,
    ImportBitmap,
    ShiftLeft,
    ShiftRight,
    ZoomIn,
    ZoomOut,
    SetWidth,
    IncreaseWidth,
    DecreaseWidth,
    SelectFont,
    SelectFontFile,
    ReplaceSymbols,
    OptimizeWidths,
    SetHeight,
    LanguageMenu,
    English,
    Russian,
    LoadLanguage,
    About,
    ExportSetBdf,
    ImportSetBdf,
    ExportSetPng,
    StepBackward,
    StepForward,
    GoToCharacter,
    FitGlyph,
    Guides,
    UndoLangpack,
    RedoLangpack,
    CharacterRanges,
    GenerateGlyphs,
    // The view toggles last: always on.
    PixelGrid,
    SampleText,
    Count
};

using CommandSet = std::bitset<static_cast<std::size_t>(Command::Count)>;

// The commands that become available once a glyph has been selected, and stay so.
inline constexpr Command kGlyphCommands[] = {
    Command::Clear,          Command::SelectAll,      Command::Copy,          Command::Cut,
    Command::Paste,          Command::ExportBitmap,   Command::ImportBitmap,  Command::ShiftLeft,
    Command::ShiftRight,     Command::SetWidth,       Command::IncreaseWidth, Command::DecreaseWidth,
    Command::ReplaceSymbols, Command::OptimizeWidths, Command::SetHeight,     Command::GenerateGlyphs};

struct CommandInputs {
    bool langFileOpen = false;   // a langpack has been read
    bool setShown = false;       // the glyph grid shows a set of the langpack
    bool glyphSelected = false;  // a glyph has been selected once: the glyph commands stay on from then
    bool glyphShown = false;     // the canvas holds a glyph of the langpack
    bool imageModified = false;
    bool langModified = false;
    bool undoAvailable = false;
    int zoom = 1;
    int zoomTop = 16;              // the highest step Zoom + may reach (higher in a large pane)
    bool canStepBackward = false;  // the working glyph has steps back (forward) in its history
    bool canStepForward = false;
    bool canUndoLangpack = false;  // the langpack-wide history has a step to undo (redo)
    bool canRedoLangpack = false;
};

CommandSet EnabledCommands(const CommandInputs& in);

inline bool Enabled(const CommandSet& set, Command c) { return set.test(static_cast<std::size_t>(c)); }

}  // namespace glyphora
