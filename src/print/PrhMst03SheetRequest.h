// The property sheet of the plan texts of the safety-and-health form (caption 114
// "安全衛生管理計画表") on a print header, as a request raised through the UI services.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CPrHeader;

class PrhMst03SheetRequest : public DialogRequest {
public:
    explicit PrhMst03SheetRequest(CPrHeader& h) : header(h) {}
    const char* Name() const override { return "PrhMst03Sheet"; }
    CPrHeader& header;
};

} // namespace tembra
