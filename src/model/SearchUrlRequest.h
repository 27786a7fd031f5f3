// The online term-search settings dialog; it keeps its own entries in the profile.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class SearchUrlRequest : public DialogRequest {
public:
    const char* Name() const override { return "SearchUrlSettings"; }
};

} // namespace tembra
