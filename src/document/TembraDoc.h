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
// - CChartShapes: the drawing shapes, their selection, the shape menu's appliers and how they
//   follow the row and column edits;
// - CChartTerms: new terms, the term menu's attributes, removal and find and replace;
// - CChartProgressLines: the progress-line list;
// - CEmbeddedItems: the embedded items' file block and current item;
// - CPrHeaderEdit: the edit of the print header's texts and its undo;
// - CKoumokuCells: the item cells, their selection, blocks, row and column edits and attributes;
// - CChartLayers: the layers' states and names and the moves of objects between layers;
// - CChartEvents: the events' creation, moves, attributes, find and replace and re-dating;
// - CChartResources: the resource lists of processes and the resource table's names;
// - CResourceCharts: the walk over the resource charts and their edits;
// - CDayCountingChange: the initial settings and the change of the day counting;
// - CChartClipboard: the copy and cut of the selection and the relation lines of a paste;
// - CCalendarUpdate: Settings > calendar and another working calendar taken in;
// - CYogoBarInput: the start of term input from the term bar and the bar's update marks;
// - CKouteiChains: how processes meet, the walk along a chain, the change of a duration and the
//   relation-line check;
// - CObjectFactory: records by kind code, new and copied processes, their counter and the
//   current layer;
// - CChartNotifier: the redraws and the changed flags the other parts report through;
// - CDocumentSeams: the adapters that answer the records' document interfaces (FindSeam).
// The operations that combine the parts are members, in files named by what they edit
// (DocObjects.cpp, DocSelection.cpp, DocKoutei.cpp, DocKouteiMove.cpp, DocKouteiDrag.cpp,
// DocKouteiInsert.cpp, DocKouteiAttr.cpp, DocRowsCols.cpp, DocDateRange.cpp); its file in
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

#include "document/CalendarUpdate.h"
#include "document/ChartClipboard.h"
#include "document/ChartEvents.h"
#include "document/ChartHatches.h"
#include "document/ChartLayers.h"
#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "document/ChartProgressLines.h"
#include "document/ChartResources.h"
#include "document/ChartSelection.h"
#include "document/ChartShapes.h"
#include "document/ChartTerms.h"
#include "document/ChartUndo.h"
#include "document/DayCountingChange.h"
#include "document/DocumentSeams.h"
#include "document/EmbeddedItems.h"
#include "document/Hint.h"
#include "document/HolidayUse.h"
#include "document/KoumokuCells.h"
#include "document/KouteiAttrChange.h"
#include "document/KouteiChains.h"
#include "document/KouteiContactIndex.h"
#include "document/KouteiMoveCaller.h"
#include "document/ObList.h"
#include "document/ObjectBox.h"
#include "document/ObjectFactory.h"
#include "document/ObjectSets.h"
#include "document/PrHeaderEdit.h"
#include "document/ResourceCharts.h"
#include "document/YogoBarInput.h"
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
    // The drawing shapes: the shape list's edits, their selection and the shape menu's appliers.
    CChartShapes& GetShapes() { return m_shapes; }
    const CChartShapes& GetShapes() const { return m_shapes; }
    // The terms of the processes: new terms, the term menu and find and replace.
    CChartTerms& GetTerms() { return m_terms; }
    // The progress-line list.
    CChartProgressLines& GetProgressLines() { return m_progressLines; }
    const CChartProgressLines& GetProgressLines() const { return m_progressLines; }
    // The embedded items' file block and current item.
    CEmbeddedItems& GetEmbeddedItems() { return m_embeddedItems; }
    const CEmbeddedItems& GetEmbeddedItems() const { return m_embeddedItems; }
    // The edit of the print header's texts and its undo.
    CPrHeaderEdit& GetPrHeaderEdit() { return m_prHeaderEdit; }
    // The item cells, the layers, the events and the resources of processes (see each part).
    CKoumokuCells& GetKoumokuCells() { return m_koumokuCells; }
    const CKoumokuCells& GetKoumokuCells() const { return m_koumokuCells; }
    CChartLayers& GetChartLayers() { return m_layers; }
    const CChartLayers& GetChartLayers() const { return m_layers; }
    CChartEvents& GetEvents() { return m_events; }
    CChartResources& GetResources() { return m_resources; }
    const CChartResources& GetResources() const { return m_resources; }
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
    // EmbeddedItems.cpp).
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
    template <class Fn> void ForEachSelected(Fn fn, std::size_t readBytes = kCacheLineBytes) {
        m_selection.ForEachSelected(fn, readBytes);
    }
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
    // Puts object in the selection entry at pos (the caller keeps the lists consistent).
    void SetSelAt(POSITION pos, CDataHeader* object) { GetSelList().SetAt(pos, object); }
    CDataHeader* GetFirstSel() const { return GetSelList().GetHead(); }

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

    // ---- Copy, cut and the link records (ChartClipboard.h) -------------------------------------
    // The copy and cut of the selection and the relation lines of a paste (see CChartClipboard).
    CChartClipboard& GetChartClipboard() { return m_clipboard; }

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

    // ---- Process chains (KouteiChains.h) --------------------------------------------------------
    // How processes meet, the walk along a chain, the change of a duration and the relation-line
    // check (see CKouteiChains).
    CKouteiChains& GetKouteiChains() { return m_chains; }
    const CKouteiChains& GetKouteiChains() const { return m_chains; }

    // ---- Moving processes (DocKouteiMove.cpp) -------------------------------------------------
    // The operations that move the selected processes take one of these operation codes (the
    // edit operations of COperationState): 2 copy, 3 move, 4 copy while some nodes are free, 5
    // move while some nodes are free, 10 move the bend of a bent line. Their caller says who
    // asks (KouteiMoveCaller.h).
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
    // passes; for the change of a duration (caller Duration) the first selected process keeps
    // what it was given and the others adapt. The undo history is reset first unless a group is
    // open. Nothing happens without a selection.
    void MoveKoutei(CTimeSpan offset, int rows, int operation, const CKouteiDrag* drag,
                    BOOL adjustSpare, KouteiMoveCaller caller);
    // The end of a process drag: MoveKoutei of the drag (caller Drag, with the drag record).
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
    // noRedraw 0 redraws each moved process other than the adjusted one. In a drag a process
    // with exactly one selected node (being stretched) is left. Returns 1 when no record needed
    // a change, else 0.
    int AdjustKoutei(KouteiLinkList& records, BOOL adjustSpare, BOOL noRedraw,
                     KouteiMoveCaller caller);
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
    int DeleteColumns(CTime dateFrom, CTime dateTo, KouteiMoveCaller caller);
    // Moves everything after date later by dateTo - date, less the holidays between them when
    // "HolidayAuto" is on.
    int InsertColumns(CTime date, CTime dateTo, KouteiMoveCaller caller);
    // Pulls what follows the period [dateFrom, dateTo) earlier by its length without deleting
    // anything: processes and events starting at or after dateTo move whole, processes reaching
    // over dateTo lose the period from their end unless that would leave them no longer than a
    // point; what lies inside the period stays. 1 when the chart held objects, else 0.
    int PullColumnsEarlier(CTime dateFrom, CTime dateTo, KouteiMoveCaller caller);
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
    // Takes the entry at pos out of the list into the history, with its place (the entry after
    // it); deletes it (false) when that cannot be recorded.
    bool RemoveRecorded(OwnedObList<CDataHeader>& list, POSITION pos);
    // Deletes an object that an edit took out of its list and the history could not take,
    // unless a list still holds it.
    void DiscardUnrecorded(CDataHeader* object);
    // Delete without undo, for the deletion of the contents.
    void FreeAllObjects() { m_objects.DeleteAllObjects(); }
    void FreeAllKoumoku() { m_objects.DeleteAllKoumoku(); }
    void FreeAllShincyoku() { m_objects.DeleteAllProgressLines(); }
    void DeleteZukeiList() { m_objects.DeleteAllZukei(); }
    void DeleteShigenTable() { m_objects.DeleteAllResources(); }
    void DeleteAllCharts() { m_objects.DeleteAllCharts(); }
    void DeleteAllHatches() { m_objects.DeleteAllHatches(); }

    // ---- Attribute values -----------------------------------------------------------------------
    // Values of the attribute appliers of events, terms and item cells that leave an attribute as
    // it is (besides a negative form, size or print flag, an empty text and no font).
    static constexpr COLORREF kUnchangedColor = 0xFFFFFFFF;
    static constexpr WORD kUnchangedFlags = 0xFFFF;

    // ---- Hatchings ------------------------------------------------------------------------------
    // The hatchings' edits, each recorded for undo (see CChartHatches).
    CChartHatches& GetHatches() { return m_hatches; }

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

    // ---- The calendar (CalendarUpdate.h) --------------------------------------------------------
    // Settings > calendar and another working calendar taken in (see CCalendarUpdate).
    CCalendarUpdate& GetCalendarUpdate() { return m_calendarUpdate; }

    // ---- The day counting and the initial settings (DayCountingChange.h) -----------------------
    // The change of the day counting, the initial settings and the calendar kept for the way
    // back (see CDayCountingChange).
    CDayCountingChange& GetDayCounting() { return m_dayCounting; }
    const CDayCountingChange& GetDayCounting() const { return m_dayCounting; }
    // Neither objects nor shapes, item cells, progress lines, hatchings or resource charts.
    BOOL HoldsNothing() const;
    // Puts the objects held for an insert (the application's clipboard) on the layers the map
    // gives.
    void ApplyOutputLayers(const CChartLayers::LayerMap& map);

    // ---- Edit commands' state -----------------------------------------------------------------
    // Whether "消　去" has something to delete: a selected item cell or date range, else by mode
    // the selection (processes, terms, events, resources, shapes), a progress line, the current
    // embedded object or a selected resource chart (DocObjects.cpp).
    BOOL CanDelete() const;
    // The term bar's input: the start of term input and the bar's update marks (see
    // CYogoBarInput).
    CYogoBarInput& GetYogoBarInput() { return m_yogoBarInput; }

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

    // The title's name part cut for a file name: 8 bytes and at " #%;/\" (CP932).
    std::string ShortTitle() const;
    // Whether path is the chart's borrowed name (SetPathName) and a file of it exists.
    bool IsAnotherFilesName(const std::string& path) const;

    // The informative title: "name <chart title> [period] " and the read-only mark.
    std::string ComposeTitle(const std::string& name) const;
    // The link mode of the selection for a move (DocKouteiMove.cpp): 2 in an elapsed-day chart
    // or with working-day processes only, 1 with calendar-day processes only, 3 with both. In
    // modes 1 and 3 the spans of each selected calendar-day process are recomputed (with
    // growFreeEnds, one whose start node is not selected has its duration grown by offset). In
    // mode 3, which adjusts them afterwards, records gets a link record for each of them, in
    // the order of their end dates, with its selected predecessors listed (those ending on its
    // start node).
    int PrepareMoveLinks(KouteiLinkList& records, CTimeSpan offset, bool growFreeEnds);

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
    CChartShapes m_shapes{*this, m_objects, m_selection, m_undo, m_notifier, m_syokiSet};
    CChartTerms m_terms{*this, m_undo, m_operation, m_syokiSet};
    CChartProgressLines m_progressLines{*this, m_objects, m_notifier, m_syokiSet};
    CEmbeddedItems m_embeddedItems{m_objects, m_notifier};
    CPrHeaderEdit m_prHeaderEdit{*this, m_undo, m_notifier, m_prHeader};
    CKoumokuCells m_koumokuCells{*this, m_objects};
    CChartLayers m_layers{*this, m_objects};
    CChartEvents m_events{*this};
    CChartResources m_resources{*this, m_objects};
    CResourceCharts m_charts{m_objects, m_notifier};
    CDayCountingChange m_dayCounting{*this};
    CKouteiChains m_chains{*this, m_selection, m_undo, m_notifier};
    CChartClipboard m_clipboard{*this, m_undo};
    CCalendarUpdate m_calendarUpdate{*this, m_undo};
    CYogoBarInput m_yogoBarInput{*this, m_undo};
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
    // The path name came with the file read and was never saved to (SetPathName).
    bool m_bBorrowedName = false;
    // The objects change count (IChartDocument) when the views last redrew the charts for it.
    std::uint64_t m_chartsRedrawnAt = 0;
    int m_nLastSaveError = 0;
};

} // namespace tembra
