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

}  // namespace glyphora
