// Writes a BdfFont as BDF text with LF line ends. The counts of
// STARTPROPERTIES and CHARS are those of the model; ReadBdf gives back the
// same font.
#pragma once

#include "BdfFont.h"

#include <string>

namespace glyphora {

std::string WriteBdf(const BdfFont& font);

}  // namespace glyphora
