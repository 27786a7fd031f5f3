// The dialog of a command on a document's operation settings (dialog 146 作図・編集条件 as
// "DocDrawEditConditions"): it edits them in place and answers IDOK or IDCANCEL.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CConfigOperation;

class DocOperationRequest : public DialogRequest {
public:
    DocOperationRequest(const char* n, CConfigOperation& s) : name(n), operation(s) {}
    const char* Name() const override { return name; }
    const char* name;
    CConfigOperation& operation;
};

} // namespace tembra
