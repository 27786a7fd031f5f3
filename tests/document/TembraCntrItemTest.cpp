// The embedded item's data: its field block, its size from the server's extent and its place on
// a laid-out page.
#include "DocTestSupport.h"
#include "PageFixture.h"

#include "document/TembraCntrItem.h"
#include "document/TembraDoc.h"
#include "platform/Exception.h"
#include "platform/RecordingDC.h"
#include "support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::Day;

Bytes StoreFields(CTembraCntrItem& item, int version) {
    return test::Store([&](CArchive& ar) { item.SerializeFields(ar); }, version);
}

TEST(TembraCntrItemFile, ANewItemWritesItsDefaultsWithTheFrameFlagFromVersion53000) {
    const Bytes head{0x00, 0x55, 0x0A, 0x00, 0xF6, 0xFF, 0x64,
                     0x00, 0x9C, 0xFF, 0x00, 0x00, 0x00, 0x00};
    struct Case {
        int version;
        bool frameWritten;
    };
    for (const Case c : {Case{52999, false}, Case{53000, true}, Case{kCurrentFileVersion, true}}) {
        SCOPED_TRACE(c.version);
        CTembraCntrItem item;
        CChartPos anchor;
        anchor.SetStartDateValue(0x12345678);
        anchor.SetStartRow(7);
        item.SetAnchor(anchor);
        item.SetWhiteBack(TRUE);
        item.SetFrame(TRUE);
        ByteWriter expected;
        expected.Append(head).Dword(0x12345678).Word(7).Word(1);
        if (c.frameWritten) {
            expected.Dword(1);
        }
        const Bytes bytes = StoreFields(item, c.version);
        EXPECT_EQ(bytes, expected.Get());

        CTembraCntrItem back;
        test::Load(
            bytes, [&](CArchive& ar) { back.SerializeFields(ar); }, c.version);
        EXPECT_EQ(back.GetRect(), CTembraCntrItem::kDefaultRect);
        EXPECT_EQ(back.GetAnchor(), anchor);
        EXPECT_TRUE(back.IsWhiteBack());
        EXPECT_EQ(back.HasFrame(), c.frameWritten) << "an older file carries no frame flag";
    }
}

TEST(TembraCntrItemFile, AWrongMagicThrowsOnceTheSixValuesAreRead) {
    // With the six values present the magic is what fails; one byte short, the end of the
    // data comes first, which shows the values are read before the magic is judged.
    struct Case {
        std::size_t valueBytes;
        int cause;
    };
    for (const Case c :
         {Case{12, CArchiveException::generic}, Case{11, CArchiveException::endOfFile}}) {
        SCOPED_TRACE(c.valueBytes);
        const Bytes bytes = ByteWriter().Word(0x5501).Zeros(c.valueBytes).Get();
        CTembraCntrItem item;
        try {
            test::Load(bytes, [&](CArchive& ar) { item.SerializeFields(ar); });
            ADD_FAILURE() << "the load went on";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause);
        }
        EXPECT_EQ(item.GetRect(), CTembraCntrItem::kDefaultRect) << "the item is as it was";
    }
}

TEST(TembraCntrItemFile, ValuesBeyondSixteenBitsAreWrittenAtTheNearestEnd) {
    CTembraCntrItem item;
    item.SetPosition(CRect(-40000, 40000, 32767, -32768));
    item.SetExtent(CSize(100000, -70000));
    const Bytes bytes = StoreFields(item, kCurrentFileVersion);
    const Bytes expected = ByteWriter()
                               .Word(0x5500)
                               .Word(0x8000)
                               .Word(0x7FFF)
                               .Word(0x7FFF)
                               .Word(0x8000)
                               .Word(0x7FFF)
                               .Word(0x8000)
                               .Get();
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(expected.size())), expected);
}

TEST(TembraCntrItemSize, TheServerExtentSizesThenScalesTheItem) {
    struct Step {
        std::optional<CSize> extent;
        BOOL changed;
        CRect rect;
    };
    // The first report gives the natural size (HIMETRIC to 0.1 mm); a doubled extent doubles
    // the size the item has by then; the same extent again or no answer change nothing.
    const Step steps[] = {
        {CSize(2540, 1270), TRUE, CRect(10, -10, 264, -137)},
        {CSize(2540, 1270), FALSE, CRect(10, -10, 264, -137)},
        {std::nullopt, FALSE, CRect(10, -10, 264, -137)},
        {CSize(5080, 2540), TRUE, CRect(10, -10, 518, -264)},
        {CSize(2540, 2540), TRUE, CRect(10, -10, 264, -264)},
    };
    CTembraCntrItem item;
    for (const Step& s : steps) {
        EXPECT_EQ(item.UpdateFromServerExtent(s.extent), s.changed);
        EXPECT_EQ(item.GetRect(), s.rect);
    }
    // A reset takes the natural size again, whatever scale the item had.
    item.ResetSize(CSize(1000, 1000));
    EXPECT_EQ(item.GetRect(), CRect(10, -10, 110, -110));
    EXPECT_EQ(item.GetExtent(), CSize(1000, 1000));
}

TEST(TembraCntrItemSize, AnExtentOfZeroOnOneAxisLeavesThatSide) {
    CTembraCntrItem item;
    item.SetExtent(CSize(0, 500));
    EXPECT_TRUE(item.UpdateFromServerExtent(CSize(400, 1000)));
    EXPECT_EQ(item.GetRect(), CRect(10, -10, 100, -190));
}

TEST(TembraCntrItemSize, TheViewsHearOfTheOldAndTheNewPlace) {
    test::ScopedAppState app;
    CTembraDoc doc;
    test::RecordingView view;
    doc.AddView(&view);
    CTembraCntrItem item(&doc);
    item.UpdateFromServerExtent(CSize(1000, 1000));
    EXPECT_EQ(view.CountFor(&item), 2);
}

class TembraCntrItemPlace : public testing::Test {
protected:
    TembraCntrItemPlace() {
        test::SetAprilPage(doc.GetSyokiSet());
        layout.Init(&view);
        CChartPos anchor;
        anchor.SetStartDate(Day(2010, 4, 3));
        anchor.SetStartRow(4);
        item.SetAnchor(anchor);
    }

    test::ScopedAppState app;
    CTembraDoc doc;
    test::DocLayoutView view{doc};
    CPageLayout layout;
    CTembraCntrItem item;
};

TEST_F(TembraCntrItemPlace, TheRectangleFollowsTheAnchorTheZoomAndTheFixedRows) {
    // The April page: a day 100 wide from x 0, a row 50 high from y 0; the date band's top at
    // 100 and the page's left at -500 with the page frame at the paper's corner.
    EXPECT_EQ(item.GetDeviceRect(&layout, TRUE), CRect(-290, -110, -200, -200));
    EXPECT_EQ(item.GetDeviceRect(layout, nullptr), item.GetDeviceRect(&layout, TRUE))
        << "the painter's rectangle is the scaled one";

    layout.SetZoomIndex(5); // 200 %
    layout.RecalcLayout();
    EXPECT_EQ(item.GetDeviceRect(&layout, TRUE), CRect(-580, -220, -400, -400));
    EXPECT_EQ(item.GetDeviceRect(&layout, FALSE), CRect(-290, -110, -200, -200))
        << "unscaled is worked out at 100 %";
    EXPECT_EQ(layout.GetZoom(), 200) << "the caller's layout is left as it was";

    // The print header shown above the chart: the page keeps its place on this paper, and so
    // does the item (the header's height comes in only when the item is aligned).
    layout.SetZoomIndex(CPageLayout::kDefaultZoomIndex);
    layout.SetHeader(&doc.GetPrHeader());
    layout.RecalcLayout();
    EXPECT_EQ(item.GetDeviceRect(&layout, TRUE), CRect(-290, -110, -200, -200));
}

TEST_F(TembraCntrItemPlace, AChartScrolledDownShiftsTheItemByTheFixedRows) {
    doc.GetSyokiSet().SetFixedFirstRow(0);
    doc.GetSyokiSet().SetFixedLastRow(1);
    layout.Init(&view);
    layout.SetFirstRow(2);
    layout.SetScrolledDown(TRUE);
    layout.RecalcLayout();
    const LONG fixed = std::abs(layout.GetChartGridRect().Height());
    ASSERT_GT(fixed, 0);
    const CRect open = item.GetDeviceRect(&layout, TRUE);
    // Rows counted from the first displayed row: the anchor's row 4 lies two rows down.
    const LONG rowTop = layout.RowToY(4, -1) - layout.RowToY(2, -1);
    EXPECT_EQ(open.top, -10 + fixed + rowTop + layout.GetBodyRect().top);

    // In the clipped pass of the fixed rows the rows count from the fixed range instead, and
    // the fixed band is not added again.
    layout.SetClipPass(TRUE);
    const CRect clipped = item.GetDeviceRect(&layout, TRUE);
    EXPECT_EQ(clipped.top,
              -10 + layout.RowToY(4, -1) - layout.RowToY(0, -1) + layout.GetBodyRect().top);
}

TEST_F(TembraCntrItemPlace, AligningMovesTheItemBelowTheHeaderAndTheFixedRows) {
    CPrintArea::StoredFields fields = test::AprilPageFields();
    fields.header = CRect(-500, 300, 3100, 100);
    test::SetAprilPage(doc.GetSyokiSet(), fields);
    layout.Init(&view);
    layout.SetHeader(&doc.GetPrHeader());
    layout.RecalcLayout();
    const LONG header = std::abs(layout.GetHeaderRect().Height());
    ASSERT_EQ(header, 200);
    item.AlignToLayout(&layout);
    EXPECT_EQ(item.GetRect(), CRect(10, -10 + header, 100, -100 + header)) << "the height is kept";

    CTembraCntrItem none;
    none.AlignToLayout(nullptr);
    EXPECT_EQ(none.GetRect(), CTembraCntrItem::kDefaultRect) << "no layout: nothing moves";
}

TEST(TembraCntrItemVisible, AnItemSmallerThanAPixelIsNotDrawn) {
    // A screen of 96 dpi: 0.1 mm is far below a pixel.
    ScreenDCFactory previous = SetScreenDCFactory(
        [] { return std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen, 96); });
    struct Case {
        CRect rect;
        BOOL visible;
    };
    for (const Case c : {Case{CRect(0, 0, 90, -90), TRUE}, Case{CRect(0, 0, 1, -1), FALSE},
                         Case{CRect(0, 0, 0, -90), FALSE}}) {
        CTembraCntrItem item;
        item.SetPosition(c.rect);
        EXPECT_EQ(item.HasVisibleRect(), c.visible) << c.rect.right;
    }
    SetScreenDCFactory(std::move(previous));
}

} // namespace
} // namespace tembra
