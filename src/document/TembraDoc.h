// The schedule document: one object per open chart. It owns every record of the chart, the
// calendars, the settings record, the print header, the item, layer and resource tables and the
// one-step undo history, and it is what the records reach through the archive while they are read
// or written.
//
// Its state lives in parts that can be read and tested on their own, and its members keep the
// names its callers know:
// - CChartObjects: the object lists (objects, selection, progress lines, shapes, resource charts,
//   hatchings, embedded items) and the item, resource and layer tables;
// - CChartSelection: the moves between the object list and the selection list;
// - CChartUndo: the undo history, restoring into the chart's lists;
// - CChartHatches: the hatchings' edits, each recorded for undo;
// - CResourceCharts: the walk over the resource charts and their edits;
// - CDayCountingChange: the initial settings and the change of the day counting;
// - CObjectFactory: records by kind code, new and copied processes, their counter and the
//   current layer;
// - CChartNotifier: the redraws and the changed flags the other parts report through;
// - CDocumentSeams: the adapters that answer the records' document interfaces (FindSeam).
// The operations that combine the parts are members, in files named by what they edit
// (DocObjects.cpp, DocSelection.cpp, DocClipboard.cpp, DocKoutei.cpp, DocKouteiChain.cpp,
// DocKouteiMove.cpp, DocKouteiInsert.cpp, DocKouteiAttr.cpp, DocYogoAttr.cpp, DocRowsCols.cpp,
// DocDateRange.cpp, DocEvents.cpp, DayCountingChange.cpp, DocKoumoku.cpp,
// DocKoumokuEdit.cpp, DocKoumokuAttr.cpp, DocLayers.cpp, DocShigen.cpp, DocShincyoku.cpp,
// DocZukei.cpp, DocZukeiGroup.cpp, DocZukeiSelAttr.cpp, DocCntrItems.cpp); its file in
// DocSerialize.cpp (the stream), DocOpenSave.cpp (new, open, save, close, auto-save copies),
// DocInsert.cpp (File > Insert), DocBackup.cpp (backup copies) and DocCharts.cpp (resource charts
// and the foreign streams).
//
// The menu commands are functions over the document, one file a menu, in document/commands/.
//
// Ownership: every list and table owns its records. The records are deleted by DeleteContents and
// by the operations that remove them (a removed record recorded for undo passes to the undo
// history); the destructor deletes only what is still there.
#pragma once

#include "document/ChartHatches.h"
#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ChartSelection.h"
#include "document/ChartUndo.h"
#include "document/DayCountingChange.h"
#include "document/DocumentSeams.h"
#include "document/Hint.h"
#include "document/HolidayUse.h"
#include "document/KoumokuSelection.h"
#include "document/KouteiAttrChange.h"
#include "document/KouteiContactIndex.h"
#include "document/KouteiNumberIndex.h"
#include "document/ObList.h"
#include "document/ObjectBox.h"
#include "document/ObjectFactory.h"
#include "document/ObjectSets.h"
#include "document/ResourceCharts.h"
#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/ConfigOperation.h"
#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KouteiDrag.h"
#include "model/KtkmHatch.h"
#include "model/LayerSet.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "model/Yogo.h"
#include "platform/CmdUI.h"
#include "platform/Document.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "print/PrHeader.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace tembra {

class CAppState;
class CChart;
class CPageLayout;
class CZukei;
class CZukeiString;
class IZukeiView;
struct CDatePos;

// The insert mask of a document that reads a whole file of its own.
constexpr int kInsertMaskAll = 0xFFFF;

class CTembraDoc : public CDocument {
public:
    using LayerTable = CChartObjects::LayerTable;
    // Lists of processes that the document fills for its callers (not owned).
    using KouteiList = std::vector<CKoutei*>;

    // The name under which the chart's own clipboard format is registered.
    static constexpr const char* kClipboardFormatName = "TEMBRA";

    // Empty lists and tables, version 58000, every flag, count and position 0; takes a lock on
    // the application; the first document of the process registers the clipboard format.
    CTembraDoc();
    // Releases the application lock. The records still in the lists (none, when the contents
    // were deleted first, as the close of a document does) are deleted.
    ~CTembraDoc() override;

    // The number of the clipboard format "TEMBRA" (0 until the first document is constructed).
    static UINT GetClipboardFormat() { return s_clipboardFormat; }

    // ---- Framework ------------------------------------------------------------------------------
    int GetFileVersion() const override { return m_nVersion; }
    // Every change marks the document modified: when the processes the resource charts count
    // changed since the views were last told, the views redraw the charts too (DocCharts.cpp).
    void SetModifiedFlag(BOOL modified = TRUE) override;
    // The same after an object was redrawn (an undo changes the objects without a mark).
    void RedrawStaleCharts();
    // The adapters of the records' document interfaces.
    void* FindSeam(const std::type_info& seam) override { return m_seams.Find(seam); }
    // "name <chart title> [period] " and the read-only mark " －書込禁止－": the chart title is
    // the print header's ("無名" when empty); the period "y/m/d-y/m/d:first-last(暦)" of the
    // working dates and rows (counted from 1) of a calendar-day chart, "days:first-last(延)" of
    // an elapsed-day chart.
    void SetTitle(const std::string& title) override;
    // Refreshes the title after the period, the rows, the chart title or the mode changed: the
    // name is the current title up to its first blank.
    void SetTitle();
    // Empties the document (see the .cpp for the order): a backup copy that is due is written
    // first and the lock of the document's path is released.
    void DeleteContents() override;

    // The server and container steps of an embedded chart. This platform embeds no chart in
    // another program and no other program's object in a chart, so these have nothing to do;
    // they stay where the shell's steps of an open document call them.
    // Shows the views; a pending update of links (there are none to update) is dropped.
    void OnShowViews(BOOL visible);
    void OnShowDocument(BOOL show);
    void OnDeactivate();
    void OnDeactivateUI(BOOL undoable);
    void OnSetItemRects(const CRect& position, const CRect& clip);

    // A text came into the term input bar from the term lists: a process line about to be drawn
    // (process mode, draw operation, nothing begun, no temporary switch saved) gives way to the
    // term mode, the views are updated and the undo history emptied. Anything else is kept.
    void OnYogoTextInput();
    // The keyword the web links of a context menu search for: the text of the term or event the
    // menu was opened on.
    const std::string& GetWebKeyword() const { return m_webKeyword; }
    void SetWebKeyword(const std::string& keyword) { m_webKeyword = keyword; }

    // ---- Parts ----------------------------------------------------------------------------------
    CChartObjects& GetChartObjects() { return m_objects; }
    const CChartObjects& GetChartObjects() const { return m_objects; }
    CChartSelection& GetSelection() { return m_selection; }
    // The undo history: every editing operation resets it, then records what it changes.
    CChartUndo& GetUndoHistory() { return m_undo; }
    const CChartUndo& GetUndoHistory() const { return m_undo; }
    CObjectFactory& GetObjectFactory() { return m_factory; }
    CDocumentSeams& GetSeams() { return m_seams; }

    // ---- Members --------------------------------------------------------------------------------
    int GetVersion() const { return m_nVersion; }
    void SetVersion(int version) { m_nVersion = version; }
    BOOL GetLinkUpdate() const { return m_bLinkUpdate; }
    void SetLinkUpdate(BOOL update) { m_bLinkUpdate = update; }
    // The counter that numbers the chart's processes.
    CSeqNumberCtrl& GetSeqNumberCtrl() { return m_factory.GetSeqNumberCtrl(); }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL readOnly) { m_bReadOnly = readOnly; }
    BOOL IsBackupDue() const { return m_bBackupDue; }
    void SetBackupDue(BOOL due) { m_bBackupDue = due; }
    CConfigOperation& GetOperation() { return m_operation; }
    const CConfigOperation& GetOperation() const { return m_operation; }
    CPrHeader& GetPrHeader() { return m_prHeader; }
    const CPrHeader& GetPrHeader() const { return m_prHeader; }
    CCalendar& GetWorkCalendar() { return m_calendar; }
    const CCalendar& GetWorkCalendar() const { return m_calendar; }
    CCalendar& GetScratchCalendar() { return m_scratchCalendar; }
    // Gives the calendar the file window that holds every date of the chart (period, processes,
    // events, shapes, progress lines) and every day changed from the holiday rules. FALSE when
    // they span more than the window: with tell, message 5912 names their earliest and latest
    // date (DocCalendarWindow.cpp).
    BOOL FitCalendarWindow(BOOL tell);
    CSyokiSet& GetSyokiSet() { return m_syokiSet; }
    const CSyokiSet& GetSyokiSet() const { return m_syokiSet; }
    BOOL GetAskTargetLayer() const { return m_bAskTargetLayer; }
    void SetAskTargetLayer(BOOL ask) { m_bAskTargetLayer = ask; }
    int GetCurrentLayer() const { return m_factory.GetCurrentLayer(); }
    void SetCurrentLayer(int layer) { m_factory.SetCurrentLayer(layer); }
    LayerTable& GetLayers() { return m_objects.GetLayers(); }
    const LayerTable& GetLayers() const { return m_objects.GetLayers(); }
    // The resource master table: entry i describes resource number i + 1.
    CShigenNameTable& GetShigenNames() { return m_objects.GetShigenNames(); }
    const CShigenNameTable& GetShigenNames() const { return m_objects.GetShigenNames(); }
    // What the resource labels show of the table (see model/Shigen.h): the name of entry n
    // (0-based) and its length, -1 past the last entry; over a list's entries with an amount,
    // the longest name length and the largest amount; the label line of the list's entry at
    // index (-1: the list's widest line).
    int GetShigenName(int n, std::string& name) const {
        return tembra::GetShigenName(GetShigenNames(), n, name);
    }
    void MeasureShigenList(const CShigen& resources, int& nameLength, int& amount) const {
        tembra::MeasureShigenList(resources, GetShigenNames(), nameLength, amount);
    }
    std::string GetShigenLabel(const CShigen& resources, int index) const {
        return tembra::GetShigenLabel(resources, GetShigenNames(), index);
    }
    CKoumoku* GetKoumoku() { return &m_objects.GetKoumoku(); }
    const CKoumoku& GetKoumokuTable() const { return m_objects.GetKoumoku(); }
    OwnedObList<CDataHeader>& GetObjList() { return m_objects.GetObjList(); }
    const OwnedObList<CDataHeader>& GetObjList() const { return m_objects.GetObjList(); }
    OwnedObList<CDataHeader>& GetSelList() { return m_objects.GetSelList(); }
    const OwnedObList<CDataHeader>& GetSelList() const { return m_objects.GetSelList(); }
    // Progress lines (CShincyoku, type 3).
    OwnedObList<CDataHeader>& GetShincyokuList() { return m_objects.GetShincyokuList(); }
    // Drawing shapes (the CZukei family, type 4) in drawing order: the head is drawn first.
    OwnedObList<CDataHeader>& GetZukeiList() { return m_objects.GetZukeiList(); }
    int GetZukeiCount() const { return m_objects.GetZukeiList().GetCount(); }
    // Resource charts (CChart, type 7).
    OwnedObList<CDataHeader>& GetChartList() { return m_objects.GetChartList(); }
    OwnedObList<CKtkmHatch>* GetHatchList() { return &m_objects.GetHatchList(); }
    // The embedded items of other programs (none are made on this platform; see
    // DocCntrItems.cpp).
    OwnedObList<CObject>& GetCntrItems() { return m_objects.GetCntrItems(); }
    CHint& GetHint() { return m_hint; }
    int GetInsertMask() const { return m_nInsertMask; }
    void SetInsertMask(int mask) { m_nInsertMask = mask; }
    // The merge mode the records read: the insert mask (kInsertMaskAll while the document reads
    // a whole file of its own).
    int GetMergeMode() const { return m_nInsertMask; }
    const std::string& GetFilePath() const { return m_strFilePath; }
    void SetFilePath(const std::string& path) { m_strFilePath = path; }
    // The changed-since-save flag (set by additions to the lists, cleared by a save).
    BOOL GetChangedFlag() const { return m_notifier.GetChangedFlag(); }
    void SetChangedFlag(BOOL changed) { m_notifier.SetChangedFlag(changed); }
    // The document is modified and changed since its last save.
    void MarkChanged() { m_notifier.MarkChanged(); }
    // Every view redraws the object, unless redrawing is held.
    void RedrawObject(CObject* object) { m_notifier.RedrawObject(object); }
    // fn(pos, object) over the selection list (see CChartSelection).
    template <class Fn> void ForEachSelected(Fn fn) { m_selection.ForEachSelected(fn); }
    const std::string& GetAutoSavePath() const { return m_strAutoSavePath; }
    void SetAutoSavePath(const std::string& path) { m_strAutoSavePath = path; }
    int GetZukeiPlacement() const { return m_nZukeiPlacement; }
    void SetZukeiPlacement(int code) { m_nZukeiPlacement = code; }
    BOOL IsContainerSave() const { return m_bContainerSave; }
    void SetContainerSave(BOOL saving) { m_bContainerSave = saving; }
    BOOL IsInserting() const { return m_bInserting; }
    void SetInserting(BOOL inserting) { m_bInserting = inserting; }
    WORD GetSheetRowCount() const { return m_nSheetRows; }
    void SetSheetRowCount(WORD rows) { m_nSheetRows = rows; }
    // While held, additions to the lists do not redraw the object.
    BOOL IsRedrawHeld() const { return m_notifier.IsRedrawHeld(); }
    void SetRedrawHold(BOOL hold) { m_notifier.SetRedrawHold(hold); }
    // The selected date range: start and end date (a range whose end equals its start is
    // empty) with their rows.
    CChartPos* GetSelectedDateRange() { return &m_columnRange; }

    // ---- Object factory -------------------------------------------------------------------------
    // A new, empty record of the class that the type code and the sub-kind stand for (see
    // CObjectFactory); the caller owns it.
    std::unique_ptr<CDataHeader> CreateObjectByKind(int type, UINT subKind) {
        return CObjectFactory::CreateObjectByKind(type, subKind);
    }
    // Gives the process the counter's next number; FALSE when the numbers are exhausted.
    BOOL AssignSeqNumber(CKoutei* process) { return m_factory.AssignSeqNumber(process); }
    // A new process on the current layer with the settings' attributes, placed at the source
    // when one is given, numbered when number is set; null after message 5016.
    std::unique_ptr<CKoutei> CreateKoutei(const CChartPos* source, BOOL number = TRUE) {
        return m_factory.CreateKoutei(source, number);
    }
    std::unique_ptr<CKoutei> CreateKouteiNoNumber(const CChartPos* source) {
        return m_factory.CreateKoutei(source, FALSE);
    }
    // A copy of the process, with a new number unless keepNumber; null after message 5017.
    std::unique_ptr<CKoutei> CopyKoutei(const CKoutei* process, BOOL keepNumber) {
        return m_factory.CopyKoutei(process, keepNumber);
    }

    // ---- Object and selection lists (DocObjects.cpp, DocSelection.cpp) --------------------------
    int GetObjCount() const { return GetObjList().GetCount(); }
    int GetSelCount() const { return GetSelList().GetCount(); }
    POSITION GetHeadObjPosition() const { return GetObjList().GetHeadPosition(); }
    POSITION GetTailObjPosition() const { return GetObjList().GetTailPosition(); }
    CDataHeader* GetNextObj(POSITION& pos) const { return GetObjList().GetNext(pos); }
    CDataHeader* GetPrevObj(POSITION& pos) const { return GetObjList().GetPrev(pos); }
    POSITION GetHeadSelPosition() const { return GetSelList().GetHeadPosition(); }
    POSITION GetTailSelPosition() const { return GetSelList().GetTailPosition(); }
    CDataHeader* GetNextSel(POSITION& pos) const { return GetSelList().GetNext(pos); }
    CDataHeader* GetPrevSel(POSITION& pos) const { return GetSelList().GetPrev(pos); }
    CDataHeader* GetObjAt(POSITION pos) const { return GetObjList().GetAt(pos); }
    CDataHeader* GetSelAt(POSITION pos) const { return GetSelList().GetAt(pos); }
    POSITION FindObj(const CDataHeader* object) const { return GetObjList().Find(object); }
    POSITION FindSel(const CDataHeader* object) const { return GetSelList().Find(object); }

    // The first unselected (FindKouteiByNumber) or selected (FindSelKouteiByNumber) process whose
    // own number (which 0), start-node number (1) or end-node number (2) is number; null for
    // the number (0, 0).
    CKoutei* FindKouteiByNumber(const CObSeqNumber& number, int which) const {
        return m_objects.FindKouteiByNumber(number, which, false);
    }
    CKoutei* FindSelKouteiByNumber(const CObSeqNumber& number, int which) const {
        return m_objects.FindKouteiByNumber(number, which, true);
    }
    // The same over the application's object clipboard.
    static CKoutei* FindClipKouteiByNumber(const CObSeqNumber& number, int which);
    // How many objects the application's object clipboard holds (its shapes not counted).
    static int GetClipboardCount();

    // Appends the object to the object list, which takes it over; redraws it when asked (and
    // not held). Returns its position.
    POSITION AddObj(CDataHeader* object, BOOL redraw = TRUE) {
        return m_selection.AddObj(object, redraw);
    }
    // Appends the object to the selection list, which takes it over (a shape stays the shape
    // list's); redraws it unless held.
    POSITION AddSel(CDataHeader* object) { return m_selection.AddSel(object); }
    // Puts newObject (taken over) in the place of the object at pos, records the change for
    // undo (the history takes the old object) and redraws the new one. Returns the old object,
    // or null when nothing was replaced: an empty position, no new object, or the object at pos
    // itself (which changes nothing). When the change cannot be recorded the old object, no
    // longer listed, is deleted and null returned.
    CDataHeader* ReplaceObjAt(POSITION pos, CDataHeader* newObject);
    // The same in the selection list; then mode 1 deselects the new object and mode 0 moves it
    // to the end of the selection.
    CDataHeader* ReplaceSelAt(POSITION pos, CDataHeader* newObject, int mode);

    // The moves between the lists (see CChartSelection).
    POSITION UnselectAt(POSITION pos, BOOL redraw = TRUE) {
        return m_selection.UnselectAt(pos, redraw);
    }
    POSITION UnselectAll(BOOL redraw = TRUE) { return m_selection.UnselectAll(redraw); }
    void MoveSelToTail(POSITION pos) { m_selection.MoveSelToTail(pos); }
    POSITION SelectAt(POSITION pos) { return m_selection.SelectAt(pos); }
    POSITION SelectLastObj() { return m_selection.SelectLastObj(); }
    // Selects every object of the object mode (-1: the current one); see CChartSelection.
    int SelectAll(LONG mode = -1);
    BOOL CancelLastSel() { return m_selection.CancelLastSel(); }
    // The view to act on: the active view of the main window's active chart window, or null.
    CView* GetActiveView() const;
    // In the process mode: deselects selected, unmarked processes by rule (see CChartSelection).
    void FilterSelectedKoutei(int rule);
    int SelectInArea(std::int64_t firstDate, int firstRow, std::int64_t lastDate, int lastRow,
                     BOOL bothNodes) {
        return m_selection.SelectInArea(firstDate, firstRow, lastDate, lastRow, bothNodes);
    }
    void DeselectRelationLines() { m_selection.DeselectRelationLines(); }
    void SelectRelationLines() { m_selection.SelectRelationLines(); }
    // Recomputes the spans of the selected processes (base date 0: the settings' elapsed-day
    // base date).
    void RecalcSelectedDurations(const CTime& baseDate, BOOL holidayFlag);

    // ---- Copy, cut and the link records (DocClipboard.cpp) --------------------------------------
    // Copies the fully selected processes to the application's object clipboard (with the
    // resource table and the link records when any was copied) and clones the selected shapes
    // to the head of its shape clipboard. Returns how many objects were copied.
    int CopySelectedObjects();
    // Copies, then deletes the selection and checks the relation lines (PropagateKankei) in one
    // undo step. Returns 0.
    int CutSelectedObjects();
    // Rebuilds the application's link records over its clipboard processes, converting the
    // durations of those that do not count holidays into working time of the calendar.
    void BuildKouteiLinks(const CCalendar& calendar);
    // Marks the relation lines among pasted objects whose two ends were not pasted with both
    // nodes selected (flag -1) and takes the other processes out of the list. Returns 1 when
    // relation lines remain.
    int MarkPastedRelationLines(ObList<CDataHeader>& pasted);
    // Points the selected relation lines that refer to oldProcess at newProcess (unless that is
    // a relation line itself).
    void ReattachPastedRelationLines(const CKoutei* oldProcess, const CKoutei* newProcess);

    // ---- Holiday classes (DocKoutei.cpp) --------------------------------------------------------
    // Over the selected processes (or the processes of a list): Mixed when some count holidays
    // and some do not, WorkingDays when all of them do, else CalendarDays. Those that do not are
    // put into out (when given) in the order of their end dates, those ending together in list
    // order.
    HolidayUse ClassifyHolidayUse(KouteiList* out);
    static HolidayUse ClassifyHolidayUseInList(const ObList<CDataHeader>& list, KouteiList* out);
    // The pivot mark of a process (set by a duration change, cleared when it is deselected).
    static WORD GetMark(const CKoutei* process) { return CChartSelection::GetMark(process); }
    static BOOL IsSameSeqNumber(const CObSeqNumber& a, const CObSeqNumber& b) {
        return a == b ? TRUE : FALSE;
    }

    // ---- Process chains and the change of a duration (DocKouteiChain.cpp) ----------------------
    // Processes meet at their nodes and, by a relation node, on another's line; the parts are
    // kContactStart, kContactEnd and kContactLine (KouteiContactIndex.h). A walk along a
    // chain marks the parts it reaches and moves the processes it reaches into the selection.

    // How a meets b, the first of these that holds: (only with includeStart) same start (1, 1),
    // a's start at b's end (1, 2); a's end at b's start (2, 1), same end (2, 2); b's start node
    // on a's line (0x10, 1), b's end node on a's line (0x10, 2); a's end node on b's line
    // (2, 0x10), a's start node on b's line (1, 0x10). 1 and the two parts, or 0 and both 0.
    static int ContactKind(const CKoutei* a, const CKoutei* b, BOOL includeStart, int& partA,
                           int& partB);
    // Selects the chain linked to the start process, or to every selected process when there is
    // none: direction 1 towards the successors, 0 towards the predecessors. Depth 0 selects whole
    // processes; depth 1 then also walks one step back the other way from everything selected
    // (only the touching node and line of what it adds); -1 is that inner walk. Rule 0 follows
    // every link; 1 (a lengthening) stops at a process with spare days, which gives way by its
    // start; 2 (a shortening) keeps what cannot give way from moving (PruneShortening). The chart
    // is redrawn once at the end. Returns 1 when the walk moved a process into the selection.
    int SelectLinkedKoutei(CKoutei* start, int direction, int depth, int rule);
    // Prepares a seed of a walk: with whole, marks the node the walk leaves from (direction 0 the
    // start, 1 the end) and the line; with whole and rule 1 a process with spare days keeps its
    // end; with rule 2 a marked process that an unselected one touches by a relation node keeps
    // its end. 1 for a process, 0 for any other object.
    int SeedLinkedKoutei(CDataHeader* object, int direction, BOOL whole, int rule);
    // Links the candidate to the chain process when a node the walk has reached meets it (end
    // to start, same start, same end, or by a relation node): the candidate's touching node and
    // line are marked, with whole its far node too. 1 when it was linked.
    int LinkKoutei(CDataHeader* chain, CDataHeader* candidate, int direction, BOOL whole, int rule);
    // Before a shortening: a selected unmarked process that cannot give way (its start stays and
    // it has no spare days, or an unselected process's relation node lies on it) stops moving,
    // and so, in turn, does what hangs on it. 1 when any process was held back.
    int PruneShortening();
    // The first unselected process (skipping those with spare days when asked) that meets the
    // process by one of these pairs within the masks (own part / its part): same start (1/1),
    // same end (2/2), own start at its end (1/2), own end at its start (2/1), its start or end
    // node on the own line (0x10/1, 0x10/2). Its position in the object list, or null.
    POSITION FindTouchingKoutei(const CKoutei* process, int ownMask, int otherMask,
                                BOOL skipSpare) const;
    // The smallest non-zero spare days among the selected processes whose start node (side 1) or
    // end node (side 2) is not selected: 1 and smallest, or 0 and 0 when there is none.
    int GetMinSpareDays(CTimeSpan& smallest, int side) const;
    // Moves the end (endFlag 1) or the start (0) of the first selected process by amount and its
    // chain with it, in passes: each pass moves the chain up to the first process whose spare
    // days give way, by at most those spare days. One undo step, everything deselected at the
    // end. 0 when nothing is selected or the chain leads back to the process (the passes made
    // stay made); else 1.
    int ChangeKouteiDays(CTimeSpan amount, BOOL endFlag);
    // The relation-line check after an edit: every relation line is attached again to the
    // processes it links; one whose start passed its end is lengthened back (ChangeKouteiDays).
    // When that is refused, message 5039 is shown and the whole edit is undone. At most 10 scans;
    // the check stops at the first refusal. Returns 0 after a refusal, else 1.
    int PropagateKankei();

    // ---- Moving processes (DocKouteiMove.cpp) -------------------------------------------------
    // The operations that move the selected processes take one of these operation codes (the
    // edit operations of COperationState): 2 copy, 3 move, 4 copy while some nodes are free, 5
    // move while some nodes are free, 10 move the bend of a bent line. Their mode is 1 for a
    // mouse drag, 2 for the change of a duration, any other value otherwise.
    //
    // How dates move is decided once per operation from the selection (its link mode): in an
    // elapsed-day chart, or with working-day processes only, every date moves by working time
    // (where "HolidayAuto" is on); with calendar-day processes only by plain time. When both kinds
    // are selected, dates move by working time and then each calendar-day process is brought back
    // to its net span (end - start - spare days) as it was before, pushing or pulling the
    // processes linked to it within the selection (AdjustKoutei).
    using KouteiLinkList = std::vector<std::unique_ptr<CKouteiLink>>;

    // Moves (or copies) the selected processes by offset and rows; only the selected nodes of
    // each move. A move replaces each process by a moved copy keeping its number, recorded for
    // undo, at the end of the selection; a process moved onto its other node (a point) is
    // deleted, recorded. A copy leaves the process unselected in place and selects a moved copy
    // with a new number, recorded as added (none for a point); the copied relation lines name the
    // copies of the processes they join. Operation 10 changes only the bend offset of each line,
    // by rows. The drag record, "HolidayAuto" and adjustSpare go to CKoutei::MoveBy. With both
    // kinds of processes selected the calendar-day ones are adjusted afterwards, at most 10
    // passes; for the change of a duration (mode 2) the first selected process keeps what it was
    // given and the others adapt. The undo history is reset first unless a group is open.
    // Nothing happens without a selection.
    void MoveKoutei(CTimeSpan offset, int rows, int operation, const CKouteiDrag* drag,
                    BOOL adjustSpare, int mode);
    // The end of a process drag: MoveKoutei of the drag (mode 1, with the drag record).
    // A move later in time on the same rows also pushes what hangs on the moving end nodes: each
    // end that an unselected process hangs on moves on by the offset with its chain, in passes
    // as a change of days pushes a chain (spare days along it giving way first, processes
    // ending at a pushed node keeping their end there); the process's own spare days move with
    // it, and nothing before its start moves. One undo step; the selection is what it was.
    void DragKoutei(CTimeSpan offset, int rows, int operation, const CKouteiDrag& drag);
    // The live stretch of a drag: the selected nodes of the selected processes themselves move
    // (no copies, nothing recorded), as MoveKoutei would move them; the adjustment of a mixed
    // selection redraws nothing. Nothing moves when every date moves by working time.
    void StretchKoutei(CTimeSpan offset, int rows, int operation, const CKouteiDrag* drag,
                       BOOL adjustSpare);
    // One pass over the link records (calendar-day processes in the order of their end dates):
    // each whose net span differs from the saved one is brought back, in steps, by its spare
    // days, by moving its end with its successors and the processes ending with it, or, where
    // that is held, by a change of its own spare days. Every process it moves is selected.
    // noRedraw 0 redraws each moved process other than the adjusted one. In mode 1 a process
    // with exactly one selected node (being stretched) is left. Returns 1 when no record needed
    // a change, else 0.
    int AdjustKoutei(KouteiLinkList& records, BOOL adjustSpare, BOOL noRedraw, int mode);
    // How many start and end nodes of the selected processes are not selected: 0 when whole
    // processes move.
    int CountFreeLands() const;
    // Moves the relation lines of the list to its end, keeping their order; 1 when it holds one.
    static int MoveRelationLinesLast(ObList<CDataHeader>& list);

    // ---- Insert and paste of process networks (DocKouteiInsert.cpp) --------------------------
    // Inserts copies of what the application's clipboards hold (processes with new numbers,
    // events, shapes) as one block at target, selected, everything else deselected: each kind is
    // moved so that its first date lies in the target's period and its top row in the target's
    // rows (a target of all zeros keeps every place; then an insert mode of 1 or 2 shows message
    // 5127 or 5125 once). Point processes are left out; with "HolidayAuto" the copies are re-dated
    // from their stored spans from baseDate (0: the elapsed-day base date) first; calendar-day
    // copies take back the net spans they had when they were copied; relation lines name the
    // copies of the processes they join; resource numbers follow the merged resource table; no
    // shape lands above row 0. The clipboards stay as they were. With recordUndo every inserted
    // object is recorded as added. Returns the position of the last object selected (null when
    // nothing was inserted).
    POSITION InsertKouteiBlock(CChartPos target, CTime baseDate, BOOL recordUndo);
    // Re-dates each process of the list from its stored start offset and duration
    // (CKoutei::RedateFromSpans); a process that becomes a point is taken out of the list and,
    // when the list owns it, deleted.
    void RedateKoutei(OwnedObList<CDataHeader>& list, CTime baseDate, BOOL noHoliday,
                      double factor);
    // The box an object covers: first and last date, top and bottom row, and a third row (a
    // process's bend row, a shape's bottom row, an event's row); zero for other records.
    CObjectBox GetObjectExtent(const CDataHeader* object) const;
    // The box of the objects of the sets (with linesOnly, selected processes whose line is not
    // selected left out). Nothing: start GetMaxDate, end GetMinDate, rows 9999 and 0.
    CChartPos GetObjectsExtent(ObjectSets sets, BOOL linesOnly) const;
    // The type code of the first clipboard object the object mode takes (processes 1, shapes 4,
    // events 6); else the type of the last one; 0 for empty clipboards.
    WORD CanPasteObjects() const;

    // ---- Process line and node attributes (DocKouteiAttr.cpp) --------------------------------
    // The attributes the change holds. In the process mode the selected processes whose line is
    // selected are each replaced by a changed copy (recorded) that stays selected, except after
    // a colour change, which leaves it unselected so that the colour shows. A style other than 5
    // makes a relation line a plain process. When no process was changed the values become the
    // defaults of new processes (reverse excepted).
    void SetKouteiAttr(const KouteiAttrChange& change);
    // The shape (0x80 toggles the connection mark) and size of the selected nodes, each process
    // replaced by a changed copy (recorded) that stays selected; a node that becomes a milestone
    // gets size 300 and one that stops being one 100 unless a size is given. Without a changed
    // process the default node attributes change instead.
    void SetLandAttr(int shape, int size);
    // Check (and for "上下入替" the enabled state) of a process-line command, from the first
    // selected process whose line is selected (process mode) or else the defaults.
    void UpdateKouteiAttrUI(CCmdUI* cmdUI);
    // Check of a node-shape command, from the first selected node (process mode) or else the
    // default node attributes.
    void UpdateLandAttrUI(CCmdUI* cmdUI);

    // ---- Term attributes, removal and find and replace (DocYogoAttr.cpp) ----------------------
    // Each value below 0 (decoration 0xFFFF, color kUnchangedColor, an empty text, no font)
    // leaves its attribute as it is. In the term mode (operation 1, 2, 3, 6 or 7) the selected
    // terms of each selected process are changed on a copy that replaces it (recorded), staying
    // selected unless the colour changed. A text is cut to 128 bytes on a character boundary and
    // joins the term bar's history. Without a changed process the values become the defaults of
    // new terms.
    void SetYogoAttr(int form, COLORREF color, WORD decoration, int size, std::string_view text,
                     int linkPosition, int ownFont, const LOGFONT* logFont);
    // Check of a term command from the first selected term (term mode) or else the defaults.
    void UpdateYogoAttrUI(CCmdUI* cmdUI);
    // Removes the selected terms of the selected processes, each process replaced by a copy
    // without them (recorded) that leaves the selection.
    void RemoveSelYogo();
    // Finds (mode other than 2) or replaces (mode 2, one undo step) findText in the terms of the
    // selected processes (their selected terms only with selectionOnly) and, without
    // selectionOnly, of the unselected ones: the whole text (wholeMatch) or every occurrence,
    // never inside a double-byte character. Matching terms end selected with the replaced text
    // (cut to 128 bytes on a character boundary), the others unselected; exactly the processes
    // with a match end selected. Returns how many processes matched.
    int FindReplaceYogo(int mode, std::string_view findText, std::string_view replaceText,
                        BOOL wholeMatch, BOOL selectionOnly);

    // ---- Row and column edits of processes and events (DocRowsCols.cpp) ---------------------
    // Rows are item-table rows; each edit is one undo step and ends with nothing selected. The
    // results are 1 when the document held objects (or, for the deletions of objects,
    // something was deleted), else 0.

    // Deletes the objects in the rows (the dates).
    int DeleteRowObjects(int firstRow, int lastRow);
    int DeleteColumnObjects(CTime dateFrom, CTime dateTo);
    // Deletes the processes with a node in the rows and the events there, and moves everything
    // below up by the rows.
    int DeleteRows(int firstRow, int lastRow);
    // Moves everything from row down by lastRow - row + 1 rows.
    int InsertRows(int row, int lastRow);
    // Moves (or, by operation, copies) the processes and events of the rows by rows.
    int MoveRowRange(int firstRow, int lastRow, int rows, int operation);
    // Deletes the processes and events inside the period, cuts the processes reaching into it at
    // its edge (one cut to a point goes) and pulls everything after it earlier by its length.
    int DeleteColumns(CTime dateFrom, CTime dateTo, int mode);
    // Moves everything after date later by dateTo - date, less the holidays between them when
    // "HolidayAuto" is on.
    int InsertColumns(CTime date, CTime dateTo, int mode);
    // Keeps the crossbars of the selected gate processes on their item rows while rows first..
    // last are inserted (direction 1) or deleted (-1): the bend offsets change, each recorded
    // against a copy of the old state that keeps its number.
    void AdjustBendRows(int direction, int firstRow, int lastRow);

    // ---- Selected date range (DocDateRange.cpp)
    // ----------------------------------------------------
    BOOL HasColumnRange() const;
    // Redraws the range (hint 2) unless both dates are 0; with clear, empties it afterwards.
    void RedrawColumnRange(BOOL clear);

    // ---- Deletion (DocObjects.cpp) --------------------------------------------------------------
    // A deletion is recorded with the object's place in its list: undo puts it back there.

    // Deletes the selected object at pos with an undo record; 0 for an empty position.
    int DeleteSelAt(POSITION pos);
    // The same in the object list; marks the document modified and changed.
    int DeleteObjAt(POSITION pos);
    // Deletes every unselected object, each with an undo record.
    void DeleteAllObjects();
    // Drops every selection: the objects (and resource charts) are deselected with redraw, no
    // embedded item stays current, the item cells are deselected (keepCells passed on as their
    // restore flag) and the selected date range is redrawn and cleared; a shape deformation
    // (operation 8 or 9) outside the shape mode returns to the edit operation.
    void ClearAllSelections(BOOL keepCells);
    // Deletes the selected objects with undo records: processes whose line is not selected stay,
    // shapes leave the shape list too; what stays is deselected.
    void DeleteSelection();
    // Takes a shape out of the selection and the shape list with an undo record.
    void DeleteZukei(CDataHeader* shape);
    // Delete without undo, for the deletion of the contents.
    void FreeAllObjects() { m_objects.DeleteAllObjects(); }
    void FreeAllKoumoku() { m_objects.DeleteAllKoumoku(); }
    void FreeAllShincyoku() { m_objects.DeleteAllProgressLines(); }
    void DeleteZukeiList() { m_objects.DeleteAllZukei(); }
    void DeleteShigenTable() { m_objects.DeleteAllResources(); }
    void DeleteAllCharts() { m_objects.DeleteAllCharts(); }
    void DeleteAllHatches() { m_objects.DeleteAllHatches(); }

    // ---- Shape selection and framed texts (DocZukeiGroup.cpp) --------------------------------
    // Takes every selected shape out of the selection and redraws it; an edited framed text
    // ends its edit state.
    void DeselectAllZukei();
    // Marks every framed text of the shape list (inside groups too) for a new layout of its
    // lines at its next drawing.
    void InvalidateTextZukei();

    // ---- The appliers of the shape menu 属性 > 線画 (DocZukeiSelAttr.cpp) ----------------------
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
    // テキスト: new shapes are texts framed by the chosen outline.
    BOOL GetZukeiTextMode() const { return m_bZukeiTextMode; }
    void SetZukeiTextMode(BOOL on) { m_bZukeiTextMode = on; }

    // ---- The print header's edit (DocHeaderEdit.cpp) -----------------------------------------
    // After the print header's texts were edited (the name plate or the plan sheet): the edit
    // becomes the one undo step, holding the header as it was before (before; without it the
    // history is only emptied), the document is marked modified and changed, its title composed
    // again and every view redraws the header.
    void AfterHeaderEdit(std::unique_ptr<CPrHeader> before = nullptr);
    // Undo and redo of a header edit: the saved header and the document's change places; the
    // title and the views follow.
    int ExchangeHeader(CPrHeader& saved);

    // ---- Shapes (DocZukei.cpp) ------------------------------------------------------------------
    // The shape list is the drawing order: the head is drawn first (the back), the tail last
    // (the front). A selected shape stays in it and stands in the selection list besides. The
    // changes the user can take back are recorded; each changed shape is redrawn.

    // Message of the creators.
    static constexpr UINT kNoZukeiDataMessage = 5021;
    // The question before a row or column edit when the chart holds fixed shapes.
    static constexpr UINT kFixedZukeiQuestion = 5142;
    // The frame style of new framed texts when nothing else was chosen: the box.
    static constexpr short kDefaultFrameStyle = 3;

    // The frame style that new framed texts take (3 to 6, 9 to 13: the shape styles whose
    // outline frames the text).
    short GetZukeiFrameStyle() const { return m_nZukeiFrameStyle; }
    void SetZukeiFrameStyle(short style) { m_nZukeiFrameStyle = style; }
    // The frame kind of a frame style: the shape kind of that style's outline (3 -> 4 box, 4 ->
    // 5 rounded box, 5 -> 6 circle, 6 -> 7 ellipse, 9..13 -> 10..14); the box for any other.
    static WORD GetFrameKind(int frameStyle);

    // A new shape of the settings' current style (0..16, see the .cpp) on the current layer
    // with the settings' shape attributes; style 14 is a framed text of the document's frame
    // style with the settings' text font and text attributes. Not in any list. Null after
    // message 5021.
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
    // Puts object in the selection entry at pos (the caller keeps the lists consistent).
    void SetSelAt(POSITION pos, CDataHeader* object) { GetSelList().SetAt(pos, object); }
    CDataHeader* GetFirstSel() const { return GetSelList().GetHead(); }
    // Redraws every selected shape.
    void UpdateAllZukeiViews();

    // Deletes the selected shapes (redrawn and recorded with their places); the other selected
    // objects stay selected.
    void DeleteSelectedZukei();
    // Deletes every shape, from the head on, each recorded.
    void RemoveAllZukei();
    // Deletes the shapes on shown layers (state 1), each recorded; those on reference and
    // hidden layers stay.
    void RemoveShownZukei();

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
    // The first framed text with the tag whose rows [top, bottom] overlap from - 1 .. to; null
    // when none.
    CZukeiString* FindTextZukei(WORD tag, int from, int to) const;
    // The number of selected text shapes (plain or framed); 0 as soon as a selected shape is
    // no text. Other selected objects do not count (DocZukeiText.cpp).
    int CountSelectedTextZukei() const;

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

    // ---- Embedded items (DocCntrItems.cpp) ------------------------------------------------------
    // Nothing of another program can be embedded on this platform: no item is made, so the item
    // list stays empty and the current item null. What a document file holds of items is read as
    // far as it can be (see SerializeCntrItems).

    // The item block of the file (its magic 0x0DAF, a count, the items): stored empty. Loading
    // checks the magic (otherwise message 5059 and an archive exception, the item list as it
    // was) and reads the count; a count above 0 comes from a document whose items cannot be
    // read here: the stream stops after the count, which is returned (and kept,
    // GetUnreadCntrItemCount) so that the caller reads nothing that follows. 0 otherwise.
    int SerializeCntrItems(CArchive& ar);
    // The number of items of the document.
    int CountCntrItems() const { return m_objects.GetCntrItems().GetCount(); }
    // The items the last load of the item block could not read.
    int GetUnreadCntrItemCount() const { return m_nUnreadCntrItems; }
    CObject* GetCurrentCntrItem() const { return m_pCurrentCntrItem; }
    BOOL IsCurrentCntrItem(const CObject* item) const {
        return item == m_pCurrentCntrItem ? TRUE : FALSE;
    }
    // Makes the item (one of the item list, or null) current and redraws the old and the new
    // one. While another item is current, keep leaves everything as it is.
    void SetCurrentCntrItem(CObject* item, BOOL keep);

    // ---- Layers (DocLayers.cpp) -----------------------------------------------------------------
    // A layer's state: 1 shown, 2 shown for reference, any other value (0, or the 3 the layer
    // dialog writes) hidden. Objects are drawn on layers of state 1 or 2 (CLayerSet::IsDrawn);
    // no caller takes a non-zero state for a drawn layer. A layer word above 15 counts as
    // layer 15.
    using LayerCounts = std::array<int, CLayerSet::kLayerCount>;
    // A layer map: entry i is the target layer of the objects now on layer i.
    using LayerMap = std::array<int, CLayerSet::kLayerCount>;

    // Appends 16 new layers (shown, no name); 0 as soon as one cannot be made.
    int CreateLayers() { return m_objects.CreateLayers(); }
    // Deletes the layers from the last to the first.
    void DeleteLayers() { m_objects.DeleteAllLayers(); }
    // The state of the object's layer; 0 without a table.
    short IsObjectLayerVisible(const CDataHeader* object) const {
        return m_objects.GetLayerState(object);
    }
    // The state of layer n; 0 for a layer the table does not hold.
    short IsLayerVisible(int n) const;
    // Sets the state of layer n; nothing for a layer the table does not hold. A layer no longer
    // shown takes its objects out of the selection.
    void SetLayerVisible(int n, short state);
    std::string GetLayerName(int n) const;
    void SetLayerName(int n, std::string_view name);
    // The shapes and the unselected objects per layer (layer words above 15 and selected
    // objects other than shapes are not counted).
    void CountObjectsPerLayer(LayerCounts& counts) const;
    // The same over the application's object clipboard and its shapes.
    static void CountClipboardPerLayer(LayerCounts& counts);
    // Moves the shapes and the unselected processes and events to the layers the map gives
    // (targets clamped to 0..15): each is replaced in its place by a copy on the new layer, in
    // one undo step. Nothing happens (and nothing is recorded) when no layer that the map moves
    // holds a counted object.
    void MoveLayers(const LayerMap& map);
    // Puts the selected objects of the object mode on the layer (mode 1: processes whose line
    // is selected; 4: shapes; 6: events), each change recorded against a copy of its old state.
    void SetSelLayer(int layer);
    // Before a paste: gives every object and shape of the application's clipboard the layer the
    // map gives (layer words above 15 take entry 15's target). When the map moves a layer that
    // holds clipboard objects, copies of them are first put into backup (when given), so that
    // RestoreClipboard can give the clipboard its layers back. 0 for a map that moves no layer,
    // else 1.
    int RemapClipboardLayers(const LayerMap& map, OwnedObList<CDataHeader>* backup);
    // After the paste: the clipboard's objects and shapes are replaced by those of the backup
    // (which ends empty); the link records follow. An empty or missing backup changes nothing.
    static void RestoreClipboard(OwnedObList<CDataHeader>* backup);
    // Whether a shape or an unselected object lies on a layer 0..15 that is not shown (state
    // other than 1).
    BOOL HasDataOnUnshownLayers() const;
    // After a load: shapes and unselected objects with a layer word above 15 get 15.
    void ClampLayers();
    // Deletes the unselected objects on shown layers (state 1), each with an undo record;
    // objects on reference and hidden layers, shapes and selected objects stay.
    void DeleteShownLayerObjects();

    // ---- Resources (DocShigen.cpp) --------------------------------------------------------------

    // A new resource list with the label defaults: sizes 1 and 1, form 1, colour 0 (black), no
    // flags, on the line, the stacking word 1, no offsets and no leader; null when it cannot be
    // made.
    static std::unique_ptr<CShigen> CreateShigen();
    // A new resource list equal to source; null when it cannot be made.
    static std::unique_ptr<CShigen> CopyShigen(const CShigen& source);
    // In the resource mode (7) with the edit operation and a selection: every selected process
    // is replaced by a copy (its number kept) whose resources are the entries with an amount,
    // in order, in one undo step; the copy stays selected. A process without resources gets a
    // new list with the label defaults, its label selected.
    void SetSelShigen(std::span<const CShigenData> entries);
    // Every selected process with resources is replaced by a copy without them, in one undo
    // step; the copies leave the selection.
    void ClearSelShigen();
    // The length of the name of entry n (0-based), -1 past the last entry.
    int GetShigenNameLength(int n) const;
    // The longest name of the table, and of the entries of a list that have an amount.
    int GetLongestShigenName() const;
    int GetLongestShigenNameOf(const CShigen& resources) const;
    // Before a paste: the names of the application's resource-name clipboard join the table. A
    // name the table holds keeps that entry's number, a new one is appended; each clipboard
    // entry's number becomes the number its name has here (CShigen::RemapNumbers then rewrites
    // the pasted processes' entries). 1 when any number changes, else 0.
    int MergeShigenNames();

    // ---- Progress lines and terms (DocShincyoku.cpp) --------------------------------------------

    // Messages of the creators.
    static constexpr UINT kNoShincyokuDataMessage = 5022;
    static constexpr UINT kNoYogoDataMessage = 5024;

    // A new progress line for the date with the line, label and font settings of "ShinConfig";
    // null after message 5022. The caller lists it.
    std::unique_ptr<CShincyoku> CreateShincyoku(const CTime& date);
    // A copy of source; null for none, and after message 5022.
    static std::unique_ptr<CShincyoku> CopyShincyoku(const CShincyoku* source);
    // Appends the line (taken over), marks the document modified and changed and, with redraw,
    // redraws it. Returns its position.
    POSITION AddShincyoku(CShincyoku* record, BOOL redraw);
    // The first progress line of the date and its position; null and position 0 when none.
    CShincyoku* FindShincyoku(const CTime& date, POSITION& pos) const;
    CShincyoku* GetShincyokuAt(POSITION pos) const;
    // Exchanges the lines at the two positions (their drawing order); FALSE when a position
    // holds none.
    BOOL SwapShincyoku(POSITION first, POSITION second);
    // Redraws the line at pos and takes it out: recorded for undo with its place, or deleted at
    // once when its selected word is 2 (a line that only lived while it was drawn). Marks the
    // document modified. Returns the line when the history keeps it, else null.
    CShincyoku* DeleteShincyokuAt(POSITION pos);
    int GetShincyokuCount() const { return m_objects.GetShincyokuList().GetCount(); }
    POSITION GetHeadShincyokuPosition() const {
        return m_objects.GetShincyokuList().GetHeadPosition();
    }
    POSITION GetTailShincyokuPosition() const {
        return m_objects.GetShincyokuList().GetTailPosition();
    }
    // The line at pos (null for a record of another kind); pos moves on.
    CShincyoku* GetNextShincyoku(POSITION& pos) const;
    // DeleteShincyokuAt on the head until the list is empty.
    void DeleteAllShincyoku();
    // A new term with the label defaults of "YogoConfig" and the term font, no text; null after
    // message 5024.
    std::unique_ptr<CYogo> CreateYogo();
    // A copy of source; null after message 5024.
    static std::unique_ptr<CYogo> CopyYogo(const CYogo& source);

    // ---- Item table -----------------------------------------------------------------------------
    // The cell at (row, item column), or null outside the table. A cell whose own row or column
    // disagree with its place is given its place.
    CKoumokuData* GetKoumokuCell(int row, int column) {
        return m_objects.GetKoumokuCell(row, column);
    }
    // The selected cells (DocKoumokuSelection.cpp). Rows: in the first item column that holds
    // a selected cell, its first and last selected row; the result is the number of selected
    // cells in that column. Columns: on the row of the first selected cell (columns from 0,
    // rows from 0 within each), that cell's column and the last column holding a selected cell
    // on the same row; the result is the number of columns holding one there. Nothing
    // selected: -1, -1 and 0.
    int GetSelectedKoumokuRows(int& first, int& last) const {
        return SelectedKoumokuRows(GetKoumokuTable(), first, last);
    }
    int GetSelectedKoumokuCols(int& first, int& last) const {
        return SelectedKoumokuCols(GetKoumokuTable(), first, last);
    }
    // Whether the selected cells' corner carries the whole-row mark (DocKoumoku.cpp).
    bool WholeKoumokuRowsSelected() const;

    // ---- Events (DocEvents.cpp) ----------------------------------------------------------------
    // Every change of an existing event replaces it by a changed copy, the pair recorded for
    // undo; a copy that cannot be made skips that event. "The selected events" are the events of
    // the selection from its head up to the entry that was last when the operation began.

    // Values of SetSelectedAttributes that leave an attribute as it is (besides a negative form,
    // size or print flag, an empty text and no font).
    static constexpr COLORREF kUnchangedColor = 0xFFFFFFFF;
    static constexpr WORD kUnchangedFlags = 0xFFFF;

    // A new event on the current layer with the default event attributes and font of the
    // settings and no text; null after message 5013. The caller adds it to a list.
    std::unique_ptr<CEvent> CreateEvent();
    // A new event equal to the given one; null when it cannot be made (nothing is shown).
    std::unique_ptr<CEvent> CopyEvent(const CEvent& event);
    // Moves each selected event so that its anchor lands on its anchor plus (dx, dy) in the
    // layout's logical units, then back inside the chart; balloons keep their tip when the
    // operation settings say so ("EventBaseMove"). Mode 2 copies: the old events stay, unselected,
    // and the moved copies are selected; otherwise the moved copy replaces each event and stays
    // selected. One undo step.
    void MoveSelectedEvents(const CPageLayout& layout, int dx, int dy, int mode);
    // The same, the change being CEvent::Offset by the time and the rows.
    void OffsetSelectedEvents(const CTimeSpan& delta, int rows, int mode);
    // The event attribute menus: each value that is not the unchanged marker is given to the
    // selected events (in the event mode) in the order form, colour, flags, size, text, print
    // flag (with it the font). Flags: bit 15 set gives the whole flag word (the lower 15 bits),
    // 0 clears it, any other value toggles its bits (set when none of them is set, else
    // cleared). A text is cut to 128 bytes on a character boundary and joins the term bar's
    // history. An event whose last change was its colour leaves the selection, so that the new
    // colour shows. When no event was changed the form, colour, flags, size and font become the
    // defaults of new events instead (a colour that is none of the six also the application's
    // "その他" colour of events). A whole flag word changes only the bits of flagMask of each
    // event (the groups a bulk dialog had ticked).
    void SetSelectedAttributes(int form, COLORREF color, WORD flags, int size,
                               std::string_view text, int printFlag, const LOGFONT* font,
                               WORD flagMask = 0xFFFF);
    // Menu state of a command of the event attribute menu: checked when the first selected event
    // (in the event mode) or else the defaults of new events carry the command's value; a colour
    // that is none of the six checks "7. その他" and becomes the "その他" colour of events; the
    // colour commands show the colour in the term bar; "文字修正" is enabled only for a selected
    // event.
    void UpdateEventAttrUI(CCmdUI* cmdUI);
    // Runs a command of the event attribute menu that carries its value ("7. その他": the
    // application's "その他" colour of events). FALSE for any other id.
    BOOL OnEventAttrCommand(UINT id);
    // Find (mode other than 2) or replace (mode 2) in the texts of the events: the whole text
    // equal to search (whole) or every occurrence of it, never inside a double-byte character.
    // A selected event that does not match leaves the selection; unless selectedOnly the
    // unselected events that match are selected. In mode 2 each matching event is replaced by a
    // copy with the replaced text (cut to 128 bytes on a character boundary), in one undo step.
    // Returns how many events matched.
    int ReplaceEventText(int mode, std::string_view search, std::string_view replacement,
                         BOOL whole, BOOL selectedOnly);
    // Re-dates the selected events from one base date to another: by the same calendar time
    // (plain), or else by the same working time over the working calendar, a date in a run of
    // holidays moving to its end. No undo record (the caller has emptied the history).
    void ShiftEventsByDays(const CTime& oldBase, const CTime& newBase, BOOL plain);
    // Unless skip: takes the holiday time between the base date and each selected event's date
    // off that date. No undo record.
    void RemoveEventHolidays(const CTime& base, BOOL skip);

    // ---- Hatchings ------------------------------------------------------------------------------
    // The hatchings' edits, each recorded for undo (see CChartHatches).
    CChartHatches& GetHatches() { return m_hatches; }

    // ---- Item cells (DocKoumoku.cpp, DocKoumokuEdit.cpp, DocKoumokuAttr.cpp)
    // --------------------- Rows and item columns are zero-based; a cell's own row and column are
    // kept equal to its place. Cells selected as part of whole rows carry the selected value 255.

    // A new cell at the place with the default item attributes and font, stored in the table;
    // marks the document changed. Null after message 5014 when it cannot be made; the cell
    // already there when the place is taken.
    CKoumokuData* CreateKoumokuData(int row, int column);
    // A copy of the source stamped with the row and column, not stored; null for no source and
    // after message 5015 when it cannot be made.
    std::unique_ptr<CKoumokuData> CopyKoumokuData(int row, int column, const CKoumokuData* source);
    // Stores the cell at the place, recording the change (added, or the pair old and new); a
    // null cell clears the place (ClearKoumokuRange, removing). Returns the stored cell.
    CKoumokuData* SetKoumokuCell(int row, int column, std::unique_ptr<CKoumokuData> cell);
    // The rows of an item column (its last row + 1), or for -1 the most over all columns.
    int GetKoumokuRowCount(int column = -1) const;
    // The item columns the table holds.
    int GetKoumokuColCount() const { return GetKoumokuTable().GetRowCount(); }
    BOOL IsKoumokuSelected() const;
    // Deselects the selected cells (redrawn), removing those left empty with no ruled line
    // (recorded as removed). With restore, in the item mode a mode saved for a temporary switch
    // is restored and the undo history emptied.
    void ClearSelectedKoumokuCells(BOOL restore);
    // After a load: deselects the selected cells and drops the empty ones, no redraw and no
    // record (the history is emptied when a cell goes).
    void DropEmptyKoumokuCells();
    // Clears the block: each cell goes and is recorded as removed, except that (without
    // removeAll) a cell with a ruled-line word or the third line word keeps its place with an
    // empty text. Marks the document changed. Returns 1.
    int ClearKoumokuRange(int firstRow, int firstColumn, int rowCount, int columnCount,
                          BOOL removeAll);
    // Copies the selected block to the application's cell clipboard, relative to its top-left
    // cell, with the rows' ruled-line types when whole rows are selected. Returns how many cells
    // were copied.
    int CopyKoumoku();
    // Copies, then clears the block in one undo step (whole rows: their ruled-line types become
    // 0). Returns how many cells were copied.
    int CutKoumoku();
    // Pastes the clipboard with its top-left cell at the place, selecting the pasted cells (255
    // when the clipboard carries row types, which are written too); what does not fit in the
    // table's item columns and rows 0..9998 is dropped. With undo each change is recorded;
    // without, the history is emptied (it no longer describes the table). Returns how many cells
    // were pasted.
    int PasteKoumoku(int firstRow, int firstColumn, BOOL undo);
    // Row and column edits of a band of the table: the cells after the edited ones move, each
    // place that changes recorded (a cell that moves is recorded by a copy at its old place).
    // Mark the document changed. 1, or 0 when inserted rows would push cells past row 9998
    // (nothing changes).
    int DeleteKoumokuRows(int firstRow, int firstColumn, int rowCount, int columnCount);
    int InsertKoumokuRows(int firstRow, int firstColumn, int rowCount, int columnCount);
    int DeleteKoumokuCols(int firstRow, int firstColumn, int rowCount, int columnCount);
    int InsertKoumokuCols(int firstRow, int firstColumn, int rowCount, int columnCount);
    // Removes every cell and the rows' ruled-line types, recorded.
    void DeleteAllKoumoku();
    // The item attribute menus: each value other than -1 (the colour kUnchangedColor, an empty
    // text, no font) is given to the selected cells in the item mode (operation draw or edit),
    // each cell replaced by a changed copy in one undo step. The flag code: 0x100 and 0x200
    // exclude each other and together (行中央) clear both; then bit 15 gives the whole flag word,
    // 0 clears it, other bits toggle. When no cell was changed the format, colour, flag code,
    // size and font become the defaults of new cells.
    // flagMask other than 0xFFFF: the flag code's bits under the mask replace the cell's, the
    // others stay (the batch dialog sets only the groups the user changed).
    void SetKoumokuAttr(int format, COLORREF color, int flagCode, int sizeCode,
                        std::string_view text, int rowLineType, int lineA, int lineB, int ownFont,
                        const LOGFONT* font, WORD flagMask = 0xFFFF);
    // Menu state of a command of the item attribute menu, from the cell at the first selected
    // row and column (in the item mode, operation draw or edit) or else the defaults of new
    // cells.
    void UpdateKoumokuAttrUI(CCmdUI* cmdUI);
    // Runs a command of the item attribute menu that carries its value; FALSE for any other id.
    BOOL OnKoumokuAttrCommand(UINT id);
    // Find or replace (mode 2, one undo step) in the texts of all cells or the selected ones.
    // Returns how many cells matched.
    int ReplaceKoumokuText(int mode, std::string_view search, std::string_view replacement,
                           BOOL whole, BOOL selectedOnly);
    // Writes the ruled-line types of rows first..last (either order) to the rows offset further;
    // mode 3 moves them (the old rows get 0). Redraws all.
    void MoveKeisenTypes(int firstRow, int lastRow, int offset, int mode);
    // Records the rows' ruled-line types for undo before a change of them (nothing when that
    // cannot be recorded).
    void RecordKoumokuKeisenTypes() { RecordKeisenTypes(); }
    // Where the last range of item cells began (row, item column): Shift extends from there.
    const CPoint& GetKoumokuRangeStart() const { return m_koumokuRangeStart; }
    void SetKoumokuRangeStart(const CPoint& cell) { m_koumokuRangeStart = cell; }

    // ---- The document file (DocSerialize.cpp, DocOpenSave.cpp, DocInsert.cpp, DocBackup.cpp) --
    // The stream of the file (DocFileFormat.h), chosen by the extension of the file path member.
    enum class StreamKind { Native, Dos, Csv };
    static StreamKind GetStreamKind(const std::string& path);
    // The header text of a file of the version: "☆TEMBRA(TB+) Ver.05.80.00:暦:title", the title
    // cut on a character boundary so that the text keeps within 254 bytes.
    static std::string FormatHeaderText(int version, int nobeMode, const std::string& title);
    // "05.80.00" for 58000.
    static std::string FormatVersion(int version);
    // Stores the whole chart in the application's save version (everything deselected first,
    // except in an auto-saved copy, which keeps its selection as a list of its own), or loads a
    // file into this document: the header and version (refused with 5008, 5002 or 5053), then
    // every part the version holds. Resource charts and hatchings are read only for a whole file
    // (insert mask 0xFFFF); the selection list only while a copy is recovered. A file with
    // embedded items of another program is read up to its item block. A damaged file throws;
    // what was read stays in this document (see ReadDocumentFile).
    void Serialize(CArchive& ar) override;

    // The initialisation of a new chart in the day-count mode (-1: the application's): version
    // 58000, counter and operation reset, not read-only; the calendar with the holiday rules
    // (calendar days) or empty; the settings from the application's defaults and, when they
    // could be made, the print header from the settings' layout file; the 16 layers when there
    // are none, layer 0; the item columns of the settings. Returns whether the settings could be
    // made.
    BOOL InitNewDocument(int mode);
    // The framework's new document, then InitNewDocument(-1).
    BOOL OnNewDocument() override;
    // Takes the lock of the path (held by another owner: read-only after message 5085), carries
    // the backup log's entries of the file over, and reads the file whole into a document of
    // its own before anything of this one changes: an empty file gives a new chart; a file that
    // cannot be read (its message shown) leaves this document as it was and releases the lock.
    // A file with embedded items that cannot be read opens read-only without a lock after its
    // message. The converting open (CAppState::GetPlanConversion) then gives the chart the
    // plan's layout. Not modified afterwards.
    BOOL OnOpenDocument(const std::string& path) override;
    // The file path of the document; ".phd", ".tbrbk" and ".psv" become ".tbr" (the document is
    // then modified), and a converting open adds "-A" (monthly "-MA") to the name. A name so
    // made (other than the chart's path before) is borrowed until a save: while a file of that
    // name exists, it is another chart's, and a save to it asks for the name (DoSave).
    void SetPathName(const std::string& path, BOOL addToMru = TRUE) override;
    // Before a close. Read-only and modified: message 5149 (Yes: Save As, kept open when it
    // fails; No: goes; Cancel: stays). Otherwise a modified chart has a backup due and the
    // framework asks. The lock stays until the document goes.
    BOOL SaveModified() override;
    // Saves under path (empty, or an existing file of a borrowed name: the file dialog asks,
    // a read-only document may not take its own path). The new name is locked, unless it shares
    // the lock file of the chart's own path (a DOS pair beside it), which is held already; a file
    // there is copied to "~BackUp" in the program folder; the file is written beside the target and
    // renamed over it. A failure leaves the old file and the locks as they were and tells the cause
    // (a full disk, or "保存に失敗しました。" with the system's reason). Success clears read-only
    // mode and the changed flag, removes the auto-saved copy and, with replace, takes the name
    // (releasing the old path's lock when it is another lock file).
    BOOL DoSave(const std::string& path, BOOL replace = TRUE) override;
    // Writes the document to path (see DoSave): a modified chart has a backup due. The failure's
    // errno is kept (GetLastSaveError).
    BOOL OnSaveDocument(const std::string& path) override;
    // The auto-saved copy goes, then the framework's close.
    void OnCloseDocument() override;
    // 0, the errno of the last failed save, or -1 for a save the stream refused (its message
    // shown).
    int GetLastSaveError() const { return m_nLastSaveError; }
    // Tells the user why a save failed (GetLastSaveError): a full disk, or "保存に失敗しました。"
    // with the system's reason; nothing for a refusal that has told its own.
    static void ReportSaveFailure(int error);
    // Reads the file into a new document whose insert mask is mask (the parts File > Insert
    // reads), bound to the path's stream. A DOS document read for an insert into base is
    // converted against base's settings, calendar, print header and layers, which the new
    // document takes first. Null when the file cannot be opened or read; the user was told why.
    static std::unique_ptr<CTembraDoc> ReadDocumentFile(const std::string& path, int mask,
                                                        CTembraDoc* base = nullptr);

    // File > Save (57603): read-only: message 5139 and Save As. Otherwise, with a path, 5120
    // asks; then the document is saved to its path, or through Save As when that is not an
    // existing writable file. A borrowed name whose file exists goes to Save As at once.
    void OnFileSave();
    // File > Save As (57604). An older save version leaves the document modified.
    BOOL OnFileSaveAs();
    // File > Insert (32827): dialog 157 gives the parts; the settings and the print header go
    // only together (message 5091); objects into a calendar-day chart without the settings ask
    // dialog 291; the file dialog names the file, and InsertFile takes it in.
    void OnFileInsert();
    // Reads the file whole, then takes in the parts of the mask: the calendar, the settings
    // (and the sheet rows), the print header (refused with 5035 on another paper without the
    // settings), the layers (always from a DOS document), the item table, the processes and
    // events and the shapes as blocks (fitted into the settings' period and rows unless
    // kInsertKeepPlace; with chooseLayer the output-layer dialog first). A file that cannot be
    // read changes nothing. TRUE when taken in.
    BOOL InsertFile(const std::string& path, int mask, BOOL chooseLayer);
    // Data information (32788): dialog 140 with the counts of the chart.
    void OnDataInfo();

    // ---- Auto-save (the application's AutoSave and recovery call these)
    // The name an auto-save entry records: the document's path, or the provisional name, the
    // title cut to 8 bytes and at the first of " #%;/\" with "._p$" (the file system's bytes);
    // a file opened without its embedded items, or under a borrowed name, is recorded under the
    // provisional name, so that its copy comes back untitled.
    std::string GetAutoSaveName() const;
    // Only when the chart changed since its last copy: writes the copy to path (the current
    // version, the selection kept); on success the path becomes the auto-save path and the
    // changed flag is cleared. FALSE when nothing was written (an older copy stays).
    BOOL WriteAutoSaveCopy(const std::string& path);
    // For a provisional name ("._p$"): the document stays untitled under the name's base name;
    // FALSE for any other name.
    BOOL TakeProvisionalName(const std::string& name);

    // ---- Backup copies (DocBackup.cpp)
    // The copy due at the deletion of the contents: "~" + slot + document name in the backup
    // folder, the slot the first of 0..9 without an entry in the two logs, else the one whose
    // latest entry is the oldest among those not carried over ("<B>"); none when all ten are.
    // The entry "BackUp File<N>=~<slot><name>|<path>" goes to the current log.
    void WriteBackupCopy();
    // On open: the previous run's entries of the file are copied into the current log marked
    // "<B>" (their slots are not reused in this run).
    static void CarryOverBackupEntries(const std::string& path);

    // ---- Resource charts and the foreign streams (ResourceCharts.h, DocCharts.cpp) ------------
    // The resource charts' walk and edits (see CResourceCharts).
    CResourceCharts& GetResourceCharts() { return m_charts; }
    const CResourceCharts& GetResourceCharts() const { return m_charts; }
    // A ".psv" file: the text data import; storing in it is refused (FALSE, nothing written).
    BOOL LoadTextData(CArchive& ar);
    BOOL StoreTextData(CArchive& ar);
    // A ".phd" file with its ".pdt" beside it: the DOS version's document.
    BOOL LoadDosDocument(CArchive& ar);
    BOOL StoreDosDocument(CArchive& ar);

    // ---- The calendar (DocCalendarUpdate.cpp) --------------------------------------------------
    // Settings > calendar (calendar days only): the calendar dialog edits a copy of the working
    // calendar from the month of the chart start; on OK the copy is brought in by UpdateCalendar
    // in one undo step (nothing recorded when it is the same).
    void OnCalendar();
    void OnUpdateCalendar(CCmdUI* cmdUI) const;
    // Gives the chart another working calendar: 0 when it equals the current one, else 1. With
    // "HolidayAuto" on and objects in the chart the user is asked first (the automatic-adjustment
    // dialog); on yes every day of the period (the chart's, or every supported date) whose kind
    // changed moves what follows it: a new holiday one day later, a new working day one day
    // earlier (PullColumnsEarlier: nothing is deleted). The progress is shown in the status bar.
    int UpdateCalendar(CCalendar& calendar);
    // Pulls what follows the period [dateFrom, dateTo) earlier by its length without deleting
    // anything: processes and events starting at or after dateTo move whole, processes reaching
    // over dateTo lose the period from their end unless that would leave them no longer than a
    // point; what lies inside the period stays. 1 when the chart held objects, else 0.
    int PullColumnsEarlier(CTime dateFrom, CTime dateTo, int mode);

    // ---- The day counting and the initial settings (DayCountingChange.h) -----------------------
    // The change of the day counting, the initial settings and the calendar kept for the way
    // back (see CDayCountingChange).
    CDayCountingChange& GetDayCounting() { return m_dayCounting; }
    const CDayCountingChange& GetDayCounting() const { return m_dayCounting; }
    // Neither objects nor shapes, item cells, progress lines, hatchings or resource charts.
    BOOL HoldsNothing() const;
    // Puts the objects held for an insert (the application's clipboard) on the layers the map
    // gives.
    void ApplyOutputLayers(const LayerMap& map);

    // ---- Edit commands' state -----------------------------------------------------------------
    // Whether "消　去" has something to delete: a selected item cell or date range, else by mode
    // the selection (processes, terms, events, resources, shapes), a progress line, the current
    // embedded object or a selected resource chart (DocObjects.cpp).
    BOOL CanDelete() const;
    // Remembers CanDelete at an update of "消　去" for the term bar's edit mark: TRUE when it
    // changed since the last update.
    bool NoteCanDelete(BOOL can) {
        const bool changed = can != m_bCouldDelete;
        m_bCouldDelete = can;
        return changed;
    }
    // Remembers whether the term bar's input was made active at an update of its state: TRUE when
    // that changed (or was never told).
    bool NoteYogoComboActive(bool active) {
        const int now = active ? 1 : 0;
        const bool changed = now != m_nYogoComboActive;
        m_nYogoComboActive = now;
        return changed;
    }
    // The term bar's input asks for a term: in the process mode drawing with nothing going on
    // and nothing saved, the term mode is entered for one term (process mode and draw saved for
    // the return) unless terms go with processes; every selection is dropped and the undo
    // history emptied. Any other state: nothing (DocYogoInput.cpp).
    void BeginTermInput();

    // ---- Automation (members named as the automation interface names them) ----------------------
    BOOL m_bAutomation = FALSE;
    POSITION m_posAutoKoutei = nullptr;
    POSITION m_posAutoEvent = nullptr;
    OwnedObList<CDataHeader> m_listTakeIn;
    LONG MaeYohaku = 0;
    LONG AtoYohaku = 0;
    short m_nInsertLine = 0;

private:
    // The parts of the stream (DocSerialize.cpp).
    void StoreNative(CArchive& ar);
    void LoadNative(CArchive& ar);
    // Reads the header text and the version; refuses what is no chart or too new.
    int ReadHeader(CArchive& ar);
    // Moves the chart read into source (a document of its own) into this emptied document.
    void TakeContents(CTembraDoc& source);
    // The item table of source into this one's (which is empty).
    void TakeKoumoku(CTembraDoc& source);
    // Writes the chart to path through the file's stream without taking the path: 0, an errno,
    // or -1 for a refusal of the stream (its message shown).
    int WriteDocumentFile(const std::string& path, int version);
    // The layout of the safety-and-health plan (kind 1) or the monthly plan (kind 2).
    void ApplyPlanConversion(int kind);
    // The parts of the insert mask taken from the document read from the file (DocInsert.cpp).
    void ApplyInsert(CTembraDoc& file, int mask, BOOL chooseLayer);
    // The objects and shapes held in the application's clipboard go in as blocks.
    void InsertHeldBlocks(int mask, const CCalendar& linkCalendar, BOOL linkProcesses);
    // The day loop of UpdateCalendar.
    void MoveOverChangedDays(const CCalendar& calendar, const CTime& first, const CTime& last);
    // Puts the objects back in the order they had (order: the chart's objects then the selection
    // before the day loop), each as the copy that the undo records since firstRecord put in its
    // place: the day-by-day edits append what they move, and the chart, like an undone update,
    // keeps its order.
    void KeepObjectOrder(const std::vector<CDataHeader*>& order, std::size_t firstRecord);

    // The title's name part cut for a file name: 8 bytes and at " #%;/\" (CP932).
    std::string ShortTitle() const;
    // Whether path is the chart's borrowed name (SetPathName) and a file of it exists.
    bool IsAnotherFilesName(const std::string& path) const;

    // The informative title: "name <chart title> [period] " and the read-only mark.
    std::string ComposeTitle(const std::string& name) const;
    // Takes the entry at pos out of the list into the history, with its place (the entry after
    // it); deletes it (false) when that cannot be recorded.
    bool RemoveRecorded(OwnedObList<CDataHeader>& list, POSITION pos);

    // Shapes (DocZukei.cpp). Makes the text a framed text of the frame style (the box for a
    // style that frames nothing) with the settings' text font and text attributes.
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
    // Deletes an object that an edit took out of its list and the history could not take,
    // unless a list still holds it.
    void DiscardUnrecorded(CDataHeader* object);
    // The link mode of the selection for a move (DocKouteiMove.cpp): 2 in an elapsed-day chart
    // or with working-day processes only, 1 with calendar-day processes only, 3 with both. In
    // modes 1 and 3 the spans of each selected calendar-day process are recomputed (with
    // growFreeEnds, one whose start node is not selected has its duration grown by offset). In
    // mode 3, which adjusts them afterwards, records gets a link record for each of them, in
    // the order of their end dates, with its selected predecessors listed (those ending on its
    // start node).
    int PrepareMoveLinks(KouteiLinkList& records, CTimeSpan offset, bool growFreeEnds);
    // Replaces each selected event by a copy changed by change (mode 2: adds the copy and
    // deselects the event), in one undo step (DocEvents.cpp).
    template <class Change> void ChangeSelectedEvents(int mode, Change change);

    // Records the rows' ruled-line types for undo (nothing when that cannot be recorded).
    void RecordKeisenTypes();
    // Item cells (DocKoumoku.cpp). A change of the cell at one place: old (out of the table, the
    // history's when recorded) replaced by now, either may be null; an old cell that cannot be
    // recorded goes to discard, to be deleted once the table no longer refers to it.
    void RecordCellChange(CKoumokuData* oldCell, CKoumokuData* newCell,
                          std::vector<std::unique_ptr<CKoumokuData>>& discard);
    // Takes the cell at the place out of the table and records it as removed.
    void RemoveCellAt(int row, int column, CKoumokuData* cell);
    // Redraws the cells of rows first..last (-1: to the end) of item columns first..last.
    void RedrawCells(int firstRow, int lastRow, int firstColumn, int lastColumn);

    static UINT s_clipboardFormat;

    CChartNotifier m_notifier{*this};
    BOOL m_bLinkUpdate = FALSE;
    int m_nVersion = kCurrentFileVersion;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bBackupDue = FALSE;
    CConfigOperation m_operation;
    CPrHeader m_prHeader;
    CCalendar m_calendar;
    CCalendar m_scratchCalendar;
    CSyokiSet m_syokiSet;
    BOOL m_bAskTargetLayer = FALSE;
    CObjectFactory m_factory{m_syokiSet};
    CChartObjects m_objects;
    CChartSelection m_selection{m_objects, m_notifier};
    CChartUndo m_undo{m_objects, m_calendar, m_notifier};
    CChartHatches m_hatches{m_objects, m_undo, m_notifier};
    CResourceCharts m_charts{m_objects, m_notifier};
    CDayCountingChange m_dayCounting{*this};
    CHint m_hint;
    int m_nInsertMask = kInsertMaskAll;
    CDocumentSeams m_seams{*this,      m_nInsertMask, m_factory.GetSeqNumberCtrl(),
                           m_calendar, m_syokiSet,    m_operation,
                           m_notifier, m_objects,     m_columnRange,
                           m_prHeader};
    std::string m_strFilePath;
    std::string m_webKeyword;
    std::string m_strAutoSavePath;
    int m_nZukeiPlacement = 0;
    BOOL m_bContainerSave = FALSE;
    BOOL m_bInserting = FALSE;
    WORD m_nSheetRows = 0;
    CChartPos m_columnRange;
    CAppState* m_pLockedApp = nullptr;
    short m_nZukeiFrameStyle = kDefaultFrameStyle;
    BOOL m_bZukeiTextMode = FALSE;
    CObject* m_pCurrentCntrItem = nullptr;
    int m_nUnreadCntrItems = 0;
    // The path name came with the file read and was never saved to (SetPathName).
    bool m_bBorrowedName = false;
    // The objects change count (IChartDocument) when the views last redrew the charts for it.
    std::uint64_t m_chartsRedrawnAt = 0;
    int m_nLastSaveError = 0;
    // Whether the term bar's input was last made active (-1: not yet).
    int m_nYogoComboActive = -1;
    // CanDelete at the last update of "消　去", for the term bar's edit mark.
    BOOL m_bCouldDelete = FALSE;
    // Set while the relation-line check runs: the edits it makes do not start it again.
    BOOL m_bPropagating = FALSE;
    // The relation-line check's index of the processes by number, kept with its arrays from
    // one check to the next.
    KouteiNumberIndex m_relationNumbers;
    CPoint m_koumokuRangeStart;
};

} // namespace tembra
