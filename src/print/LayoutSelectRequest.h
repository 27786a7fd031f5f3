// The layout selection (management mode): answers IDOK with the chosen file name ("" for a new
// layout) or IDCANCEL.
#pragma once

#include "platform/Ui.h"

#include <string>

namespace tembra {

class LayoutSelectRequest : public DialogRequest {
public:
    const char* Name() const override { return "LayoutSelect"; }
    std::string fileName; // CP932, a name in the layout folder
};

} // namespace tembra
