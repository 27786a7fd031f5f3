// What a document command asks of the chart view that the user works in: to act as if clicked.
// The copy and move commands with item cells selected post the view's object action at the
// pointer; the item-cell text command posts it as a left press at the cell. Both arrive through
// the view's event queue, after the command has returned. A chart view implements it beside
// CView; the document finds it through the application's active view.
#pragma once

#include "platform/Types.h"

#include <optional>

namespace tembra {

class IObjectActionView {
public:
    virtual ~IObjectActionView() = default;
    // Posts the object action: with a logical point of the chart, a left press with the left
    // button held there; without one, an evaluation at the pointer (and the cursor follows).
    virtual void PostObjectAction(const std::optional<CPoint>& leftPressAt) = 0;
};

// The active view's, or null when the active view is none or not a chart view.
IObjectActionView* GetActiveObjectActionView();

} // namespace tembra
