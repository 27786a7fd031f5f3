// The schedule document: one object per open chart. It owns every record of the chart (the chart
// objects in the object list and the selection list, the progress lines, the drawing shapes, the
// resource charts, the hatchings, the item table's cells), the calendars, the settings record, the
// print header, the layer and resource tables and the one-step undo history, and it is what the
// records reach through the archive when they are read or written (the document seams of the
// model and print records).
//
// Object and selection lists: every chart object is in exactly one of them, and its selected flag
// is 1 exactly while it is in the selection list, which keeps the order of selection. Drawing
// shapes stay in the shape list while they pass through the selection list. Adding to either list
// marks the document modified and sets its changed-since-save flag.
//
// Ownership: every list and table owns its records. The records are deleted by DeleteContents and
// by the operations that remove them (a removed record recorded for undo passes to the undo
// history); the destructor deletes only what is still there.
#pragma once

#include "document/Hint.h"
#include "document/ObList.h"
#include "model/Calendar.h"
#include "model/ChartPos.h"
#include "model/ConfigOperation.h"
#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/Koumoku.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/KtkmHatch.h"
#include "model/LayerSet.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/SyokiSet.h"
#include "model/Undo.h"
#include "model/Yogo.h"
#include "platform/Document.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "print/PrHeader.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tembra {

class CAppState;

// Messages of the process creators.
constexpr UINT IDS_KOUTEI_CREATE_FAILED = 5016; // 工程データの生成ができません
constexpr UINT IDS_KOUTEI_COPY_FAILED = 5017;   // 工程データの複製ができません

// The insert mask of a document that reads a whole file of its own.
constexpr int kInsertMaskAll = 0xFFFF;

class CTembraDoc : public CDocument,
                   public CUndoHistory,
                   public IKouteiDocument,
                   public ILabelDocument,
                   public IKoumokuDocument,
                   public IPrHeaderOwner,
                   public IShincyokuDocument,
                   public IEventDocument {
public:
    using LayerTable = std::vector<std::unique_ptr<CLayerSet>>;
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

    // ---- Framework ---------------------------------------------------------------------------
    int GetFileVersion() const override { return m_nVersion; }
    // "name <chart title> [period] " and the read-only mark " －書込禁止－": the chart title is
    // the print header's ("無名" when empty); the period "y/m/d-y/m/d:first-last(暦)" of the
    // working dates and rows (counted from 1) of a calendar-day chart, "days:first-last(延)" of
    // an elapsed-day chart.
    void SetTitle(const std::string& title) override;
    // Refreshes the title after the period, the rows, the chart title or the mode changed: the
    // name is the current title up to its first blank.
    void SetTitle();
    // Empties the document (see the .cpp for the order).
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

    // ---- Members ------------------------------------------------------------------------------
    int GetVersion() const { return m_nVersion; }
    void SetVersion(int version) { m_nVersion = version; }
    BOOL GetLinkUpdate() const { return m_bLinkUpdate; }
    void SetLinkUpdate(BOOL update) { m_bLinkUpdate = update; }
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
    CSyokiSet& GetSyokiSet() { return m_syokiSet; }
    const CSyokiSet& GetSyokiSet() const { return m_syokiSet; }
    BOOL GetAskTargetLayer() const { return m_bAskTargetLayer; }
    void SetAskTargetLayer(BOOL ask) { m_bAskTargetLayer = ask; }
    int GetCurrentLayer() const { return m_nCurrentLayer; }
    void SetCurrentLayer(int layer) { m_nCurrentLayer = layer; }
    LayerTable& GetLayers() { return m_layers; }
    const LayerTable& GetLayers() const { return m_layers; }
    // The resource master table: entry i describes resource number i + 1.
    CShigenNameTable& GetShigenNames() { return m_shigenNames; }
    const CShigenNameTable& GetShigenNames() const { return m_shigenNames; }
    CKoumoku* GetKoumoku() override { return &m_koumoku; }
    const CKoumoku& GetKoumokuTable() const { return m_koumoku; }
    OwnedObList<CDataHeader>& GetObjList() { return m_objList; }
    const OwnedObList<CDataHeader>& GetObjList() const { return m_objList; }
    OwnedObList<CDataHeader>& GetSelList() { return m_selList; }
    const OwnedObList<CDataHeader>& GetSelList() const { return m_selList; }
    // Progress lines (CShincyoku, type 3).
    OwnedObList<CDataHeader>& GetShincyokuList() { return m_shincyokuList; }
    // Drawing shapes (the CZukei family, type 4) in drawing order: the head is drawn first.
    OwnedObList<CDataHeader>& GetZukeiList() { return m_zukeiList; }
    int GetZukeiCount() const { return m_zukeiList.GetCount(); }
    // Resource charts (CChart, type 7).
    OwnedObList<CDataHeader>& GetChartList() { return m_chartList; }
    OwnedObList<CKtkmHatch>* GetHatchList() { return &m_hatchList; }
    // The embedded items of other programs (none are made on this platform; the file's item
    // block is kept here).
    OwnedObList<CObject>& GetCntrItems() { return m_cntrItems; }
    int GetEmbeddedItemCount() const { return m_cntrItems.GetCount(); }
    CHint& GetHint() { return m_hint; }
    int GetInsertMask() const { return m_nInsertMask; }
    void SetInsertMask(int mask) { m_nInsertMask = mask; }
    const std::string& GetFilePath() const { return m_strFilePath; }
    void SetFilePath(const std::string& path) { m_strFilePath = path; }
    // The changed-since-save flag (set by additions to the lists, cleared by a save).
    BOOL GetChangedFlag() const { return m_bChanged; }
    void SetChangedFlag(BOOL changed) { m_bChanged = changed; }
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
    BOOL IsRedrawHeld() const { return m_bRedrawHold; }
    void SetRedrawHold(BOOL hold) { m_bRedrawHold = hold; }
    // The selected date range: start and end date (a range whose end equals its start is
    // empty) with their rows.
    CChartPos* GetSelectedDateRange() { return &m_columnRange; }

    // ---- The document seams of the records ------------------------------------------------------
    int GetMergeMode() const override { return m_nInsertMask; }
    CSeqNumberCtrl& GetSeqNumberCtrl() override { return m_seqNumbers; }
    const CCalendar* GetCalendar() const override { return &m_calendar; }
    CTime GetNobeBaseDate() const override { return m_syokiSet.GetNobeBaseDate(); }
    LONG GetHolidayAuto() const override { return m_operation.GetHolidayAuto(); }
    void UpdateAllViewsWith(CObject* hint) override { UpdateAllViews(nullptr, 0, hint); }
    LOGFONT GetYogoFont() const override;
    LOGFONT GetShigenFont() const override;
    int GetNobeMode() const override { return m_syokiSet.GetNobeMode(); }
    LOGFONT GetKoumokuFont() const override;
    WORD GetKoumokuStyleWord() const override;
    int GetHeaderPaper() const override;
    std::filesystem::path GetHeaderLayoutPath() const override;
    // IShincyokuDocument: the progress-line settings an old file's lines take.
    const CConfigShin& GetShinConfig() const override { return m_syokiSet.GetShin(); }
    // IEventDocument: the event font an old file's events take.
    LOGFONT GetEventFont() const override { return m_syokiSet.GetEvent().GetLogFont(); }

    // ---- Object factory --------------------------------------------------------------------
    // A new, empty record of the class that the type code and the sub-kind (taken as 16 bits)
    // stand for: (1,1) process with its line set and nodes, (1,2) line set, (1,3) node, (1,4)
    // term, (2,1) item cell; null for every other pair and when memory runs out. The record is
    // as its constructor leaves it (layer 0, not selected); the caller owns it.
    std::unique_ptr<CDataHeader> CreateObjectByKind(int type, UINT subKind);

    // ---- Process creation -------------------------------------------------------------------
    // Gives the process the counter's next number. FALSE when the numbers are exhausted (the
    // counter has shown message 5060): the process keeps its number and must not be created.
    BOOL AssignSeqNumber(CKoutei* process);
    // A new process on the current layer with the settings' line and node attributes, placed at
    // the source's dates and rows when one is given, numbered when number is set. Null after
    // message 5016 when it cannot be made, or when no number is left.
    std::unique_ptr<CKoutei> CreateKoutei(const CChartPos* source, BOOL number = TRUE);
    std::unique_ptr<CKoutei> CreateKouteiNoNumber(const CChartPos* source) {
        return CreateKoutei(source, FALSE);
    }
    // A copy of the process, with a new number unless keepNumber. Null for a null process, after
    // message 5017 when it cannot be made, or when no number is left.
    std::unique_ptr<CKoutei> CopyKoutei(const CKoutei* process, BOOL keepNumber);

    // ---- Object and selection lists ------------------------------------------------------------
    int GetObjCount() const { return m_objList.GetCount(); }
    int GetSelCount() const { return m_selList.GetCount(); }
    POSITION GetHeadObjPosition() const { return m_objList.GetHeadPosition(); }
    POSITION GetTailObjPosition() const { return m_objList.GetTailPosition(); }
    CDataHeader* GetNextObj(POSITION& pos) const { return m_objList.GetNext(pos); }
    CDataHeader* GetPrevObj(POSITION& pos) const { return m_objList.GetPrev(pos); }
    POSITION GetHeadSelPosition() const { return m_selList.GetHeadPosition(); }
    POSITION GetTailSelPosition() const { return m_selList.GetTailPosition(); }
    CDataHeader* GetNextSel(POSITION& pos) const { return m_selList.GetNext(pos); }
    CDataHeader* GetPrevSel(POSITION& pos) const { return m_selList.GetPrev(pos); }
    CDataHeader* GetObjAt(POSITION pos) const { return m_objList.GetAt(pos); }
    CDataHeader* GetSelAt(POSITION pos) const { return m_selList.GetAt(pos); }
    POSITION FindObj(const CDataHeader* object) const { return m_objList.Find(object); }
    POSITION FindSel(const CDataHeader* object) const { return m_selList.Find(object); }

    // The first unselected (FindKouteiByNumber) or selected (FindSelKouteiByNumber) process whose
    // own number (which 0), start-node number (1) or end-node number (2) is number; null for
    // the number (0, 0).
    CKoutei* FindKouteiByNumber(const CObSeqNumber& number, int which) const;
    CKoutei* FindSelKouteiByNumber(const CObSeqNumber& number, int which) const;

    // Appends the object to the object list, which takes it over; redraws it when asked (and
    // not held). Returns its position.
    POSITION AddObj(CDataHeader* object, BOOL redraw = TRUE);
    // Appends the object to the selection list, which takes it over (a shape stays the shape
    // list's); redraws it unless held.
    POSITION AddSel(CDataHeader* object);
    // Puts newObject (taken over) in the place of the object at pos, records the change for
    // undo (the history takes the old object) and redraws the new one. Returns the old object,
    // or null for an empty position (when the change cannot be recorded the old object is
    // deleted and null returned).
    CDataHeader* ReplaceObjAt(POSITION pos, CDataHeader* newObject);
    // The same in the selection list; then mode 1 deselects the new object and mode 0 moves it
    // to the end of the selection.
    CDataHeader* ReplaceSelAt(POSITION pos, CDataHeader* newObject, int mode);

    // Takes the selected object at pos out of the selection: a process loses the selection of
    // its line, nodes, terms and resources, its pivot mark and, unless it is a relation line,
    // its node numbers; a shape is only redrawn (it stays in the shape list); any other object
    // goes to the object list (AddObj with redraw). Returns AddObj's result (null for a shape).
    POSITION UnselectAt(POSITION pos, BOOL redraw = TRUE);
    // Deselects everything, the selected resource charts too. Returns the last AddObj result.
    POSITION UnselectAll(BOOL redraw = TRUE);
    // Marks the selected object at pos selected again and moves it to the end of the selection.
    void MoveSelToTail(POSITION pos);
    // Marks the object at an object-list position selected and moves it into the selection.
    // Returns its selection position.
    POSITION SelectAt(POSITION pos);
    POSITION SelectLastObj();
    // Selects every object of the object mode (-1: the current one): processes on shown layers
    // with their line and nodes (mode 1), processes with all their terms (2), processes with their
    // resources (7), events on shown layers (6). Returns how many moved into the selection.
    int SelectAll(LONG mode = -1);
    // Deselects the most recently selected object; FALSE when nothing is selected.
    BOOL CancelLastSel();
    // In the process mode: deselects selected, unmarked processes by rule: -1 all; 0 those whose
    // line or both nodes are not selected (a lone selected gate line stays); 1 those whose start
    // node is not selected; 2 end node; 3 unless line and both nodes are selected.
    void FilterSelectedKoutei(int rule);
    // Selects the objects in the range of dates and rows (a negative first date or row counts
    // as 0, a negative last one as unlimited): process nodes inside it (and their lines when
    // either node is, or with bothNodes when both are). Returns how many objects moved into the
    // selection.
    int SelectInArea(std::int64_t firstDate, int firstRow, std::int64_t lastDate, int lastRow,
                     BOOL bothNodes);
    // Moves every relation line out of the selection, or (Select...) every unselected one in.
    void DeselectRelationLines();
    void SelectRelationLines();
    // Recomputes the spans of the selected processes (base date 0: the settings' elapsed-day
    // base date).
    void RecalcSelectedDurations(const CTime& baseDate, BOOL holidayFlag);

    // ---- Copy, cut and the link records ------------------------------------------------------
    // Copies the fully selected processes to the application's object clipboard (with the
    // resource table and the link records when any was copied). Returns how many objects were
    // copied.
    int CopySelectedObjects();
    // Copies, then deletes the selection in one undo step. Returns 0.
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

    // ---- Holiday classes -------------------------------------------------------------------
    // Over the selected processes (or the processes of a list): 3 when some count holidays and
    // some do not, 2 when all of them do, else 1. Those that do not are put into out (when
    // given) in the order of their end dates.
    int ClassifyHolidayUse(KouteiList* out);
    static int ClassifyHolidayUseInList(const ObList<CDataHeader>& list, KouteiList* out);
    // Inserts the process before the first one that ends later (after those ending with it).
    static void InsertByEndDate(KouteiList& sorted, CKoutei* process);
    // The pivot mark of a process (set by a duration change, cleared when it is deselected).
    static WORD GetMark(const CKoutei* process) {
        return static_cast<WORD>(process->GetAdjustMark());
    }
    static BOOL IsSameSeqNumber(const CObSeqNumber& a, const CObSeqNumber& b) {
        return a == b ? TRUE : FALSE;
    }

    // ---- Selected date range ---------------------------------------------------------------
    BOOL HasColumnRange() const;
    // Redraws the range (hint 2) unless both dates are 0; with clear, empties it afterwards.
    void RedrawColumnRange(BOOL clear);

    // ---- Deletion ------------------------------------------------------------------------------
    // Deletes the selected object at pos with an undo record; 0 for an empty position.
    int DeleteSelAt(POSITION pos);
    // Deletes the selected objects with undo records: processes whose line is not selected stay,
    // shapes leave the shape list too; what stays is deselected.
    void DeleteSelection();
    // Takes a shape out of the selection and the shape list with an undo record.
    void DeleteZukei(CDataHeader* shape);
    // Delete without undo, for the deletion of the contents.
    void FreeAllObjects();
    void FreeAllKoumoku();
    void FreeAllShincyoku();
    void DeleteZukeiList();
    void DeleteShigenTable();
    void DeleteAllCharts();
    void DeleteAllHatches();

    // ---- Layers -------------------------------------------------------------------------------
    // Appends 16 new layers (shown, no name); 0 as soon as one cannot be made.
    int CreateLayers();
    // Deletes the layers from the last to the first.
    void DeleteLayers();
    // The state of the object's layer (a layer word above 15 counts as 15); 0 without a table.
    short IsObjectLayerVisible(const CDataHeader* object) const;

    // ---- Item table ----------------------------------------------------------------------------
    // The cell at (row, item column), or null outside the table. A cell whose own row or column
    // disagree with its place is given its place.
    CKoumokuData* GetKoumokuCell(int row, int column);

    // ---- Undo ----------------------------------------------------------------------------------
    // Puts one recorded change back: replacement takes the place of current in the list of its
    // kind (either may be null), or info (a calendar before-image) is exchanged with the working
    // calendar. 0 for changes of kinds the document does not hold.
    int UndoRestor(CObject* current, CObject* replacement, CObject* info) override;

    // ---- Automation (members named as the automation interface names them) -----------------
    BOOL m_bAutomation = FALSE;
    POSITION m_posAutoKoutei = nullptr;
    POSITION m_posAutoEvent = nullptr;
    OwnedObList<CDataHeader> m_listTakeIn;
    LONG MaeYohaku = 0;
    LONG AtoYohaku = 0;
    short m_nInsertLine = 0;

private:
    // The informative title: "name <chart title> [period] " and the read-only mark.
    std::string ComposeTitle(const std::string& name) const;
    void RedrawObject(CObject* object);
    void DeselectParts(CKoutei& process);
    // Takes the object out of its list into the history; deletes it when that cannot be
    // recorded.
    void RecordDeletion(CDataHeader* object);
    // Walks the selection from its head up to the entry that was last when the walk began; fn
    // gets the position and the object and may deselect or delete that entry.
    template <class Fn> void ForEachSelected(Fn fn);
    int RestoreObject(CDataHeader* current, CDataHeader* replacement);
    void ExchangeInList(OwnedObList<CDataHeader>& list, CDataHeader* current,
                        CDataHeader* replacement, bool& handled);

    static bool OwnedBySelection(const CDataHeader* object);
    static UINT s_clipboardFormat;

    BOOL m_bLinkUpdate = FALSE;
    int m_nVersion = kCurrentFileVersion;
    CSeqNumberCtrl m_seqNumbers;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bBackupDue = FALSE;
    CConfigOperation m_operation;
    CPrHeader m_prHeader;
    CCalendar m_calendar;
    CCalendar m_scratchCalendar;
    CSyokiSet m_syokiSet;
    BOOL m_bAskTargetLayer = FALSE;
    int m_nCurrentLayer = 0;
    LayerTable m_layers;
    CShigenNameTable m_shigenNames;
    CKoumoku m_koumoku;
    OwnedObList<CDataHeader> m_objList;
    OwnedObList<CDataHeader> m_selList{&OwnedBySelection};
    OwnedObList<CDataHeader> m_shincyokuList;
    OwnedObList<CDataHeader> m_zukeiList;
    OwnedObList<CDataHeader> m_chartList;
    OwnedObList<CKtkmHatch> m_hatchList;
    CHint m_hint;
    int m_nInsertMask = kInsertMaskAll;
    std::string m_strFilePath;
    BOOL m_bChanged = FALSE;
    std::string m_strAutoSavePath;
    int m_nZukeiPlacement = 0;
    BOOL m_bContainerSave = FALSE;
    BOOL m_bInserting = FALSE;
    WORD m_nSheetRows = 0;
    OwnedObList<CObject> m_cntrItems;
    BOOL m_bRedrawHold = FALSE;
    CChartPos m_columnRange;
    CAppState* m_pLockedApp = nullptr;
};

template <class Fn> void CTembraDoc::ForEachSelected(Fn fn) {
    const POSITION last = m_selList.GetTailPosition();
    for (POSITION pos = m_selList.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const bool isLast = current == last;
        CDataHeader* object = m_selList.GetNext(pos);
        fn(current, object);
        if (isLast) {
            break;
        }
    }
}

} // namespace tembra
