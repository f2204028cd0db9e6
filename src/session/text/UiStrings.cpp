#include "UiStrings.h"

namespace glyphora {

const std::string& UiStrings::text(int slot) const {
    static const std::string kNone;
    return IsSlot(slot) ? slots_[static_cast<std::size_t>(slot)] : kNone;
}

void UiStrings::set(int slot, std::string text) {
    if (IsSlot(slot)) slots_[static_cast<std::size_t>(slot)] = std::move(text);
}

}  // namespace glyphora
