// What the document's operations tell the term bar (用語バー) of the main window: a text the user
// gave an object goes into the bar's input history, and the colour of the selected object is
// shown in the bar's colour list. The shell's bar implements it and registers with the
// application's state; without a bar nothing is told.
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

class IYogoBarObserver {
public:
    virtual ~IYogoBarObserver() = default;
    // The text (CP932) joins the input history (the bar drops empty texts and ones it holds).
    virtual void AddYogoHistory(const std::string& text) = 0;
    // The colour list shows the entry of the colour ("その他" for one of none of the six).
    virtual void SetYogoColor(COLORREF color) = 0;
};

} // namespace tembra
