// The two interface languages built into the program. Each assigns slots 1 to
// 168 as a whole set: a slot the set has no text for becomes empty, so
// switching from a language file to a built-in set leaves nothing of the file
// in those slots. Slot 0 and slots 169 to 200 are not touched.
#pragma once

#include "UiStrings.h"

namespace glyphora {

inline constexpr int kFirstBuiltinSlot = 1;
inline constexpr int kLastBuiltinSlot = 168;

void AssignEnglish(UiStrings& strings);
void AssignRussian(UiStrings& strings);

}  // namespace glyphora
