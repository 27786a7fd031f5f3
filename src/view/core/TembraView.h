// The chart view: one schedule document shown as a chart in one window (or one pane of a window's
// splitter), drawn through the painters of the page layout, brought up to date by the hints the
// document sends, scrolled, zoomed by steps or to a dragged area, shifted by pages of days and
// rows, printed a band of rows per page and previewed, and the Edit menu's undo, cut, copy and
// paste. The view owns only display state: its page layout, a copy of it kept while a page
// prints, the snapshot of the settings the layout was built from, the mouse-event record and
// the scroll state of a scrolling view (total size, position, centring of a chart smaller than
// the window). Everything it draws belongs to the document.
//
// The window around it (IViewHost) gives the client area, repaints, the capture, the splitter
// panes and the printer; the view works in the logical units of MM_LOMETRIC (0.1 mm at 100 %,
// y upwards) and converts through device contexts the host makes.
//
// The view's files: TembraView.cpp (construction, initial update, scrolling, background, the
// hyperlink under the mouse), TembraViewDraw.cpp (OnDraw), TembraViewUpdate.cpp
// (OnUpdate), TembraViewPrint.cpp (printing), TembraViewEdit.cpp (undo, cut, copy, paste),
// TembraViewZoom.cpp (zoom, shifts, area zoom, automatic scrolling) and
// TembraViewCommands.cpp (the command table). The mouse: TembraViewAction.cpp (the object
// action message, the dispatcher's steps, the Shift lock, the date snap, the hover evaluation),
// TembraViewDispatch.cpp (the dispatch tables and the right-click rule), TembraViewPopup.cpp
// (the context menus and the web links in them), TembraViewDateBand.cpp (the date range of the
// date band), TembraViewCursor.cpp (the cursor and the cross-hair) and EditGesture.h (the
// gesture every edit function shares). The gestures of their own: the drag of processes
// (KouteiDragGesture.h), of events (EventDragGesture.h), the term operations (YogoGesture.h,
// with the picks of TembraViewYogoPick.cpp), the progress lines (ShincyokuGesture.h) and the
// item table (KoumokuGesture.h). Resources: TembraViewShigen.cpp.
#pragma once

#include "document/ChartViewLayout.h"
#include "document/HolidayUse.h"
#include "document/ObList.h"
#include "document/ObjectActionView.h"
#include "model/ChartPos.h"
#include "platform/CmdUI.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "platform/View.h"
#include "render/PageLayout.h"
#include "render/PrintPageCaches.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiEditHost.h"
#include "shapes/ZukeiView.h"
#include "view/core/MouseEvent.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

class CChart;
class CDC;
class CDataHeader;
class CEditGesture;
class CKoumokuGesture;
class CKouteiDragGesture;
class CEvent;
class CEventDragGesture;
class CKoutei;
class CShigen;
class CShincyokuGesture;
class CYogo;
class CYogoGesture;
class CShincyoku;
class PopupMenuRequest;
class CObject;
class CTembraDoc;
class CZukeiString;
class IViewHost;
struct CDatePos;
struct CPrintInfo;

class CTembraView : public CView,
                    public IPageLayoutView,
                    public IZukeiView,
                    public IChartViewLayout,
                    public IZukeiEditHost,
                    public IObjectActionView {
public:
    // Hint codes of OnUpdate.
    enum : LPARAM {
        kHintGeneral = 0,
        kHintRect = 1,        // a CHint: its first rectangle (0.1 mm)
        kHintBand = 2,        // a CHint: the band of its second rectangle
        kHintFromPane = 8,    // the layout was copied from another pane: no scrolling
        kHintHeader = 0x10,   // the print header or the printer changed
        kHintKoumoku = 0x20,  // the item table changed
        kHintRelayout = 0x80, // the layout is built anew
        kHintActiveView = 0x100,
        kHintPosition = 0x400,
    };

    // The operation of the document's editing state while an area is dragged to zoom to.
    static constexpr LONG kOpAreaZoom = 11;
    // The smallest area zoom.
    static constexpr int kMinAreaZoom = 10;
    // The last row a row shift reaches.
    static constexpr int kMaxLastRow = 9999;

    // What the layout was last built from (the initial update and every re-layout write it,
    // the update compares it with the document).
    struct Snapshot {
        int nobeMode = 0;
        int paper = 0;
        std::string layoutFile;
        int zoomIndex = CPageLayout::kDefaultZoomIndex;
        int zoomPercent = 0;
        CTime startDate;
        CTime endDate;
        CTimeSpan maeYohaku;
        CTimeSpan atoYohaku;
        CTimeSpan nobeOffset;
        CTimeSpan nobeOrigin;
        int firstRow = 0;
        int lastRow = 0;
        std::array<WORD, 5> layoutWords{};
        CTime layoutStart;
        CTime layoutEnd;
        int layoutFirstRow = 0;
        int layoutLastRow = 0;
    };

    explicit CTembraView(IViewHost& host);
    ~CTembraView() override;

    // Shows the document (attaches the view to it); the initial update follows.
    void SetDocument(CTembraDoc& document);
    CTembraDoc* GetDocument() const;
    IViewHost& Host() const { return m_host; }

    // ---- The interfaces the painters, shapes and document ask -----------------------------------
    IPageLayoutDocument* GetLayoutDocument() const override;
    const CPageLayout& GetPageLayout() const override { return m_layout; }
    int GetSelCount() const override;
    const CDataHeader* GetFirstSel() const override;
    void UpdateAllViews(CObject* hint) override;
    const CZukei* GetEditingZukei() const override;
    bool IsTextSuppressed() const override { return false; }
    const CPageLayout* GetChartLayout() const override { return &m_layout; }
    // Ends the in-place edit of the framed text this view edits: the typed text becomes the
    // shape's, the edit window is disabled and hidden, every view redraws the shape.
    void EndStringEdit() override;

    CPageLayout& GetLayout() { return m_layout; }
    const Snapshot& GetSnapshot() const { return m_snapshot; }
    CMouseEvent& GetMouseEvent() { return m_mouse; }
    BOOL IsPrinting() const { return m_bPrinting; }
    BOOL IsZoomFit() const { return m_bZoomFit; }

    // ---- Life -------------------------------------------------------------------------------
    // Lays the chart out for the window (see the .cpp for the steps).
    void OnInitialUpdate();
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    // The window became the active one (or stopped being it).
    void OnActivateView(bool active);

    // ---- Scrolling ----------------------------------------------------------------------------
    // Mapping mode MM_LOMETRIC, the viewport moved by the scroll position (or to centre a chart
    // smaller than the window); a printer's device context is left at its origin.
    void OnPrepareDC(CDC* dc) const;
    // The logical size the window scrolls over; sets the scroll bars.
    void SetScrollSizes(const CSize& totalLogical);
    CSize GetTotalSize() const { return m_totalLog; }
    CSize GetTotalDeviceSize() const { return m_totalDev; }
    // The logical point at the client area's top-left corner.
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const { return m_scrollDev; }
    // Scrolls so that the logical point is at the top-left corner (as far as the chart goes).
    void ScrollToPosition(const CPoint& logical);
    // Scrolls so that the logical point lies under the client pixel (as far as the chart goes).
    void KeepPointAt(const CPoint& logical, const CPoint& devicePoint);
    // The scroll bars moved the window (device pixels).
    void OnScroll(const CPoint& devicePosition);
    // The window's size changed.
    void OnSize();
    void SetCenter(bool center) { m_bCenter = center; }
    bool IsCenter() const { return m_bCenter; }
    // The client area in logical units (top-left, bottom-right corners as converted).
    CRect GetClientLogicalRect() const;
    // The size the window scrolls over: the whole page of the layout.
    CSize GetChartScrollSize() const;

    // ---- Painting ---------------------------------------------------------------------------
    // A paint of the window: the background outside the page, then the chart.
    void OnPaint(CDC* dc);
    // The background of the part to paint (dc not prepared): filled with the workspace colour
    // only when part of it lies outside the page. Always TRUE.
    BOOL OnEraseBkgnd(CDC* dc);
    // The whole chart into any device context (see TembraViewDraw.cpp).
    void OnDraw(CDC* dc);

    // ---- Mouse -----------------------------------------------------------------------------
    // The object action message (0x2B10): wParam kHoverOnly asks for the hover evaluation only,
    // any other value runs the dispatcher; record null evaluates the pointer where it is (event
    // code 0), else a copy of a record whose point is in client pixels. Returns the result of
    // either, 0 before the view has its scroll sizes.
    static constexpr int kHoverOnly = -1;
    LONG OnObjectAction(int wParam, const CMouseEvent* record);
    // A mouse message at a client point (device pixels), the forwarders' entry: the record is
    // filled and the dispatcher runs; non-zero when it took the message.
    BOOL ObjectActionAt(int action, UINT keyFlags, const CPoint& devicePoint);
    // The dispatcher on a prepared client device context (the record filled, logical units).
    BOOL ObjectAction(CDC* dc);
    // The cursor for the pointer (overView false: another window lies under it, nothing is set).
    // TRUE when a cursor of the view was set; otherwise the window's own cursor was.
    BOOL OnSetCursor(bool overView = true);
    // show 0 erases the cross-hair, 1 erases it and draws it at the record's point; returns 1
    // (0 for any other show).
    int DrawCrossCursor(CDC* dc, int show, const CMouseEvent& mouse);
    bool IsCrossShown() const { return m_cross.shown; }
    bool IsCursorOverView() const;
    // Erases the draw-mode feedback that follows the pointer where it no longer belongs; 1 when
    // something was erased.
    BOOL EndHoverFeedback(CDC* dc);
    // The context menu of the object under the record's point (0 for none).
    UINT GetPopupMenuId(CDC* dc);
    // The user's web links (entries of the request) for menus 141 and 143.
    static void AppendExecURLMenu(PopupMenuRequest& request, UINT id);
    // The date range of the date band (see TembraViewDateBand.cpp); non-zero when taken.
    BOOL TrackDateRange(CDC* dc);
    // The precision argument of the x-to-date conversion for the Ctrl key.
    int GetDateSnap(bool ctrl) const;
    // The event or term whose hyperlink lies under the client point (device pixels), with its
    // link; null when none.
    CObject* HitTestHyperlink(const CPoint& devicePoint, std::string* link) const;
    // The display of hours and minutes on the time axis (the display options).
    void SetHourMode(BOOL on) { m_bHourMode = on; }
    void SetMinuteMode(BOOL on) { m_bMinuteMode = on; }
    // The anchor of the date band's range (where its last new range began).
    const CTime& GetDateAnchor() const { return m_dateAnchor; }

    // The edit functions of the dispatch tables, one slot each; an empty slot answers 0.
    enum class EditSlot : int {
        KouteiDraw,     // mode 1, draw
        YogoDraw,       // mode 2, draw
        Shincyoku,      // mode 3, draw and edit
        ZukeiDraw,      // mode 4, draw
        EventInput,     // mode 6, draw
        ShigenDraw,     // mode 7, draw
        KouteiPick,     // mode 1, edit and pick
        YogoEdit,       // mode 2, edit and pick
        ZukeiEdit,      // mode 4, edit and pick
        ObjectEdit,     // mode 5, edit and pick
        EventSelect,    // mode 6, edit and pick
        ShigenEdit,     // mode 7, edit and pick
        ChartEdit,      // mode 8, edit and pick
        KouteiCopyMove, // mode 1, place a copy or a move
        YogoCopyMove,
        ZukeiCopyMove,
        EventCopyMove,
        ShigenCopyMove,
        ChartCopyMove,
        ZukeiDeform,    // mode 4, transform
        ChartTransform, // mode 8, transform
        ItemCellInput,  // the item area, before the tables
        TrackItemArea,
        Count,
    };
    using EditFunction = std::function<BOOL(CDC*)>;
    void SetEditFunction(EditSlot slot, EditFunction function);
    // Later hit tests the cursor and the menus ask: the handle of a selected resource chart
    // under the record's point (1 its corner, other non-zero values its edges), the process
    // picking's hit.
    void SetChartHandleHit(std::function<int(CDC*)> hit) { m_chartHandleHit = std::move(hit); }

    // A piece of draw-mode feedback that follows the pointer: whether it is on the screen and
    // how its owner erases it.
    struct HoverFeedback {
        bool shown = false;
        std::function<void(CDC*)> erase;
    };
    // The cursor date text of the process drawing and the placement frame of the event input.
    HoverFeedback& DateTextFeedback() { return m_hoverDate; }
    HoverFeedback& EventPreviewFeedback() { return m_hoverEvent; }

    void PostObjectAction(const std::optional<CPoint>& leftPressAt) override;

    // The gesture that holds this view's capture, or none.
    CEditGesture* GetActiveGesture() const { return m_gesture; }
    void SetActiveGesture(CEditGesture* gesture) { m_gesture = gesture; }
    // The document's mode or operation changed (a key, a menu): a gesture running under another
    // one ends as a cancel does, so that no capture stays held and no half-made object is left.
    void OnModeChanged();
    // The gesture that holds this view's mouse ends as the user's right release cancels it (a
    // placing step that takes a right release as a step back is given another), before a command
    // or another program's call changes the document, or when Escape is pressed. The document
    // is left as the cancel leaves it, the saved operation restored and the mouse released.
    void EndGesture() override;

    // ---- Processes with the mouse (TembraViewKouteiPick.cpp, TembraViewKouteiMove.cpp,
    // TembraViewKouteiDraw.cpp, TrackDateLabel.cpp) ---------------------------------------------
    // Pick flags of PickKoutei.
    enum : UINT {
        kPickObjects = 1,       // the object list (unselected processes)
        kPickSelection = 2,     // the selection list
        kPickYogoAttach = 16,   // a node counts only with a term on it; the line is not tested
        kPickStartOnly = 32,    // start nodes only, relation lines skipped
        kPickEndOnly = 64,      // end nodes only, relation lines skipped
        kPickSegment = 128,     // the line tested by its label segment
        kPickDeselect = 0x1000, // parts hit and selected are deselected
        kPickTestOnly = 0x2000, // the selection is not changed
    };
    // The parts of a process PickKoutei reports hit.
    enum : int {
        kPickedLine = 1,
        kPickedStart = 2, // the start node
        kPickedEnd = 4,   // the end node
        kPickedNodes = kPickedStart | kPickedEnd,
        kPickedWhole = kPickedLine | kPickedNodes,
    };
    // Picks processes at the record's press and current point (a click when they are equal, else
    // a band): the parts of the first process hit (kPickedWhole for a process taken whole by a
    // band), 0 for none; that process in out. keepOrder 0 moves each process that stays selected
    // to the end of the selection.
    int PickKoutei(CDC* dc, const CMouseEvent& mouse, CKoutei** out, UINT flags, int keepOrder);
    // The rectangle a click at the point tests (logical units, y up: top above bottom): the
    // whole row under it, the scaled process size either side (half of it, at least 1, with
    // kPickDeselect); with Shift only 2 units each way.
    CRect ClickTestRect(const CPoint& point, bool shift, UINT flags) const;
    // The edit operation of the process mode: click, band, double click, drag a selection.
    BOOL TrackSelectKoutei(CDC* dc);
    // The copy and move operations of the process mode (2, 3, 4, 5, 10): the drag.
    BOOL TrackMoveKoutei(CDC* dc);
    // The rubber band of an edit operation's selection: sub-state `drawing` while it follows the
    // pointer, the next one once closed by a click or a release away from the press. pick takes
    // what the band holds (true: something was taken, the undo history is emptied); end finishes
    // the gesture (sub-state 0, the capture released; by default just that). The close answers
    // whether something was taken when answersTaken is set, else that it was handled.
    struct SelectBand {
        WORD drawing = 2;
        BOOL* drawn = nullptr;
        std::function<bool()> pick;
        std::function<void()> end;
        bool answersTaken = true;
    };
    BOOL TrackSelectBand(CDC* dc, const SelectBand& band);
    // While part of the window waits for a repaint, a move draws no feedback (true: the event
    // is left); a button is taken after the pending part is painted, so that a gesture is not
    // left hanging on a release that came before the paint.
    bool WaitsForPaint();
    // The record as a click at its press point: the drag picks what lay under the press.
    static CMouseEvent PressPoint(const CMouseEvent& mouse);
    // The capture and the scrolling for the pointer end.
    void EndMoveCapture();
    // Whether the chart counts elapsed days (no calendar dates).
    bool IsElapsedChart() const;
    // The position request on a tracked span: true on OK, the span as the dialog left it.
    bool AskPosition(int templateId, CChartPos& span);
    // The end of the span in device units.
    CPoint SpanEndDevice(CDC* dc, const CChartPos& span) const;
    // The date label at the end of the span and the duration label of the process (each
    // optional), inverted.
    void DrawTrackDate(CDC* dc, const CKoutei* process, const CChartPos* span);
    // The date text at the cursor: show 1 draws it (replacing an older one), 0 removes it.
    void FormatCursorDate(CDC* dc, int show);
    // The draw operation of the process mode: start, bend, end, confirm.
    BOOL TrackKouteiDraw(CDC* dc);
    // Picks at one point: mode 1 end nodes, 2 start nodes, else every part (line by segment).
    int PickKouteiNode(CDC* dc, int x, int y, int mode, CKoutei** out);
    // Writes the span into the process being drawn and inverts it with its labels.
    void DrawKouteiDraw(CDC* dc, CKoutei* process, const CChartPos& span);
    // The term mode, keeping the sub-state.
    void ChangeToTermMode();
    // The span the drawing, the pick and the event functions track, the drag of the selected
    // processes, its holiday use, and whether the drawing's or the drag's feedback is drawn
    // (the tests read them).
    const CChartPos& GetTrackPos() const { return m_trackPos; }
    const CKouteiDragGesture& GetKouteiDrag() const { return *m_kouteiDrag; }
    HolidayUse GetRefKind() const;
    bool IsMoveFeedbackDrawn() const;

    // ---- Terms with the mouse (TembraViewYogoPick.cpp; the operations in CYogoGesture) -------
    // Pick flags of PickYogo (kPickObjects, kPickSelection, kPickDeselect as for processes).
    // Picks terms at the record's start point (a click when it equals the last point, else the
    // band between them): non-zero when one was picked, its process and index in the outs.
    BOOL PickYogo(CDC* dc, const CMouseEvent& mouse, CKoutei** outProcess, int* outIndex,
                  UINT flags, int keepOrder);
    // Where the term's text box may stand for the point: the point shifted as far as the box
    // must move to stay in the process area; the box itself through outBox.
    CPoint GetYogoBoxAt(CDC* dc, const CYogo& term, const CPoint& point,
                        CRect* outBox = nullptr) const;
    // Whether the lead line and box of a term being placed are drawn (the tests read it).
    bool IsYogoFeedbackDrawn() const;

    // ---- Resources with the mouse (TembraViewShigen*.cpp) --------------------------------------
    // Selects the processes with resources under the record's point (flags as PickKoutei; 0x1000
    // halves the width): the hit bits, the first process hit in out.
    int HitResourceProcess(CDC* dc, const CMouseEvent& mouse, CKoutei** out, UINT flags);
    // The same over the band from the start to the last point (a click: around the point).
    int HitResourceArea(CDC* dc, const CMouseEvent& mouse, CKoutei** out, UINT flags);
    BOOL AttachResource(CDC* dc);
    BOOL PickResource(CDC* dc);
    BOOL TransferResource(CDC* dc);
    // The last step of a resource copy or move: the target (and for a move the source, left with
    // an empty list) replaced by copies in one undo step. FALSE, with nothing changed, when a
    // copy cannot be made (the resource list's with message 5108).
    BOOL CarryResources(CKoutei* source, CKoutei* target, bool moving);
    // ---- Events with the mouse (TembraViewEventInput.cpp, TembraViewEventBatch.cpp,
    // TembraViewEventPick.cpp, EventDragGesture.cpp, TembraViewEventAlign.cpp) ---------------
    // The draw operation of the event mode: the text of the term bar placed at a click, a second
    // click for a balloon's box; sub-states from 100 go to TrackEventBatch.
    BOOL TrackEventInput(CDC* dc);
    // The batch input: the dialog again (100, 110), the sample placed (101-103, 111-113) and
    // repeated on the chosen dates.
    BOOL TrackEventBatch(CDC* dc);
    // The record's point snapped by the event settings' "Attrb" (0x1 the date's start, 0x2 the
    // middle of the day or hour, 0x100 the middle of the row); resnap works the date out anew.
    void SnapEventPoint(CDC* dc, bool resnap);
    // The frame of the pending text at the pointer: mode 0 removes it, 1 moves it there.
    void DrawEventFrame(CDC* dc, int mode);
    // The new balloon's box at the pointer with its line to the tip: mode 0 removes, 1 moves it
    // there; false when there is no balloon to draw.
    bool DrawEventBalloon(CDC* dc, int mode);
    // The batch sample at the pointer: mode 0 removes, 1 moves it there.
    void DrawEventSample(CDC* dc, int mode);
    // Picks events at the record's press and current point (a click when equal, else a band):
    // 1 when one was taken, that event in out. Flags as PickKoutei (1, 2, 0x1000).
    int PickEvent(CDC* dc, const CMouseEvent& mouse, CEvent** out, UINT flags, int keepOrder);
    // The edit operation of the event mode: click, band, double click, drag a selection (the
    // copy and move operations drag in CEventDragGesture).
    BOOL TrackSelectEvent(CDC* dc);
    // An event's frame (with the line from its date and row to a balloon), inverted.
    void InvertEventBox(CDC* dc, const CEvent& event, bool line);
    // 属性 > 行事 > 整列 (ID_EVENT_ALIGN), 一括入力 > 日付指定 (ID_EVENT_BATCH_DATE) and 曜日指定
    // (ID_EVENT_BATCH_WEEK).
    void OnEventAlign();
    void OnEventBatch(bool byWeekday);
    // The event waiting to be placed (the new event, or the batch sample), or null.
    const CEvent* GetPendingEvent() const { return m_newEvent.get(); }
    bool IsEventFrameShown() const { return m_hoverEvent.shown; }
    bool IsEventMoveFeedbackDrawn() const;

    // ---- Progress lines with the mouse (TembraViewShincyoku.cpp; CShincyokuGesture) ----------
    // A mode or operation chosen anew ended the event input, drag or progress editing under
    // way: the event waiting to be placed and the progress line copy go, the capture and the
    // feedback with them.
    void DropPendingEdits();
    // The line's stretch in the tracked row and date, inverted (message 5004 without a line).
    void DrawProgressFeedback(CDC* dc, CShincyoku* line, const CChartPos& tracked);
    const CShincyoku* GetEditedLine() const;
    bool IsProgressFeedbackShown() const;

    // The feedback of the mouse edit in progress drawn again after a paint (the event and
    // progress-line rows of the drawing's last step).
    void DrawEditFeedback(CDC* dc);
    // ---- Shapes with the mouse (TembraViewZukeiDraw.cpp, TembraViewZukeiPick.cpp,
    // TembraViewZukeiMove.cpp, TembraViewZukeiText.cpp, TembraViewZukeiBoard.cpp) -------------
    // Pick flags of PickZukei.
    enum : UINT {
        kZukeiPickList = 1,         // the shape list, front to back
        kZukeiPickSelection = 2,    // the selection (a test: nothing changes)
        kZukeiPickDeselect = 0x1000 // a selected shape under the point is unselected
    };
    // The record's current point as a chart position snapped to the shape grid, written back
    // as the record's chart position and (with the grid on) its point.
    void SnapZukeiPos(CTembraDoc& doc);
    // The draw operation of the shape mode and its handlers by style; non-zero when handled.
    BOOL ZukeiDraw(CDC* dc);
    BOOL ZukeiDrawLine(CDC* dc, CTembraDoc& doc);
    BOOL ZukeiDrawBox(CDC* dc, CTembraDoc& doc);
    BOOL ZukeiDrawPoly(CDC* dc, CTembraDoc& doc);
    BOOL ZukeiDrawArc(CDC* dc, CTembraDoc& doc);
    // The shape being drawn (the view's until the document takes it), or null.
    const CZukei* GetDrawingZukei() const { return m_zukeiDrawing.get(); }
    // The edit, copy and move, and deform operations of the shape mode.
    BOOL ZukeiEdit(CDC* dc);
    BOOL ZukeiCopyMove(CDC* dc);
    BOOL ZukeiDeform(CDC* dc);
    // Picks shapes at the record's start point (a click) or in the band to its current point;
    // non-zero when something was picked or found.
    BOOL PickZukei(CDC* dc, const CMouseEvent& mouse, UINT flags);
    // The handle of the selection under a logical point (0 none); keeps the handle rectangle
    // and the index.
    int HitZukeiHandle(CDC* dc, const CPoint& point);
    // The handles of the shape selection (inverted), with the handle rectangle kept.
    void DrawZukeiHandles(CDC* dc, CTembraDoc& doc);
    // The outlines of the selected shapes shifted by the drag, or with the dragged handle at the
    // cursor (inverted: a second call erases).
    void DrawZukeiMoveFeedback(CDC* dc, const CMouseEvent& mouse);
    void DrawZukeiDeformFeedback(CDC* dc, const CMouseEvent& mouse);
    // The feedback of a running shape gesture, drawn again by a paint (the shape being drawn,
    // the moved or the deformed outlines).
    void DrawZukeiEditFeedback(CDC* dc, CTembraDoc& doc);
    const CRect& GetZukeiHandleRect() const { return m_zukeiHandleRect; }
    bool IsZukeiFeedbackDrawn() const { return m_zukeiFeedback; }
    // The in-place edit of a framed text (called by OnDraw): the window laid over the shape,
    // then shown and focused, or the edit ended.
    void PlaceStringEdit(CDC* dc, CTembraDoc& doc);
    void ShowStringEdit(CTembraDoc& doc);
    // 文字編集: the selected box-like shape becomes a framed text, typed into in place.
    void OnZukeiTextEdit();
    void OnUpdateZukeiTextEdit(CCmdUI& cmdUI) const;
    // The safety-board commands: the frame sets from their dialogs, the texts of a pair.
    void OnDisasterFrames();
    void OnDisasterText();
    void OnWeekTargetFrames();
    void OnWeekTargetText();
    void OnSafetyDutyFrames();
    // The shape and safety-board commands of the command table.
    bool OnZukeiCommand(UINT id);
    bool OnUpdateZukeiCommand(CCmdUI& cmdUI) const;

    // ---- Commands --------------------------------------------------------------------------
    // The view's commands; false for an id the view does not handle.
    bool OnCommand(UINT id);
    bool OnUpdateCommand(CCmdUI& cmdUI);
    // The drop-downs of the line-drawing bar (TembraViewDropDowns.cpp): a button's command opens
    // its menu under the button (at the pointer where the button does not show); the chosen
    // item is posted as a command. False for another id.
    bool OnZukeiDropDown(UINT id);
    bool OnUpdateZukeiDropDown(CCmdUI& cmdUI);

    // ---- Zoom, shifts and area zoom (TembraViewZoom.cpp) --------------------------------------
    void SetZoomIndexCommand(int index);
    void OnZoomIn();
    void OnZoomOut();
    // One zoom step in or out that keeps the chart point under the client pixel where it is
    // (the wheel, a click of the area zoom); nothing when the layout allows no such step.
    void ZoomStepAt(bool in, const CPoint& devicePoint);
    void OnShiftLeft();
    void OnShiftRight();
    void OnShiftUp();
    void OnShiftDown();
    void OnShiftReset();
    void OnAreaZoom();
    BOOL AreaZoomAction(CDC* dc);
    void ZoomToArea(CDC* dc);
    // Every other pane of the splitter takes a copy of this layout and is updated with hint 8.
    void CopyLayoutToPanes();
    // Mode 0 removes the rubber band when it is drawn; mode 1 removes it, scrolls for the
    // cursor, takes the current point as the last and draws the band from the start point.
    void DrawTrackRect(CDC* dc, int mode, CMouseEvent& mouse, BOOL& drawn);
    // Scrolls towards a logical point outside the client area, by the overshoot.
    void ScrollForCursor(CDC* dc, int x, int y);

    // ---- Printing (TembraViewPrint.cpp) ---------------------------------------------------------
    // The pages of the chart: the rows its objects and item cells need, a band of the settings'
    // rows per page, at least one.
    UINT CountPrintPages() const;
    BOOL OnPreparePrinting(CPrintInfo& info);
    void OnBeginPrinting();
    void OnPrint(CDC* dc, CPrintInfo& info);
    void OnEndPrinting();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

    // ---- Undo, cut, copy, paste (TembraViewEdit.cpp) --------------------------------------------
    void OnEditUndo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnUpdateEditUndo(CCmdUI& cmdUI) const;
    void OnUpdateEditCutCopy(CCmdUI& cmdUI) const;
    void OnUpdateEditPaste(CCmdUI& cmdUI) const;

    // ---- Web links (TembraViewLinks.cpp) --------------------------------------------------------
    // The user's web link 0 to 9 ("ExecURL\0000".. of the profile), with the document's keyword
    // as a query unless its "ExecFlag" says otherwise; nothing for an empty address.
    void ExecURL(int number);
    // The maker's link 1 to 3 ("ExecURLNRD\0001".. of the program's own key).
    void ExecMakerURL(int number);
    // The keyword as a query text: letters and digits stay, a blank becomes "+", every other
    // character is sent byte by byte as "%XX" (both bytes of a double-byte character).
    static std::string EncodeURL(const std::string& keyword);

    // ---- Resource charts with the mouse (TembraViewChart.cpp, TembraViewChartEdit.cpp) --------
    // 属性 > 山積: a new chart of the kind (1 resource loading, 2 earned value) placed by two
    // clicks after its settings sheet; the settings of the selected chart of the kind; every
    // chart built anew.
    void OnChartNew(WORD kind);
    void OnChartEdit(WORD kind);
    void OnChartRecalc();
    bool OnChartCommand(UINT id);
    bool OnUpdateChartCommand(CCmdUI& cmdUI) const;
    // The placement of the pending chart (sub-states 100 to 105 and 110).
    BOOL ChartPlacementAction(CDC* dc);
    // The band of rows between the record's start and last rows over the item area and the
    // chart, inverted: draw false erases it when drawn; true erases it and draws it anew when
    // the point moved.
    void DrawChartBandFeedback(CDC* dc, bool draw);
    // The edit operation of the chart mode, and the move and resize of a chart's totals box.
    BOOL ChartModeAction(CDC* dc);
    BOOL ChartBoxMoveAction(CDC* dc);
    BOOL ChartBoxResizeAction(CDC* dc);
    // The chart under the point (0 none, 2 its top edge, 3 its bottom edge, 1 elsewhere on it):
    // selected and made current, or with kPickDeselect deselected when selected (else 0).
    int HitChart(CDC* dc, const CPoint& point, UINT flags);
    // The same among the selected charts, changing nothing.
    int HitSelectedChart(CDC* dc, const CPoint& point) const;
    // The chart whose totals box lies under the point, or null.
    CChart* HitChartBox(CDC* dc, const CPoint& point) const;
    // The totals box under the record's point: kPickDeselect deselects it when selected,
    // kPickTestOnly tests that it is selected, kPickSelection selects it; 1 when that held.
    BOOL PickChartBox(CDC* dc, UINT flags);
    const CChart* GetPendingChart() const { return m_newChart.get(); }
    CChart* GetCurrentChart() const { return CheckedCurrentChart(); }
    bool IsChartBandDrawn() const { return m_chartBandDrawn; }
    const CRect& GetChartBandRect() const { return m_chartBandRect; }

    // ---- Display options (TembraViewDisplay.cpp)
    // ------------------------------------------------- The display, header-row and layer commands;
    // false for an id the group does not handle.
    bool OnDisplayCommand(UINT id);
    bool OnUpdateDisplayCommand(CCmdUI& cmdUI);
    // 工程欄ヘッダ指定／解除: with header rows they are cleared; else, with item cells selected and
    // the display at row 0, the rows above the first selected one become the header.
    void OnKouteiHeader();
    // The number of rows heading the process column (0 for none).
    int GetKouteiHeaderRows() const;
    // レイヤー一括移動: the layer-move dialog, then the objects moved between layers by its map.
    void OnLayerMove();
    BOOL IsHourMode() const { return m_bHourMode; }
    BOOL IsMinuteMode() const { return m_bMinuteMode; }

private:
    void CutOrCopy(bool cut);
    // The snapshot of the document's settings and the layout's period and rows.
    void TakeSnapshot();
    // Whether the document's settings still match the snapshot.
    bool SettingsMatch() const;
    // The layout bound to this view and its document anew, with its on-screen header kept.
    void Relayout();
    // The tail of every re-layout: the panes, the resource charts, the day scale, the window
    // and the overview.
    void UpdateCommonTail(CView* sender, LPARAM hint, CObject* hintObject);
    // The zoom changed: the layout current, the scroll sizes set, the window centred on the
    // logical point (scaled from the old to the new total size), unless hint 8.
    void ApplyZoom(LPARAM hint, CPoint centre, const CSize& oldTotal);
    // The parts of OnUpdate: a new zoom, and the repaint of what a hint names.
    void ZoomToExplicit(LPARAM hint, int explicitZoom);
    void ZoomByStep(LPARAM hint);
    void InvalidateHinted(LPARAM hint, CObject* hintObject);
    void ZoomTail();
    // The repaint of a hint that names something (the union rule with a pending region).
    void InvalidateUnion(CRect deviceRect);
    void InvalidateObject(CDataHeader* object);
    // A device context of the client area, prepared.
    std::unique_ptr<CDC> PreparedClientDC() const;
    // Device pixels per logical unit of the window (the screen's resolution).
    CSize ToDevice(const CSize& logical) const;
    void ClampScroll();
    // The overview is told, when there is one.
    void TellOverview(CView* sender, LPARAM hint, CObject* hintObject, bool repaint);
    // Every shift ends with this: the view's update.
    void AfterShift();
    // The period shift by days (negative: back).
    void ShiftPeriod(bool forward);
    // A step of the zoom clears the area zoom's percentage, and the snapshot's with it.
    void ForgetAreaZoom();
    // The area zoom ends: the saved operation, tool and sub-state come back.
    void EndAreaZoom();
    // Whether the band between two logical points is too small to be an area (a click).
    bool IsClickBand(CDC* dc, CPoint from, CPoint to) const;
    // The band from the press to the release point is zoomed to (a click zooms in one step at
    // the point), and the area zoom ends.
    void CloseAreaZoom(CDC* dc, const CPoint& release);
    // The draw-order steps (TembraViewDraw.cpp).
    void DrawObjects(CDC* dc, const CRect& paint, bool& aborted);

    // The dispatcher's steps (TembraViewAction.cpp, TembraViewDispatch.cpp).
    void ApplyShiftLock();
    void UpdateCursorPosition(CDC* dc);
    BOOL ItemHeaderAction();
    BOOL Dispatch(CDC* dc);
    BOOL DispatchDraw(CDC* dc);
    BOOL DispatchEdit(CDC* dc);
    BOOL DispatchPlace(CDC* dc);
    BOOL DispatchTransform(CDC* dc);
    BOOL CallEdit(EditSlot slot, CDC* dc);
    // The right-click rule: whether it applies to the event, and running it.
    bool IsRightClick() const;
    BOOL RightClickRule(CDC* dc);
    void CancelByRightClick();
    void DeselectForCancel();
    void ShowPopupMenu(UINT id);
    bool IsDateBandActive() const;
    // The hit tests of the context menus (TembraViewPopup.cpp).
    UINT KouteiPopupId(CDC* dc) const;
    bool HitZukei(CDC* dc) const;
    CDataHeader* HitLabelObject(CDC* dc, bool events, bool terms) const;
    // The cursor's rules (TembraViewCursor.cpp).
    BOOL HandleCursor(CDC* dc);
    bool CrossBounds(const CPoint& point, CRect& arms) const;
    void DrawCrossArms(CDC* dc) const;

    IViewHost& m_host;
    CPageLayout m_layout;
    CPageLayout m_savedLayout;
    CMouseEvent m_mouse;
    Snapshot m_snapshot;
    BOOL m_bZoomFit = FALSE;
    BOOL m_bPrinting = FALSE;
    // What the print job's pages hand on to each other.
    CPrintPageCaches m_printCaches;
    BOOL m_bHourMode = FALSE;
    BOOL m_bMinuteMode = FALSE;

    // The scroll state.
    CSize m_totalLog;
    CSize m_totalDev;
    CPoint m_scrollDev;
    bool m_bCenter = true;

    // The client pixel whose chart point the next change of the zoom index keeps in place;
    // none: the window's top-left corner.
    std::optional<CPoint> m_zoomAnchor;

    // The area zoom: the rubber band and what the area zoom put aside.
    CRect m_trackRect;
    BOOL m_bTrackDrawn = FALSE;
    struct AreaZoomSaved {
        bool held = false;
        LONG operation = 0;
        LONG toolCode = 0;
        WORD state = 0;
    };
    AreaZoomSaved m_areaZoom;

    // The mouse: the edit functions, the hover feedback, the cross-hair, the date band's anchor,
    // the gesture holding the capture.
    std::array<EditFunction, static_cast<std::size_t>(EditSlot::Count)> m_edit;
    std::function<int(CDC*)> m_chartHandleHit;
    HoverFeedback m_hoverDate;
    HoverFeedback m_hoverEvent;
    struct Cross {
        bool shown = false;
        CPoint point;
        CRect arms; // left, top, right, bottom ends of the four arms
    };
    Cross m_cross;
    CTime m_dateAnchor;
    CEditGesture* m_gesture = nullptr;

    // The processes under the mouse: the drag of the selection, the tracked span of the other
    // functions, the drawing's feedback flag, the cursor date text, the process being drawn and
    // the selection's tail at the end pick of a drawing.
    // The steps of the drawing (TembraViewKouteiDraw.cpp).
    BOOL DrawStart(CDC* dc);
    BOOL DrawEndPress(CDC* dc);
    void CommitDraw(CDC* dc);
    void CancelDraw(CDC* dc);
    void EraseDraw(CDC* dc);

    std::unique_ptr<CKouteiDragGesture> m_kouteiDrag;
    CChartPos m_trackPos;
    bool m_moveDrawn = false;
    struct CursorDate {
        bool shown = false;
        CPoint point;
        CTime date;
        int row = 0;
        CRect rect;
    };
    CursorDate m_cursorDate;
    std::unique_ptr<CKoutei> m_drawing;
    int m_drawSelCount = 0;
    // The new process starts on another's line (not on a node).
    bool m_drawStartOnLine = false;
    // The new process's start (end) node lands on another process: drawn as a connection node.
    bool m_drawStartLinked = false;
    bool m_drawEndLinked = false;
    // The row of a bent line's bend, where the pointer was when it was placed.
    WORD m_drawBendRow = 0;
    BOOL m_bandDrawn = FALSE;

    // Which hand-written mouse gesture (of processes, terms or resources) holds the capture: a
    // mode or operation chosen anew under it ends it as a right click does (OnModeChanged). The
    // changes the gestures make themselves (the hand-over to copy or move, the stretch
    // operations, the switch to terms) happen inside the gesture functions, which hold a
    // MouseTrackScope, and do not end them (TembraViewMouseTrack.cpp).
    enum class MouseFamily { Process, Term, Resource };
    enum class MouseTrack { None, ProcessPick, ProcessMove, ProcessDraw, Term, Resource };
    class MouseTrackScope {
    public:
        MouseTrackScope(CTembraView& view, MouseFamily family);
        ~MouseTrackScope();
        MouseTrackScope(const MouseTrackScope&) = delete;
        MouseTrackScope& operator=(const MouseTrackScope&) = delete;

    private:
        CTembraView& m_view;
        MouseFamily m_family;
    };
    MouseTrack m_mouseTrack = MouseTrack::None;
    // EndGesture is under way: a command its cancel runs does not end it again.
    bool m_endingGesture = false;
    // The operation the gesture's feedback was drawn under.
    LONG m_trackOperation = 0;
    int m_ownOperationChange = 0;
    // Ends the gesture without restoring a saved operation (the mode or operation was just
    // chosen anew); the document is left as a cancel leaves it.
    void AbortMouseTrack(CDC* dc);

    // The terms under the mouse.
    std::unique_ptr<CYogoGesture> m_yogo;

    // The resources under the mouse: the process hit last and the new resource list of an
    // attach (the band is the processes' m_bandDrawn).
    CKoutei* m_shigenHit = nullptr;
    std::unique_ptr<CShigen> m_newShigen;
    // The edit window shows the first selected process.
    void ShowFirstShigenProcess();
    // Events under the mouse: the new event or batch sample the view owns until it is added,
    // where its frame stands, the balloon's and the sample's drawn flags, and the drag.
    BOOL EventInputPressed(CDC* dc);
    void CommitNewEvent();
    void DropNewEvent();
    void PlaceEventBatch(bool byWeekday);
    bool EventTextPending(std::string& text) const;
    std::unique_ptr<CEvent> m_newEvent;
    CPoint m_eventFramePoint;
    CRect m_eventFrameRect;
    bool m_balloonDrawn = false;
    CRect m_balloonRect;
    CPoint m_balloonTip;
    CPoint m_balloonAnchor;
    bool m_sampleDrawn = false;
    std::unique_ptr<CEventDragGesture> m_eventDrag;

    // The progress line being drawn or reshaped.
    std::unique_ptr<CShincyokuGesture> m_shincyoku;
    // Shapes: the shape being drawn, the chart position where the gesture began, the previous
    // start points of a point list, the feedback flag, the handle rectangle of the selection
    // with the index of the handle dragged, the band, and the framed text edited in place.
    // The steps of the shape gestures (TembraViewZukei*.cpp).
    void BeginZukeiGesture();
    void EndZukeiCapture();
    void DropZukeiDrawing(CDC* dc);
    void AddZukeiDrawing(CDC* dc, CTembraDoc& doc, bool textStep);
    void DrawZukeiOutline(CDC* dc);
    CDatePos ZukeiDatePos() const;
    void ZukeiFollow(CDC* dc, int anchor);
    void CommitZukeiMove(CDC* dc, CTembraDoc& doc);
    void CommitZukeiDeform(CDC* dc, CTembraDoc& doc);
    BOOL ZukeiPlacing(CDC* dc, CTembraDoc& doc, bool deform);
    void ZukeiTextCommand(int pair);
    // The last sub-state of a drawing: the release adds the shape, the right button steps back.
    BOOL ZukeiDrawFinal(CDC* dc, CTembraDoc& doc, bool textStep, WORD back);
    // A left press where shape gestures begin: the item area or the chart.
    bool ZukeiPressInZone(bool doubleClickToo = false) const;
    // A shape half drawn when the mode or operation changes is dropped with its capture.
    void EndZukeiDrawingOnModeChange();
    // Where this view's edit windows of framed texts live: the window's widget when it hosts
    // them, else the view itself (no window can be made there).
    IZukeiEditHost* EditHost();
    std::unique_ptr<CZukei> m_zukeiDrawing;
    CTime m_zukeiStartDate;
    double m_zukeiStartRow = 0.0;
    std::vector<CPoint> m_zukeiStarts;
    bool m_zukeiFeedback = false;
    CRect m_zukeiHandleRect;
    int m_zukeiHandle = 0;
    BOOL m_zukeiBandDrawn = FALSE;
    CZukeiString* m_editingZukei = nullptr;
    // The item table under the mouse.
    std::unique_ptr<CKoumokuGesture> m_koumoku;
    // Resource charts under the mouse: the chart being placed (the view's until the document
    // takes it), the chart last picked, the row and the part hit at a press, whether the press
    // was on a totals box, and the inverted band.
    std::unique_ptr<CChart> m_newChart;
    CChart* m_currentChart = nullptr;
    int m_chartPressRow = 0;
    int m_chartHit = 0;
    bool m_chartBoxPress = false;
    bool m_chartBandDrawn = false;
    CRect m_chartBandRect;
    CPoint m_chartBandPoint;
    // The steps of the chart gestures.
    bool AskChartSettings(CChart& chart);
    void InvertChartBand(CDC* dc);
    void ChartDragRows(CDC* dc);
    void CommitChartRows(CDC* dc);
    BOOL ChartBandAction(CDC* dc);
    BOOL ChartBoxAction(CDC* dc);
    BOOL ChartBoxPlacing(CDC* dc, bool resize);
    void EndChartCapture(WORD state);
    // The current chart when it is still one of the document's, else null.
    CChart* CheckedCurrentChart() const;
    // The charts of the document whose rectangle meets the pick box of the point, tail first.
    CChart* ChartAt(CDC* dc, const CPoint& point, bool selectedOnly, int* part) const;
    // A mode or operation chosen anew drops the chart being placed with its capture.
    void DropPendingChart();
};

} // namespace tembra
