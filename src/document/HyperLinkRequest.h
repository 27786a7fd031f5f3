// The hyperlink dialog (415) as a request: the caption's string id (5160 insert, 5161 edit),
// the text the link shows and where it leads, and whether that is a mail address (the caller
// keeps the "mailto:" prefix out of the address and puts it back).
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

#include <string>

namespace tembra {

class HyperLinkRequest : public DialogRequest {
public:
    const char* Name() const override { return "HyperLink"; }
    UINT captionId = 5160;
    std::string text;    // CP932
    std::string address; // without "mailto:"
    bool mail = false;
};

} // namespace tembra
