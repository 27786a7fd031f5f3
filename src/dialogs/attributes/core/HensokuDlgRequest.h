// The irregular period dialog (254 "変則期間設定") as a request: the periods to edit, written
// back only on OK.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CHensoku;

class HensokuDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "HensokuDlg"; }
    CHensoku* hensoku = nullptr;
};

} // namespace tembra
