#include "EditorHost.h"

namespace glyphora {

const char* DefaultStatusPrefix(StatusPanel panel) {
    switch (panel) {
    case StatusPanel::Size: return "Size: ";
    case StatusPanel::Cursor: return "Cursor: ";
    case StatusPanel::Selection: return "Select: ";
    }
    return "";
}

std::string StatusText(const std::string& prefix, int a, int b) {
    return prefix + std::to_string(a) + "x" + std::to_string(b);
}

}  // namespace glyphora
