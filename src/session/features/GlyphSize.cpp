#include "GlyphSize.h"

namespace glyphora {

void GlyphSize::SetWidthCommand() {
    if (!session_.glyphShown()) return;
    GlyphEditor& editor = session_.editor();
    const std::optional<int> width =
        session_.prompts().askSize(Prompts::SizeMode::Width, editor.GlyphWidth(), editor.GlyphHeight());
    if (width) editor.SetWidth(*width);
    session_.report().stateChanged();
}

void GlyphSize::SetHeightCommand() {
    if (!session_.glyphShown()) return;
    if (!session_.QuestionSaveImage()) return;
    const std::optional<int> height = session_.prompts().askSize(
        Prompts::SizeMode::Height, session_.editor().GlyphWidth(), session_.editor().GlyphHeight());
    if (height) SetHeight(*height);
}

void GlyphSize::SetHeight(int height) {
    const int set = session_.CurrentSet();
    // The height the set has already changes nothing: no step, no change to save.
    if (!session_.langpack() || set < 0 || height == session_.setHeight(set)) return;
    Session::LangpackStep step = session_.beginStep("Set height", set);
    session_.StoreSetHeight(set, static_cast<uint16_t>(height));
    step.commit(static_cast<int>(session_.langpack()->glyphs(set).size()));
}

}  // namespace glyphora
