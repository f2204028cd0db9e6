// A desktop font between Qt and the session: the height as a negative pixel
// height (the characters' height, as a font dialog's point size gives it).
#pragma once

#include <Prompts.h>

#include <QFont>

namespace glyphora {

QFont ToQFont(const Prompts::Font& font);
// Also measures the text "Test" in the font.
Prompts::Font FromQFont(const QFont& font);

}  // namespace glyphora
