#include "TransformCommands.h"

#include <FontPage.h>
#include <GlyphTransforming.h>
#include <SetGuidesView.h>

#include <utility>

namespace glyphora {

namespace {

constexpr std::pair<Command, GlyphTransform> kTransformCommands[] = {
    {Command::FlipHorizontal, GlyphTransform::FlipHorizontal},
    {Command::FlipVertical, GlyphTransform::FlipVertical},
    {Command::Rotate180, GlyphTransform::Rotate180},
    {Command::Invert, GlyphTransform::Invert},
    {Command::ShiftUp, GlyphTransform::ShiftUp},
    {Command::ShiftDown, GlyphTransform::ShiftDown},
    {Command::Bold, GlyphTransform::Bold},
    {Command::Oblique, GlyphTransform::Oblique},
};

}  // namespace

void BindTransformCommands(const CommandContext& c, FontPage* fontPage, const SetGuidesView& guides) {
    Session& s = c.session;
    for (const auto& [command, transform] : kTransformCommands)
        Bind(c, command, [&s, fontPage, &guides, transform = transform] {
            const GridRowRange rows = fontPage->chosenGlyphRows();
            GlyphTransforming(s).TransformChosen(transform, rows.top, rows.bottom, guides.current().baseline);
        });
}

}  // namespace glyphora
