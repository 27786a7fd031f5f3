#include "layout_editor/core/PHeadSizeData.h"

#include "layout_editor/core/LayoutDraw.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutView.h"

#include <algorithm>

namespace marquell {

IMPLEMENT_SERIAL(CPHeadSizeData, CLayoutData, 1)

namespace {

using namespace tembra;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kAreaFrame = RGB(128, 128, 128);
constexpr int kPartitionWidth = 3;

struct AreaKeys {
    int rect;
    int vertical;
    int horizontal;
};
// The rectangle and the divisions of each area code.
constexpr AreaKeys kAreaKeys[] = {
    {kLayoutHeaderArea, kLayoutVpartition, kLayoutHpartition},
    {kLayoutFooterArea, kLayoutVpartitionB, kLayoutHpartitionB},
    {kLayoutLeftArea, kLayoutVpartitionL, kLayoutHpartitionL},
    {kLayoutRightArea, kLayoutVpartitionR, kLayoutHpartitionR},
};

const AreaKeys* KeysOf(int areaCode) {
    return areaCode >= 0 && areaCode < static_cast<int>(std::size(kAreaKeys)) ? &kAreaKeys[areaCode]
                                                                              : nullptr;
}

bool HasArea(const CRect& rect) {
    return rect.left != rect.right && rect.top != rect.bottom;
}

} // namespace

CRect CPHeadSizeData::GetArea(int index) const {
    return index >= 0 && index < kLayoutRectCount ? m_areas[static_cast<std::size_t>(index)]
                                                  : CRect();
}

void CPHeadSizeData::SetArea(int index, const CRect& rect) {
    if (index >= 0 && index < kLayoutRectCount) {
        m_areas[static_cast<std::size_t>(index)] = rect;
    }
}

int CPHeadSizeData::GetPartition(int index) const {
    return index >= 0 && index < kLayoutPartitionCount
               ? m_partitions[static_cast<std::size_t>(index)]
               : 0;
}

void CPHeadSizeData::SetPartition(int index, int value) {
    if (index >= 0 && index < kLayoutPartitionCount) {
        m_partitions[static_cast<std::size_t>(index)] = value;
    }
}

CRect CPHeadSizeData::GetAreaRect(int areaCode) const {
    const AreaKeys* keys = KeysOf(areaCode);
    return keys != nullptr ? GetArea(keys->rect) : CRect();
}

void CPHeadSizeData::GetPartitions(int areaCode, int& vertical, int& horizontal) const {
    const AreaKeys* keys = KeysOf(areaCode);
    vertical = keys != nullptr ? GetPartition(keys->vertical) : 0;
    horizontal = keys != nullptr ? GetPartition(keys->horizontal) : 0;
}

void CPHeadSizeData::SetPartitions(int areaCode, int vertical, int horizontal) {
    if (const AreaKeys* keys = KeysOf(areaCode)) {
        SetPartition(keys->vertical, vertical);
        SetPartition(keys->horizontal, horizontal);
    }
}

void CPHeadSizeData::Draw(CDC* dc, const ILayoutView& view, int /*mode*/) const {
    const auto fill = [&](int index, COLORREF color) {
        const CRect rect = NormalizedLayoutRect(GetArea(index));
        if (HasArea(rect)) {
            DrawRect(dc, view.ToView(rect), -1, 0, color, kBrushSolid, color, R2_COPYPEN, -1);
        }
    };
    fill(kLayoutPaperArea, kWhite);
    fill(kLayoutDateArea, kLightGrey);
    fill(kLayoutEditArea, kLightGrey);
    for (const AreaKeys& keys : kAreaKeys) {
        const CRect rect = NormalizedLayoutRect(GetArea(keys.rect));
        if (!HasArea(rect)) {
            continue;
        }
        const CRect r = view.ToView(rect);
        DrawDottedLine(dc, r.left, r.top, r.right, r.top, kAreaFrame, R2_COPYPEN, TRANSPARENT);
        DrawDottedLine(dc, r.right, r.top, r.right, r.bottom, kAreaFrame, R2_COPYPEN, TRANSPARENT);
        DrawDottedLine(dc, r.left, r.bottom, r.right, r.bottom, kAreaFrame, R2_COPYPEN,
                       TRANSPARENT);
        DrawDottedLine(dc, r.left, r.top, r.left, r.bottom, kAreaFrame, R2_COPYPEN, TRANSPARENT);
    }
}

void CPHeadSizeData::DrawPartitionLines(CDC* dc, const ILayoutView& view, int vertical,
                                        int horizontal) const {
    const CRect area = NormalizedLayoutRect(GetAreaRect(m_currentArea));
    const LONG width = area.Width();
    const LONG height = area.top - area.bottom;
    // More divisions than units of the area would only draw the same lines again.
    const long long across = std::min<long long>(vertical, width);
    const long long down = std::min<long long>(horizontal, height);
    const auto line = [&](const CPoint& from, const CPoint& to) {
        const CPoint a = view.ToView(from);
        const CPoint b = view.ToView(to);
        DrawLine(dc, a.x, a.y, b.x, b.y, PS_SOLID, kPartitionWidth, kLightGrey, R2_COPYPEN, -1);
    };
    for (long long i = 1; i < across; ++i) {
        const LONG x = area.left + RoundHalfDown(static_cast<double>(width) * i / across);
        line(CPoint(x, area.top), CPoint(x, area.bottom));
    }
    for (long long j = 1; j < down; ++j) {
        const LONG y = area.top - RoundHalfDown(static_cast<double>(height) * j / down);
        line(CPoint(area.left, y), CPoint(area.right, y));
    }
}

std::unique_ptr<CLayoutData> CPHeadSizeData::MakeCopy() const {
    return std::unique_ptr<CLayoutData>(new CPHeadSizeData(*this));
}

} // namespace marquell
