// The font selection dialog (159 "フォント選択") as a request: the record to edit, written only
// on OK, and the two options a caller may set.
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class FontSelDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "FontSelDlg"; }
    // Face and height in; on OK the chosen face's record with lfHeight -h and lfWidth h / 2.
    LOGFONT font;
    // "基準フォント優先": -1 hides the box; 0 or 1 its state in and out.
    int baseFontCheck = -1;
    // The height cannot be changed.
    bool sizeLocked = false;
};

} // namespace tembra
