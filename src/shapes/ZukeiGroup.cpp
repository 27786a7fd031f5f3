#include "shapes/ZukeiGroup.h"

#include "model/DamagedFile.h"
#include "model/Utility.h"
#include "shapes/ZukeiString.h"

#include <algorithm>
#include <new>
#include <utility>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiGroup, CZukei, 1)

namespace {

// How many groups are being read, one inside the other, on this thread.
thread_local int g_loadDepth = 0;

// One more group being read; a nesting beyond the deepest a group may have is a damaged file,
// refused before its members are read (the stack of a drawing, copy or deletion stays bounded).
class LoadDepth {
public:
    LoadDepth() {
        ++g_loadDepth;
        if (g_loadDepth > CZukeiGroup::kMaxDepth) {
            --g_loadDepth;
            FailDamagedFile();
        }
    }
    ~LoadDepth() { --g_loadDepth; }
    LoadDepth(const LoadDepth&) = delete;
    LoadDepth& operator=(const LoadDepth&) = delete;
};

// Widens the union by a rectangle (y upwards); (0, 0, 0, 0), a shape not on the view's page,
// adds nothing.
void Unite(CRect& result, bool& any, CRect rect) {
    if (rect.IsRectNull()) {
        return;
    }
    NormalizeLogRect(rect);
    if (!any) {
        result = rect;
        any = true;
        return;
    }
    result.left = std::min(result.left, rect.left);
    result.right = std::max(result.right, rect.right);
    result.top = std::max(result.top, rect.top);
    result.bottom = std::min(result.bottom, rect.bottom);
}

// Row number first, then the fraction.
bool RowBefore(short rowA, double fractionA, short rowB, double fractionB) {
    return rowA != rowB ? rowA < rowB : fractionA < fractionB;
}

} // namespace

CZukeiGroup::CZukeiGroup() {
    CZukeiGroup::SetKind();
}

CZukeiGroup::~CZukeiGroup() = default;

void CZukeiGroup::Serialize(CArchive& ar) {
    CZukei::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_members.size()));
        for (const std::unique_ptr<CZukei>& member : m_members) {
            ar.WriteObject(member.get());
        }
        return;
    }
    const LoadDepth depth;
    m_members.clear();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        m_members.push_back(ar.ReadOwned<CZukei>());
    }
}

// ---- Members ------------------------------------------------------------------------------------

void CZukeiGroup::AddMember(std::unique_ptr<CZukei> shape) {
    if (shape != nullptr) {
        m_members.push_back(std::move(shape));
    }
}

void CZukeiGroup::ReserveMembers(std::size_t count) {
    m_members.reserve(m_members.size() + count);
}

CZukei* CZukeiGroup::GetMember(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_members.size()) {
        return nullptr;
    }
    return m_members[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<CZukei> CZukeiGroup::RemoveMember(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_members.size()) {
        return nullptr;
    }
    const auto at = m_members.begin() + index;
    std::unique_ptr<CZukei> member = std::move(*at);
    m_members.erase(at);
    return member;
}

std::vector<std::unique_ptr<CZukei>> CZukeiGroup::TakeMembers() {
    return std::exchange(m_members, {});
}

BOOL CZukeiGroup::ContainsKind(WORD kind) const {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        if (member->GetKind() == kind) {
            return TRUE;
        }
        const auto* text = DynamicDowncast<CZukeiString>(member.get());
        if (text != nullptr && member->GetKind() == kZukeiFramedString &&
            text->GetFrameKind() == kind) {
            return TRUE;
        }
    }
    return FALSE;
}

CZukei* CZukeiGroup::FindSegmentOwner(int index, int& counter) const {
    CZukei* last = nullptr;
    FindSegment(index, counter, last);
    return last;
}

bool CZukeiGroup::FindSegment(int index, int& counter, CZukei*& last) const {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        if (const auto* group = DynamicDowncast<CZukeiGroup>(member.get())) {
            if (group->FindSegment(index, counter, last)) {
                return true;
            }
            continue;
        }
        const WORD kind = member->GetKind();
        if (kind == kZukeiArc || kind == kZukeiFan) {
            continue; // no segment of their own
        }
        last = member.get();
        const int steps =
            kind == kZukeiPolyLine || kind == kZukeiPolygon ? member->GetSegmentCount() : 1;
        if (steps > 0 && index >= counter && index - counter < steps) {
            counter = index + 1;
            return true;
        }
        counter += std::max(steps, 0);
    }
    return false;
}

int CZukeiGroup::GetDepth() const {
    int deepest = 0;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        if (const auto* group = DynamicDowncast<CZukeiGroup>(member.get())) {
            deepest = std::max(deepest, group->GetDepth());
        }
    }
    return deepest + 1;
}

// ---- Passed on to the members -------------------------------------------------------------------

void CZukeiGroup::Select() {
    CZukei::Select();
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->Select();
    }
}

void CZukeiGroup::Deselect() {
    CZukei::Deselect();
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->Deselect();
    }
}

void CZukeiGroup::SetPointMode(short mode) {
    CZukei::SetPointMode(mode);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetPointMode(mode);
    }
}

void CZukeiGroup::SetLineType(WORD type) {
    CZukei::SetLineType(type);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetLineType(type);
    }
}

void CZukeiGroup::SetWidth(short width) {
    CZukei::SetWidth(width);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetWidth(width);
    }
}

void CZukeiGroup::SetColor(COLORREF color) {
    CZukei::SetColor(color);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetColor(color);
    }
}

void CZukeiGroup::SetHatch(WORD hatch) {
    CZukei::SetHatch(hatch);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetHatch(hatch);
    }
}

void CZukeiGroup::SetHatchColor(COLORREF color) {
    CZukei::SetHatchColor(color);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetHatchColor(color);
    }
}

void CZukeiGroup::SetBoxRay(WORD ray) {
    CZukei::SetBoxRay(ray);
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->SetBoxRay(ray);
    }
}

int CZukeiGroup::GetElementCount() const {
    return static_cast<int>(m_members.size());
}

int CZukeiGroup::GetSegmentCount() const {
    int count = 0;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        count += member->GetSegmentCount();
    }
    return count;
}

void CZukeiGroup::SetKind() {
    CDataHeader::SetKind(kZukeiGroup);
}

CTime CZukeiGroup::GetStartDate(int) const {
    CTime earliest;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        const CTime date = member->GetStartDate(0);
        if (!any || date < earliest) {
            earliest = date;
            any = true;
        }
    }
    return earliest;
}

CTime CZukeiGroup::GetEndDate(int) const {
    CTime latest;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        const CTime date = member->GetEndDate(0);
        if (!any || latest < date) {
            latest = date;
            any = true;
        }
    }
    return latest;
}

void CZukeiGroup::GetStartPos(short& rowNo, double& fraction, int mode) const {
    rowNo = 0;
    fraction = 0.0;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        short row = 0;
        double part = 0.0;
        member->GetStartPos(row, part, mode);
        if (!any || RowBefore(row, part, rowNo, fraction)) {
            rowNo = row;
            fraction = part;
            any = true;
        }
    }
}

double CZukeiGroup::GetTopRow(int mode) const {
    double top = 0.0;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        const double row = member->GetTopRow(mode);
        if (!any || row < top) {
            top = row;
            any = true;
        }
    }
    return top;
}

void CZukeiGroup::GetEndPos(short& rowNo, double& fraction, int) const {
    rowNo = 0;
    fraction = 0.0;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        short row = 0;
        double part = 0.0;
        member->GetEndPos(row, part, 0);
        if (!any || RowBefore(rowNo, fraction, row, part)) {
            rowNo = row;
            fraction = part;
            any = true;
        }
    }
}

double CZukeiGroup::GetBottomRow(int mode) const {
    double bottom = 0.0;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        const double row = member->GetBottomRow(mode);
        if (!any || bottom < row) {
            bottom = row;
            any = true;
        }
    }
    return bottom;
}

void CZukeiGroup::MoveBy(const CTimeSpan& span, double rows) {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->MoveBy(span, rows);
    }
}

CRect CZukeiGroup::GetDeviceRect(const IZukeiView& view) const {
    CRect united;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        Unite(united, any, member->GetDeviceRect(view));
    }
    return united;
}

void CZukeiGroup::ResetOffsets() {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->ResetOffsets();
    }
}

void CZukeiGroup::FixOffsets(const IZukeiView& view) {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->FixOffsets(view);
    }
}

void CZukeiGroup::DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                               const CRect& ref) const {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->DrawTracking(view, dc, delta, handle, ref);
    }
}

void CZukeiGroup::DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->DrawMoving(view, dc, delta);
    }
}

void CZukeiGroup::Draw(const IZukeiView& view, CDC& dc, int mode) const {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->Draw(view, dc, mode);
    }
}

std::unique_ptr<CZukei> CZukeiGroup::Clone() const {
    std::unique_ptr<CZukeiGroup> copy;
    try {
        copy = std::make_unique<CZukeiGroup>();
        static_cast<CDataHeader&>(*copy) = *this;
        CopyAttrTo(*copy);
        copy->m_members.reserve(m_members.size());
    } catch (const std::bad_alloc&) {
        ReportNoShapeData();
        return nullptr;
    }
    for (const std::unique_ptr<CZukei>& member : m_members) {
        // A member that cannot be copied has said why; the copy holds the others.
        copy->AddMember(member->Clone());
    }
    return copy;
}

void CZukeiGroup::MoveAnchors(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                              double rows) {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->MoveAnchors(view, delta, span, rows);
    }
}

void CZukeiGroup::ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle,
                                const CRect& ref, const CDatePos& pos) {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        member->ResizeAnchors(view, delta, handle, ref, pos);
    }
}

CRect CZukeiGroup::GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                                  const CRect& ref) const {
    CRect united;
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : m_members) {
        Unite(united, any, member->GetResizedRect(view, delta, handle, ref));
    }
    return united;
}

BOOL CZukeiGroup::HitTest(const IZukeiView& view, const CRect& probe, int mode) const {
    for (const std::unique_ptr<CZukei>& member : m_members) {
        if (const BOOL hit = member->HitTest(view, probe, mode); hit != 0) {
            return hit;
        }
    }
    return FALSE;
}

} // namespace tembra
