// Comparisons between a langpack model, the description a fixture was built
// from, and another model.
#pragma once

#include "Langpack.h"
#include "LangpackBuilder.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glyphora::testing_support {

// The model holds exactly the sets, intervals and glyphs the description gave.
void ExpectModelMatchesSpec(const TLangpack& lp, const fixtures::LangpackSpec& spec);

// Everything a file stores is the same (previews and the FontAreaSize of the
// opening are not stored and are left out).
void ExpectSameStoredModel(const TLangpack& expected, const TLangpack& actual);

// The intervals in use of set k as "U+0041-U+0045@0 U+0046-U+004A@5",
// interval 0 first ("-" when it is not in use).
std::string IntervalText(const TLangpack& lp, int k);

// The file form of memory-form rows.
std::vector<uint8_t> FileForm(std::span<const uint8_t> memoryRows);

}  // namespace glyphora::testing_support
