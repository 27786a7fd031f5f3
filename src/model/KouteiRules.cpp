// The rules that keep a process's line shape, direction and relation links consistent after an
// edit; the document applies them to the processes it changed.
#include "model/Koutei.h"

#include <algorithm>
#include <utility>

namespace tembra {

namespace {

constexpr int kMaxRow = 9999;

// The processes a relation line is resolved against are found by their own number.
constexpr int kByOwnNumber = 0;

CKoutei* FindEitherList(const IKouteiDocument& document, const CObSeqNumber& number) {
    if (CKoutei* found = document.FindKouteiByNumber(number, kByOwnNumber, false)) {
        return found;
    }
    return document.FindKouteiByNumber(number, kByOwnNumber, true);
}

} // namespace

void CKoutei::ClearRelation() {
    m_relationLine = 0;
    SetStartLandNo(0, 0);
    SetEndLandNo(0, 0);
}

WORD CKoutei::GetLineShape() const {
    return static_cast<WORD>(m_lines.GetAttr().m_style & 0xFF);
}

void CKoutei::SetLineShape(WORD shape) {
    WORD& word = m_lines.GetAttr().m_style;
    word = static_cast<WORD>((word & 0xFF00) | (shape & 0xFF));
}

int CKoutei::CalcGateRow() const {
    const int start = GetStartRow();
    const int end = GetEndRow();
    const int offset = m_lines.GetBendOffset();
    if (offset >= 1) {
        return std::min(std::max(start + offset, end), kMaxRow);
    }
    if (offset < 0) {
        const int row = std::min(start + offset, end);
        return row < 1 ? 0 : row;
    }
    return start;
}

int CKoutei::NormalizeBendShape() {
    switch (GetLineShape()) {
    case kLineShapeBar:
    case kLineShapeSlantBar:
        if (GetStartRow() != GetEndRow()) {
            SetLineShape(kLineShapeElbowVH);
            return 0;
        }
        return 1;
    case kLineShapeGate: {
        // A gate that turns at one of its own rows is an elbow.
        const int row = CalcGateRow();
        if (row == GetStartRow()) {
            SetLineShape(kLineShapeElbowHV);
            return 0;
        }
        if (row == GetEndRow()) {
            SetLineShape(kLineShapeElbowVH);
            return 0;
        }
        return 1;
    }
    default:
        return 1;
    }
}

int CKoutei::NormalizeDirection() {
    if (m_relationLine != 0 || GetStartTime() <= GetEndTime()) {
        return 1;
    }
    CChartPos& pos = m_lines.GetPos();
    const CTime start = pos.GetStartDate();
    const WORD startRow = pos.GetStartRow();
    pos.SetStartDate(pos.GetEndDate());
    pos.SetStartRow(pos.GetEndRow());
    pos.SetEndDate(start);
    pos.SetEndRow(startRow);
    if (GetLineShape() == kLineShapeElbowVH) {
        SetLineShape(kLineShapeElbowHV);
    } else if (GetLineShape() == kLineShapeElbowHV) {
        SetLineShape(kLineShapeElbowVH);
    }
    // Each node keeps its own date, row and number: it simply stands at the other end now.
    m_startLand ^= 1U;
    return 0;
}

int CKoutei::NormalizeNodeShape() {
    const bool start = (StartLand().GetSubStyle() & kLandDirectional) != 0;
    const bool end = (EndLand().GetSubStyle() & kLandDirectional) != 0;
    if (!start && !end) {
        return 1;
    }
    // The shapes every directional node allows, and the one a line must take otherwise.
    const WORD shape = GetLineShape();
    const bool common = shape == kLineShapePlain || shape == kLineShapeCrank ||
                        shape == kLineShapeRelation || shape == kLineShapeGate;
    WORD wanted = kLineShapeCrank;
    bool allowed = common;
    if (!start) {
        wanted = kLineShapeElbowHV;
        allowed = common || shape == kLineShapeElbowHV;
    } else if (!end) {
        wanted = kLineShapeElbowVH;
        allowed = common || shape == kLineShapeElbowVH;
    }
    if (allowed) {
        return 1;
    }
    SetLineShape(wanted);
    return 0;
}

int CKoutei::ResolveRelation(IKouteiDocument& document) {
    if (m_relationLine == 0) {
        return 1;
    }
    return ResolveRelation(document, FindEitherList(document, GetStartLandNo()),
                           FindEitherList(document, GetEndLandNo()));
}

int CKoutei::ResolveRelation(IKouteiDocument& document, const CKoutei* from, const CKoutei* to) {
    if (m_relationLine == 0) {
        return 1;
    }
    if (from == nullptr || to == nullptr) {
        ClearRelation();
        document.UpdateAllViewsWith(nullptr);
        return 0;
    }

    const CChartPos before = m_lines.GetPos();
    const WORD shapeBefore = GetLineShape();
    const CTimeSpan spareBefore = m_spareDays;

    SetStartDate(from->GetEndTime());
    SetStartRow(from->GetEndRow());
    SetEndDate(to->GetStartTime());
    SetEndRow(to->GetStartRow());
    SetLineShape(kLineShapeRelation);
    m_spareDays = std::max(CalcSpan(&document, TRUE), CTimeSpan());

    const bool same =
        m_lines.GetPos() == before && GetLineShape() == shapeBefore && m_spareDays == spareBefore;
    return same ? 1 : 0;
}

bool CKoutei::RunsBetween(const IKouteiDocument& document, const CKoutei* from,
                          const CKoutei* to) const {
    if (m_relationLine == 0) {
        return true;
    }
    if (from == nullptr || to == nullptr) {
        return false;
    }
    CChartPos pos = m_lines.GetPos();
    pos.SetStartDate(from->GetEndTime());
    pos.SetStartRow(from->GetEndRow());
    pos.SetEndDate(to->GetStartTime());
    pos.SetEndRow(to->GetStartRow());
    // The span is that of the line where it runs, which is where it stands.
    return pos == m_lines.GetPos() && GetLineShape() == kLineShapeRelation &&
           m_spareDays == std::max(CalcSpan(&document, TRUE), CTimeSpan());
}

} // namespace tembra
