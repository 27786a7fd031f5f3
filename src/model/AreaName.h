// The area names (欄名称): the texts, fonts and lines of the chart's corner header, one cell per
// heading. The standard style has two cells (the item-column heading and the date heading), the
// grid style one cell per date row and item column (3 x 10), the slant style one per item column
// and one per date row (13).
//
// These records belong to the chart's look and are drawn by the header painter, but they live in
// the model library: the settings record and the application's chart settings part hold a set of
// them, and the model may not depend on the render library.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace tembra {

// The drawn width of a line width code: 0 normal, 1 thin, 2 bold.
int AreaLineWidthOf(WORD widthCode);

// Where a text is drawn and how it is aligned there (TA_ flags).
struct AreaTextPos {
    int x = 0;
    int y = 0;
    UINT align = 0;
    bool operator==(const AreaTextPos&) const = default;
};

// A line of a cell as the painter draws it: line type, drawn width, colour.
struct AreaLineStyle {
    int type = 0;
    int width = 3;
    COLORREF color = 0;
    bool operator==(const AreaLineStyle&) const = default;
};

// One cell: its text attributes, its (first) line, its text and font. Never stored by itself:
// the files and the profile hold the three derived kinds.
class CAreaNameData : public CObject {
    DECLARE_SERIAL(CAreaNameData)
public:
    // Horizontal alignment codes and the vertical style flags.
    enum : WORD { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
    enum : WORD { kStyleBold = 0x0004, kStyleTop = 0x0100, kStyleBottom = 0x0200 };

    // Empty text, the program's default font (height -32, width 16), no own font, a solid
    // normal black line, left aligned, black text, no style flags.
    CAreaNameData();
    CAreaNameData(const CAreaNameData&) = default;
    CAreaNameData& operator=(const CAreaNameData&) = default;

    // A new cell of the same kind with the same values.
    virtual std::unique_ptr<CAreaNameData> Clone() const;

    // The text, the font (50-byte form), the own-font flag, the line, the alignment, the text
    // colour and the style flags.
    void Serialize(CArchive& ar) override;

    const std::string& GetText() const { return m_text; }
    void SetText(const std::string& text) { m_text = text; }
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    LONG GetOwnFont() const { return m_ownFont; }
    void SetOwnFont(LONG flag) { m_ownFont = flag; }
    WORD GetAlign() const { return m_align; }
    void SetAlign(WORD align) { m_align = align; }
    COLORREF GetTextColor() const { return m_textColor; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    WORD GetStyle() const { return m_style; }
    void SetStyle(WORD style) { m_style = style; }
    short GetLineType() const { return m_lineType; }
    void SetLineType(short type) { m_lineType = type; }
    WORD GetLineWidth() const { return m_lineWidth; }
    void SetLineWidth(WORD code) { m_lineWidth = code; }
    COLORREF GetLineColor() const { return m_lineColor; }
    void SetLineColor(COLORREF color) { m_lineColor = color; }

    // The text position in a rectangle (left, top, right, bottom; y grows upwards) for a text
    // extent e: horizontally by the alignment, vertically by the top and bottom flags.
    AreaTextPos GetTextPos(const CRect& rect, int extent) const;

protected:
    WORD m_align = kAlignLeft;
    COLORREF m_textColor = 0;
    WORD m_style = 0;
    LONG m_ownFont = 0;
    short m_lineType = 0;
    WORD m_lineWidth = 0;
    COLORREF m_lineColor = 0;
    std::string m_text;
    LOGFONT m_font;
};

// A cell of the standard style: 0 the item-column heading, 1 the date heading.
class CAreaNameDataStd : public CAreaNameData {
    DECLARE_SERIAL(CAreaNameDataStd)
public:
    // Left aligned at the bottom, number 0.
    CAreaNameDataStd();
    explicit CAreaNameDataStd(DWORD no);
    CAreaNameDataStd(const CAreaNameDataStd&) = default;
    CAreaNameDataStd& operator=(const CAreaNameDataStd&) = default;

    std::unique_ptr<CAreaNameData> Clone() const override;
    void Serialize(CArchive& ar) override;

    DWORD GetNo() const { return m_no; }
    void SetNo(DWORD no) { m_no = no; }
    AreaLineStyle GetLineStyle() const;

private:
    DWORD m_no = 0;
};

// A cell of the grid style: date row and item column; its first line is the cell's right line,
// its second the bottom line.
class CAreaNameDataGrid : public CAreaNameData {
    DECLARE_SERIAL(CAreaNameDataGrid)
public:
    // Centred, vertically in the middle, pair (0, 0), both lines solid, normal and black.
    CAreaNameDataGrid();
    CAreaNameDataGrid(DWORD row, DWORD column);
    CAreaNameDataGrid(const CAreaNameDataGrid&) = default;
    CAreaNameDataGrid& operator=(const CAreaNameDataGrid&) = default;

    std::unique_ptr<CAreaNameData> Clone() const override;
    void Serialize(CArchive& ar) override;

    void GetNoPair(DWORD& row, DWORD& column) const {
        row = m_row;
        column = m_column;
    }
    void SetNoPair(DWORD row, DWORD column) {
        m_row = row;
        m_column = column;
    }
    short GetLine2Type() const { return m_line2Type; }
    void SetLine2Type(short type) { m_line2Type = type; }
    WORD GetLine2Width() const { return m_line2Width; }
    void SetLine2Width(WORD code) { m_line2Width = code; }
    COLORREF GetLine2Color() const { return m_line2Color; }
    void SetLine2Color(COLORREF color) { m_line2Color = color; }

    AreaLineStyle GetRightLineStyle() const;
    AreaLineStyle GetBottomLineStyle() const;

private:
    DWORD m_row = 0;
    DWORD m_column = 0;
    short m_line2Type = 0;
    WORD m_line2Width = 0;
    COLORREF m_line2Color = 0;
};

// A cell of the slant style: 0 to 9 the item columns, 10 to 12 the date rows 0 to 2; its line
// is the cell's diagonal.
class CAreaNameDataSlant : public CAreaNameData {
    DECLARE_SERIAL(CAreaNameDataSlant)
public:
    // Left aligned at the bottom, number 0.
    CAreaNameDataSlant();
    explicit CAreaNameDataSlant(DWORD no);
    CAreaNameDataSlant(const CAreaNameDataSlant&) = default;
    CAreaNameDataSlant& operator=(const CAreaNameDataSlant&) = default;

    std::unique_ptr<CAreaNameData> Clone() const override;
    void Serialize(CArchive& ar) override;

    DWORD GetNo() const { return m_no; }
    void SetNo(DWORD no) { m_no = no; }
    AreaLineStyle GetLineStyle() const;

    // The text position in the triangle of a date row: the header's top-left corner (x0, y0)
    // and the row's upper (x1, y1) and lower (x2, y2) ends on the item area's right edge.
    AreaTextPos GetSlantRowTextPos(int x0, int y0, int x1, int y1, int x2, int y2,
                                   int extent) const;
    // The text position in the triangle of an item column: the corner (x0, y0) and the lower
    // ends (x1, y1), (x2, y2) of the column's two lines.
    AreaTextPos GetSlantColumnTextPos(int x0, int y0, int x1, int y1, int x2, int y2,
                                      int extent) const;

private:
    DWORD m_no = 0;
};

// All the cells of one settings record and the three words that choose how the header is
// split. The set owns its cells.
class CAreaNameSet {
public:
    static constexpr int kStdCount = 2;
    static constexpr int kGridRows = 3;
    static constexpr int kGridColumns = 10;
    static constexpr int kSlantCount = 13;
    static constexpr int kSlantRowBase = 10;

    // Header styles and split options.
    enum : WORD { kStyleStandard = 0, kStyleGrid = 1, kStyleSlant = 2 };
    enum : WORD { kSplitByColumns = 0x0001, kSplitByRows = 0x0002 };

    CAreaNameSet() = default;
    CAreaNameSet(const CAreaNameSet& other);
    CAreaNameSet& operator=(const CAreaNameSet& other);
    CAreaNameSet(CAreaNameSet&&) noexcept = default;
    CAreaNameSet& operator=(CAreaNameSet&&) noexcept = default;
    ~CAreaNameSet() = default;

    // Adds Std 0 and 1, the Grid cells (columns outer, rows inner) and Slant 0 to 12, with
    // the headings "作業" and "期間" unless the profile's "BaseConfig" holds "KoumokuName" or
    // "HizukeName". Returns 1 (0 when a cell could not be allocated; the cells made so far
    // stay).
    int SetDefaults();
    // Deletes every cell of the three arrays.
    void RemoveAll();
    // Deletes this set's cells and duplicates every cell of the other, array by array (nothing
    // onto itself). The three words stay; assignment copies them as well.
    void Copy(const CAreaNameSet& other);

    // The Std, Grid and Slant arrays, each as the framework's object array. The three words are
    // not part of it (the settings record stores them). A load replaces the cells; a damaged
    // stream (or a cell of the wrong kind) throws CArchiveException and leaves the set as it
    // was.
    void Serialize(CArchive& ar);

    CAreaNameDataStd* FindStd(DWORD no) const;
    CAreaNameDataGrid* FindGrid(DWORD row, DWORD column) const;
    CAreaNameDataSlant* FindSlant(DWORD no) const;
    CAreaNameDataStd* GetKoumokuCell() const { return FindStd(0); }
    CAreaNameDataStd* GetHizukeCell() const { return FindStd(1); }
    CAreaNameDataSlant* FindSlantColumn(DWORD column) const { return FindSlant(column); }
    CAreaNameDataSlant* FindSlantRow(DWORD row) const { return FindSlant(row + kSlantRowBase); }

    std::string GetKoumokuName() const;
    std::string GetHizukeName() const;
    void SetKoumokuName(const std::string& name);
    void SetHizukeName(const std::string& name);

    // Every cell of that kind and number is deleted and the given cell takes the slot of the
    // first one; without such a cell it is appended. A null cell changes nothing.
    void ReplaceStd(DWORD no, std::unique_ptr<CAreaNameDataStd> cell);
    void ReplaceGrid(DWORD row, DWORD column, std::unique_ptr<CAreaNameDataGrid> cell);
    void ReplaceSlant(DWORD no, std::unique_ptr<CAreaNameDataSlant> cell);
    void ReplaceKoumokuCell(std::unique_ptr<CAreaNameDataStd> cell) {
        ReplaceStd(0, std::move(cell));
    }
    void ReplaceHizukeCell(std::unique_ptr<CAreaNameDataStd> cell) {
        ReplaceStd(1, std::move(cell));
    }
    void ReplaceSlantColumn(DWORD column, std::unique_ptr<CAreaNameDataSlant> cell) {
        ReplaceSlant(column, std::move(cell));
    }
    void ReplaceSlantRow(DWORD row, std::unique_ptr<CAreaNameDataSlant> cell) {
        ReplaceSlant(row + kSlantRowBase, std::move(cell));
    }

    const std::vector<std::unique_ptr<CAreaNameDataStd>>& GetStdCells() const { return m_std; }
    const std::vector<std::unique_ptr<CAreaNameDataGrid>>& GetGridCells() const { return m_grid; }
    const std::vector<std::unique_ptr<CAreaNameDataSlant>>& GetSlantCells() const {
        return m_slant;
    }

    // The number of item columns, the header style and the split options.
    WORD GetKoumokuColumnCount() const { return m_columnCount; }
    void SetKoumokuColumnCount(WORD count) { m_columnCount = count; }
    WORD GetStyle() const { return m_style; }
    void SetStyle(WORD style) { m_style = style; }
    WORD GetBunkatuOpt() const { return m_bunkatuOpt; }
    void SetBunkatuOpt(WORD options) { m_bunkatuOpt = options; }

private:
    std::vector<std::unique_ptr<CAreaNameDataStd>> m_std;
    std::vector<std::unique_ptr<CAreaNameDataGrid>> m_grid;
    std::vector<std::unique_ptr<CAreaNameDataSlant>> m_slant;
    WORD m_columnCount = 0;
    WORD m_style = 0;
    WORD m_bunkatuOpt = 0;
};

} // namespace tembra
