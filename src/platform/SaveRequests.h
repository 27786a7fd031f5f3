// What a document asks of the user interface when it is saved or closed (see DialogRequest).
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

#include <string>

namespace tembra {

// Asked before a modified document is closed: answer IDYES (save), IDNO (discard) or IDCANCEL.
class SaveChangesRequest : public DialogRequest {
public:
    const char* Name() const override { return "SaveChanges"; }
    std::string title; // the document's title (CP932)
    int answer = IDCANCEL;
};

// Asked for the file a document is saved to: path comes in as the proposal and goes out as the
// chosen file.
class SaveAsRequest : public DialogRequest {
public:
    const char* Name() const override { return "SaveAs"; }
    std::string path;
    bool replace = true; // false: a copy is saved; the document keeps its own file
};

} // namespace tembra
