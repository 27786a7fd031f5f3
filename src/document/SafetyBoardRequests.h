// The dialogs of the safety-board commands of the chart view, raised through the UI services
// (DialogRequest): the disaster-and-countermeasure frames (dialog 306 "災害と対策枠一括入力"), the
// weekly-target frames (dialog 417), the duty-frame choice (dialog 365) and the duty roster
// sheet (caption 115 "安全当番枠一括入力"), and the texts of a disaster pair (dialog 308, texts
// of "ANKAN.INI") or of a weekly-target pair (dialog 420, texts of "MANKAN.INI").
//
// The frame dialogs build their frames themselves on OK; the text dialogs write the chosen
// texts into the two frames they are given. Until a dialog library registers a handler, a
// request is answered IDCANCEL and nothing changes.
#pragma once

#include "platform/Ui.h"

namespace tembra {

class CPageLayout;
class CSyokiSet;
class CTembraDoc;
class CZukeiString;

// What every frame dialog works on: the document's settings record, the document and the
// page layout of the view the frames are built in.
struct SafetyBoardTarget {
    CSyokiSet* settings = nullptr;
    CTembraDoc* document = nullptr;
    const CPageLayout* layout = nullptr;
};

// The disaster (災害) and countermeasure (対策) frames laid out at once.
class DisasterFrameRequest : public DialogRequest, public SafetyBoardTarget {
public:
    const char* Name() const override { return "DisasterFrameDlg"; }
};

// The weekly goal (週間目標) and actions (実施項目) frames laid out at once.
class WeekTargetFrameRequest : public DialogRequest, public SafetyBoardTarget {
public:
    const char* Name() const override { return "WeekTargetFrameDlg"; }
};

// Which duty frames the roster builds: choice out on OK (the dialog's own codes).
class ToubanCreateSelRequest : public DialogRequest, public SafetyBoardTarget {
public:
    const char* Name() const override { return "ToubanCreateSelDlg"; }
    int choice = 0;
};

// The duty roster sheet: the frames of the choice and the duty persons in them; it validates
// its pages in its own loop and builds on OK.
class ManeiToubanSheetRequest : public DialogRequest, public SafetyBoardTarget {
public:
    const char* Name() const override { return "ManeiToubanSheet"; }
    int choice = 0;
};

// The texts of a pair of framed texts: first has the first role of the pair (1 disaster, 3
// weekly goal), second the second (2 countermeasure, 4 actions).
struct SafetyTextPair {
    CTembraDoc* document = nullptr;
    CZukeiString* first = nullptr;
    CZukeiString* second = nullptr;
};

class DisasterTextRequest : public DialogRequest, public SafetyTextPair {
public:
    const char* Name() const override { return "DisasterTextDlg"; }
};

class WeekTargetTextRequest : public DialogRequest, public SafetyTextPair {
public:
    const char* Name() const override { return "WeekTargetTextDlg"; }
};

} // namespace tembra
