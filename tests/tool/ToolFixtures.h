// Langpack descriptions of every kind the tool's tests run over.
#pragma once

#include "LangpackBuilder.h"

#include <string>
#include <vector>

namespace glyphora::testing {

struct NamedFixture {
    std::string name;
    fixtures::LangpackSpec spec;
    // Laid out as a save lays it out, so that resaving it changes no byte.
    bool canonical = true;
};

std::vector<NamedFixture> AllFixtures();

}  // namespace glyphora::testing
