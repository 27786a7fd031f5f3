// A group of shapes (kind 17): selected, moved, resized, re-attributed, copied, drawn, hit-tested
// and stored as one object. The group owns its members; every operation of the shape interface
// is passed on to them in member order (head first), so a later member is drawn over an earlier
// one and the first member hit answers for the group. Members may themselves be groups.
//
// The group's own attribute record keeps what it was given (the defaults when it was made, then
// the last values set through it); the setters overwrite the members' attributes as well.
//
// File form after the CZukei part: the member count (a WORD, or 0xFFFF and a DWORD), then each
// member as an object with its class (named the first time the archive meets the class, by
// index after that). Groups nested deeper than kMaxDepth fail the load as a damaged file, as
// does a member that is no shape.
#pragma once

#include "shapes/Zukei.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace tembra {

class CZukeiGroup : public CZukei {
    DECLARE_SERIAL(CZukeiGroup)
public:
    // The deepest nesting a group may have: a group of plain shapes is 1 deep.
    static constexpr int kMaxDepth = 256;

    // Kind 17, no members.
    CZukeiGroup();
    ~CZukeiGroup() override;

    void Serialize(CArchive& ar) override;

    // ---- Members --------------------------------------------------------------------------------
    // Appends the shape, which the group takes over.
    void AddMember(std::unique_ptr<CZukei> shape);
    // Room for count members, so that adding them cannot fail part way.
    void ReserveMembers(std::size_t count);
    // The member at index (0 is the head), or null.
    CZukei* GetMember(int index) const;
    // Takes the member at index out of the group without deleting it; null for no member.
    std::unique_ptr<CZukei> RemoveMember(int index);
    // Takes every member out of the group, in member order.
    std::vector<std::unique_ptr<CZukei>> TakeMembers();
    // A direct member has the kind, or is a framed text framed by that kind; nested groups are
    // not searched.
    BOOL ContainsKind(WORD kind) const;
    // The member that owns the segment of an index, counting from counter over the members and
    // into nested groups: arcs and fans are passed over, polylines and polygons take one step a
    // segment, any other shape one. counter ends past the step found, or past the last step;
    // beyond the last step the last member counted answers (null when there is none).
    CZukei* FindSegmentOwner(int index, int& counter) const;
    // How deeply groups nest here: 1 for a group of plain shapes.
    int GetDepth() const;

    // ---- The shape interface --------------------------------------------------------------------
    void Select() override;
    void Deselect() override;
    void SetPointMode(short mode) override;
    void SetLineType(WORD type) override;
    void SetWidth(short width) override;
    void SetColor(COLORREF color) override;
    void SetHatch(WORD hatch) override;
    void SetHatchColor(COLORREF color) override;
    void SetBoxRay(WORD ray) override;
    // The number of members, not counting inside nested groups.
    int GetElementCount() const override;
    int GetSegmentCount() const override;
    using CDataHeader::SetKind;
    void SetKind() override;
    // The members' extent; the members are asked for their extent (mode 0) whatever the mode.
    CTime GetStartDate(int mode) const override;
    CTime GetEndDate(int mode) const override;
    // The smallest row number, then the smallest fraction, of the members'.
    void GetStartPos(short& rowNo, double& fraction, int mode) const override;
    double GetTopRow(int mode) const override;
    // The largest; the members are asked with mode 0.
    void GetEndPos(short& rowNo, double& fraction, int mode) const override;
    double GetBottomRow(int mode) const override;
    void MoveBy(const CTimeSpan& span, double rows) override;
    // The union of the members' normalised rectangles (members not on the view's page have
    // none); (0, 0, 0, 0) when no member has one.
    CRect GetDeviceRect(const IZukeiView& view) const override;
    void ResetOffsets() override;
    void FixOffsets(const IZukeiView& view) override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    // A new group with the header, the attributes and a copy of every member, nested groups
    // copied as deeply.
    std::unique_ptr<CZukei> Clone() const override;
    void MoveAnchors(const IZukeiView& view, const CPoint& delta, const CTimeSpan& span,
                     double rows) override;
    // Every member is resized against the same reference rectangle, so the group scales as one.
    void ResizeAnchors(const IZukeiView& view, const CPoint& delta, int handle, const CRect& ref,
                       const CDatePos& pos) override;
    CRect GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                         const CRect& ref) const override;
    // The first member's answer that is not 0.
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

private:
    // FindSegmentOwner's walk: true when the index was found; last is the last member walked.
    bool FindSegment(int index, int& counter, CZukei*& last) const;

    std::vector<std::unique_ptr<CZukei>> m_members;
};

} // namespace tembra
