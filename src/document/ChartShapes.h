// The drawing shapes of a chart (the CZukei family, type 4): their creation by the settings'
// style, the shape list in drawing order, their selection, the appliers of the shape menu
// (属性 > 線画), their moves, copies, resizes and order, and how they follow the row and column
// edits of the chart.
//
// The shape list is the drawing order: the head is drawn first (the back), the tail last (the
// front). A selected shape stays in it and stands in the selection list besides. The changes the
// user can take back are recorded; each changed shape is redrawn.
//
// The part reaches the lists, the selection, the undo history, the redraws and the settings
// through their own parts; what else its operations combine (the current layer and object mode,
// the recorded removal from a list, the document's views) it asks the document (CTembraDoc&).
// Files: ChartShapes.cpp (creation, the list, selection, deletion, moves and order, the row and
// column edits), ChartShapesGroup.cpp (deselecting every shape, the layout of framed texts),
// ChartShapesSelAttr.cpp (the menu's appliers, counts and finds), ChartShapesText.cpp (the
// selected texts).
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ChartSelection.h"
#include "document/ChartUndo.h"
#include "model/AttrBlocks.h"
#include "model/SyokiSet.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <string_view>

namespace tembra {

class CPageLayout;
class CTembraDoc;
class CZukei;
class CZukeiString;
class IZukeiView;
struct CDatePos;

class CChartShapes {
public:
    CChartShapes(CTembraDoc& doc, CChartObjects& objects, CChartSelection& selection,
                 CChartUndo& undo, CChartNotifier& notifier, const CSyokiSet& settings)
        : m_doc(doc), m_objects(objects), m_selection(selection), m_undo(undo),
          m_notifier(notifier), m_syokiSet(settings) {}
    CChartShapes(const CChartShapes&) = delete;
    CChartShapes& operator=(const CChartShapes&) = delete;

    // Message of the creators.
    static constexpr UINT kNoZukeiDataMessage = 5021;
    // The question before a row or column edit when the chart holds fixed shapes.
    static constexpr UINT kFixedZukeiQuestion = 5142;
    // The frame style of new framed texts when nothing else was chosen: the box.
    static constexpr short kDefaultFrameStyle = 3;

    // ---- Creation -------------------------------------------------------------------------------
    // The frame style that new framed texts take (3 to 6, 9 to 13: the shape styles whose
    // outline frames the text).
    short GetZukeiFrameStyle() const { return m_nZukeiFrameStyle; }
    void SetZukeiFrameStyle(short style) { m_nZukeiFrameStyle = style; }
    // テキスト: new shapes are texts framed by the chosen outline.
    BOOL GetZukeiTextMode() const { return m_bZukeiTextMode; }
    void SetZukeiTextMode(BOOL on) { m_bZukeiTextMode = on; }
    // The frame kind of a frame style: the shape kind of that style's outline (3 -> 4 box, 4 ->
    // 5 rounded box, 5 -> 6 circle, 6 -> 7 ellipse, 9..13 -> 10..14); the box for any other.
    static WORD GetFrameKind(int frameStyle);

    // A new shape of the settings' current style (0..16, see the .cpp) on the current layer
    // with the settings' shape attributes; style 14 is a framed text of the chart's frame style
    // with the settings' text font and text attributes. Not in any list. Null after message
    // 5021.
    std::unique_ptr<CZukei> CreateZukei();
    // A new framed text (box frame) for the plan sheets, its font of the face at height 32 on
    // the papers 0 to 3 and 40 on 4 and 5 (the settings' text font on others). Recorded as
    // added, not in any list: the caller adds it. Null after message 5021.
    std::unique_ptr<CZukeiString> CreateTextZukei(std::string_view faceName);
    // Replaces a box, circle, ellipse, triangle, arrow or diamond (kinds 4 to 7, 10 to 14) by a
    // framed text of the same outline and place, in its place in the shape list, recorded as a
    // change of the shape into the text; a selected shape leaves the selection first. Returns
    // the text; null (nothing changed) for another shape, one not in the list, or after message
    // 5021.
    CZukeiString* ConvertToTextZukei(CZukei* shape);

    // ---- The list -------------------------------------------------------------------------------
    // Appends the shape (taken over) at the front, marks the document modified and changed and,
    // with redraw, redraws it. Returns its position.
    POSITION AddZukei(CZukei* shape, BOOL redraw = TRUE);
    // The same at the back.
    POSITION AddZukeiHead(CZukei* shape, BOOL redraw = TRUE);
    // Takes the shape at pos (RemoveZukeiAt) or the shape itself (RemoveZukei) out of the shape
    // list and out of the selection, without deleting it: the caller owns it. Null when there
    // is none.
    CZukei* RemoveZukeiAt(POSITION pos);
    CZukei* RemoveZukei(CZukei* shape);
    POSITION GetHeadZukeiPosition() const { return m_objects.GetZukeiList().GetHeadPosition(); }
    POSITION GetTailZukeiPosition() const { return m_objects.GetZukeiList().GetTailPosition(); }
    // The shape at pos (null for a record that is none); pos moves on (back).
    CZukei* GetNextZukei(POSITION& pos) const;
    CZukei* GetPrevZukei(POSITION& pos) const;

    // ---- Selection ------------------------------------------------------------------------------
    // Appends the shape (whose selected flag the caller has set) to the selection, marks the
    // document changed and redraws it.
    void AddSelZukei(CZukei* shape);
    // Selects the shape at a shape-list position.
    void SelectZukeiAt(POSITION pos);
    // In the shape mode (4): selects every unselected shape on a shown layer (state 1).
    void SelectAllZukei();
    // Takes the shape out of the selection and redraws it (an edited framed text ends its edit
    // state).
    void DeselectZukei(CZukei* shape);
    // Takes every selected shape out of the selection and redraws it; an edited framed text
    // ends its edit state (ChartShapesGroup.cpp).
    void DeselectAllZukei();
    // Marks every framed text of the shape list (inside groups too) for a new layout of its
    // lines at its next drawing.
    void InvalidateTextZukei();
    // Redraws every selected shape.
    void UpdateAllZukeiViews();
    // The first framed text with the tag whose rows [top, bottom] overlap from - 1 .. to; null
    // when none.
    CZukeiString* FindTextZukei(WORD tag, int from, int to) const;
    // The number of selected text shapes (plain or framed); 0 as soon as a selected shape is
    // no text. Other selected objects do not count (ChartShapesText.cpp).
    int CountSelectedTextZukei() const;

    // ---- Deletion -------------------------------------------------------------------------------
    // Deletes the selected shapes (redrawn and recorded with their places); the other selected
    // objects stay selected.
    void DeleteSelectedZukei();
    // Deletes every shape, from the head on, each recorded.
    void RemoveAllZukei();
    // Deletes the shapes on shown layers (state 1), each recorded; those on reference and
    // hidden layers stay.
    void RemoveShownZukei();

    // ---- Moving, copying, resizing, order -------------------------------------------------------
    // Moves the selected shapes by the drag (CZukei::MoveAnchors), each recorded as changed
    // against a clone of its old state. Mode 2 copies instead: each selected shape (from the
    // last selected) is deselected and a moved, selected clone takes its selection entry and
    // goes to the front, recorded as added. Empties the history first; nothing without a
    // selection.
    void MoveSelectedZukei(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                           double rows, int mode);
    // Resizes the selected shapes by a handle drag (CZukei::ResizeAnchors), each recorded as
    // changed. Empties the history first; nothing without a selection.
    void ResizeSelectedZukei(const IZukeiView& view, const CPoint& delta, int handle,
                             const CRect& ref, const CDatePos& pos);
    // Brings the selected shapes in front of all others (toFront) or behind them, keeping their
    // order among themselves. Empties the history and records nothing.
    void ChangeZukeiOrder(BOOL toFront);

    // ---- The appliers of the shape menu 属性 > 線画 (ChartShapesSelAttr.cpp) ----------------
    // The appliers: each empties the history and records every changed shape as one step. The
    // colour and hatch colour leave the shapes deselected; the text appliers pass over shapes
    // that are no texts.
    void SetSelZukeiPointMode(short mode);
    void SetSelZukeiLineType(WORD type);
    void SetSelZukeiWidth(short width);
    void SetSelZukeiColor(COLORREF color);
    void SetSelZukeiHatch(WORD hatch);
    void SetSelZukeiHatchColor(COLORREF color);
    void SetSelZukeiBoxRay(WORD ray);
    // Emphasis (bit 4) toggles; the vertical bits (256, 512, or 0 for the centre) replace each
    // other.
    void SetSelTextFlags(WORD flag);
    void SetSelTextAlign(WORD align);
    void SetSelTextColor(COLORREF color);
    // The packed size code (height * 256 + width) of the selected texts; they are laid out
    // again.
    void SetSelTextSize(WORD size);
    // The fields of attr whose mask bit is on (1 line type, 2 width, 4 colour, 8 hatch, 16
    // hatch colour, 32 corner radius, 64 position relation) into every selected shape.
    void SetSelZukeiAttrs(const CZukeiAttr& attr, UINT mask);
    // One undo step over the selected shapes (texts only with textsOnly), each changed by change;
    // with deselect they leave the selection afterwards.
    void ChangeSelZukei(bool textsOnly, bool deselect, const std::function<void(CZukei&)>& change);
    // The counts and finds of the menu's rules.
    int CountSelectedZukei() const;
    CZukei* GetFirstSelectedZukei() const;
    CZukeiString* GetFirstSelectedTextZukei() const;
    int CountSelectedGroups() const;
    int CountSelectedRoundBoxes() const;
    const CZukei* FindSelectedRoundBox() const;

    // ---- Row and column edits -------------------------------------------------------------------
    // The shapes follow the row and column edits of the chart (rows counted from 0; a shape's
    // rows are the positions of its top and bottom edges). A deletion deletes the shapes lying
    // wholly inside the removed band and, unless blankOnly, moves up (earlier) those below
    // (after) it, a shape that begins inside the band to the band's start. An insert moves the
    // shapes at or below (after) the insert by its size, but no bottom past row 10000 and no
    // end past the day after GetMaxDate. Only shapes in move mode (PointMode 0) move: when the
    // chart holds fixed shapes, question 5142 asks first whether the moved ones may be switched to
    // move mode (No leaves them). Arcs and fans are measured on the layout of the document's
    // first view; without a view nothing happens. Each change is recorded.
    void DeleteZukeiRows(BOOL blankOnly, int firstRow, int lastRow);
    void InsertZukeiRows(int atRow, int lastRow);
    void DeleteZukeiColumns(BOOL blankOnly, const CTime& fromDate, const CTime& toDate);
    void InsertZukeiColumns(const CTime& atDate, const CTime& toDate);
    // The page layout of the document's first view that shows the chart; null without one.
    const CPageLayout* GetFirstViewLayout() const;

private:
    // Makes the text a framed text of the frame style (the box for a style that frames nothing)
    // with the settings' text font and text attributes.
    void FrameText(CZukeiString& text, short frameStyle) const;
    // Deletes the shapes doomed(shape) picks, with their selection entries, each recorded.
    template <class Doomed> void DeleteZukeiWhere(Doomed doomed);
    // The dates and rows a shape covers in the row and column edits.
    struct ZukeiExtent {
        CTime start;
        CTime end;
        double top = 0;
        double bottom = 0;
    };
    static ZukeiExtent MeasureZukei(const CZukei& shape, const IZukeiView& view);
    // What a row or column edit does with one shape.
    struct ZukeiEdit {
        enum Action { kKeep, kMove, kDelete };
        Action action = kKeep;
        CTimeSpan span;
        double rows = 0;
        static ZukeiEdit Keep() { return {}; }
        static ZukeiEdit Delete() { return {kDelete, CTimeSpan(), 0}; }
        static ZukeiEdit Move(const CTimeSpan& span, double rows) { return {kMove, span, rows}; }
    };
    // A row or column edit of the shapes: decide(extent) says what happens to each shape, all
    // measured on the first view's layout before anything changes; fixed shapes move only when
    // the user agrees (asked when movesFixed and the chart holds one).
    template <class Decide> void EditZukeiBand(bool movesFixed, Decide decide);

    CTembraDoc& m_doc;
    CChartObjects& m_objects;
    CChartSelection& m_selection;
    CChartUndo& m_undo;
    CChartNotifier& m_notifier;
    const CSyokiSet& m_syokiSet;
    short m_nZukeiFrameStyle = kDefaultFrameStyle;
    BOOL m_bZukeiTextMode = FALSE;
};

} // namespace tembra
