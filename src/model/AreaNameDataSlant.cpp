#include "model/AreaNameDataSlant.h"

#include "platform/GdiObjects.h"

#include <cstdint>

namespace tembra {

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

} // namespace

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

} // namespace tembra
