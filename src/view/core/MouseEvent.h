// The chart view's record of the last mouse event: where it happened (logical units of the chart,
// 0.1 mm with y upwards), what it was (an event code made from the message and the buttons still
// held), which of Shift, Ctrl and Alt were down, and the chart position under the pointer (date,
// row, item column, fractional row); beside it the snapshots a tracking state machine keeps over
// a gesture: where the drag started (with its date and fractional row), the last point it
// reached (likewise) and the point before the current one.
//
// Event codes: 1 left press, 2 right press, 3 left press with the right button held, 4 left
// release, 7 right press with the left button held, 8 right release, 13 right release with the
// left button held, 14 left release with the right button held, 16 move, 17 move with the left
// button, 18 with the right, 19 with both, 0x8000 left double click; 0 any other combination
// (the middle button held, for one). Modifier bits: 0x100 Shift, 0x200 Ctrl; Alt has a bit of
// its own (0x400) that no edit function of the chart reads as Shift or Ctrl.
#pragma once

#include "platform/Time.h"
#include "platform/Types.h"

namespace tembra {

// The key and button flags of a mouse message. MK_ALT is this program's own: the window sets it
// while Alt is down, apart from the two keys the edit functions know.
enum : UINT {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
    MK_ALT = 0x1000,
};

class CMouseEvent {
public:
    // The actions of the view's mouse forwarders; 0 is the view's own evaluation (idle or
    // posted), which makes event code 0.
    enum Action : int {
        kEvaluate = 0,
        kLeftUp = 1,
        kLeftDown = 2,
        kRightUp = 3,
        kRightDown = 4,
        kMove = 5,
        kLeftDoubleClick = 6,
    };
    // Event codes.
    enum : int {
        kNone = 0,
        kLeftPress = 1,
        kRightPress = 2,
        kLeftPressRightHeld = 3,
        kLeftRelease = 4,
        kRightPressLeftHeld = 7,
        kRightRelease = 8,
        kRightReleaseLeftHeld = 13,
        kLeftReleaseRightHeld = 14,
        kMoveNoButton = 16,
        kMoveLeft = 17,
        kMoveRight = 18,
        kMoveBoth = 19,
        kDoubleClick = 0x8000,
    };
    // Modifier bits.
    enum : int { kShift = 0x0100, kCtrl = 0x0200, kAlt = 0x0400 };

    // Stores the point, takes Shift, Ctrl and Alt out of the key flags into the modifiers and
    // makes the event code from the action and the buttons left in the flags; returns the code.
    int Set(int action, UINT keyFlags, int x, int y);

    CPoint GetPoint() const { return CPoint(m_x, m_y); }
    // The point alone changes (a conversion of units, the Shift axis lock).
    void SetPoint(const CPoint& p) {
        m_x = p.x;
        m_y = p.y;
    }
    // The event of another record (point, code, modifiers); the chart position and the
    // snapshots of this one stay, since a gesture keeps them across events.
    void TakeEvent(const CMouseEvent& other) {
        m_x = other.m_x;
        m_y = other.m_y;
        m_code = other.m_code;
        m_modifiers = other.m_modifiers;
    }
    int GetCode() const { return m_code; }
    int GetModifiers() const { return m_modifiers; }
    bool IsShift() const { return (m_modifiers & kShift) != 0; }
    bool IsCtrl() const { return (m_modifiers & kCtrl) != 0; }
    bool IsAlt() const { return (m_modifiers & kAlt) != 0; }

    // The chart position under the pointer, as the dispatcher last worked it out.
    const CTime& GetCursorDate() const { return m_cursorDate; }
    int GetCursorRow() const { return m_cursorRow; }
    int GetCursorColumn() const { return m_cursorColumn; }
    double GetCursorRowF() const { return m_cursorRowF; }
    void SetCursorPosition(const CTime& date, int row, int column, double rowF) {
        m_cursorDate = date;
        m_cursorRow = row;
        m_cursorColumn = column;
        m_cursorRowF = rowF;
    }

    // ---- Snapshots of a gesture ------------------------------------------------------------
    // Start (last): the current point with the cursor's date and fractional row.
    void StoreStart() {
        m_ptStart = GetPoint();
        m_startTime = m_cursorDate;
        m_startRowF = m_cursorRowF;
    }
    void StoreLast() {
        m_ptLast = GetPoint();
        m_lastTime = m_cursorDate;
        m_lastRowF = m_cursorRowF;
    }
    void StorePrev() { m_ptPrev = GetPoint(); }
    CPoint GetStartPoint() const { return m_ptStart; }
    CPoint GetLastPoint() const { return m_ptLast; }
    CPoint GetPrevPoint() const { return m_ptPrev; }
    const CTime& GetStartTime() const { return m_startTime; }
    const CTime& GetLastTime() const { return m_lastTime; }
    double GetStartRowF() const { return m_startRowF; }
    double GetLastRowF() const { return m_lastRowF; }
    // The chart editing keeps row numbers in the fractional rows.
    void SetStartRowF(double row) { m_startRowF = row; }
    void SetLastRowF(double row) { m_lastRowF = row; }
    // The points alone, for trackers that keep no chart position (the rubber band of the area
    // zoom starts and follows on logical points).
    void SetStartPoint(const CPoint& p) { m_ptStart = p; }
    void SetLastPoint(const CPoint& p) { m_ptLast = p; }
    void SetPrevPoint(const CPoint& p) { m_ptPrev = p; }

private:
    int m_x = 0;
    int m_y = 0;
    int m_code = kNone;
    int m_modifiers = 0;
    CTime m_cursorDate;
    int m_cursorRow = 0;
    int m_cursorColumn = 0;
    double m_cursorRowF = 0;

    CPoint m_ptStart;
    CPoint m_ptLast;
    CPoint m_ptPrev;
    CTime m_startTime;
    CTime m_lastTime;
    double m_startRowF = 0;
    double m_lastRowF = 0;
};

} // namespace tembra
