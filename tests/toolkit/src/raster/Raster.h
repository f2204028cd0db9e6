// A core header of the checker's sample tree.
#pragma once

#include <cstdint>
