// The editing state of a document: the current operation (draw, edit, copy, move ...), the object
// mode (which kind of chart object the mouse works on), the sub-state of a multi-click action and
// the mode and operation saved across a temporary switch. Every change of mode or operation is
// announced to the main window at once (the "mode changed" notice, which re-lays its bars), and
// every change of sub-state shows the guide for the next mouse action in the status bar.
//
// The state is the base of the operation settings part CConfigOperation, which supplies the two
// settings operations the state relies on: the "GuideMode" setting and the copy of the eight
// settings that InitMode takes from the application's defaults.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CConfigOperation;

class COperationState {
public:
    // Object modes.
    enum : LONG {
        kModeKoumoku = 0,
        kModeKoutei = 1,
        kModeYogo = 2,
        kModeShincyoku = 3,
        kModeZukei = 4,
        kModeObject = 5,
        kModeEvent = 6,
        kModeShigen = 7,
        kModeChart = 8,
        kModeAreaZoom = 11,
    };
    // Operations.
    enum : LONG {
        kOpDraw = 0,
        kOpEdit = 1,
        kOpCopy = 2,     // copy by a reference point
        kOpMove = 3,     // move by a reference point
        kOpCopyFree = 4, // copy while some nodes are free
        kOpMoveFree = 5, // move while some nodes are free (stretch)
        kOpCopyPick = 6, // copy of objects still to be picked
        kOpMovePick = 7, // move of objects still to be picked
        kOpDeformApply = 8,
        kOpDeformPick = 9,
        kOpMoveBend = 10, // move the bend of a bent process line
    };

    COperationState() = default;
    COperationState(const COperationState&) = default;
    COperationState& operator=(const COperationState&) = default;
    virtual ~COperationState() = default;

    // The "GuideMode" setting: guide texts on (non-zero) or off.
    virtual LONG GetGuideMode() const = 0;
    // Copies the eight OperationConfig settings (not this state).
    virtual CConfigOperation& Copy(const CConfigOperation& source) = 0;

    LONG GetMode() const { return m_mode; }
    LONG GetOperation() const { return m_operation; }
    WORD GetState() const { return m_state; }
    // The saved values as held: 0 when nothing is saved, else the value plus 1.
    LONG GetSavedMode() const { return m_savedMode; }
    LONG GetSavedOperation() const { return m_savedOperation; }
    // The drawing tool chosen in the shape mode.
    LONG GetToolCode() const { return m_toolCode; }
    void SetToolCode(LONG tool) { m_toolCode = tool; }

    // The starting state of a document: draw operation, process mode, sub-state 0, then the
    // eight settings from the application's defaults.
    void InitMode();

    // Stores the sub-state and shows its guide.
    void SetState(WORD state);
    // A different mode is stored, the saved mode and operation are forgotten, the sub-state
    // returns to 0 and the main window is told. The same mode changes nothing.
    void SetMode(LONG mode);
    // A different operation is stored, the saved operation is forgotten, the sub-state returns
    // to 0 and the main window is told. The same operation changes nothing.
    void SetOperation(LONG operation);
    // Operation draw; embedded objects have none, so their mode gives way to the process mode.
    void SetDrawOperation();
    void SetEditOperation() { SetOperation(kOpEdit); }
    void SetProcessMode() { SetMode(kModeKoutei); }
    void SetCopyOperation() { SetOperation(kOpCopy); }
    void SetCopyPickOperation() { SetOperation(kOpCopyPick); }
    void SetMoveOperation() { SetOperation(kOpMove); }
    void SetMovePickOperation() { SetOperation(kOpMovePick); }
    void SetTermMode() { SetMode(kModeYogo); }
    void SetProgressMode() { SetMode(kModeShincyoku); }
    void SetZukeiMode() { SetMode(kModeZukei); }
    void SetObjectMode() { SetMode(kModeObject); }
    void SetEventMode() { SetMode(kModeEvent); }
    void SetShigenMode() { SetMode(kModeShigen); }
    void SetChartMode() { SetMode(kModeChart); }

    // Switches that keep the sub-state and the saved values (for temporary switches): a
    // different mode, or any operation, is stored and the main window is told.
    void ChangeMode(LONG mode);
    void ChangeOperation(LONG operation);
    // The copy or move of item cells, a temporary switch to the item mode that keeps the
    // sub-state and the saved values for the return.
    void BeginItemCopy() {
        ChangeMode(kModeKoumoku);
        ChangeOperation(kOpCopy);
    }
    void BeginItemMove() {
        ChangeMode(kModeKoumoku);
        ChangeOperation(kOpMove);
    }

    // Remember the current (or a given) mode or operation for RestoreMode / RestoreOperation.
    void SaveMode() { m_savedMode = m_mode + 1; }
    void SaveOperation() { m_savedOperation = m_operation + 1; }
    void SetSavedMode(LONG mode) { m_savedMode = mode + 1; }
    void SetSavedOperation(LONG operation) { m_savedOperation = operation + 1; }
    // When an operation is saved: returns to it (SetOperation) and forgets it.
    void RestoreOperation();
    // When a mode is saved: returns to it, forgets it, restores the operation and tells the
    // main window.
    void RestoreMode();

    // Shows the guide of the current mode, operation and sub-state in the status bar, unless
    // guide texts are off or the state has no guide.
    void ShowModeGuide() const;
    // The string-table id of the guide for a state, or 0 when it has none.
    static UINT GuideStringId(LONG mode, LONG operation, WORD state, LONG toolCode);

private:
    LONG m_operation = kOpDraw;
    LONG m_savedOperation = 0;
    LONG m_mode = 0;
    LONG m_savedMode = 0;
    WORD m_state = 0;
    LONG m_toolCode = 0;
};

} // namespace tembra
