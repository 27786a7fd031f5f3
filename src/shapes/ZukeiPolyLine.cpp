#include "shapes/ZukeiPolyLine.h"

#include <algorithm>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiPolyLine, CZukeiEx, 1)

CZukeiPolyLine::CZukeiPolyLine() {
    CZukeiPolyLine::SetKind();
}

void CZukeiPolyLine::SetKind() {
    CDataHeader::SetKind(kZukeiPolyLine);
}

int CZukeiPolyLine::GetSegmentCount() const {
    return std::max(0, GetPointCount() - 1);
}

std::unique_ptr<CZukei> CZukeiPolyLine::Clone() const {
    return CloneAs<CZukeiPolyLine>();
}

} // namespace tembra
