#include "layout_editor/core/EditorSettings.h"

namespace marquell {

int CEditorSettings::GetLineWidth(int kind) const {
    switch (kind) {
    case kWidthThin:
        return thinWidth;
    case kWidthBold:
        return boldWidth;
    default:
        return normalWidth;
    }
}

} // namespace marquell
