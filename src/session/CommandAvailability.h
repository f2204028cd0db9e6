// Which commands of the main window are enabled: one pure function of the
// session's and the editor's state, so the rules are tested without a window.
#pragma once

#include <bitset>
#include <cstddef>

namespace glyphora {

// Every command of the main window, in id order. Each entry gives the id
// `Command::Name` and the name CommandName() prints ("Name"), so the two
// cannot drift apart; a new command is one more entry here.
#define GLYPHORA_COMMANDS(X)                \
    X(OpenFile)                             \
    X(SaveImage)                            \
    X(SaveLangpack)                         \
    X(Shx)                                  \
    X(Exit)                                 \
    X(Undo)                                 \
    X(Clear)                                \
    X(SelectAll)                            \
    X(Copy)                                 \
    X(Cut)                                  \
    X(Paste)                                \
    X(ExportBitmap)                         \
    X(ImportBitmap)                         \
    X(ShiftLeft)                            \
    X(ShiftRight)                           \
    X(ZoomIn)                               \
    X(ZoomOut)                              \
    X(SetWidth)                             \
    X(IncreaseWidth)                        \
    X(DecreaseWidth)                        \
    X(SelectFont)                           \
    X(SelectFontFile)                       \
    X(ReplaceSymbols)                       \
    X(OptimizeWidths)                       \
    X(SetHeight)                            \
    X(LanguageMenu)                         \
    X(English)                              \
    X(Russian)                              \
    X(LoadLanguage)                         \
    X(About)                                \
    X(ExportSetBdf)                         \
    X(ImportSetBdf)                         \
    X(ExportSetPng)                         \
    X(StepBackward)                         \
    X(StepForward)                          \
    X(GoToCharacter)                        \
    X(FitGlyph)                             \
    X(Guides)                               \
    X(UndoLangpack)                         \
    X(RedoLangpack)                         \
    X(CharacterRanges)                      \
    X(GenerateGlyphs)                       \
    X(ImportSetPng)                         \
    X(FlipHorizontal)                       \
    X(FlipVertical)                         \
    X(Rotate180)                            \
    X(Invert)                               \
    X(ShiftUp)                              \
    X(ShiftDown)                            \
    X(Bold)                                 \
    X(Oblique)                              \
    X(CopyGlyphs)                           \
    X(PasteGlyphs)                          \
    X(CopyFromLangpack)                     \
    X(CompareWith)                          \
    X(CloseComparison)                      \
    X(NextDifference)                       \
    /* The view toggles last: always on. */ \
    X(PixelGrid)                            \
    X(SampleText)                           \
    X(GlyphMap)

// clang-format off
enum class Command : std::size_t {
#define GLYPHORA_COMMAND_ID(name) name,
    GLYPHORA_COMMANDS(GLYPHORA_COMMAND_ID)
#undef GLYPHORA_COMMAND_ID
    Count
};
// clang-format on

// The id's own name ("OpenFile"), for tests and messages.
const char* CommandName(Command c);

using CommandSet = std::bitset<static_cast<std::size_t>(Command::Count)>;

// The commands that become available once a glyph has been selected, and stay so.
inline constexpr Command kGlyphCommands[] = {
    Command::Clear,          Command::SelectAll,      Command::Copy,          Command::Cut,
    Command::Paste,          Command::ExportBitmap,   Command::ImportBitmap,  Command::ShiftLeft,
    Command::ShiftRight,     Command::SetWidth,       Command::IncreaseWidth, Command::DecreaseWidth,
    Command::ReplaceSymbols, Command::OptimizeWidths, Command::SetHeight,     Command::GenerateGlyphs,
    Command::FlipHorizontal, Command::FlipVertical,   Command::Rotate180,     Command::Invert,
    Command::ShiftUp,        Command::ShiftDown,      Command::Bold,          Command::Oblique};

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
    bool comparing = false;  // another langpack is compared with the open one
};

CommandSet EnabledCommands(const CommandInputs& in);

inline bool Enabled(const CommandSet& set, Command c) { return set.test(static_cast<std::size_t>(c)); }

}  // namespace glyphora
