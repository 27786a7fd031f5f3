// Processes (工程): a bar on the chart between a start node and an end node, joined by a line set
// that carries the dates, the rows and the line attributes. A process owns its line set, its two
// nodes, its resource list and up to 30 attached terms, and keeps three spans (spare days, start
// offset from the elapsed-day base date, duration) that the document uses to re-date it.
//
// File form (little-endian; the header is the 32-byte record header):
//   CKoutei       header; from 22000 its sequence number (WORD high, DWORD low); line set, start
//                 node, end node (each its own Serialize, no class tag); from 40000 the resource
//                 list (CShigen::Serialize); from 21100 spare days, start offset, duration (three
//                 DWORDs, recalculated before they are written); the term count (WORD) and each
//                 term as an object of class CYogo; the relation-line flag (WORD); 14 reserved.
//   CKouteiLines  header; position (the 16-byte old form below 31000); the 16-byte attribute block
//                 (CKouteiAttr); bend offset (WORD); 14 reserved.
//   CLand         header; position; the ten bytes of the node attributes (style, type, colour,
//                 size); the tied process number (WORD high, DWORD low); 10 reserved.
#pragma once

#include "model/AttrBlocks.h"
#include "model/ChartPos.h"
#include "model/DamagedFile.h"
#include "model/DataHeader.h"
#include "model/KouteiMoveFlags.h"
#include "model/SeqNumber.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tembra {

class CCalendar;
class CKoutei;
struct CKouteiDrag;

// Versions at which the process records changed.
constexpr int kKouteiSubStyleVersion = 11000; // line attributes carry a sub-style word
constexpr int kKouteiHatchVersion = 21000;    // line attributes carry a hatch word
constexpr int kKouteiSpanVersion = 21100;     // processes store their three spans
constexpr int kKouteiSeqVersion = 22000;      // processes store their sequence number
constexpr int kKouteiBendVersion = 31000;     // line sets keep a bend offset, nodes a size
constexpr int kKouteiShigenVersion = 40000;   // processes store their resource list

// The merge mode of a document that reads a whole file of its own.
constexpr int kMergeModeWhole = 0xFFFF;

// Line shapes: the low byte of the first word of a line set's attributes (its high byte is the
// thickness multiple of the bars).
enum : WORD {
    kLineShapePlain = 0,
    kLineShapeStraight = 1,
    kLineShapeElbowVH = 2, // vertical, then horizontal
    kLineShapeElbowHV = 3, // horizontal, then vertical
    kLineShapeCrank = 4,   // turns at half height
    kLineShapeRelation = 5,
    kLineShapeGate = 6, // turns at the bend row
    kLineShapeBar = 64,
    kLineShapeSlantBar = 128,
};
// Flags of the line attributes' sub-style word.
enum : WORD {
    kSubStyleInclined = 0x0001, // the legs into corners are slanted ("斜　行")
    kSubStyleNoArrow = 0x0002,  // "矢印無"
};
// Bit of a node's second attribute word: the node is tied to its line's direction.
constexpr WORD kLandDirectional = 0x0080;
// A node shape (first attribute word) that is not drawn: the nodes of the bars.
constexpr WORD kLandShapeHidden = 15;

// Shown when a 31st term is attached.
constexpr UINT IDS_YOGO_LIMIT = 5062;
// Shown when a file holds a process that cannot be right (the load then fails).

// What processes take from the document they belong to. The schedule document implements it
// beside CDocument; a load reaches it through the archive's document. Without it a load assigns
// no numbers and selects nothing, and spans are counted without calendar from the date 0.
class IKouteiDocument {
public:
    virtual ~IKouteiDocument() = default;
    // kMergeModeWhole while the document reads a whole file of its own; any other value while a
    // file is read into an open chart.
    virtual int GetMergeMode() const = 0;
    // The counter that numbers the document's processes.
    virtual CSeqNumberCtrl& GetSeqNumberCtrl() = 0;
    // The working calendar (null when there is none).
    virtual const CCalendar* GetCalendar() const = 0;
    // The base date of the elapsed-day count of the settings.
    virtual CTime GetNobeBaseDate() const = 0;
    // The "HolidayAuto" operation setting: dates move through the working calendar.
    virtual LONG GetHolidayAuto() const = 0;
    // Asks every view to redraw, with the object as the hint (none: the whole chart).
    virtual void UpdateAllViewsWith(CObject* hint) = 0;
    // The first process of the unselected objects (inSelection false) or of the selected ones
    // whose own number (which 0), start-node number (1) or end-node number (2) is number; null
    // for the number (0, 0).
    virtual CKoutei* FindKouteiByNumber(const CObSeqNumber& number, int which,
                                        bool inSelection) const = 0;
};

// ---- Line set -----------------------------------------------------------------------------------

class CKouteiLines : public CDataHeader {
    DECLARE_SERIAL(CKouteiLines)
public:
    static constexpr std::size_t kAttrSize = 16;
    // Reserved bytes at the end of the record: written as zeros, passed over on reading.
    static constexpr std::size_t kReservedSize = 14;
    // The Hatch word of a line without hatching.
    static constexpr WORD kNoHatch = 999;

    // Kind 1, sub-kind 2; everything else zero.
    CKouteiLines();

    // Header, position, attributes, bend offset and reserved bytes.
    void CopyFrom(const CKouteiLines& other);

    const CChartPos& GetPos() const { return m_pos; }
    CChartPos& GetPos() { return m_pos; }
    const CKouteiAttr& GetAttr() const { return m_attr; }
    CKouteiAttr& GetAttr() { return m_attr; }
    void SetAttr(const CKouteiAttr& attr) { m_attr = attr; }
    // Rows from the start row to the row at which a bent line turns (may be negative).
    short GetBendOffset() const { return m_bendOffset; }
    void SetBendOffset(short offset) { m_bendOffset = offset; }

    // Older files lack words that are given their defaults after a load: the sub-style below
    // 11000, the hatch (999) below 21000 and the bend offset below 31000.
    void Serialize(CArchive& ar) override;

private:
    CChartPos m_pos;
    CKouteiAttr m_attr;
    short m_bendOffset = 0;
};

// ---- Node ---------------------------------------------------------------------------------------

class CLand : public CDataHeader {
    DECLARE_SERIAL(CLand)
public:
    static constexpr std::size_t kAttrSize = 10;
    // Reserved bytes at the end of the record: written as zeros, passed over on reading.
    static constexpr std::size_t kReservedSize = 10;
    // The size word that nodes of files before 31000 get.
    static constexpr WORD kDefaultSize = 100;

    // Kind 1, sub-kind 3; everything else zero.
    CLand();

    // Header, position, attributes and the tied process number.
    void CopyFrom(const CLand& other);

    // The node's own date is the first date of its position, its row the first row.
    const CChartPos& GetPos() const { return m_pos; }
    CChartPos& GetPos() { return m_pos; }
    // A node keeps the first ten bytes of the node block (style, type, colour, size); the
    // block's radius belongs to the settings only and stays 0 here.
    const CLandAttr& GetAttr() const { return m_attr; }
    void SetAttr(const CLandAttr& attr);
    // The node's shape (the first word: 0 the circle ... 15 hidden, milestones with a high byte)
    // and its sub-style (the second word: flag bits such as the connection mark 0x80).
    WORD GetShape() const { return m_attr.m_style; }
    void SetShape(WORD shape) { m_attr.m_style = shape; }
    WORD GetSubStyle() const { return m_attr.m_type; }
    void SetSubStyle(WORD subStyle) { m_attr.m_type = subStyle; }
    WORD GetSize() const { return m_attr.m_size; }
    void SetSize(WORD size) { m_attr.m_size = size; }
    // For a relation line: the number of the process whose node this one is tied to.
    const CObSeqNumber& GetTiedNumber() const { return m_tied; }
    void SetTiedNumber(WORD high, DWORD low) { m_tied.Set(high, low); }

    // Below 31000 the size word is 100 after a load.
    void Serialize(CArchive& ar) override;

private:
    CChartPos m_pos;
    CLandAttr m_attr;
    CObSeqNumber m_tied;
};

// ---- Process ------------------------------------------------------------------------------------

// The parts of a process a term or a selection can refer to.
enum : int { kKouteiPartLines = 0, kKouteiPartStart = 1, kKouteiPartEnd = 2 };

class CKoutei : public CDataHeader {
    DECLARE_SERIAL(CKoutei)
public:
    static constexpr int kMaxYogo = 30;
    // Reserved bytes at the end of the record: written as zeros, passed over on reading.
    static constexpr std::size_t kReservedSize = 14;

    // Kind 1, sub-kind 1; a new line set, two new nodes and an empty resource list; no terms,
    // no number, spans 0.
    CKoutei();
    ~CKoutei() override;
    CKoutei(const CKoutei&) = delete;
    CKoutei& operator=(const CKoutei&) = delete;

    // Becomes a copy of other: header, sequence number, relation-line flag, line set, nodes,
    // resource list, spans, part-drag state and a new copy of every term (the terms it had are
    // deleted first). Nothing on itself. The two run-time values are not copied.
    void CopyFrom(const CKoutei& other);

    void Serialize(CArchive& ar) override;

    // Asks the document's views to redraw this process.
    void UpdateViews(IKouteiDocument& document);

    // ---- Numbers ----
    const CObSeqNumber& GetSeqNumber() const { return m_seq; }
    void SetSeqNumber(WORD high, DWORD low) { m_seq.Set(high, low); }
    // Takes the counter's next number. When the counter is exhausted (it has shown its message)
    // the process keeps its number and the result is FALSE: the caller must not create the
    // process, since any number it could get is already in use.
    BOOL AssignSeqNumber(CSeqNumberCtrl& counter);
    const CObSeqNumber& GetStartLandNo() const { return StartLand().GetTiedNumber(); }
    const CObSeqNumber& GetEndLandNo() const { return EndLand().GetTiedNumber(); }
    void SetStartLandNo(WORD high, DWORD low) { StartLand().SetTiedNumber(high, low); }
    void SetEndLandNo(WORD high, DWORD low) { EndLand().SetTiedNumber(high, low); }

    // ---- Parts ----
    CKouteiLines* GetLines() const { return &m_lines; }
    CLand* GetStartLand() const { return &StartLand(); }
    CLand* GetEndLand() const { return &EndLand(); }
    CShigen* GetShigen() const { return &m_shigen; }
    // Replaces the resource list by the one given (its entries move over, the given list is
    // deleted); a null list leaves an empty one. The process's list stays where it was.
    void SetShigen(std::unique_ptr<CShigen> shigen);
    int GetShigenCount() const { return m_shigen.GetCount(); }

    // ---- Dates and rows (the line set's position; the setters move the node as well) ----
    CTime GetStartTime() const { return m_lines.GetPos().GetStartDate(); }
    CTime GetEndTime() const { return m_lines.GetPos().GetEndDate(); }
    void SetStartDate(const CTime& date);
    void SetEndDate(const CTime& date);
    WORD GetStartRow() const { return m_lines.GetPos().GetStartRow(); }
    WORD GetEndRow() const { return m_lines.GetPos().GetEndRow(); }
    void SetStartRow(WORD row);
    void SetEndRow(WORD row);
    // The row at which a bent line turns: start row plus the bend offset.
    int GetBendRow() const { return GetStartRow() + m_lines.GetBendOffset(); }
    // The row a gate (shape 6) turns at: a positive bend offset turns at or below both ends,
    // max(start row + offset, end row), at most 9999; a negative one at or above both,
    // min(start row + offset, end row), and at row 0 when that is below 1; offset 0 at the
    // start row.
    int CalcGateRow() const;

    // ---- Spans ----
    CTimeSpan GetSpareDays() const { return m_spareDays; }
    void SetSpareDays(CTimeSpan span) { m_spareDays = span; }
    CTimeSpan GetStartOffset() const { return m_startOffset; }
    void SetStartOffset(CTimeSpan span) { m_startOffset = span; }
    CTimeSpan GetDuration() const { return m_duration; }
    void SetDuration(CTimeSpan span) { m_duration = span; }

    // End minus start of the line set; with a document, withCalendar set and the line's Holiday
    // word on, the holidays between them are left out.
    CTimeSpan CalcSpan(const IKouteiDocument* document, BOOL withCalendar) const;
    // The same with the calendar itself (null: none) in place of the document's.
    CTimeSpan CalcSpan(const CCalendar* calendar) const;
    // Recomputes the start offset from date (0: the document's elapsed-day base date; without
    // calendar unless withoutCalendar is 0, when the holidays before the start are left out) and
    // the duration (CalcSpan); spare days longer than the duration are cut to it.
    void RecalcDuration(const IKouteiDocument* document, const CTime& date, BOOL withoutCalendar);
    // The inverse of RecalcDuration: sets the dates from the spans scaled by factor, counted from
    // base (0: the elapsed-day base date). A negative factor counts its absolute value without
    // rounding to whole days; otherwise a scaled span is rounded to whole days. When the
    // document's "HolidayAuto" is on and withoutCalendar is 0 the spans are working time,
    // spread over the calendar from base, and a date that lands on a holiday moves past it (never
    // beyond the last supported date).
    void RedateFromSpans(const IKouteiDocument* document, const CTime& base, BOOL withoutCalendar,
                         double factor);

    // ---- Moving (KouteiMove.cpp) ----
    // Moves the process by offset and rows: its start and end, or with SelectedOnly only its
    // selected nodes, and nothing at all (result 0) when its line is not selected. With the
    // document's "HolidayAuto" on and without WithoutCalendar a date moves by working time and is
    // carried past the holiday run it lands in, except that an end at a date the drag record
    // pins (CKouteiDrag::PinsDate) moves by the plain offset; no date goes beyond the supported
    // range, no row beyond 0..9999. With AdjustSpare and the adjust mark clear, moving the start
    // alone takes the offset from the spare days and moving the end alone adds it; with the adjust
    // mark set and SelectedOnly, a selected line whose nodes both stay gives the offset up from its
    // spare days. A relation line keeps its whole span as spare days. Spare days never end
    // negative. Returns 1 when a node moved.
    int MoveBy(const IKouteiDocument* document, CTimeSpan offset, int rows, const CKouteiDrag* drag,
               KouteiMoveFlags how);

    // ---- Relation line ----
    WORD IsRelationLine() const { return m_relationLine; }
    void SetRelationLine(WORD flag) { m_relationLine = flag; }
    // A plain process again: the flag and both node numbers 0.
    void ClearRelation();

    // ---- Line shape and the rules that keep it consistent (KouteiRules.cpp) ----
    // The low byte of the line attributes' first word; the setter keeps the high byte.
    WORD GetLineShape() const;
    void SetLineShape(WORD shape);
    // Each returns 1 when nothing changed and 0 after a change.
    // Bars (64, 128) over two rows become shape 2; a gate (6) whose bend row is the start row
    // becomes 3, one whose bend row is the end row 2.
    int NormalizeBendShape();
    // A process (no relation line) that starts after it ends is turned round: the ends of its
    // position change places, shape 2 becomes 3 and 3 becomes 2, and so do the two nodes with
    // their numbers.
    int NormalizeDirection();
    // Nodes tied to the line's direction (kLandDirectional) allow only the shapes that meet
    // them: both nodes 0, 4, 5 or 6 (else 4); the end node only 0, 3, 4, 5 or 6 (else 3); the
    // start node only 0, 2, 4, 5 or 6 (else 2).
    int NormalizeNodeShape();
    // A relation line runs from the end of the process numbered as its start node to the start
    // of the process numbered as its end node (each looked for among the unselected objects,
    // then the selected ones): it takes their dates and rows, shape 5, and its working span as
    // spare days (0 when negative). When either process is missing the line becomes a plain
    // process, every view is redrawn and the result is 0. A process that is no relation line
    // is left alone (1).
    int ResolveRelation(IKouteiDocument& document);
    // The same between the two processes the caller found for the node numbers (null: none).
    int ResolveRelation(IKouteiDocument& document, const CKoutei* from, const CKoutei* to);
    // Whether the line already runs as ResolveRelation between these two would make it run, so
    // that resolving it would change nothing (true for a process that is no relation line).
    bool RunsBetween(const IKouteiDocument& document, const CKoutei* from, const CKoutei* to) const;

    // ---- Selection ----
    // The process, its line set and both nodes; Deselect also ends a part drag.
    void Select();
    void Deselect();
    void SelectLines() { m_lines.Select(); }
    void SelectStartLand() { StartLand().Select(); }
    void SelectEndLand() { EndLand().Select(); }
    void DeselectLines() { m_lines.Deselect(); }
    void DeselectStartLand() { StartLand().Deselect(); }
    void DeselectEndLand() { EndLand().Deselect(); }
    WORD IsLinesSelected() const { return m_lines.IsSelected(); }
    WORD IsStartLandSelected() const { return StartLand().IsSelected(); }
    WORD IsEndLandSelected() const { return EndLand().IsSelected(); }
    // Selects the process for dragging one end: everything but the start node (startFixed
    // non-zero) or the end node (0) is selected and the part-drag state is 1.
    void SelectForStretch(BOOL startFixed);
    WORD GetPartDrag() const { return m_partDrag; }

    // ---- Terms (packed from index 0) ----
    int GetYogoCount() const { return m_yogoCount; }
    // The term at index, or null outside 0..count-1.
    CYogo* GetYogo(int index) const;
    // Replaces the term at an index below the count (the old one is deleted); FALSE, and the
    // term deleted, for any other index or a null term.
    BOOL SetYogo(int index, std::unique_ptr<CYogo> term);
    // Drops the terms from count on (deleting them); the count never grows this way.
    void SetYogoCount(int count);
    // Attaches the term at index 0 (the others move up) or, with atEnd, after the last. On
    // success the process owns the term and term is empty. A null term gives FALSE; with 30
    // terms attached the message "これ以上用語は付けられません" is shown, FALSE is returned and
    // the term stays with the caller.
    BOOL AddYogo(std::unique_ptr<CYogo>& term, BOOL atEnd);
    // Takes the term at index out and closes the gap: with deleteTerm it is deleted, otherwise
    // it passes to the caller, who holds its pointer from GetYogo. FALSE for an index outside
    // the terms.
    BOOL RemoveYogo(int index, BOOL deleteTerm);
    // The owning form of RemoveYogo without deleting: the term at index, or null.
    std::unique_ptr<CYogo> DetachYogo(int index);
    // Index -1: every term.
    void SelectYogo(int index);
    void DeselectYogo(int index);
    WORD IsYogoSelected(int index) const;
    // How many of its terms are selected.
    int CountSelectedYogo() const;
    // 1 when a term (a selected one only, with selectedOnly) hangs on the part.
    BOOL HasYogoOn(int part, BOOL selectedOnly) const;
    // The selection flag of the part the term at index hangs on; 0 for an index outside the
    // terms or a term on no part.
    WORD IsYogoOwnerSelected(int index) const;
    // Deselects the process, then selects the part the term at index hangs on.
    void SelectYogoOwner(int index);

    // ---- Run-time values (neither stored nor copied) ----
    // The draw mode the painter is drawing the process in.
    LONG GetDrawMode() const { return m_drawMode; }
    void SetDrawMode(LONG mode) { m_drawMode = mode; }
    // Set while a linked move must not change the spare days through the end shifts.
    LONG GetAdjustMark() const { return m_adjustMark; }
    void SetAdjustMark(LONG mark) { m_adjustMark = mark; }

private:
    CLand* PartLand(int part) const;
    CDataHeader* Part(int part) const;
    CLand& StartLand() const { return m_lands[m_startLand]; }
    CLand& EndLand() const { return m_lands[m_startLand ^ 1U]; }

    CObSeqNumber m_seq;
    short m_yogoCount = 0;
    // Which of m_lands is the start node (0 or 1): it changes when the process is turned round,
    // so that each node keeps its own place in memory.
    std::uint8_t m_startLand = 0;
    // Beside the number, at the head of the process: a walk over a chart's processes that looks
    // for the relation lines and their numbers reads one part of each.
    WORD m_relationLine = 0;
    // Always there, held in the process itself: one allocation less for every process read.
    // Mutable as the pointer was: the accessors hand out the line set of a const process.
    mutable CKouteiLines m_lines;
    // The two nodes, held here as well.
    mutable std::array<CLand, 2> m_lands;
    // The terms' slots: the first kInlineYogo held here, the others (few processes carry more)
    // in a block of their own from the first term that needs one on. Each term is a heap object
    // of its own either way: the edit commands and the undo history take terms one by one.
    static constexpr int kInlineYogo = 3;
    using MoreYogo = std::array<std::unique_ptr<CYogo>, kMaxYogo - kInlineYogo>;
    std::unique_ptr<CYogo>& YogoSlot(int index) const;
    // Makes the slots below count usable.
    void ReserveYogoSlots(int count);
    mutable std::array<std::unique_ptr<CYogo>, kInlineYogo> m_yogo;
    std::unique_ptr<MoreYogo> m_moreYogo;
    mutable CShigen m_shigen;
    CTimeSpan m_spareDays;
    CTimeSpan m_startOffset;
    CTimeSpan m_duration;
    LONG m_drawMode = 0;
    LONG m_adjustMark = 0;
    WORD m_partDrag = 0;
};

// ---- Link record --------------------------------------------------------------------------------

// A process with the processes linked to it (not owned) and its start, end and spare days as
// they were when the link was made, so that the document can re-date linked processes together.
class CKouteiLink {
public:
    // Without a process: an empty list and nothing saved.
    explicit CKouteiLink(CKoutei* koutei = nullptr);
    CKouteiLink(const CKouteiLink&) = delete;
    CKouteiLink& operator=(const CKouteiLink&) = delete;
    // Empties the list without deleting its processes.
    virtual ~CKouteiLink();

    // Takes the process and saves its three values.
    void SetFrom(CKoutei* koutei);
    // Saves the process's three values again.
    void Refresh();
    // The process and the saved values of other; the list stays.
    void CopyFrom(const CKouteiLink& other);

    CKoutei* GetKoutei() const { return m_koutei; }
    void SetKoutei(CKoutei* koutei) { m_koutei = koutei; }
    const CTime& GetSavedStart() const { return m_start; }
    const CTime& GetSavedEnd() const { return m_end; }
    CTimeSpan GetSavedSpareDays() const { return m_spareDays; }

    const std::vector<CKoutei*>& GetLinks() const { return m_links; }
    void AddLink(CKoutei* koutei) { m_links.push_back(koutei); }
    BOOL IsLinked(const CObject* object) const;
    // Puts replacement in the place of old; returns that place (1 for the first) or 0 when old
    // is not in the list.
    std::size_t ReplaceLink(const CObject* old, CKoutei* replacement);

private:
    CKoutei* m_koutei = nullptr;
    std::vector<CKoutei*> m_links;
    CTime m_start;
    CTime m_end;
    CTimeSpan m_spareDays;
};

} // namespace tembra
