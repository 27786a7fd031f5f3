// The one colour request of both programs: every colour choice (a line's, a fill's, a text's)
// raises it, and the colour dialog of platform/qt answers it (RunColorDialog).
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

// Asked for a colour: color comes in as the colour the dialog starts from and goes out as the
// colour chosen. On IDCANCEL it is left as it came.
class ColorRequest : public DialogRequest {
public:
    const char* Name() const override { return "Color"; }
    COLORREF color = RGB(0, 0, 0);
};

} // namespace tembra
