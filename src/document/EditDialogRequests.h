// The dialogs of the Edit menu's row, column and replace commands, as requests raised through
// the UI services; unanswered they come back as Cancel and the command changes nothing.
#pragma once

#include "platform/Types.h"
#include "platform/Ui.h"

#include <string>

namespace tembra {

// Dialog 168 "行削除" and dialog 173 "列削除": 0 moves the later rows up (the later columns
// left), 1 only blanks.
class LineDeleteDlgRequest : public DialogRequest {
public:
    enum : int { kMoveUp = 0, kBlank = 1 };
    const char* Name() const override { return "LineDeleteDlg"; }
    int method = kMoveUp;
};

class ColumnDeleteDlgRequest : public DialogRequest {
public:
    enum : int { kMoveLeft = 0, kBlank = 1 };
    const char* Name() const override { return "ColumnDeleteDlg"; }
    int method = kMoveLeft;
};

// Dialog 251: find and replace. In: whether the command may work on the selection only, the
// operation and the object mode. Out: the texts and options the replace operations take, and
// the action the user chose: select the matching objects or replace every match.
class FindReplaceDlgRequest : public DialogRequest {
public:
    enum : int { kSelect = 1, kReplace = 2 };
    const char* Name() const override { return "FindReplaceDlg"; }
    int action = kReplace;
    bool selectionAvailable = false;
    LONG operation = 0;
    LONG mode = 0;
    std::string search; // CP932
    std::string replacement;
    bool wholeMatch = false;
    bool selectionOnly = false;
};

} // namespace tembra
