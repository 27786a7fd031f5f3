// Shape groups: nested storage with class tags, every operation passed on to the members in
// order, the united rectangle, deep copies, the member walks, and the nesting a file may hold.
#include "shapes/ZukeiGroup.h"
#include "platform/Archive.h"
#include "platform/RecordingDC.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiString.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::Bytes;
using test::Day;

struct At {
    int day;
    double row;
};

template <class Shape> std::unique_ptr<Shape> Make(std::initializer_list<At> points) {
    auto shape = std::make_unique<Shape>();
    for (const At& p : points) {
        shape->AddPoint(CZukeiPoint(Day(2010, 4, p.day), p.row));
    }
    return shape;
}

std::unique_ptr<CZukeiGroup> Group(std::vector<std::unique_ptr<CZukei>> members) {
    auto group = std::make_unique<CZukeiGroup>();
    for (std::unique_ptr<CZukei>& member : members) {
        group->AddMember(std::move(member));
    }
    return group;
}

template <class... Shapes> std::vector<std::unique_ptr<CZukei>> List(Shapes... shapes) {
    std::vector<std::unique_ptr<CZukei>> list;
    (list.push_back(std::move(shapes)), ...);
    return list;
}

// A two-anchor shape of any kind code (arcs, fans and boxes as far as the walks go).
std::unique_ptr<CZukei> OfKind(WORD kind) {
    auto shape = std::make_unique<CZukei2>();
    shape->SetKind(kind);
    return shape;
}

// group(polygon, group(polyline, polyline))
std::unique_ptr<CZukeiGroup> Nested() {
    auto inner = Group(List(Make<CZukeiPolyLine>({{2, 1.0}, {5, 3.0}}),
                            Make<CZukeiPolyLine>({{6, 2.0}, {9, 4.0}, {12, 1.5}})));
    inner->SetLayer(3);
    auto outer = Group(List(Make<CZukeiPolygon>({{1, 5.0}, {4, 7.0}, {8, 6.0}}), std::move(inner)));
    outer->SetAttr(CZukeiAttr{17, 0, 0, 0, RGB(1, 2, 3), 100, 0, 30});
    return outer;
}

std::size_t CountOf(const Bytes& bytes, const std::string& text) {
    std::size_t count = 0;
    for (auto it = bytes.begin();
         (it = std::search(it, bytes.end(), text.begin(), text.end())) != bytes.end(); ++it) {
        ++count;
    }
    return count;
}

// ---- Storage ----------------------------------------------------------------------------------

TEST(ZukeiGroupTest, NestedGroupsStoreEachClassNameOnceAndReloadEqual) {
    auto group = Nested();
    const Bytes bytes = test::Store([&](CArchive& ar) { ar.WriteObject(group.get()); });
    EXPECT_EQ(CountOf(bytes, "CZukeiGroup"), 1u);
    EXPECT_EQ(CountOf(bytes, "CZukeiPolyLine"), 1u);
    // Indexes: 1 the group class, 2 the outer group, 3 the polygon class, 4 the polygon, 5 the
    // inner group, 6 the polyline class, 7 the first polyline: the second is tagged 0x8006.
    const CZukeiGroup* inner = static_cast<const CZukeiGroup*>(group->GetMember(1));
    const Bytes second = test::Store(*inner->GetMember(1));
    ASSERT_GT(bytes.size(), second.size() + 2);
    const std::size_t tag = bytes.size() - second.size() - 2;
    EXPECT_EQ(bytes[tag], 0x06);
    EXPECT_EQ(bytes[tag + 1], 0x80);
    EXPECT_TRUE(std::equal(second.begin(), second.end(), bytes.begin() + tag + 2));
    // The inner group is tagged as a class already named.
    const Bytes innerBytes = test::Store(*const_cast<CZukeiGroup*>(inner));
    const auto innerAt =
        std::search(bytes.begin(), bytes.end(), innerBytes.begin(), innerBytes.begin() + 32);
    ASSERT_NE(innerAt, bytes.end());
    EXPECT_EQ(*(innerAt - 2), 0x01);
    EXPECT_EQ(*(innerAt - 1), 0x80);

    std::unique_ptr<CZukei> back;
    test::Load(bytes, [&](CArchive& ar) { back = ar.ReadOwned<CZukei>(); });
    ASSERT_NE(back, nullptr);
    auto* reloaded = dynamic_cast<CZukeiGroup*>(back.get());
    ASSERT_NE(reloaded, nullptr);
    ASSERT_EQ(reloaded->GetElementCount(), 2);
    EXPECT_EQ(reloaded->GetMember(0)->GetRuntimeClass(), RUNTIME_CLASS(CZukeiPolygon));
    const auto* nested = dynamic_cast<const CZukeiGroup*>(reloaded->GetMember(1));
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->GetLayer(), 3);
    EXPECT_EQ(test::Store([&](CArchive& ar) { ar.WriteObject(reloaded); }), bytes);
}

TEST(ZukeiGroupTest, TheMembersFollowTheCommonPartAsACountedList) {
    auto group = Group(List(Make<CZukeiPolyLine>({{2, 1.0}, {3, 2.0}})));
    const Bytes common = test::Store([&](CArchive& ar) { group->CZukei::Serialize(ar); });
    const Bytes bytes = test::Store(*group);
    ASSERT_GT(bytes.size(), common.size() + 2);
    EXPECT_TRUE(std::equal(common.begin(), common.end(), bytes.begin()));
    EXPECT_EQ(bytes[common.size()], 1);
    EXPECT_EQ(bytes[common.size() + 1], 0);
    CZukeiGroup empty;
    EXPECT_EQ(empty.GetKind(), kZukeiGroup);
    EXPECT_EQ(test::Store(empty).size(), common.size() + 2);
}

// Groups nested n deep around one polyline, as an archive holds them.
Bytes NestedBytes(int depth) {
    std::unique_ptr<CZukei> shape = Make<CZukeiPolyLine>({{2, 1.0}, {3, 2.0}});
    for (int i = 0; i < depth; ++i) {
        shape = Group(List(std::move(shape)));
    }
    return test::Store([&](CArchive& ar) { ar.WriteObject(shape.get()); });
}

TEST(ZukeiGroupTest, GroupsNestedDeeperThanAFileMayHoldFailTheLoad) {
    test::ScopedUi ui;
    std::unique_ptr<CZukei> read;
    test::Load(NestedBytes(CZukeiGroup::kMaxDepth),
               [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); });
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(static_cast<CZukeiGroup*>(read.get())->GetDepth(), CZukeiGroup::kMaxDepth);
    EXPECT_TRUE(ui->MessageBoxes().empty());

    EXPECT_THROW(test::Load(NestedBytes(CZukeiGroup::kMaxDepth + 1),
                            [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); }),
                 CUserException);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5008u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "ファイルが異常です");

    // A later load starts from the top again.
    test::Load(NestedBytes(2), [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); });
    EXPECT_EQ(static_cast<CZukeiGroup*>(read.get())->GetDepth(), 2);
}

TEST(ZukeiGroupTest, AMemberThatIsNoShapeIsRefused) {
    CZukeiGroup empty;
    Bytes bytes = test::Store([&](CArchive& ar) { ar.WriteObject(&empty); });
    // The count becomes 1, and a record that is no shape follows.
    bytes[bytes.size() - 2] = 1;
    CDataHeader stranger;
    const Bytes member = test::Store([&](CArchive& ar) { ar.WriteObject(&stranger); });
    bytes.insert(bytes.end(), member.begin(), member.end());
    std::unique_ptr<CZukei> read;
    EXPECT_THROW(test::Load(bytes, [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); }),
                 CArchiveException);
}

// ---- Passed on to the members -------------------------------------------------------------------

TEST(ZukeiGroupTest, SettersReachEveryShapeAndBothGroupsRecords) {
    auto group = Nested();
    const auto* inner = static_cast<const CZukeiGroup*>(group->GetMember(1));
    const std::vector<const CZukei*> all = {group.get(), group->GetMember(0), inner,
                                            inner->GetMember(0), inner->GetMember(1)};
    group->SetColor(RGB(200, 10, 20));
    group->SetPointMode(kPlaceFixedSize);
    group->SetLineType(3);
    group->SetWidth(-7);
    group->SetHatch(99);
    group->SetHatchColor(RGB(5, 6, 7));
    group->SetBoxRay(44);
    for (const CZukei* shape : all) {
        EXPECT_EQ(shape->GetColor(), RGB(200, 10, 20));
        EXPECT_EQ(shape->GetPointMode(), kPlaceFixedSize);
        EXPECT_EQ(shape->GetLineType(), 3);
        EXPECT_EQ(shape->GetWidth(), -7);
        EXPECT_EQ(shape->GetHatch(), 99);
        EXPECT_EQ(shape->GetHatchColor(), RGB(5, 6, 7));
        EXPECT_EQ(shape->GetBoxRay(), 44);
    }
    EXPECT_EQ(group->GetStyle(), 17) << "the style is no setter's";

    group->Select();
    for (const CZukei* shape : all) {
        EXPECT_EQ(shape->IsSelected(), 1);
    }
    group->Deselect();
    for (const CZukei* shape : all) {
        EXPECT_EQ(shape->IsSelected(), 0);
    }

    // A text member is laid out again for its new width.
    auto withText = std::make_unique<CZukeiGroup>();
    auto text = std::make_unique<CZukeiString>();
    const CZukeiString* member = text.get();
    withText->AddMember(std::move(text));
    withText->SetWidth(2);
    EXPECT_TRUE(member->GetUpdate());
}

TEST(ZukeiGroupTest, CountsOfMembersAndSegments) {
    auto group = Group(List(Make<CZukeiPolygon>({{1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 1}}),
                            Make<CZukeiPolyLine>({{1, 1}, {2, 2}})));
    EXPECT_EQ(group->GetSegmentCount(), 6);
    EXPECT_EQ(group->GetElementCount(), 2);
    auto outer = Group(List(std::move(group), Make<CZukeiPolyLine>({{1, 1}, {2, 2}, {3, 3}})));
    EXPECT_EQ(outer->GetElementCount(), 2) << "nested members are not counted";
    EXPECT_EQ(outer->GetSegmentCount(), 8);
    EXPECT_EQ(CZukeiGroup().GetSegmentCount(), 0);
}

TEST(ZukeiGroupTest, DatesAndRowsAreTheMembersExtent) {
    // Row 2.3 splits into row 3, -0.2; row 1.9 into row 3, -0.6.
    auto group = Group(List(Make<CZukeiPolyLine>({{3, 2.3}, {10, 5.6}}),
                            Make<CZukeiPolygon>({{5, 1.9}, {1, 7.2}, {4, 3.0}})));
    short row = 0;
    double fraction = 0.0;
    group->GetStartPos(row, fraction, 0);
    EXPECT_EQ(row, 3);
    EXPECT_NEAR(fraction, -0.6, 1e-9);
    group->GetEndPos(row, fraction, 2);
    EXPECT_EQ(row, 8) << "the members are asked for their extent";
    EXPECT_NEAR(fraction, -0.3, 1e-9);
    EXPECT_EQ(group->GetStartDate(2), Day(2010, 4, 1));
    EXPECT_EQ(group->GetEndDate(1), Day(2010, 4, 10));
    EXPECT_DOUBLE_EQ(group->GetTopRow(0), 1.9);
    EXPECT_DOUBLE_EQ(group->GetBottomRow(0), 7.2);
    // Other modes are the members': their second points.
    EXPECT_DOUBLE_EQ(group->GetTopRow(2), 5.6);
    EXPECT_DOUBLE_EQ(group->GetBottomRow(2), 7.2);

    // Equal row numbers: the fraction decides, and a smaller row number beats any fraction.
    auto tie = Group(List(Make<CZukeiPolyLine>({{3, 4.4}, {4, 4.4}}),
                          Make<CZukeiPolyLine>({{3, 2.6}, {4, 2.6}})));
    tie->GetStartPos(row, fraction, 0);
    EXPECT_EQ(row, 4);
    EXPECT_NEAR(fraction, -0.9, 1e-9);

    const CZukeiGroup empty;
    empty.GetStartPos(row, fraction, 0);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(fraction, 0.0);
    EXPECT_EQ(empty.GetStartDate(0), CTime());
    EXPECT_EQ(empty.GetTopRow(0), 0.0);

    group->MoveBy(CTimeSpan(2, 0, 0, 0), 1.0);
    EXPECT_EQ(group->GetStartDate(0), Day(2010, 4, 3));
    EXPECT_DOUBLE_EQ(group->GetTopRow(0), 2.9);
}

// A polygon that answers the hit test as told and notes that it was asked.
class ProbeShape : public CZukeiPolygon {
public:
    ProbeShape(int id, BOOL answer, std::vector<int>& asked)
        : m_id(id), m_answer(answer), m_asked(asked) {}
    BOOL HitTest(const IZukeiView&, const CRect&, int) const override {
        m_asked.push_back(m_id);
        return m_answer;
    }

private:
    int m_id;
    BOOL m_answer;
    std::vector<int>& m_asked;
};

TEST(ZukeiGroupTest, TheFirstMemberHitAnswersForTheGroup) {
    test::ShapeChart chart;
    std::vector<int> asked;
    auto group = Group(List(std::make_unique<ProbeShape>(1, FALSE, asked),
                            std::make_unique<ProbeShape>(2, TRUE, asked),
                            std::make_unique<ProbeShape>(3, TRUE, asked)));
    EXPECT_TRUE(group->HitTest(chart, CRect(0, 0, 10, -10), kHitTouch));
    EXPECT_EQ(asked, (std::vector<int>{1, 2})) << "a later member on top is not asked";

    asked.clear();
    auto missed = Group(List(std::make_unique<ProbeShape>(1, FALSE, asked)));
    EXPECT_FALSE(missed->HitTest(chart, CRect(0, 0, 10, -10), kHitTouch));
    EXPECT_FALSE(CZukeiGroup().HitTest(chart, CRect(0, 0, 10000, -10000), kHitInside));
}

TEST(ZukeiGroupTest, MembersAreDrawnInTheirOrderWithTheSameArguments) {
    test::ShapeChart chart;
    auto first = Make<CZukeiPolyLine>({{2, 1.0}, {5, 3.0}});
    first->SetColor(RGB(255, 0, 0));
    auto second = Make<CZukeiPolyLine>({{2, 1.0}, {5, 3.0}});
    second->SetColor(RGB(0, 0, 255));
    auto group = Group(List(std::move(first), Group(List(std::move(second)))));
    CRecordingDC dc;
    group->Draw(chart, dc, kDrawReference);
    ASSERT_EQ(dc.Drawings().size(), 2u);
    // Both drawn for reference: grey.
    EXPECT_EQ(dc.Drawings()[0].pen.color, 0xC0C0C0u);

    dc.Clear();
    group->Draw(chart, dc, kDrawNormal);
    ASSERT_EQ(dc.Drawings().size(), 2u);
    EXPECT_EQ(dc.Drawings()[0].pen.color, RGB(255, 0, 0));
    EXPECT_EQ(dc.Drawings()[1].pen.color, RGB(0, 0, 255));

    dc.Clear();
    group->DrawMoving(chart, dc, CPoint(10, 10));
    EXPECT_EQ(dc.Drawings().size(), 2u);
    dc.Clear();
    const CRect ref = group->GetDeviceRect(chart);
    group->DrawTracking(chart, dc, CPoint(10, 0), 4, ref);
    EXPECT_EQ(dc.Drawings().size(), 2u);
}

TEST(ZukeiGroupTest, TheRectangleUnitesTheMembersOnThePage) {
    test::ShapeChart chart;
    auto a = Make<CZukeiPolyLine>({{2, 1.0}, {5, 3.0}});
    auto b = Make<CZukeiPolygon>({{4, 2.0}, {9, 8.0}, {6, 0.5}});
    const CRect ra = a->GetDeviceRect(chart);
    const CRect rb = b->GetDeviceRect(chart);
    // A member fixed on another page has no rectangle here.
    auto away = Make<CZukeiPolyLine>({{20, 20.0}, {25, 25.0}});
    away->SetPointMode(kPlaceOnPage);
    away->SetPage(3, 0);
    auto group = Group(List(std::move(a), Group(List(std::move(b), std::move(away)))));
    const CRect united = group->GetDeviceRect(chart);
    EXPECT_EQ(united, CRect(std::min(ra.left, rb.left), std::max(ra.top, rb.top),
                            std::max(ra.right, rb.right), std::min(ra.bottom, rb.bottom)));
    EXPECT_EQ(CZukeiGroup().GetDeviceRect(chart), CRect());

    // Resized, every member against the group's rectangle: the united result is the group's
    // rectangle resized.
    const CRect resized = group->GetResizedRect(chart, CPoint(100, 0), 4, united);
    EXPECT_EQ(resized.left, united.left);
    EXPECT_EQ(resized.right, united.right + 100);
    CDatePos pos;
    pos.endDate = CZukei::XToDate(chart, united.right + 100);
    group->ResizeAnchors(chart, CPoint(100, 0), 4, united, pos);
    EXPECT_NEAR(group->GetDeviceRect(chart).right, united.right + 100, 1);
}

TEST(ZukeiGroupTest, ACopyCopiesEveryMemberDeeply) {
    auto group = Nested();
    group->SetLayer(9);
    group->Select();
    std::unique_ptr<CZukei> copy = group->Clone();
    ASSERT_NE(copy, nullptr);
    auto* twin = dynamic_cast<CZukeiGroup*>(copy.get());
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->GetLayer(), 9);
    EXPECT_EQ(twin->IsSelected(), 1);
    EXPECT_EQ(twin->GetAttr(), group->GetAttr());
    ASSERT_EQ(twin->GetElementCount(), 2);
    const auto* innerCopy = dynamic_cast<const CZukeiGroup*>(twin->GetMember(1));
    const auto* inner = static_cast<const CZukeiGroup*>(group->GetMember(1));
    ASSERT_NE(innerCopy, nullptr);
    EXPECT_NE(innerCopy, inner);
    EXPECT_NE(innerCopy->GetMember(0), inner->GetMember(0));
    EXPECT_EQ(test::Store([&](CArchive& ar) { ar.WriteObject(twin); }),
              test::Store([&](CArchive& ar) { ar.WriteObject(group.get()); }));
    // The copy stands on its own.
    group->SetColor(RGB(1, 1, 1));
    EXPECT_NE(innerCopy->GetMember(0)->GetColor(), RGB(1, 1, 1));
}

// ---- The member walks ---------------------------------------------------------------------------

TEST(ZukeiGroupTest, ContainsKindLooksAtDirectMembersAndTheirFrames) {
    auto framed = std::make_unique<CZukeiString>();
    framed->SetKind(kZukeiFramedString);
    framed->SetFrameKind(kZukeiBox2);
    auto plain = std::make_unique<CZukeiString>(); // kind 16 holding a frame kind
    plain->SetFrameKind(kZukeiEllipse);
    auto group = Group(List(std::move(framed), std::move(plain), OfKind(kZukeiCircle),
                            Group(List(OfKind(kZukeiDiamond)))));
    EXPECT_TRUE(group->ContainsKind(kZukeiBox2)) << "the frame of a framed text";
    EXPECT_TRUE(group->ContainsKind(kZukeiCircle));
    EXPECT_TRUE(group->ContainsKind(kZukeiString));
    EXPECT_TRUE(group->ContainsKind(kZukeiGroup));
    EXPECT_FALSE(group->ContainsKind(kZukeiEllipse)) << "a plain text has no frame";
    EXPECT_FALSE(group->ContainsKind(kZukeiDiamond)) << "nested groups are not searched";
}

TEST(ZukeiGroupTest, FindSegmentOwnerPassesOverArcsAndCountsPolylineSegments) {
    // Steps: the polyline 0 and 1; the arc none; the polygon 2, 3, 4; the box 5; the fan none.
    auto polyline = Make<CZukeiPolyLine>({{1, 1}, {2, 2}, {3, 1}});
    auto polygon = Make<CZukeiPolygon>({{1, 1}, {2, 2}, {3, 1}});
    auto box = OfKind(kZukeiBox);
    const CZukei* p = polyline.get();
    const CZukei* q = polygon.get();
    const CZukei* b = box.get();
    auto group = Group(List(std::move(polyline), OfKind(kZukeiArc),
                            Group(List(std::move(polygon), std::move(box))), OfKind(kZukeiFan)));
    struct Case {
        int index;
        int counter;
        const CZukei* owner;
        int counterAfter;
    };
    const Case cases[] = {
        {0, 0, p, 1},
        {1, 0, p, 2},
        {2, 0, q, 3},
        {4, 0, q, 5},
        {5, 0, b, 6},
        // Beyond the last step the last member counted answers.
        {6, 0, b, 6},
        {40, 0, b, 6},
        // Counting on from an earlier walk.
        {11, 10, p, 12},
        {3, 10, b, 16},
    };
    for (const Case& c : cases) {
        int counter = c.counter;
        EXPECT_EQ(group->FindSegmentOwner(c.index, counter), c.owner) << c.index;
        EXPECT_EQ(counter, c.counterAfter) << c.index;
    }
    int counter = 0;
    EXPECT_EQ(CZukeiGroup().FindSegmentOwner(0, counter), nullptr);
}

TEST(ZukeiGroupTest, MembersAreAddedTakenAndWalkedInOrder) {
    auto a = Make<CZukeiPolyLine>({{1, 1}, {2, 2}});
    auto b = Make<CZukeiPolygon>({{1, 1}, {2, 2}, {3, 3}});
    auto c = Make<CZukeiPolyLine>({{4, 1}, {5, 2}});
    CZukei* pa = a.get();
    CZukei* pb = b.get();
    CZukei* pc = c.get();
    CZukeiGroup group;
    group.AddMember(std::move(a));
    group.AddMember(std::move(b));
    group.AddMember(nullptr);
    group.AddMember(std::move(c));
    ASSERT_EQ(group.GetElementCount(), 3);
    EXPECT_EQ(group.GetMember(0), pa);
    EXPECT_EQ(group.GetMember(2), pc);
    EXPECT_EQ(group.GetMember(3), nullptr);
    EXPECT_EQ(group.GetMember(-1), nullptr);

    std::unique_ptr<CZukei> taken = group.RemoveMember(1);
    EXPECT_EQ(taken.get(), pb);
    EXPECT_EQ(group.GetMember(1), pc);
    EXPECT_EQ(group.RemoveMember(5), nullptr);

    std::vector<std::unique_ptr<CZukei>> rest = group.TakeMembers();
    ASSERT_EQ(rest.size(), 2u);
    EXPECT_EQ(rest[0].get(), pa);
    EXPECT_EQ(rest[1].get(), pc);
    EXPECT_EQ(group.GetElementCount(), 0);
}

} // namespace
} // namespace tembra
