// The clip of a device context: the part of the surface a repaint is limited to, the clip region
// its calls select, intersect and exclude, and the visibility questions the painters ask of it.
#include "platform/DC.h"
#include "platform/DCTraceArgs.h"

#include <optional>
#include <utility>

namespace tembra {

using dc_trace::Rc;

namespace {

// A metafile has no surface: its clip is bounded only by what the drawing calls accept.
constexpr LONG kUnbounded = 1 << 27;

} // namespace

// ---- Clipping ---------------------------------------------------------------------------------

void CDC::SetSystemClip(std::optional<Region> clip) {
    m_systemClip = std::move(clip);
    ++m_clipSerial;
}

CSize CDC::SurfaceSize() const {
    if (m_state.bitmap) {
        return {m_state.bitmap->width, m_state.bitmap->height};
    }
    return {GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)};
}

Region CDC::SurfaceRegion() const {
    if (IsMetafile()) {
        return Region::FromRect(CRect(-kUnbounded, -kUnbounded, kUnbounded, kUnbounded));
    }
    const CSize size = SurfaceSize();
    return Region::FromRect(CRect(0, 0, size.cx, size.cy));
}

std::optional<Region> CDC::EffectiveClip() const {
    // Painters ask for every object whether it is visible: the clip is worked out once per
    // change.
    if (m_effectiveSerial == m_clipSerial) {
        return m_effective;
    }
    if (IsMetafile()) {
        m_effective = m_state.clip;
    } else {
        Region r = SurfaceRegion();
        if (m_systemClip) {
            r = Region::Combine(r, *m_systemClip, RGN_AND);
        }
        if (m_state.clip) {
            r = Region::Combine(r, *m_state.clip, RGN_AND);
        }
        m_effective = std::move(r);
    }
    m_effectiveSerial = m_clipSerial;
    return m_effective;
}

int CDC::ClipResult() const {
    const auto clip = EffectiveClip();
    return clip ? clip->Type() : SIMPLEREGION;
}

int CDC::SetClip(std::optional<Region> clip) {
    m_state.clip = std::move(clip);
    ++m_clipSerial;
    return ClipResult();
}

CRect CDC::ToDeviceRect(const CRect& logical) const {
    CRect r = logical;
    LPtoDP(&r);
    r.NormalizeRect();
    return r;
}

int CDC::SelectClipRgn(const CRgn* region) {
    return SelectClipRgn(region, RGN_COPY);
}

int CDC::SelectClipRgn(const CRgn* region, int mode) {
    if (mode < RGN_AND || mode > RGN_COPY) {
        return RGN_ERROR;
    }
    if (region != nullptr && region->GetSafeHandle() == nullptr) {
        return RGN_ERROR;
    }
    Trace(DcOp::SelectClipRgn, [&] { return Rc(region ? region->Data().Box() : CRect(), {mode}); });
    if (mode == RGN_COPY) {
        return SetClip(region ? std::optional<Region>(region->Data()) : std::nullopt);
    }
    if (region == nullptr) {
        return RGN_ERROR;
    }
    const Region current = m_state.clip ? *m_state.clip : SurfaceRegion();
    return SetClip(Region::Combine(current, region->Data(), mode));
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    const CRect logical(left, top, right, bottom);
    Trace(DcOp::IntersectClipRect, [&] { return Rc(logical); });
    const Region rect = Region::FromRect(ToDeviceRect(logical));
    return SetClip(m_state.clip ? Region::Combine(*m_state.clip, rect, RGN_AND) : rect);
}

int CDC::IntersectClipRect(const CRect* rect) {
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : RGN_ERROR;
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    const CRect logical(left, top, right, bottom);
    Trace(DcOp::ExcludeClipRect, [&] { return Rc(logical); });
    const Region current = m_state.clip ? *m_state.clip : SurfaceRegion();
    return SetClip(Region::Combine(current, Region::FromRect(ToDeviceRect(logical)), RGN_DIFF));
}

int CDC::ExcludeClipRect(const CRect* rect) {
    return rect ? ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom) : RGN_ERROR;
}

int CDC::GetClipBox(CRect* rect) const {
    if (rect == nullptr) {
        return RGN_ERROR;
    }
    if (IsMetafile()) {
        rect->SetRectEmpty();
        return NULLREGION;
    }
    const auto clip = EffectiveClip();
    if (!clip || clip->IsEmpty()) {
        rect->SetRectEmpty();
        return NULLREGION;
    }
    *rect = clip->Box();
    DPtoLP(rect);
    return clip->Type();
}

BOOL CDC::PtVisible(int x, int y) const {
    if (IsMetafile()) {
        return TRUE;
    }
    CPoint p(x, y);
    LPtoDP(&p);
    const auto clip = EffectiveClip();
    return clip && clip->Contains(p.x, p.y);
}

BOOL CDC::RectVisible(const CRect* rect) const {
    if (rect == nullptr) {
        return FALSE;
    }
    if (IsMetafile()) {
        return TRUE;
    }
    const auto clip = EffectiveClip();
    return clip && clip->Intersects(ToDeviceRect(*rect));
}

} // namespace tembra
