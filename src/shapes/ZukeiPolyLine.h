// The open polyline (kind 2): a chain of straight segments through its points.
#pragma once

#include "shapes/ZukeiEx.h"

namespace tembra {

class CZukeiPolyLine : public CZukeiEx {
    DECLARE_SERIAL(CZukeiPolyLine)
public:
    CZukeiPolyLine();

    void SetKind() override;
    // One fewer than the points.
    int GetSegmentCount() const override;
    std::unique_ptr<CZukei> Clone() const override;
};

} // namespace tembra
