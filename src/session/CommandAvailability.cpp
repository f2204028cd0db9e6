#include "CommandAvailability.h"

#include <GlyphEditor.h>

#include <iterator>

namespace glyphora {

const char* CommandName(Command c) {
    static constexpr const char* kNames[] = {
#define GLYPHORA_COMMAND_NAME(name) #name,
        GLYPHORA_COMMANDS(GLYPHORA_COMMAND_NAME)
#undef GLYPHORA_COMMAND_NAME
    };
    const auto i = static_cast<std::size_t>(c);
    return i < std::size(kNames) ? kNames[i] : "Count";
}

CommandSet EnabledCommands(const CommandInputs& in) {
    CommandSet on;
    auto set = [&on](Command c, bool value) { on.set(static_cast<std::size_t>(c), value); };
    for (Command c : {Command::OpenFile, Command::Exit, Command::About, Command::SelectFont, Command::SelectFontFile,
                      Command::English, Command::Russian, Command::LoadLanguage, Command::PixelGrid,
                      Command::SampleText, Command::GlyphMap})
        set(c, true);
    // "SHX" and the "Language" menu stay off for the whole run.
    set(Command::Shx, false);
    set(Command::LanguageMenu, false);

    set(Command::SaveLangpack, in.langModified);
    set(Command::SaveImage, in.langFileOpen && in.glyphShown && in.imageModified);
    set(Command::Undo, in.langFileOpen && in.undoAvailable);
    set(Command::ZoomIn, in.langFileOpen && in.zoom < in.zoomTop);
    set(Command::ZoomOut, in.langFileOpen && in.zoom > kZoomLadder[0]);
    for (Command c : kGlyphCommands) set(c, in.glyphSelected);
    // The whole-set commands work on the set shown, with or without glyphs.
    for (Command c : {Command::ExportSetBdf, Command::ImportSetBdf, Command::ExportSetPng, Command::ImportSetPng})
        set(c, in.langFileOpen && in.setShown);
    set(Command::StepBackward, in.glyphShown && in.canStepBackward);
    set(Command::StepForward, in.glyphShown && in.canStepForward);
    set(Command::UndoLangpack, in.langFileOpen && in.canUndoLangpack);
    set(Command::RedoLangpack, in.langFileOpen && in.canRedoLangpack);
    set(Command::CharacterRanges, in.setShown);
    set(Command::GoToCharacter, in.langFileOpen);
    // Fit is a zoom and follows the zoom pair; guides belong to the set shown.
    set(Command::FitGlyph, in.langFileOpen);
    set(Command::Guides, in.langFileOpen && in.setShown);
    for (Command c : {Command::CopyGlyphs, Command::PasteGlyphs, Command::CopyFromLangpack})
        set(c, in.langFileOpen && in.setShown);
    set(Command::CompareWith, in.langFileOpen);
    set(Command::CloseComparison, in.langFileOpen && in.comparing);
    set(Command::NextDifference, in.langFileOpen && in.comparing);
    return on;
}

}  // namespace glyphora
