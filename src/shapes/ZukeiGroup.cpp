#include "shapes/ZukeiGroup.h"

#include "model/DamagedFile.h"
#include "model/Utility.h"
#include "shapes/ZukeiString.h"

#include <algorithm>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

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

// A row and the fraction of it.
struct RowPos {
    short row = 0;
    double fraction = 0.0;
};

// Row number first, then the fraction.
bool RowBefore(const RowPos& a, const RowPos& b) {
    return a.row != b.row ? a.row < b.row : a.fraction < b.fraction;
}

using Members = std::vector<std::unique_ptr<CZukei>>;

// A group's attribute is the group's own and each member's: the call goes on to every member.
template <typename... Args>
void PassToMembers(const Members& members, void (CZukei::*set)(Args...),
                   std::type_identity_t<Args>... args) {
    for (const std::unique_ptr<CZukei>& member : members) {
        (member.get()->*set)(args...);
    }
}

// The group's extent in one direction: the first member's reading, replaced by each later one
// that `replaces` the one held; an empty group reads a default value.
template <typename Value, typename Read, typename Replaces>
Value SettleOverMembers(const Members& members, Read read, Replaces replaces) {
    Value held{};
    bool any = false;
    for (const std::unique_ptr<CZukei>& member : members) {
        const Value value = read(*member);
        if (!any || replaces(value, held)) {
            held = value;
            any = true;
        }
    }
    return held;
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
    PassToMembers(m_members, &CZukei::Select);
}

void CZukeiGroup::Deselect() {
    CZukei::Deselect();
    PassToMembers(m_members, &CZukei::Deselect);
}

void CZukeiGroup::SetPointMode(short mode) {
    CZukei::SetPointMode(mode);
    PassToMembers(m_members, &CZukei::SetPointMode, mode);
}

void CZukeiGroup::SetLineType(WORD type) {
    CZukei::SetLineType(type);
    PassToMembers(m_members, &CZukei::SetLineType, type);
}

void CZukeiGroup::SetWidth(short width) {
    CZukei::SetWidth(width);
    PassToMembers(m_members, &CZukei::SetWidth, width);
}

void CZukeiGroup::SetColor(COLORREF color) {
    CZukei::SetColor(color);
    PassToMembers(m_members, &CZukei::SetColor, color);
}

void CZukeiGroup::SetHatch(WORD hatch) {
    CZukei::SetHatch(hatch);
    PassToMembers(m_members, &CZukei::SetHatch, hatch);
}

void CZukeiGroup::SetHatchColor(COLORREF color) {
    CZukei::SetHatchColor(color);
    PassToMembers(m_members, &CZukei::SetHatchColor, color);
}

void CZukeiGroup::SetBoxRay(WORD ray) {
    CZukei::SetBoxRay(ray);
    PassToMembers(m_members, &CZukei::SetBoxRay, ray);
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
    return SettleOverMembers<CTime>(
        m_members, [](const CZukei& member) { return member.GetStartDate(0); },
        [](const CTime& date, const CTime& earliest) { return date < earliest; });
}

CTime CZukeiGroup::GetEndDate(int) const {
    return SettleOverMembers<CTime>(
        m_members, [](const CZukei& member) { return member.GetEndDate(0); },
        [](const CTime& date, const CTime& latest) { return latest < date; });
}

void CZukeiGroup::GetStartPos(short& rowNo, double& fraction, int mode) const {
    const RowPos first = SettleOverMembers<RowPos>(
        m_members,
        [mode](const CZukei& member) {
            RowPos pos;
            member.GetStartPos(pos.row, pos.fraction, mode);
            return pos;
        },
        [](const RowPos& pos, const RowPos& first) { return RowBefore(pos, first); });
    rowNo = first.row;
    fraction = first.fraction;
}

double CZukeiGroup::GetTopRow(int mode) const {
    return SettleOverMembers<double>(
        m_members, [mode](const CZukei& member) { return member.GetTopRow(mode); },
        [](double row, double top) { return row < top; });
}

void CZukeiGroup::GetEndPos(short& rowNo, double& fraction, int) const {
    const RowPos last = SettleOverMembers<RowPos>(
        m_members,
        [](const CZukei& member) {
            RowPos pos;
            member.GetEndPos(pos.row, pos.fraction, 0);
            return pos;
        },
        [](const RowPos& pos, const RowPos& last) { return RowBefore(last, pos); });
    rowNo = last.row;
    fraction = last.fraction;
}

double CZukeiGroup::GetBottomRow(int mode) const {
    return SettleOverMembers<double>(
        m_members, [mode](const CZukei& member) { return member.GetBottomRow(mode); },
        [](double row, double bottom) { return bottom < row; });
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
