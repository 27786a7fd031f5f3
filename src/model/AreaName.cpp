#include "model/AreaName.h"

#include "model/DataHeader.h"
#include "model/Utility.h"
#include "platform/GdiObjects.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <optional>

namespace tembra {

IMPLEMENT_SERIAL(CAreaNameData, CObject, 1)
IMPLEMENT_SERIAL(CAreaNameDataStd, CAreaNameData, 1)
IMPLEMENT_SERIAL(CAreaNameDataGrid, CAreaNameData, 1)
IMPLEMENT_SERIAL(CAreaNameDataSlant, CAreaNameData, 1)

namespace {

// a * b / c with the product formed first; a triangle without height gives no shift, so that a
// header whose rows have collapsed still lays its texts out instead of dividing by zero.
int MulDivOrZero(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) {
        return 0;
    }
    return static_cast<int>(a * b / c);
}

template <class Cell> Cell* FindIn(const std::vector<std::unique_ptr<Cell>>& cells, DWORD no) {
    for (const auto& cell : cells) {
        if (cell->GetNo() == no) {
            return cell.get();
        }
    }
    return nullptr;
}

// Puts the cell into the slot of the first cell that matches, removes the other matches, or
// appends the cell when nothing matches.
template <class Cell, class Match>
void ReplaceIn(std::vector<std::unique_ptr<Cell>>& cells, std::unique_ptr<Cell> cell, Match match) {
    if (!cell) {
        return;
    }
    bool placed = false;
    for (auto it = cells.begin(); it != cells.end();) {
        if (!match(**it)) {
            ++it;
        } else if (!placed) {
            *it = std::move(cell);
            placed = true;
            ++it;
        } else {
            it = cells.erase(it);
        }
    }
    if (!placed) {
        cells.push_back(std::move(cell));
    }
}

template <class Cell>
void CopyCells(std::vector<std::unique_ptr<Cell>>& to,
               const std::vector<std::unique_ptr<Cell>>& from) {
    to.clear();
    to.reserve(from.size());
    for (const auto& cell : from) {
        to.push_back(std::make_unique<Cell>(*cell));
    }
}

template <class Cell>
void StoreCells(CArchive& ar, const std::vector<std::unique_ptr<Cell>>& cells) {
    ar.WriteCount(static_cast<DWORD>(cells.size()));
    for (const auto& cell : cells) {
        ar.WriteObject(cell.get());
    }
}

template <class Cell> std::vector<std::unique_ptr<Cell>> LoadCells(CArchive& ar) {
    const DWORD count = ar.ReadCount();
    std::vector<std::unique_ptr<Cell>> cells;
    for (DWORD i = 0; i < count; ++i) {
        cells.push_back(ar.ReadOwned<Cell>());
    }
    return cells;
}

} // namespace

int AreaLineWidthOf(WORD widthCode) {
    switch (widthCode) {
    case 1:
        return 1;
    case 2:
        return 6;
    default:
        return 3;
    }
}

// ---- CAreaNameData ----------------------------------------------------------------------------

CAreaNameData::CAreaNameData() {
    EnumFontFaces(m_font, std::nullopt, -32, 16);
}

std::unique_ptr<CAreaNameData> CAreaNameData::Clone() const {
    return std::make_unique<CAreaNameData>(*this);
}

void CAreaNameData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_text;
        LogFont16::Store(ar, m_font);
        ar << m_ownFont << m_lineType << m_lineWidth << static_cast<DWORD>(m_lineColor);
        ar << m_align << static_cast<DWORD>(m_textColor) << m_style;
    } else {
        DWORD lineColor = 0;
        DWORD textColor = 0;
        ar >> m_text;
        m_font = LogFont16::Load(ar);
        ar >> m_ownFont >> m_lineType >> m_lineWidth >> lineColor;
        ar >> m_align >> textColor >> m_style;
        m_lineColor = lineColor;
        m_textColor = textColor;
    }
}

AreaTextPos CAreaNameData::GetTextPos(const CRect& rect, int extent) const {
    AreaTextPos pos;
    switch (m_align) {
    case kAlignRight:
        pos.x = rect.right - 10;
        pos.align |= TA_RIGHT;
        break;
    case kAlignCenter:
        pos.x = (rect.left + rect.right) / 2;
        pos.align |= TA_CENTER;
        break;
    default:
        pos.x = rect.left + 10;
        break;
    }
    if ((m_style & kStyleTop) != 0) {
        pos.y = rect.top - 10;
    } else if ((m_style & kStyleBottom) != 0) {
        pos.y = rect.bottom + 10;
        pos.align |= TA_BOTTOM;
    } else {
        pos.y = (rect.top + rect.bottom) / 2 - extent / 2;
    }
    return pos;
}

// ---- The three kinds --------------------------------------------------------------------------

CAreaNameDataStd::CAreaNameDataStd() {
    m_align = kAlignLeft;
    m_style = kStyleBottom;
}

CAreaNameDataStd::CAreaNameDataStd(DWORD no) : CAreaNameDataStd() {
    m_no = no;
}

std::unique_ptr<CAreaNameData> CAreaNameDataStd::Clone() const {
    return std::make_unique<CAreaNameDataStd>(*this);
}

void CAreaNameDataStd::Serialize(CArchive& ar) {
    CAreaNameData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_no;
    } else {
        ar >> m_no;
    }
}

AreaLineStyle CAreaNameDataStd::GetLineStyle() const {
    return {m_lineType, AreaLineWidthOf(m_lineWidth), m_lineColor};
}

CAreaNameDataGrid::CAreaNameDataGrid() {
    m_align = kAlignCenter;
    m_style = 0;
}

CAreaNameDataGrid::CAreaNameDataGrid(DWORD row, DWORD column) : CAreaNameDataGrid() {
    m_row = row;
    m_column = column;
}

std::unique_ptr<CAreaNameData> CAreaNameDataGrid::Clone() const {
    return std::make_unique<CAreaNameDataGrid>(*this);
}

void CAreaNameDataGrid::Serialize(CArchive& ar) {
    CAreaNameData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_row << m_column << m_line2Type << m_line2Width << static_cast<DWORD>(m_line2Color);
    } else {
        DWORD color = 0;
        ar >> m_row >> m_column >> m_line2Type >> m_line2Width >> color;
        m_line2Color = color;
    }
}

AreaLineStyle CAreaNameDataGrid::GetRightLineStyle() const {
    return {m_lineType, AreaLineWidthOf(m_lineWidth), m_lineColor};
}

AreaLineStyle CAreaNameDataGrid::GetBottomLineStyle() const {
    return {m_line2Type, AreaLineWidthOf(m_line2Width), m_line2Color};
}

CAreaNameDataSlant::CAreaNameDataSlant() {
    m_align = kAlignLeft;
    m_style = kStyleBottom;
}

CAreaNameDataSlant::CAreaNameDataSlant(DWORD no) : CAreaNameDataSlant() {
    m_no = no;
}

std::unique_ptr<CAreaNameData> CAreaNameDataSlant::Clone() const {
    return std::make_unique<CAreaNameDataSlant>(*this);
}

void CAreaNameDataSlant::Serialize(CArchive& ar) {
    CAreaNameData::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_no;
    } else {
        ar >> m_no;
    }
}

AreaLineStyle CAreaNameDataSlant::GetLineStyle() const {
    return {m_lineType, AreaLineWidthOf(m_lineWidth), m_lineColor};
}

AreaTextPos CAreaNameDataSlant::GetSlantRowTextPos(int x0, int y0, int x1, int y1, int /*x2*/,
                                                   int y2, int extent) const {
    const int a = y0 + (y1 - y0) / 3;
    const int b = y0 + (y2 - y0) / 3;
    const int m = x0 + (x1 - x0) / 3;
    const int column = m_align == kAlignRight ? 2 : (m_align == kAlignCenter ? 1 : 0);

    AreaTextPos pos;
    switch (column) {
    case 2:
        pos.x = x1 - 5;
        pos.align |= TA_RIGHT;
        break;
    case 1:
        pos.x = (m + x1) / 2;
        pos.align |= TA_CENTER;
        break;
    default:
        pos.x = m + 5;
        break;
    }
    if ((m_style & kStyleTop) != 0) {
        const int y[3] = {a, (a + y1) / 2, y1};
        pos.y = y[column] - 5;
    } else if ((m_style & kStyleBottom) != 0) {
        const int y[3] = {b, (b + y2) / 2, y2};
        pos.y = y[column] + 5;
        pos.align |= TA_BOTTOM;
    } else {
        const int y[3] = {(a + b) / 2, ((a + y1) / 2 + (b + y2) / 2) / 2, (y1 + y2) / 2};
        pos.y = y[column] - extent / 2;
    }
    return pos;
}

AreaTextPos CAreaNameDataSlant::GetSlantColumnTextPos(int x0, int y0, int x1, int y1, int x2,
                                                      int y2, int extent) const {
    const int p = x0 + (x1 - x0) / 3;
    const int q = x0 + (x2 - x0) / 3;
    const int s = y0 + (y1 - y0) / 3;
    const int e = extent;
    const int half = extent / 2;
    const bool top = (m_style & kStyleTop) != 0;
    const bool bottom = !top && (m_style & kStyleBottom) != 0;

    AreaTextPos pos;
    if (top) {
        pos.y = s - 5;
    } else if (bottom) {
        pos.y = y1 + 5;
        pos.align |= TA_BOTTOM;
    } else {
        pos.y = (s + y1) / 2 - half;
    }

    switch (m_align) {
    case kAlignRight:
        if (top) {
            pos.x = q;
        } else if (bottom) {
            pos.x = x2 - MulDivOrZero(e, x2, y2 - y0);
        } else {
            pos.x = (q + x2) / 2 - MulDivOrZero(half, x2, y2 - y0);
        }
        pos.x -= 5;
        pos.align |= TA_RIGHT;
        break;
    case kAlignCenter:
        if (top) {
            pos.x = (p + MulDivOrZero(e, x1, y1 - y0) + q) / 2;
        } else if (bottom) {
            pos.x = (x1 + x2 - MulDivOrZero(e, x2, y2 - y0)) / 2;
        } else {
            pos.x = ((p + x1) / 2 + (q + x2) / 2 - MulDivOrZero(half, x2, y2 - y0)) / 2;
        }
        pos.align |= TA_CENTER;
        break;
    default:
        if (top) {
            pos.x = p + MulDivOrZero(e, x1, y1 - y0);
        } else if (bottom) {
            pos.x = x1;
        } else {
            pos.x = (p + x1) / 2 + MulDivOrZero(half, x1, y1 - y0);
        }
        pos.x += 5;
        break;
    }
    return pos;
}

// ---- CAreaNameSet -----------------------------------------------------------------------------

CAreaNameSet::CAreaNameSet(const CAreaNameSet& other)
    : m_columnCount(other.m_columnCount), m_style(other.m_style), m_bunkatuOpt(other.m_bunkatuOpt) {
    Copy(other);
}

CAreaNameSet& CAreaNameSet::operator=(const CAreaNameSet& other) {
    if (this != &other) {
        Copy(other);
        m_columnCount = other.m_columnCount;
        m_style = other.m_style;
        m_bunkatuOpt = other.m_bunkatuOpt;
    }
    return *this;
}

int CAreaNameSet::SetDefaults() {
    try {
        auto koumoku = std::make_unique<CAreaNameDataStd>(0);
        koumoku->SetText(GetProfileString("BaseConfig", "KoumokuName", Sjis::FromUtf8("作業")));
        m_std.push_back(std::move(koumoku));

        auto hizuke = std::make_unique<CAreaNameDataStd>(1);
        hizuke->SetText(GetProfileString("BaseConfig", "HizukeName", Sjis::FromUtf8("期間")));
        hizuke->SetAlign(CAreaNameData::kAlignRight);
        hizuke->SetStyle(CAreaNameData::kStyleTop);
        m_std.push_back(std::move(hizuke));

        for (DWORD c = 0; c < kGridColumns; ++c) {
            for (DWORD r = 0; r < kGridRows; ++r) {
                m_grid.push_back(std::make_unique<CAreaNameDataGrid>(r, c));
            }
        }
        for (DWORD k = 0; k < kSlantCount; ++k) {
            auto cell = std::make_unique<CAreaNameDataSlant>(k);
            if (k >= kSlantRowBase) {
                cell->SetAlign(CAreaNameData::kAlignRight);
                cell->SetStyle(CAreaNameData::kStyleTop);
            }
            m_slant.push_back(std::move(cell));
        }
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

void CAreaNameSet::RemoveAll() {
    m_std.clear();
    m_grid.clear();
    m_slant.clear();
}

void CAreaNameSet::Copy(const CAreaNameSet& other) {
    if (this == &other) {
        return;
    }
    CopyCells(m_std, other.m_std);
    CopyCells(m_grid, other.m_grid);
    CopyCells(m_slant, other.m_slant);
}

void CAreaNameSet::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StoreCells(ar, m_std);
        StoreCells(ar, m_grid);
        StoreCells(ar, m_slant);
    } else {
        auto stdCells = LoadCells<CAreaNameDataStd>(ar);
        auto gridCells = LoadCells<CAreaNameDataGrid>(ar);
        auto slantCells = LoadCells<CAreaNameDataSlant>(ar);
        m_std = std::move(stdCells);
        m_grid = std::move(gridCells);
        m_slant = std::move(slantCells);
    }
}

CAreaNameDataStd* CAreaNameSet::FindStd(DWORD no) const {
    return FindIn(m_std, no);
}

CAreaNameDataGrid* CAreaNameSet::FindGrid(DWORD row, DWORD column) const {
    for (const auto& cell : m_grid) {
        DWORD r = 0;
        DWORD c = 0;
        cell->GetNoPair(r, c);
        if (r == row && c == column) {
            return cell.get();
        }
    }
    return nullptr;
}

CAreaNameDataSlant* CAreaNameSet::FindSlant(DWORD no) const {
    return FindIn(m_slant, no);
}

std::string CAreaNameSet::GetKoumokuName() const {
    const CAreaNameDataStd* cell = GetKoumokuCell();
    return cell != nullptr ? cell->GetText() : std::string();
}

std::string CAreaNameSet::GetHizukeName() const {
    const CAreaNameDataStd* cell = GetHizukeCell();
    return cell != nullptr ? cell->GetText() : std::string();
}

void CAreaNameSet::SetKoumokuName(const std::string& name) {
    if (CAreaNameDataStd* cell = GetKoumokuCell()) {
        cell->SetText(name);
    }
}

void CAreaNameSet::SetHizukeName(const std::string& name) {
    if (CAreaNameDataStd* cell = GetHizukeCell()) {
        cell->SetText(name);
    }
}

void CAreaNameSet::ReplaceStd(DWORD no, std::unique_ptr<CAreaNameDataStd> cell) {
    ReplaceIn(m_std, std::move(cell), [no](const CAreaNameDataStd& c) { return c.GetNo() == no; });
}

void CAreaNameSet::ReplaceGrid(DWORD row, DWORD column, std::unique_ptr<CAreaNameDataGrid> cell) {
    ReplaceIn(m_grid, std::move(cell), [row, column](const CAreaNameDataGrid& c) {
        DWORD r = 0;
        DWORD k = 0;
        c.GetNoPair(r, k);
        return r == row && k == column;
    });
}

void CAreaNameSet::ReplaceSlant(DWORD no, std::unique_ptr<CAreaNameDataSlant> cell) {
    ReplaceIn(m_slant, std::move(cell),
              [no](const CAreaNameDataSlant& c) { return c.GetNo() == no; });
}

} // namespace tembra
