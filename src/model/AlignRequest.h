// The align dialog (dialog 131 "整列") as the events' align command asks for it: the values in
// as last chosen, out as chosen on OK.
#pragma once

#include "model/AlignValues.h"
#include "platform/Ui.h"

namespace tembra {

class AlignRequest : public DialogRequest {
public:
    const char* Name() const override { return "Align"; }
    AlignValues values;
};

} // namespace tembra
