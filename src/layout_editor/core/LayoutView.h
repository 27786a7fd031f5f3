// What the elements and papers of a layout ask of the editing view that shows them: how layout
// coordinates reach the device context (zoom and drawing offset), the display switches, the
// frame of a transform in progress, the current area and the selection rules. The editing view
// implements it; tests give fixed answers.
//
// Layout coordinates are 0.1 mm from the paper's top-left corner with y negated (downward
// negative). The view's device context draws in 0.1 mm with y upward; a layout value reaches it
// scaled by the zoom (value x zoom / 100, truncated toward zero) and moved by the drawing offset.
#pragma once

#include "layout_editor/core/LayoutBase.h"

namespace marquell {

class CEditorSettings;

class ILayoutView {
public:
    virtual ~ILayoutView() = default;

    // ---- Scaling -----------------------------------------------------------------------------
    // The zoom in percent (25 ... 400).
    virtual int GetZoomPercent() const = 0;
    // Added to every scaled point: shifts the shown area within the scroll space.
    virtual CPoint GetDrawOffset() const = 0;

    // ---- Display switches --------------------------------------------------------------------
    // Input areas show their default text instead of their name.
    virtual bool IsDefaultTextShown() const = 0;
    // The whole paper is shown, not only the current area.
    virtual bool IsWholePaperShown() const = 0;
    // Grid snapping is on: the partition lines of the current area are drawn.
    virtual bool IsGridSnapOn() const = 0;
    // The only selected element is a line, whose two end points are its handles.
    virtual bool IsLineEndMode() const = 0;

    // ---- Transform ---------------------------------------------------------------------------
    // The mark being dragged, 1 to 8 clockwise from the top-left corner (1 top-left, 2 top,
    // 3 top-right, 4 right, 5 bottom-right, 6 bottom, 7 bottom-left, 8 left), the selection's
    // frame before and the frame it is dragged to (layout units).
    virtual int GetTransformMark() const = 0;
    virtual CRect GetTransformFrom() const = 0;
    virtual CRect GetTransformTo() const = 0;
    // The rectangle of the paper's current area (layout units).
    virtual CRect GetCurrentAreaRect() const = 0;

    // ---- Selection ---------------------------------------------------------------------------
    // Elements selected before stay selected when more are selected.
    virtual bool IsAdditiveSelection() const = 0;
    // A rubber band selects only the elements wholly inside it.
    virtual bool IsInsideFrameSelection() const = 0;
    // How far around a click an element is still hit (layout units).
    virtual int GetHitTolerance() const = 0;

    // The editor's line widths and input-area colour.
    virtual const CEditorSettings& GetSettings() const = 0;

    // ---- Conversions (from the answers above) -------------------------------------------------
    // A layout value scaled by the zoom.
    int Scale(int value) const;
    // A layout point or rectangle as the device context takes it: scaled and moved.
    CPoint ToView(const CPoint& point) const;
    CRect ToView(const CRect& rect) const;
};

} // namespace marquell
