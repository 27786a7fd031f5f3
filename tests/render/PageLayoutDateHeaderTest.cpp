// The chart's frame and date header, through the recording DC, on the A4 chart of January 2000:
// date band (0, 0, 2770, -120), item area (0, -120, 500, -1600) of three columns, chart
// rectangle (530, -120, 2740, -1600), rows 0..29.
#include "ChartTestDoc.h"

#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tembra::test {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPaleGreen = RGB(192, 220, 192);

// The chart document with a print header that counts its drawings and the clip box each saw.
class HeaderDoc : public ChartTestDoc {
public:
    void DrawPrintHeader(CDC* dc, const CPageLayout&) const override {
        CRect box;
        dc->GetClipBox(&box);
        clips.push_back(box);
    }
    mutable std::vector<CRect> clips;
};

class DateHeaderTest : public ::testing::Test {
protected:
    DateHeaderTest() {
        SetDrawSettings(DrawSettings{});
        const auto master = std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";
        EXPECT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, master, -1));
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        Period(Day(2000, 1, 1), Day(2000, 1, 31));
        Rows(0, 29);
        doc.table.SetLevelCount(3);
        // Every row kind off: each test names the rows it shows.
        for (int i = 0; i < kDateRowMax; ++i) {
            doc.set.SetDateRowKind(i, kDateRowNone);
        }
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 12;
        doc.set.GetChart().GetDateStyle().SetLogFont(font);
    }
    ~DateHeaderTest() override { SetDrawSettings(DrawSettings{}); }

    void Period(const CTime& start, const CTime& end) {
        doc.set.SetStartDate(start);
        doc.set.SetEndDate(end);
    }
    void Rows(int first, int last) {
        doc.set.SetFirstRow(static_cast<WORD>(first));
        doc.set.SetLastRow(static_cast<WORD>(last));
    }
    void Bind() { layout.Init(&doc); }
    void DateRows(std::initializer_list<WORD> kinds) {
        int i = 0;
        for (const WORD kind : kinds) {
            doc.set.SetDateRowKind(i++, kind);
        }
    }
    std::unique_ptr<CRecordingDC>
    Paint(CRecordingDC::Device device = CRecordingDC::Device::Screen) {
        auto dc = std::make_unique<CRecordingDC>(device);
        dc->SetMapMode(MM_LOMETRIC);
        layout.DrawDateHeader(dc.get());
        return dc;
    }
    // The row spans (top, bottom) of the vertical lines inside the date band.
    static std::set<std::pair<int, int>> RowSpans(const CRecordingDC& dc, int bandTop,
                                                  int bandBottom) {
        std::set<std::pair<int, int>> spans;
        for (const DrawnLine& line : DrawnLines(dc)) {
            const int top = std::max(line.from.y, line.to.y);
            const int bottom = std::min(line.from.y, line.to.y);
            if (line.from.x == line.to.x && top <= bandTop && bottom >= bandBottom) {
                spans.insert({top, bottom});
            }
        }
        return spans;
    }
    ScopedPaths paths;
    ScopedUi ui;
    HeaderDoc doc;
    CPageLayout layout;
};

// Three rows share a band of 100 units: they start 33 apart and are 34 tall, each overlapping
// the next by the remainder. A row of a kind without a painter stays empty; the others keep
// their places.
TEST_F(DateHeaderTest, RowsShareTheBandEvenly) {
    CPrintArea::StoredFields f;
    f.paper = CRect(-500, 100, 3100, -1700);
    f.header = CRect(-500, 100, 3100, 100);
    f.page = CRect(-500, 100, 3100, -1500);
    f.date = CRect(-500, 100, 3000, 0);
    f.edit = CRect(-500, 0, 3000, -1500);
    f.items = CRect(-500, 0, 0, -1500);
    f.chart = f.inner = CRect(0, 0, 3000, -1500);
    f.footer = CRect(-500, -1500, 3000, -1500);
    f.itemWidth = 500;
    doc.set.GetPageSetting().SetStoredFields(f);
    struct Case {
        std::vector<WORD> kinds;
        std::set<std::pair<int, int>> spans;
    };
    const std::vector<Case> cases = {
        {{kDateRowWeekday, kDateRowWeekday, kDateRowWeekday}, {{100, 66}, {67, 33}, {34, 0}}},
        {{kDateRowWeekday, 3, kDateRowWeekday}, {{100, 66}, {34, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kinds[1]);
        for (int i = 0; i < kDateRowMax; ++i) {
            doc.set.SetDateRowKind(i, i < static_cast<int>(c.kinds.size()) ? c.kinds[i] : 0);
        }
        Bind();
        const CRect band = layout.GetBodyRect();
        ASSERT_EQ(band, CRect(-500, 100, 3000, 0));
        const auto dc = Paint();
        EXPECT_EQ(RowSpans(*dc, band.top, band.bottom), c.spans);
    }
}

// Without date rows (the first row kind 0) the band is not divided: no row is drawn, and the
// frames, the grid and the ruled lines are.
TEST_F(DateHeaderTest, WithoutDateRowsTheRestIsDrawn) {
    DateRows({kDateRowNone, kDateRowDay});
    Bind();
    const auto dc = Paint();
    EXPECT_TRUE(dc->Find(DcOp::TextOut).empty());
    EXPECT_TRUE(RowSpans(*dc, 0, -120).empty());
    EXPECT_FALSE(dc->Find(DcOp::Rectangle).empty());
    EXPECT_GT(DrawnLines(*dc).size(), 30u);
}

// The heavy black strokes of the skeleton in their order: page frame, body frame, item line;
// after the grid the date band's top and bottom; last the item line again.
TEST_F(DateHeaderTest, FramesAndLinesInTheirOrderAndStyles) {
    Bind();
    auto white = Paint();
    white->Clear();
    layout.FillWhiteBand(white.get());
    const auto fills = white->Find(DcOp::Rectangle);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].args.rect, CRect(0, 0, 2772, -1602));
    EXPECT_EQ(fills[0].pen.color, kWhite);
    EXPECT_EQ(fills[0].pen.width, 4);
    EXPECT_EQ(fills[0].brush.style, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(fills[0].brush.color, kWhite);

    const auto dc = Paint();
    struct Stroke {
        DcOp op;
        CRect at;
        int width;
        bool operator==(const Stroke&) const = default;
    };
    std::vector<Stroke> strokes;
    for (const auto& r : dc->Drawings()) {
        if (r.pen.IsNull() || r.pen.color != kBlack || r.pen.width < 3) {
            continue;
        }
        if (r.op == DcOp::Rectangle) {
            EXPECT_EQ(r.brush.style, static_cast<UINT>(BS_NULL));
            strokes.push_back({r.op, r.args.rect, r.pen.width});
        } else if (r.op == DcOp::LineTo) {
            const CPoint& a = r.args.points[0];
            const CPoint& b = r.args.points[1];
            strokes.push_back({r.op, CRect(a.x, a.y, b.x, b.y), r.pen.width});
        }
    }
    const std::vector<Stroke> expected = {
        {DcOp::Rectangle, CRect(0, 0, 2772, -1602), 4},
        {DcOp::Rectangle, CRect(0, 0, 2772, -1602), 4},
        {DcOp::LineTo, CRect(500, 0, 500, -1600), 3},
        {DcOp::LineTo, CRect(0, 0, 2770, 0), 4},
        {DcOp::LineTo, CRect(0, -120, 2770, -120), 4},
        {DcOp::LineTo, CRect(500, 0, 500, -1600), 3},
    };
    EXPECT_EQ(strokes, expected) << dc->Dump();

    // The clip to the page stays set.
    const auto clips = dc->Find(DcOp::IntersectClipRect);
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips.back().args.rect, CRect(0, layout.GetRect().top, 2768, -1597));
}

// The selected item cells: up to their last column, or across the chart when whole rows are
// selected; only their displayed rows; never on paper.
TEST_F(DateHeaderTest, ItemSelection) {
    struct Case {
        const char* name;
        int firstShown;
        int rows[2];
        WORD mark;
        CRecordingDC::Device device;
        // The band: rows and columns, or none.
        int bandRows[2];
        bool acrossTheChart;
    };
    const std::vector<Case> cases = {
        {"cells", 0, {3, 4}, 1, CRecordingDC::Device::Screen, {3, 4}, false},
        {"whole rows", 0, {3, 4}, 255, CRecordingDC::Device::Screen, {3, 4}, true},
        {"from above the displayed rows",
         5,
         {3, 6},
         1,
         CRecordingDC::Device::Screen,
         {5, 6},
         false},
        {"below the displayed rows", 0, {40, 41}, 1, CRecordingDC::Device::Screen, {-1, -1}, false},
        {"on paper", 0, {3, 4}, 255, CRecordingDC::Device::Printer, {-1, -1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bind();
        layout.SetFirstRow(static_cast<short>(c.firstShown));
        doc.selectedRows[0] = c.rows[0];
        doc.selectedRows[1] = c.rows[1];
        doc.selectedCols[0] = 0;
        doc.selectedCols[1] = 1;
        doc.cells.clear();
        doc.SetCell(c.rows[1], 1, 0, 0);
        doc.cells[{c.rows[1], 1}]->SetSelected(c.mark);
        const auto dc = Paint(c.device);
        std::vector<CRect> bands;
        for (const auto& r : dc->Find(DcOp::Rectangle)) {
            if (r.brush.style == BS_SOLID && r.brush.color == kPaleGreen) {
                EXPECT_EQ(r.rop2, R2_MERGEPENNOT);
                EXPECT_TRUE(r.pen.IsNull());
                bands.push_back(r.args.rect);
            }
        }
        std::vector<CRect> expected;
        if (c.bandRows[0] >= 0) {
            // (GDI's rectangle: right + 1, bottom - 1.)
            const int right =
                c.acrossTheChart ? layout.GetKouteiRect().right + 1 : layout.ColumnToX(1, 1) + 2;
            expected.push_back(CRect(layout.ColumnToX(0, -1) + 1,
                                     layout.RowToY(c.bandRows[0], -1) - 1, right + 1,
                                     layout.RowToY(c.bandRows[1], 1) - 3));
        }
        EXPECT_EQ(bands, expected);
    }
}

// Row hatchings: always on screen; on paper only when the print settings' "Hatch" is set.
TEST_F(DateHeaderTest, HatchingsOnPaperOnlyWhenAskedFor) {
    CKtkmHatch& hatch = doc.AddHatch(CKtkmHatch::kRowBand, RGB(0, 0, 255), 99);
    hatch.SetFirstRow(2);
    hatch.SetLastRow(3);
    struct Case {
        int outputMode;
        LONG hatch;
        bool drawn;
    };
    for (const Case c : {Case{0, 0, true}, Case{1, 0, false}, Case{1, 1, true}}) {
        SCOPED_TRACE(testing::Message() << "mode " << c.outputMode << " Hatch " << c.hatch);
        doc.print.SetHatch(c.hatch);
        Bind();
        layout.SetOutputMode(c.outputMode);
        const auto dc =
            Paint(c.outputMode == 0 ? CRecordingDC::Device::Screen : CRecordingDC::Device::Printer);
        const auto rects = dc->Find(DcOp::Rectangle);
        const bool drawn = std::any_of(rects.begin(), rects.end(), [](const auto& r) {
            return r.brush.style == BS_SOLID && r.brush.color == RGB(0, 0, 255);
        });
        EXPECT_EQ(drawn, c.drawn);
    }
}

// The holidays the clip box shows are shaded from the body's top to the chart's bottom.
TEST_F(DateHeaderTest, ShadingOfTheVisibleHolidays) {
    doc.Holidays(Day(2000, 1, 8), Day(2000, 1, 9));
    doc.Holidays(Day(2000, 1, 22), Day(2000, 1, 23));
    doc.set.SetHolidayMode(2);
    Bind();
    auto dc = std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen);
    dc->SetMapMode(MM_LOMETRIC);
    // A strip from the 5th to the 12th.
    CRect strip(layout.DateToX(Day(2000, 1, 5)), 0, layout.DateToX(Day(2000, 1, 12)), -1600);
    dc->LPtoDP(&strip);
    strip.NormalizeRect();
    dc->SetUpdateRect(strip);
    layout.DrawDateHeader(dc.get());
    std::vector<CRect> shaded;
    for (const auto& r : dc->Find(DcOp::Rectangle)) {
        if (r.brush.style == BS_PATTERN) {
            shaded.push_back(r.args.rect);
        }
    }
    EXPECT_EQ(shaded, (std::vector<CRect>{CRect(layout.DateToX(Day(2000, 1, 8)) + 1, -120,
                                                layout.DateToX(Day(2000, 1, 10)) + 1, -1601)}));
}

// Each row kind draws what its painter draws with the mode and label step the chart gives it.
TEST_F(DateHeaderTest, EachRowKindGoesToItsPainter) {
    struct Case {
        const char* name;
        WORD kind;
        int elapsed;
        WORD dateUnit;
        WORD stepIndex;
        CTime first;
        CTime last;
        std::function<void(const CPageLayout&, CDC*, const LOGFONT&, int, int)> paint;
    };
    using L = const CPageLayout&;
    const CTime jan1(2000, 1, 1);
    const CTime feb29(2000, 2, 29);
    const std::vector<Case> cases = {
        {"year", kDateRowYear, 0, kUnitYear, 1, Day(1999, 1, 1), Day(2002, 12, 31),
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawYearRow(d, f, t, b, 2, 0, 0); }},
        {"elapsed year in a calendar chart", kDateRowNobeYear, 0, kUnitDay, 1, Day(1999, 1, 1),
         Day(2002, 12, 31),
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawYearRow(d, f, t, b, 1, 1, 0); }},
        {"Heisei year", kDateRowEraYear, 1, kUnitDay, 0, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawYearRow(d, f, t, b, 1, 0, 1); }},
        {"month in an elapsed chart", kDateRowMonth, 1, kUnitMonth, 1, jan1, Day(2000, 12, 31),
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawMonthRow(d, f, t, b, 2, 2); }},
        {"elapsed month in a calendar chart", kDateRowNobeMonth, 0, kUnitDay, 0, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawMonthRow(d, f, t, b, 1, 3); }},
        {"day", kDateRowDay, 0, kUnitDay, 2, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawDayRow(d, f, t, b, 3, 0); }},
        {"day of a week chart", kDateRowDay, 0, kUnitWeek, 1, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawWeeklyDayRow(d, f, t, b, 1); }},
        {"day in an elapsed chart", kDateRowDay, 1, kUnitDay, 1, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawDayRow(d, f, t, b, 2, 2); }},
        {"elapsed day", kDateRowNobeDay, 0, kUnitMonth, 1, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawDayRow(d, f, t, b, 1, 1); }},
        {"hour", kDateRowHour, 0, kUnitHour, 2, jan1, Day(2000, 1, 2),
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawHourRow(d, f, t, b, 6); }},
        {"weekday", kDateRowWeekday, 0, kUnitDay, 0, jan1, feb29,
         [](L l, CDC* d, const LOGFONT& f, int t, int b) { l.DrawWeekdayRow(d, f, t, b); }},
    };
    const auto texts = [](const CRecordingDC& dc) {
        std::vector<std::pair<std::string, CPoint>> out;
        for (const DrawnText& t : DrawnTexts(dc)) {
            out.emplace_back(Sjis::ToUtf8(t.text), t.at);
        }
        return out;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Period(c.first, c.last);
        doc.set.SetNobeMode(static_cast<short>(c.elapsed));
        doc.set.SetOption1(c.dateUnit);
        doc.set.SetOption2(c.stepIndex);
        // The middle of three rows: from -40 to -80.
        DateRows({kDateRowNone});
        doc.set.SetDateRowKind(0, 3);
        doc.set.SetDateRowKind(1, c.kind);
        doc.set.SetDateRowKind(2, 3);
        Bind();
        const auto header = Paint();

        LOGFONT font = doc.set.GetChart().GetDateStyle().GetLogFont();
        auto direct = std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen);
        direct->SetMapMode(MM_LOMETRIC);
        CFont made;
        made.CreateFontIndirect(&font);
        CFont* old = direct->SelectObject(&made);
        c.paint(layout, direct.get(), font, -40, -80);
        direct->SelectObject(old);
        ASSERT_FALSE(texts(*direct).empty());
        EXPECT_EQ(texts(*header), texts(*direct));
    }
}

// While the print header is shown its four areas are drawn, each under its own clip, where the
// clip leaves anything to show: a page with side strips shows all four; one whose body fills
// the page's width has no strips.
TEST_F(DateHeaderTest, PrintHeaderAreasEachUnderTheirClip) {
    struct Case {
        const char* name;
        int bodyLeft;
        int bodyRight;
        std::vector<CRect> areas;
    };
    const std::vector<Case> cases = {
        {"side strips",
         -500,
         3000,
         {CRect(-600, 400, 3200, 100), CRect(-600, -1499, 3200, -1800),
          CRect(-600, 100, -500, -1500), CRect(3001, 100, 3200, -1500)}},
        {"no side strips",
         -600,
         3200,
         {CRect(-600, 400, 3200, 100), CRect(-600, -1499, 3200, -1800)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPrintArea::StoredFields f;
        f.paper = CRect(-600, 400, 3200, -1900);
        f.header = CRect(-600, 400, 3200, 100);
        f.page = CRect(-600, 400, 3200, -1800);
        f.date = CRect(c.bodyLeft, 100, c.bodyRight, 0);
        f.edit = CRect(c.bodyLeft, 0, c.bodyRight, -1500);
        f.items = CRect(c.bodyLeft, 0, 0, -1500);
        f.chart = f.inner = CRect(0, 0, c.bodyRight, -1500);
        f.footer = CRect(-600, -1500, 3200, -1800);
        f.itemWidth = static_cast<short>(-c.bodyLeft);
        doc.set.GetPageSetting().SetStoredFields(f);
        Bind();
        // Only whether a header is shown counts here: the document draws it.
        int shown = 0;
        layout.SetHeader(static_cast<const CPrHeader*>(static_cast<const void*>(&shown)));
        layout.RecalcLayout();
        doc.clips.clear();
        // The whole page on the device's surface.
        auto dc = std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen);
        dc->SetMapMode(MM_LOMETRIC);
        dc->SetWindowOrg(-700, 500);
        layout.DrawDateHeader(dc.get());
        ASSERT_EQ(doc.clips.size(), c.areas.size());
        for (std::size_t i = 0; i < c.areas.size(); ++i) {
            // The clip box comes back from whole pixels.
            CRect seen = doc.clips[i];
            seen.NormalizeRect();
            CRect area = c.areas[i];
            area.NormalizeRect();
            EXPECT_NEAR(seen.left, area.left, 3) << i;
            EXPECT_NEAR(seen.top, area.top, 3) << i;
            EXPECT_NEAR(seen.right, area.right, 3) << i;
            EXPECT_NEAR(seen.bottom, area.bottom, 3) << i;
        }
        // The areas' clips are gone afterwards: the page's own clip follows.
        EXPECT_EQ(dc->Find(DcOp::IntersectClipRect).back().args.rect,
                  CRect(-600, 400, 3198, -1497));
    }
}

// A chart scrolled down draws the ruled lines of its fixed rows too, and the clip-pass flag is
// as it was afterwards.
TEST_F(DateHeaderTest, FixedRowsOfAChartScrolledDown) {
    Rows(10, 29);
    doc.set.SetFixedFirstRow(0);
    doc.set.SetFixedLastRow(1);
    Bind();
    layout.SetScrolledDown(TRUE);
    const auto dc = Paint();
    EXPECT_FALSE(layout.GetClipPass());
    // The line under the last fixed row is solid on screen, across the chart.
    layout.SetClipPass(TRUE);
    const int y = layout.RowToY(1, 1);
    layout.SetClipPass(FALSE);
    const auto lines = DrawnLines(*dc);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const DrawnLine& l) {
        return l.from.y == y && l.to.y == y && l.pen.width == 3 && l.from.x == 530;
    })) << dc->Dump();
}

} // namespace
} // namespace tembra::test
