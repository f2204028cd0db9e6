// A core header that includes Qt: the check must name it.
#pragma once

#include <QString>
