// The user shape of older charts: its record alone is stored and written back as it was read; it
// is copied like any shape, and never drawn nor hit.
#include "shapes/ZukeiUser.h"
#include "platform/Archive.h"
#include "platform/RecordingDC.h"
#include "support/ArchiveBytes.h"

#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;

// A kind-15 record as a file holds it: header, attributes, page.
Bytes UserRecord() {
    return ByteWriter()
        .Word(kTypeZukei)
        .Word(0x1234) // a header word the shape does not read
        .Word(kZukeiUser)
        .Word(0)
        .Word(0)
        .Word(1000)
        .Word(6) // layer
        .Word(0)
        .Zeros(16)
        .Word(5) // Style
        .Word(2) // PointMode
        .Word(1) // Type
        .Word(0xFFFE)
        .Dword(RGB(10, 20, 30))
        .Word(99)
        .Dword(RGB(40, 50, 60))
        .Word(30)
        .Dword(7) // PageCol
        .Word(8)  // PageRow
        .Get();
}

TEST(ZukeiUserTest, StoresFiftyEightBytesAndWritesThemBackAsRead) {
    CZukeiUser fresh;
    EXPECT_EQ(fresh.GetKind(), kZukeiUser);
    EXPECT_EQ(test::Store(fresh).size(), 58u);
    const Bytes bytes = UserRecord();
    ASSERT_EQ(bytes.size(), 58u);
    CZukeiUser user;
    test::Load(bytes, user);
    EXPECT_EQ(user.GetKind(), kZukeiUser);
    EXPECT_EQ(user.GetLayer(), 6);
    EXPECT_EQ(user.GetPageCol(), 7u);
    EXPECT_EQ(test::Store(user), bytes);

    // Through the archive by its class name.
    const Bytes object = test::Store([&](CArchive& ar) { ar.WriteObject(&user); });
    std::unique_ptr<CZukei> read;
    test::Load(object, [&](CArchive& ar) { read = ar.ReadOwned<CZukei>(); });
    ASSERT_NE(dynamic_cast<CZukeiUser*>(read.get()), nullptr);
    EXPECT_EQ(test::Store(*read), bytes);
}

TEST(ZukeiUserTest, ACopyIsAUserShapeWithTheSameRecord) {
    CZukeiUser user;
    test::Load(UserRecord(), user);
    std::unique_ptr<CZukei> copy = user.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetRuntimeClass(), RUNTIME_CLASS(CZukeiUser));
    EXPECT_EQ(test::Store(*copy), UserRecord());
    EXPECT_EQ(copy->GetElementCount(), 0);
}

TEST(ZukeiUserTest, NeverDrawnNeverHit) {
    test::ShapeChart chart;
    CZukeiUser user;
    test::Load(UserRecord(), user);
    user.SetPointMode(kPlaceOnChart);
    user.Select();
    CRecordingDC dc;
    user.Draw(chart, dc, kDrawNormal);
    user.DrawMoving(chart, dc, CPoint(10, 10));
    user.DrawTracking(chart, dc, CPoint(10, 10), 5, CRect(0, 0, 100, -100));
    EXPECT_TRUE(dc.Drawings().empty());
    for (const int mode : {kHitTouch, kHitInside, kHitDrag}) {
        EXPECT_FALSE(user.HitTest(chart, CRect(-30000, 30000, 30000, -30000), mode));
    }
    EXPECT_EQ(user.GetDeviceRect(chart), CRect());
    EXPECT_EQ(user.GetResizedRect(chart, CPoint(10, 10), 5, CRect(0, 0, 100, -100)), CRect());
    EXPECT_EQ(user.GetSegmentCount(), 0);
}

} // namespace
} // namespace tembra
