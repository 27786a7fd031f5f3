// The arguments a device context's calls hand to its trace (CDC::OnCall), put together in one
// expression: plain values, points with an optional rectangle, or a rectangle with optional values.
// Shared by the files of the device context (DC.cpp, DCState.cpp, DCClip.cpp, DCFigures.cpp,
// DCText.cpp); nothing outside them traces.
#pragma once

#include "platform/DC.h"

#include <utility>
#include <vector>

namespace tembra::dc_trace {

inline DcCallArgs Vals(std::vector<long long> values) {
    DcCallArgs a;
    a.values = std::move(values);
    return a;
}

inline DcCallArgs Pts(std::vector<CPoint> points, const CRect& rect = {}) {
    DcCallArgs a;
    a.points = std::move(points);
    a.rect = rect;
    return a;
}

inline DcCallArgs Rc(const CRect& rect, std::vector<long long> values = {}) {
    DcCallArgs a;
    a.rect = rect;
    a.values = std::move(values);
    return a;
}

} // namespace tembra::dc_trace
