// The layout editor's editing view: one paper of the open layout at one of eight zoom factors,
// either one of its print areas (header, footer, left or right area) or the whole paper, with
// the editing state the mouse drives (edit mode, the attributes of new elements, the grid and
// the display switches), the commands of the Mode, Attribute, View, Edit and Settings menus that
// act on the drawing, their update handlers, drawing on the screen and on the printer, and the
// end of a temporary edit for the main program.
//
// Mouse editing (MarquellViewMouse.cpp) is one drag state machine for all eight edit modes: it
// creates fixed texts, input areas, lines and boxes, selects by click or rubber band, and copies,
// moves and reshapes the selection, with grid snapping, inverted feedback between paints, the
// prompt and position panes of the status bar, and one undo step a gesture.
//
// The view draws in 0.1 mm with y upward (MM_LOMETRIC) and scales layout values by the zoom
// before they reach the device context; it scrolls as the framework's scroll view does (the
// scroll position in device pixels, the logical position x >= 0, y <= 0). It answers the
// elements' questions (ILayoutView) and reaches its window through IMarquellViewHost.
#pragma once

#include "layout_editor/core/LayoutView.h"
#include "layout_editor/core/MarquellViewHost.h"
#include "platform/View.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace marquell {

class CAppSettings;
class CLayoutData;
class CMarquellDoc;
class CMenuCmdUI;
class CPaperData;
class CPHeadLineData;
class CPHeadMojiData;
class IFormEditDone;

// Edit modes.
enum : int {
    kModeText = 1,
    kModeInput = 2,
    kModeLine = 3,
    kModeBox = 4,
    kModeEdit = 5,
    kModeCopy = 6,
    kModeMove = 7,
    kModeTransform = 8,
};

// Update hints: a general change, and a changed zoom.
enum : int { kHintAll = 0, kHintZoom = 1 };

// The flags of a mouse message: the buttons held and the keys down.
enum : UINT { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8 };

// The cursors of the selection's marks (besides the modes' cursor resources 104 ... 118).
enum : int {
    kCursorSizeNWSE = 32642,
    kCursorSizeNESW = 32643,
    kCursorSizeWE = 32644,
    kCursorSizeNS = 32645,
};

// The drag states of mouse editing.
enum : int {
    kDragIdle = 0,
    kDragPressed = 1,     // first press taken, button down
    kDragTracking = 2,    // an outline or a rubber band follows the mouse
    kDragSecond = 3,      // second point taken
    kDragSelected = 4,    // a selection is there
    kDragOnSelection = 5, // pressed on the selection
    kDragPlacing = 6,     // a move, copy or reshape ghost follows the mouse
    kDragTarget = 7,      // the destination taken
};

class CMarquellView : public tembra::CView, public ILayoutView {
public:
    static constexpr int kZoomCount = 8;
    static constexpr int kZoomTable[kZoomCount] = {25, 50, 75, 100, 150, 200, 300, 400};
    static constexpr int kDefaultZoom = 3;
    // The largest logical coordinate a zoom may give a rectangle of the paper.
    static constexpr int kMaxLogical = 30000;

    CMarquellView(CMarquellDoc& doc, CAppSettings& app, IMarquellViewHost& host);
    ~CMarquellView() override;
    CMarquellView(const CMarquellView&) = delete;
    CMarquellView& operator=(const CMarquellView&) = delete;

    CMarquellDoc& GetDoc() { return m_doc; }
    const CMarquellDoc& GetDoc() const { return m_doc; }
    // Told once when the view goes while the main program's temporary copy is open.
    void SetFormEditDone(IFormEditDone* seam) { m_done = seam; }

    // ---- The framework's steps ---------------------------------------------------------------
    // After a layout was made or opened: the initial state, the paper shown first (A4, or the
    // temporary copy's own), scroll sizes, grid, hit tolerance, the font of new texts.
    void OnInitialUpdate();
    void OnUpdate(tembra::CView* sender, tembra::LPARAM hint, CObject* hintObject) override;
    // 0.1 mm with y upward, scrolled; colours exact and one pen per line.
    void OnPrepareDC(CDC* dc) const;
    // A paint of the window: prepared, the workspace colour over the clip box, then OnDraw.
    void OnPaint(CDC* dc);
    // The title refreshed, the areas, grid, elements and selection marks of the current paper,
    // clipped to what is shown.
    void OnDraw(CDC* dc);
    // The one page on a printer: the paper at 100 %, placed by the printer's printing offset.
    void OnPrint(CDC* dc);
    // The papers' elements and the copy buffer go; a temporary edit tells the main program.
    void OnDestroy();
    // The cursor for a point of the client area (device pixels): inside the current area in
    // modes 5 and 8 the sizing cursor of the selection's mark under the last mouse point
    // (kCursorSize...), else the mode's cursor resource (104 ... 118); 0 for the window's own.
    int GetCursorShape(const CPoint& devicePoint) const;

    // ---- Mouse editing (device pixels of the client area, flags MK_...) ----------------------
    void OnLButtonDown(UINT flags, const CPoint& devicePoint);
    void OnLButtonUp(UINT flags, const CPoint& devicePoint);
    void OnLButtonDblClk(UINT flags, const CPoint& devicePoint);
    void OnMouseMove(UINT flags, const CPoint& devicePoint);
    void OnRButtonDown(UINT flags, const CPoint& devicePoint);
    void OnRButtonUp(UINT flags, const CPoint& devicePoint);
    // A point of the client area as a layout point (scroll, drawing offset and zoom undone).
    CPoint DeviceToLayout(const CPoint& devicePoint) const;
    // Grid snapping of a layout point to the current area's divisions (not while it is off or
    // CTRL is held).
    CPoint SnapToGrid(const CPoint& point, UINT flags) const;
    // The element being drawn, until the document takes it.
    const CLayoutData* GetNewElement() const { return m_newElement.get(); }
    CPoint GetAnchor() const { return m_anchor; }
    CPoint GetCurrent() const { return m_current; }
    // The frame of the selected elements (layout units, normalised); empty without a selection.
    CRect GetSelectionFrame() const;
    // The selection's mark (1 ... 8, in line-end mode 1 and 5 for the line's ends) within the
    // hit tolerance of a point, else 0.
    int HitSelectionMark(const CPoint& point) const;

    // ---- Scrolling -----------------------------------------------------------------------------
    CSize GetTotalSize() const { return m_total; }
    CSize GetTotalDeviceSize() const { return m_totalDevice; }
    CPoint GetDeviceScrollPosition() const { return m_scroll; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(const CPoint& logical);
    // The scroll bars moved (device pixels).
    void OnScroll(const CPoint& devicePosition);
    // The client area changed its size.
    void OnSize();

    // ---- Commands ------------------------------------------------------------------------------
    // FALSE for a command the view does not handle.
    bool OnCommand(UINT id);
    bool OnUpdateCommand(CMenuCmdUI& cmd);

    // ---- The paper/font bar's operations -------------------------------------------------------
    // Another paper chosen: 100 %, the top-left corner, nothing selected, no undo.
    void OnPaperSelected(int paper);
    // A face chosen: for the selected fixed texts and input areas, or for new texts.
    void OnFontNameSelected(const LOGFONT& font);
    // A height chosen from the list or typed (the number at the text's start, 0.1 mm, above 0):
    // for the selected fixed texts and input areas, or for new texts.
    void OnFontHeightChosen(std::string_view text);
    // What the bar shows: the face and height of the selected fixed text or input area, else
    // those of new texts.
    std::string GetBarFaceName() const;
    int GetBarHeight() const;

    // ---- State -------------------------------------------------------------------------------
    int GetMode() const { return m_mode; }
    int GetLastDrawMode() const { return m_lastDrawMode; }
    int GetDragState() const { return m_dragState; }
    int GetZoomIndex() const { return m_zoom; }
    int GetVCenter() const { return m_vCenter; }
    int GetHCenter() const { return m_hCenter; }
    int GetWidthClass() const { return m_widthClass; }
    int GetGridAcross() const { return m_gridAcross; }
    int GetGridDown() const { return m_gridDown; }
    const std::string& GetFaceName() const { return m_faceName; }
    const std::string& GetHeightText() const { return m_heightText; }
    const LOGFONT& GetFont() const { return m_font; }
    // Whether a zoom index keeps the shown paper within the logical coordinates.
    bool IsZoomAllowed(int index) const;
    // The rectangle the scroll space is sized by: the current area, or the whole paper.
    CRect GetDisplayedRect() const;
    // From the left area's left and the header's top to the right area's right and the
    // footer's bottom (the paper's bottom while the footer's is 0).
    CRect GetWholePaperRect() const;

    // ---- ILayoutView -------------------------------------------------------------------------
    int GetZoomPercent() const override;
    CPoint GetDrawOffset() const override { return m_drawOffset; }
    bool IsDefaultTextShown() const override { return m_defaultText; }
    bool IsWholePaperShown() const override { return m_wholePaper; }
    bool IsGridSnapOn() const override { return m_gridSnap; }
    bool IsLineEndMode() const override;
    int GetTransformMark() const override { return m_handle; }
    CRect GetTransformFrom() const override { return m_transformFrom; }
    CRect GetTransformTo() const override { return m_transformTo; }
    CRect GetCurrentAreaRect() const override;
    bool IsAdditiveSelection() const override;
    bool IsInsideFrameSelection() const override;
    int GetHitTolerance() const override { return m_hitTolerance; }
    const CEditorSettings& GetSettings() const override;

private:
    CPaperData& Paper() const;
    void ResetState();
    std::unique_ptr<CDC> MappedDC() const;
    CSize ClientLogicalSize() const;
    void SetScrollSizes(const CSize& total);
    void ComputeScrollSizes();
    CPoint ComputeDrawOffset() const;
    void RefreshTitle();
    void ZoomTo(int index);
    void InvalidateElement(const CLayoutData& element);
    void CopyGridFromDocument();
    // Back to 100 % at the top-left corner.
    void ResetDisplay();

    void SetMode(int mode);
    void OnSizeSet();
    void OnGridSet();
    void OnCentring(bool vertical);
    void OnLineWidth(int kind);
    void OnArea(int area);
    void OnUndo();
    void OnDeleteAll();
    void OnSelectAll();
    void OnPaste();
    void OnInitSet(int form);
    void OnFormatName();
    void OnChangeText();
    void OnChangeInputName();
    void OnBaseInputNames();
    // The dialog of a selected fixed text or input area, one undo step on OK.
    void EditTextElement(CPHeadMojiData& element);

    // ---- Mouse editing ---------------------------------------------------------------------
    // The point of a button press or double click: constrained and snapped as the mode asks.
    CPoint PreparePoint(UINT flags, const CPoint& devicePoint);
    CPoint ClampToPaper(const CPoint& point) const;
    CPoint ClampToArea(const CPoint& point) const;
    void Capture();
    void Release();
    // A new element of the mode's kind with the attributes of new elements.
    std::unique_ptr<CLayoutData> MakeNewElement() const;
    // The rectangle from the anchor to the current point.
    CRect AnchorRect() const;
    bool IsPointOnSelection(const CPoint& point) const;
    // The anchor moved onto the edges of the selection's frame that the mark drags; the frame
    // before is kept.
    void GrabMark(int mark);
    // The frame the grabbed edges are dragged to by the current point.
    CRect DraggedFrame() const;
    // The offset from the anchor, corrected so that the selection's frame stays in the area.
    CPoint KeepInArea(CPoint offset) const;
    // The last step of a creation: a valid rectangle, the dialog of a text, the element added.
    void FinishCreation();
    // A placed ghost put down: the selection stays, an edit-mode drag goes back to mode 5.
    void EndPlacing();
    // Any gesture in progress dropped: feedback, element being drawn, capture.
    void ResetMouse();
    void ScrollIfOutside(const CPoint& devicePoint);
    void RefreshPrompt();
    void RefreshPositionPanes(const CPoint& point);
    bool IsLeftDown() const { return m_lButton; }

    // Inverted feedback: one kind on the screen at a time, drawn and erased alike.
    enum class Feedback { None, Band, Outline, MoveGhost, TransformGhost };
    void ShowFeedback(Feedback kind);
    void HideFeedback();
    void DrawFeedback(CDC* dc) const;
    // The selected fixed text or input area, or line or box, that stands last in the list.
    CPHeadMojiData* LastSelectedText() const;
    CPHeadLineData* LastSelectedLine() const;

    // The view's commands by id: what each runs (null for an entry the view only shows, which
    // the application runs) and how its menu entry shows. The zoom steps are not listed: they
    // are the entries of kZoomCommands.
    struct Command {
        UINT id;
        void (*run)(CMarquellView& view);
        void (*update)(CMarquellView& view, CMenuCmdUI& cmd);
    };
    static const std::vector<Command>& Commands();
    static const Command* FindCommand(UINT id);
    static void EnableAlways(CMarquellView& view, CMenuCmdUI& cmd);
    // The update steps the table shares.
    void UpdateMode(CMenuCmdUI& cmd, int mode) const;
    void UpdateArea(CMenuCmdUI& cmd, int area) const;
    void UpdateWidth(CMenuCmdUI& cmd, int kind) const;
    void UpdateCentring(CMenuCmdUI& cmd, bool vertical) const;
    void UpdateSelectedKind(CMenuCmdUI& cmd, int type) const;
    void UpdateFileCommand(CMenuCmdUI& cmd);

    CMarquellDoc& m_doc;
    CAppSettings& m_app;
    IMarquellViewHost& m_host;
    IFormEditDone* m_done = nullptr;

    int m_mode = kModeText;
    int m_lastDrawMode = kModeText;
    int m_dragState = 0;
    int m_zoom = kDefaultZoom;
    int m_vCenter = 1;
    int m_hCenter = 1;
    bool m_gridSnap = true;
    int m_widthClass = 0;
    int m_gridAcross = 0;
    int m_gridDown = 0;
    CPoint m_drawOffset;
    int m_hitTolerance = 0;
    // Of the mouse editing: the handle dragged and the selection's frame before and after.
    int m_handle = 0;
    CRect m_transformFrom;
    CRect m_transformTo;
    // The mouse: buttons, the keys of the message being handled, the points of the gesture, the
    // element being drawn, the moves still to be ignored, and whether an edit-mode drag turned
    // into copying, moving or reshaping.
    bool m_lButton = false;
    bool m_rButton = false;
    UINT m_keys = 0;
    CPoint m_anchor;
    CPoint m_current;
    CPoint m_lastMouse;
    std::unique_ptr<CLayoutData> m_newElement;
    int m_skip = 0;
    bool m_returnToEdit = false;
    bool m_captured = false;
    Feedback m_feedback = Feedback::None;
    CRect m_feedbackRect;
    CPoint m_feedbackOffset;
    std::string m_faceName;
    std::string m_heightText = "24";
    LOGFONT m_font;
    int m_baseName = 0;
    bool m_defaultText = false;
    bool m_wholePaper = false;

    CSize m_total;
    CSize m_totalDevice;
    CPoint m_scroll;
    bool m_destroyed = false;
};

} // namespace marquell
