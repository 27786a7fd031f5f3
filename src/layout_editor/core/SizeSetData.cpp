#include "layout_editor/core/SizeSetData.h"

#include "layout_editor/core/LayoutFileData.h"

#include <cstdlib>

namespace marquell {

namespace {

using namespace tembra;

// Messages: the process row or the header would be too small, and our own for the widths (the
// height text of 61206 would name the wrong field).
constexpr UINT kProcessTooSmall = 61206;
constexpr UINT kHeaderTooSmall = 61204;
constexpr UINT kProcessTooNarrow = 61255;
constexpr int kMinProcessHeight = 500;
constexpr int kMinHeaderHeight = 50;
constexpr int kMinProcessWidth = 500;

constexpr CSizeSetData::Range kRanges[kSizeFieldCount] = {
    {50, 5940}, // header
    {0, 5940},  // footer
    {50, 5940}, // date row
    {50, 5940}, // process row
    {30, 8400}, // top
    {30, 5940}, // bottom
    {30, 8400}, // left
    {30, 5940}, // right
    {0, 4200},  // process left
    {0, 4200},  // process right
};

constexpr int kHeightOrder[] = {kSizeHeader, kSizeDate,   kSizeProcess,
                                kSizeTop,    kSizeBottom, kSizeFooter};
constexpr int kWidthOrder[] = {kSizeLeft, kSizeRight, kSizeProcessLeft, kSizeProcessRight};

int Height(const CRect& r) {
    return std::abs(r.top - r.bottom);
}

int Width(const CRect& r) {
    return r.right - r.left;
}

template <std::size_t N> int Largest(const CSizeSetData::Values& values, const int (&order)[N]) {
    int best = -1;
    int bestValue = 0;
    for (int field : order) {
        const int value = values[static_cast<std::size_t>(field)];
        if (value >= 1 && value > bestValue) {
            best = field;
            bestValue = value;
        }
    }
    return best < 0 ? order[0] : best;
}

bool IsHeightField(int field) {
    return field == kSizeHeader || field == kSizeFooter || field == kSizeDate ||
           field == kSizeTop || field == kSizeBottom;
}

bool IsWidthField(int field) {
    return field == kSizeLeft || field == kSizeRight || field == kSizeProcessLeft ||
           field == kSizeProcessRight;
}

} // namespace

CSizeSetData::Range CSizeSetData::FieldRange(int field) {
    return field >= 0 && field < kSizeFieldCount ? kRanges[field] : Range{0, 0};
}

CSizeSetData::Rows CSizeSetData::RowsOf(const CPHeadSizeData& size) {
    const CRect ltop = size.GetArea(kLayoutOffsetLTop);
    const CRect rbottom = size.GetArea(kLayoutOffsetRBottom);
    Rows rows{};
    rows[kSizeHeader] = Height(size.GetArea(kLayoutHeaderArea));
    rows[kSizeFooter] = Height(size.GetArea(kLayoutFooterArea));
    rows[kSizeDate] = Height(size.GetArea(kLayoutDateArea));
    rows[kSizeProcess] = Height(size.GetArea(kLayoutEditArea));
    rows[kSizeTop] = Height(ltop);
    rows[kSizeBottom] = Height(rbottom);
    rows[kSizeLeft] = Width(ltop);
    rows[kSizeRight] = Width(rbottom);
    rows[kSizeProcessLeft] = Width(size.GetArea(kLayoutLeftArea));
    rows[kSizeProcessRight] = Width(size.GetArea(kLayoutRightArea));
    rows[kSizePaperWidth] = rbottom.right;
    rows[kSizePaperHeight] = std::abs(rbottom.bottom);
    return rows;
}

CSizeSetData::CSizeSetData(const CLayoutFileData& layout) {
    for (int paper = 0; paper < CLayoutFileData::kPaperCount; ++paper) {
        const CPaperData& data = layout.GetPaper(paper);
        m_rows[static_cast<std::size_t>(paper)] = RowsOf(data.GetSize());
        m_defaults[static_cast<std::size_t>(paper)] = RowsOf(data.GetSizeAsRead());
    }
    m_paper = layout.GetCurrentPaperIndex();
    SelectPaper(m_paper);
}

void CSizeSetData::SelectPaper(int paper) {
    if (paper < 0 || paper >= CLayoutFileData::kPaperCount) {
        return;
    }
    if (paper != m_paper) {
        m_rows[static_cast<std::size_t>(m_paper)] = Shown();
        m_paper = paper;
    }
    const Rows& rows = m_rows[static_cast<std::size_t>(m_paper)];
    for (int i = 0; i < kSizeFieldCount; ++i) {
        m_values[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(i)];
    }
}

void CSizeSetData::Reset() {
    m_rows[static_cast<std::size_t>(m_paper)] = m_defaults[static_cast<std::size_t>(m_paper)];
    SelectPaper(m_paper);
}

CSizeSetData::Rows CSizeSetData::Shown() const {
    Rows rows = m_rows[static_cast<std::size_t>(m_paper)];
    for (int i = 0; i < kSizeFieldCount; ++i) {
        rows[static_cast<std::size_t>(i)] = m_values[static_cast<std::size_t>(i)];
    }
    return rows;
}

int CSizeSetData::LargestHeight(const Values& values) {
    return Largest(values, kHeightOrder);
}

int CSizeSetData::LargestWidth(const Values& values) {
    return Largest(values, kWidthOrder);
}

int CSizeSetData::ProcessRest(const Rows& r) {
    return r[kSizePaperHeight] - r[kSizeHeader] - r[kSizeFooter] - r[kSizeDate] - r[kSizeTop] -
           r[kSizeBottom];
}

int CSizeSetData::HeaderRest(const Rows& r) {
    return r[kSizePaperHeight] - r[kSizeDate] - r[kSizeFooter] - r[kSizeProcess] - r[kSizeTop] -
           r[kSizeBottom];
}

int CSizeSetData::WidthRest(const Rows& r) {
    return r[kSizePaperWidth] - r[kSizeLeft] - r[kSizeRight] - r[kSizeProcessLeft] -
           r[kSizeProcessRight];
}

CSizeSetData::Check CSizeSetData::LeaveField(int field) {
    const Rows rows = Shown();
    if (IsHeightField(field)) {
        const int rest = ProcessRest(rows);
        if (rest < kMinProcessHeight) {
            return {kProcessTooSmall, LargestHeight(m_values)};
        }
        m_values[kSizeProcess] = rest;
    } else if (field == kSizeProcess) {
        const int rest = HeaderRest(rows);
        if (rest < kMinHeaderHeight) {
            return {kHeaderTooSmall, LargestHeight(m_values)};
        }
        m_values[kSizeHeader] = rest;
    } else if (IsWidthField(field)) {
        if (WidthRest(rows) < kMinProcessWidth) {
            return {kProcessTooNarrow, LargestWidth(m_values)};
        }
    }
    return {};
}

CSizeSetData::Check CSizeSetData::CheckAll() const {
    const Rows rows = Shown();
    if (ProcessRest(rows) < kMinProcessHeight || HeaderRest(rows) < kMinHeaderHeight) {
        return {0, LargestHeight(m_values)};
    }
    if (WidthRest(rows) < kMinProcessWidth) {
        return {0, LargestWidth(m_values)};
    }
    return {};
}

void CSizeSetData::Apply(CLayoutFileData& layout) {
    m_rows[static_cast<std::size_t>(m_paper)] = Shown();
    layout.SetCurrentPaperIndex(m_paper);
    for (int paper = 0; paper < CLayoutFileData::kPaperCount; ++paper) {
        const Rows& v = m_rows[static_cast<std::size_t>(paper)];
        const int W = v[kSizePaperWidth];
        const int H = v[kSizePaperHeight];
        const int t = v[kSizeTop];
        const int b = v[kSizeBottom];
        const int l = v[kSizeLeft];
        const int r = v[kSizeRight];
        const int pl = v[kSizeProcessLeft];
        const int pr = v[kSizeProcessRight];
        const int hd = v[kSizeHeader];
        const int ft = v[kSizeFooter];
        const int dt = v[kSizeDate];
        CPHeadSizeData& size = layout.GetPaper(paper).GetSize();
        size.SetArea(kLayoutHeaderArea, CRect(l, -t, W - r, -(t + hd)));
        size.SetArea(kLayoutFooterArea, CRect(l, -(H - b - ft), W - r, -(H - b)));
        size.SetArea(kLayoutLeftArea, CRect(l, -(t + hd), l + pl, -(H - b - ft)));
        size.SetArea(kLayoutRightArea, CRect(W - r - pr, -(t + hd), W - r, -(H - b - ft)));
        size.SetArea(kLayoutDateArea, CRect(l + pl, -(t + hd), W - r - pr, -(t + hd + dt)));
        size.SetArea(kLayoutEditArea, CRect(l + pl, -(t + hd + dt), W - r - pr, -(H - b - ft)));
        size.SetArea(kLayoutOffsetLTop, CRect(0, 0, l, -t));
        size.SetArea(kLayoutOffsetRBottom, CRect(W - r, -(H - b), W, -H));
    }
}

} // namespace marquell
