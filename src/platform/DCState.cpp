// The state a device context keeps between its calls: the pen, brush, font and bitmap selected
// into it, the text and background attributes, and the states saved and restored.
#include "platform/DC.h"
#include "platform/DCTraceArgs.h"

#include <cstddef>
#include <utility>

namespace tembra {

using dc_trace::Pts;
using dc_trace::Vals;

// ---- Objects ----------------------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen) {
    if (pen == nullptr || pen->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    CPen* previous = m_state.penObject;
    m_state.penObject = pen;
    m_state.pen = pen->Data();
    Trace(DcOp::SelectPen, [] { return DcCallArgs(); });
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush == nullptr || brush->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    CBrush* previous = m_state.brushObject;
    m_state.brushObject = brush;
    m_state.brush = brush->Data();
    Trace(DcOp::SelectBrush, [] { return DcCallArgs(); });
    return previous;
}

CFont* CDC::SelectObject(CFont* font) {
    if (font == nullptr || font->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    CFont* previous = m_state.fontObject;
    m_state.fontObject = font;
    m_state.font = font->Data();
    Trace(DcOp::SelectFont, [] { return DcCallArgs(); });
    return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (bitmap == nullptr || bitmap->GetSafeHandle() == nullptr) {
        return nullptr;
    }
    // Only a memory device context has a bitmap to exchange.
    CBitmap* previous = m_state.bitmapObject;
    if (previous == nullptr) {
        return nullptr;
    }
    m_state.bitmapObject = bitmap;
    m_state.bitmap = bitmap->Pixels();
    ++m_clipSerial;
    Trace(DcOp::SelectBitmap, [&] {
        return Vals({bitmap->Pixels()->width, bitmap->Pixels()->height});
    });
    OnBitmapSelected();
    return previous;
}

int CDC::SelectObject(CRgn* region) {
    return SelectClipRgn(region);
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (object == nullptr) {
        return nullptr;
    }
    switch (object->GetKind()) {
    case CGdiObject::Kind::Pen:
        return SelectObject(static_cast<CPen*>(object));
    case CGdiObject::Kind::Brush:
        return SelectObject(static_cast<CBrush*>(object));
    case CGdiObject::Kind::Font:
        return SelectObject(static_cast<CFont*>(object));
    case CGdiObject::Kind::Bitmap:
        return SelectObject(static_cast<CBitmap*>(object));
    case CGdiObject::Kind::Region:
        SelectClipRgn(static_cast<CRgn*>(object));
        return nullptr;
    }
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) {
    return SelectObject(CGdiObject::Stock(index));
}

// ---- Attributes -------------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color) {
    const COLORREF previous = m_state.textColor;
    m_state.textColor = color & 0xFFFFFF;
    Trace(DcOp::SetTextColor, [&] { return Vals({color}); });
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF color) {
    const COLORREF previous = m_state.bkColor;
    m_state.bkColor = color & 0xFFFFFF;
    Trace(DcOp::SetBkColor, [&] { return Vals({color}); });
    return previous;
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        return 0;
    }
    const int previous = m_state.bkMode;
    m_state.bkMode = mode;
    Trace(DcOp::SetBkMode, [&] { return Vals({mode}); });
    return previous;
}

int CDC::SetROP2(int rop) {
    if (rop < R2_BLACK || rop > R2_WHITE) {
        return 0;
    }
    const int previous = m_state.rop2;
    m_state.rop2 = rop;
    Trace(DcOp::SetROP2, [&] { return Vals({rop}); });
    return previous;
}

UINT CDC::SetTextAlign(UINT align) {
    const UINT previous = m_state.textAlign;
    m_state.textAlign = align;
    Trace(DcOp::SetTextAlign, [&] { return Vals({align}); });
    return previous;
}

int CDC::SetPolyFillMode(int mode) {
    if (mode != ALTERNATE && mode != WINDING) {
        return 0;
    }
    const int previous = m_state.polyFillMode;
    m_state.polyFillMode = mode;
    Trace(DcOp::SetPolyFillMode, [&] { return Vals({mode}); });
    return previous;
}

int CDC::SetArcDirection(int direction) {
    if (direction != AD_COUNTERCLOCKWISE && direction != AD_CLOCKWISE) {
        return 0;
    }
    const int previous = m_state.arcDirection;
    m_state.arcDirection = direction;
    Trace(DcOp::SetArcDirection, [&] { return Vals({direction}); });
    return previous;
}

CPoint CDC::SetBrushOrg(int x, int y) {
    const CPoint previous = m_state.brushOrg;
    m_state.brushOrg = {x, y};
    Trace(DcOp::SetBrushOrg, [&] { return Pts({m_state.brushOrg}); });
    return previous;
}

// ---- Saved states -----------------------------------------------------------------------------

int CDC::SaveDC() {
    m_saved.push_back(m_state);
    Trace(DcOp::SaveDC, [&] { return Vals({static_cast<long long>(m_saved.size())}); });
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int saved) {
    const long long count = static_cast<long long>(m_saved.size());
    const long long index = saved < 0 ? count + saved : static_cast<long long>(saved) - 1;
    if (saved == 0 || index < 0 || index >= count) {
        return FALSE;
    }
    const auto bitmap = m_state.bitmap;
    m_state = std::move(m_saved[static_cast<std::size_t>(index)]);
    m_saved.resize(static_cast<std::size_t>(index));
    ++m_clipSerial;
    Trace(DcOp::RestoreDC, [&] { return Vals({saved}); });
    if (m_state.bitmap != bitmap) {
        OnBitmapSelected();
    }
    return TRUE;
}

} // namespace tembra
