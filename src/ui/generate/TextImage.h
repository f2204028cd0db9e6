// A line of text drawn black on white in a desktop font, as the 1-bit image
// that Insert text places on the glyph.
#pragma once

#include "MonoImage.h"

#include <QFont>
#include <QString>

namespace glyphora {

// The text's extent in the font (its advance by the font's line height),
// cut to maxWidth x maxHeight: a longer or taller text is clipped, never
// refused. Drawn without smoothing and reduced to ink and paper by the
// nearer of black and white. Empty when the text or the room is empty.
MonoImage RenderTextImage(const QString& text, const QFont& font, int maxWidth, int maxHeight);

}  // namespace glyphora
