// Progress lines (進捗線): CShincyoku is one line, drawn down the chart through one date per row;
// CShinPoint is the date of one row. A row without a point (or with a point whose date is 0)
// stands at the line's reference date, the progress date the line belongs to.
//
// This file holds the line's data, its points, the row computations the drawing rests on, the
// run-time drawing state and the file form. The drawing itself depends on the page layout and
// lives with the painters (render/ShincyokuDraw.h): Draw, its row step (also the XOR feedback of
// the view's progress editing), DrawDateLabel, GetBounds and the pen of each draw mode.
#pragma once

#include "model/ConfigShin.h"
#include "model/DataHeader.h"
#include "platform/Archive.h"
#include "platform/Time.h"
#include "platform/Types.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

// The first version whose progress lines carry their own label settings and font.
constexpr int kShincyokuLabelVersion = 58000;

// What a progress line reads of its document while it is loaded: the progress-line part of
// the settings record, whose label settings and font stand in for what older files lack.
class IShincyokuDocument {
public:
    virtual ~IShincyokuDocument() = default;
    virtual const CConfigShin& GetShinConfig() const = 0;
};

// One row's point: a date, and a value that lives only while the program runs (a row whose
// point has a non-zero value is left out of the drawing).
class CShinPoint : public CObject {
    DECLARE_SERIAL(CShinPoint)
public:
    CShinPoint() = default;
    explicit CShinPoint(CTime date) : m_date(date) {}
    CShinPoint(const CShinPoint&) = default;
    CShinPoint& operator=(const CShinPoint&) = default;

    CTime GetDate() const { return m_date; }
    void SetDate(CTime date) { m_date = date; }
    short GetValue() const { return m_value; }
    void SetValue(short value) { m_value = value; }

    // The date as a DWORD. A loaded point has the value 0.
    void Serialize(CArchive& ar) override;

private:
    CTime m_date;
    short m_value = 0;
};

// The line's attributes. The first 12 bytes are laid out like the start of a process line's
// attributes; the meanings of the words follow the progress-line settings ("ShinConfig").
struct CShinLineAttr {
    WORD m_style = 0;     // "Style"
    WORD m_subStyle = 0;  // "SubStyle"
    WORD m_type = 0;      // line type ("Type")
    short m_width = 0;    // width code: 0 normal, 1 thin, 2 bold ("Width")
    COLORREF m_color = 0; // "Color"
    WORD m_linked = 0;    // join distance K in rows: points up to K rows apart are joined
    bool operator==(const CShinLineAttr&) const = default;
};

// The settings of the line's date labels.
struct CShinLabelAttr {
    // The date format holds at most this many bytes (32 with the terminator).
    static constexpr std::size_t kTextCapacity = 31;

    COLORREF m_dateColor = 0; // first value: the label colour ("DateColor")
    LONG m_dateValue1 = 0;    // second and third values: kept as the settings give them
    LONG m_dateValue2 = 0;
    short m_ownFont = 0; // non-zero: the line's own font, else the settings' font
    LONG m_dateDisp = 0; // fourth value: non-zero shows the date labels ("DateDisp")
    std::string m_text;  // the date format of the labels ("DateFormat", e.g. "mm/dd")

    // Cut to kTextCapacity bytes on a character boundary (and at an embedded NUL).
    void SetText(std::string_view text);
    bool operator==(const CShinLabelAttr&) const = default;
};

// A point that the drawing of a line passed through: the bend at a row's date (row is that
// row) or a point on the reference date's line where the line leaves or rejoins it (row -1).
struct CShinDrawPoint {
    CPoint point;
    int row = -1;
    bool operator==(const CShinDrawPoint&) const = default;
};

// What drawing a line leaves on it while the program runs (never stored, never copied).
struct CShinDrawState {
    // The points of the pieces drawn since the drawing began, in drawing order, each point once
    // where two pieces meet. Gathered while the line shows date labels: the label of a row's
    // bend is placed against the points before and after it. Hit testing reads them back.
    std::vector<CShinDrawPoint> points;
    // The row drawn last left the reference date towards a row below it, which draws the join;
    // the vertical piece of a row in between is then left out (draw mode 0).
    bool joinedDown = false;

    void Clear() {
        points.clear();
        joinedDown = false;
    }
};

class CShincyoku : public CDataHeader {
    DECLARE_SERIAL(CShincyoku)
public:
    static constexpr std::size_t kReservedSize = 32;
    // Rows are 16-bit: a line holds points for rows 0..kMaxRow.
    static constexpr int kMaxRow = 0xFFFF;

    // Kind 3, sub-kind 1; attributes zero, reference date 0, no points.
    CShincyoku();
    CShincyoku(const CShincyoku&) = delete;
    CShincyoku& operator=(const CShincyoku&) = delete;
    ~CShincyoku() override;

    // Header, line and label attributes, font, reference date and a new copy of every point.
    void CopyFrom(const CShincyoku& other);

    // The reference (progress) date.
    CTime GetDate() const { return m_date; }
    void SetDate(CTime date) { m_date = date; }

    CShinLineAttr& GetLineAttr() { return m_lineAttr; }
    const CShinLineAttr& GetLineAttr() const { return m_lineAttr; }
    CShinLabelAttr& GetLabelAttr() { return m_labelAttr; }
    const CShinLabelAttr& GetLabelAttr() const { return m_labelAttr; }
    // The label font, used when the own-font flag is set.
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    const std::array<BYTE, kReservedSize>& GetReserved() const { return m_reserved; }

    // Points, indexed by row. The count is the array's length, null entries included.
    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    // The row's point, or null (also for a row outside the array).
    CShinPoint* GetPoint(int row);
    const CShinPoint* GetPoint(int row) const;
    // The date the line stands at in the row: its point's date when the row has a point with
    // a non-zero date, else the reference date.
    CTime GetPointDate(int row) const;
    // Whether the line leaves the reference date in the row.
    bool IsOffReference(int row) const { return GetPointDate(row) != m_date; }
    // Gives the row a point at the date (its value becomes 0); a date equal to the reference
    // date deletes the row's point instead, leaving the row on the reference date. FALSE
    // (nothing changed) for a row outside 0..kMaxRow.
    BOOL SetPointDate(int row, CTime date);
    // The row's point's value, 0 without a point.
    short GetPointValue(int row) const;
    // Sets the value of the row's point. A row without a point gets one (with date 0) only for
    // a non-zero value; a value of 0 deletes a point that then carries nothing (its date is
    // 0 or the reference date). A row outside 0..kMaxRow is ignored.
    void SetPointValue(int row, short value);

    // The joins of the drawing: the nearest row within K rows above (not above firstRow) or
    // below (not below lastRow) whose date is off the reference date; -1 when none is.
    int FindJoinAbove(int row, int firstRow) const;
    int FindJoinBelow(int row, int lastRow) const;

    // The date label of the row: FALSE when the row has no point; else its date formatted
    // with the label attributes' date format.
    BOOL FormatDateLabel(int row, std::string& text) const;
    // Whether the line shows date labels (the fourth label value is not 0).
    bool HasDateLabels() const { return m_labelAttr.m_dateDisp != 0; }

    // The run-time drawing state.
    CShinDrawState& GetDrawState() { return m_drawState; }
    const CShinDrawState& GetDrawState() const { return m_drawState; }

    // Header; points (a count, then each point as an object of class CShinPoint, a missing
    // point as a null reference); reference date; line attributes; 32 reserved bytes; from
    // 58000 the own-font flag, the font when the flag is set, the four label values and the
    // date format. See the .cpp for what older files and a missing font take from the document.
    void Serialize(CArchive& ar) override;

private:
    CShinPoint* EnsurePoint(int row);
    void DeletePoint(int row);
    void StorePoints(CArchive& ar) const;
    std::vector<std::unique_ptr<CShinPoint>> LoadPoints(CArchive& ar) const;

    CShinLineAttr m_lineAttr;
    CShinLabelAttr m_labelAttr;
    CTime m_date;
    std::vector<std::unique_ptr<CShinPoint>> m_points;
    std::array<BYTE, kReservedSize> m_reserved{};
    LOGFONT m_font;
    CShinDrawState m_drawState;
};

} // namespace tembra
