// The line of a process on the chart of KouteiDrawFixture.h broken into stretches: holidays
// and spare days in their own styles, and the gaps and half circles where it crosses other
// processes on paper.
#include "KouteiDrawFixture.h"

#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

namespace tembra {
namespace {

using test::April;
using test::Device;
using test::KouteiDrawTest;
using test::kOwn;
using test::Ordered;
using test::Segment;
using test::SegmentsAt;

// A stretch of a line: its ends and the pen style it was drawn with.
struct Stretch {
    int from = 0;
    int to = 0;
    UINT style = PS_SOLID;
    bool operator==(const Stretch&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Stretch& p) {
    return os << "{" << p.from << ", " << p.to << ", style " << p.style << "}";
}

// ---- Holidays and spare days --------------------------------------------------------------------

// A segment from 1 April (x 0) to 21 April (x 2000): its stretches and their styles.
TEST_F(KouteiDrawTest, HolidayAwareSegments) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> holidays; // April days, first and last of a run
        int shade;
        int minRun;
        int spareFrom; // April day, 0 none
        WORD type;
        std::vector<Stretch> stretches;
    };
    const UINT own = PS_SOLID;
    const UINT alt = PS_DOT;
    const std::vector<Case> cases = {
        {"a run of holidays",
         {{5, 6}},
         2,
         1,
         0,
         0,
         {{0, 400, own}, {400, 600, alt}, {600, 2000, own}}},
        {"a run shorter than N stays",
         {{5, 6}, {12, 14}},
         1,
         3,
         0,
         0,
         {{0, 1100, own}, {1100, 1400, alt}, {1400, 2000, own}}},
        {"no shading, no holidays", {{5, 6}}, 0, 1, 0, 0, {{0, 2000, own}}},
        {"N 0", {{5, 6}}, 2, 0, 0, 0, {{0, 2000, own}}},
        {"the spare part", {}, 0, 0, 16, 0, {{0, 1500, own}, {1500, 2000, alt}}},
        {"holidays and the spare part",
         {{5, 6}},
         2,
         1,
         16,
         0,
         {{0, 400, own}, {400, 600, alt}, {600, 1500, own}, {1500, 2000, alt}}},
        {"a run reaching into the spare part",
         {{14, 17}},
         2,
         1,
         16,
         0,
         {{0, 1300, own}, {1300, 2000, alt}}},
        {"a run cut by the start counts whole",
         {{-2, 2}},
         1,
         3,
         0,
         0,
         {{0, 200, alt}, {200, 2000, own}}},
        {"a run reaching the end", {{20, 22}}, 2, 1, 0, 0, {{0, 1900, own}, {1900, 2000, alt}}},
        {"dash-dot keeps its own type",
         {{5, 6}},
         2,
         1,
         0,
         3,
         {{0, 400, PS_DASHDOT}, {400, 600, alt}, {600, 2000, PS_DASHDOT}}},
        {"invisible lines have no holidays", {{5, 6}}, 2, 1, 16, 5, {{0, 2000, own}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.calendar.Clear();
        for (const auto& [first, last] : c.holidays) {
            doc.Holidays(April(1) + CTimeSpan(first - 1, 0, 0, 0),
                         April(1) + CTimeSpan(last - 1, 0, 0, 0));
        }
        HolidayLineStyle style;
        style.pen = {c.type, 3, kOwn, R2_COPYPEN};
        style.altType = 2;
        style.shade = c.shade;
        style.minRun = c.minRun;
        style.spareFrom = c.spareFrom > 0 ? April(c.spareFrom) : CTime();
        for (const bool reversed : {false, true}) {
            SCOPED_TRACE(reversed ? "right to left" : "left to right");
            auto dc = Dc();
            if (reversed) {
                DrawHolidaySegment(dc.get(), layout, CPoint(2000, -100), April(21), CPoint(0, -100),
                                   April(1), style);
            } else {
                DrawHolidaySegment(dc.get(), layout, CPoint(0, -100), April(1), CPoint(2000, -100),
                                   April(21), style);
            }
            std::vector<Stretch> stretches;
            for (const auto& line : test::DrawnLines(*dc)) {
                EXPECT_EQ(line.from.y, -100);
                EXPECT_EQ(line.to.y, -100);
                stretches.push_back({line.from.x, line.to.x, line.pen.LineStyle()});
            }
            EXPECT_EQ(stretches, c.stretches);
        }
    }
}

// The stretches of a sloping segment stay on it.
TEST_F(KouteiDrawTest, StretchesOfASlopingSegmentLieOnIt) {
    doc.Holidays(April(5), April(6));
    HolidayLineStyle style;
    style.pen = {0, 3, kOwn, R2_COPYPEN};
    style.shade = 2;
    style.minRun = 1;
    auto dc = Dc();
    DrawHolidaySegment(dc.get(), layout, CPoint(0, 0), April(1), CPoint(1000, -500), April(11),
                       style);
    const auto lines = test::DrawnLines(*dc);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].from, CPoint(400, -200));
    EXPECT_EQ(lines[1].to, CPoint(600, -300));
    EXPECT_EQ(lines[1].pen.LineStyle(), static_cast<UINT>(PS_DOT));
}

// What the process gives its holiday-aware stretches: 2 to 12 April with a Holiday word of 1,
// two spare days and holidays on the 5th and 6th.
TEST_F(KouteiDrawTest, HolidayStyleOfAProcess) {
    struct Case {
        const char* name;
        int mode;
        Device device;
        short shade;
        WORD holidayWord;
        bool relation;
        int altType;
        int minRun;
        CTime spareFrom;
    };
    const std::vector<Case> cases = {
        // Eight working days; the spare part begins after six of them.
        {"screen", 0, Device::Screen, 2, 1, false, 2, 1, April(10)},
        {"paper: the print settings' HolidayLine", 0, Device::Printer, 2, 1, false, 3, 1,
         April(10)},
        {"long runs only: BigHolidays", 0, Device::Screen, 1, 1, false, 2, 4, April(10)},
        {"no Holiday word: calendar days", 0, Device::Screen, 2, 0, false, 2, 0, April(10)},
        {"feedback", 2, Device::Screen, 2, 1, false, 2, 0, CTime()},
        {"relation line", 0, Device::Screen, 2, 1, true, 2, 0, April(8)},
    };
    doc.Holidays(April(5), April(6));
    doc.set.GetChart().GetDateStyle().SetMode(0, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.set.SetHolidayMode(c.shade);
        CKoutei& koutei = Process(2, 4, 12, 4);
        koutei.GetLines()->GetAttr().m_holiday = c.holidayWord;
        koutei.SetRelationLine(c.relation ? 1 : 0);
        koutei.SetSpareDays(CTimeSpan(2, 0, 0, 0));
        const auto dc = Dc(c.device);
        const HolidayLineStyle style = GetHolidayLineStyle(koutei, dc.get(), layout, c.mode);
        EXPECT_EQ(style.altType, c.altType);
        EXPECT_EQ(style.minRun, c.minRun);
        EXPECT_EQ(style.shade, c.shade);
        EXPECT_EQ(style.spareFrom, c.spareFrom);
    }
}

TEST_F(KouteiDrawTest, CornersTakeTheHolidayRule) {
    doc.calendar.Clear();
    doc.Holidays(April(5), April(5));
    doc.Holidays(April(12), April(14));
    struct Case {
        const char* name;
        int shade;
        int minRun;
        int spareFrom;
        WORD type;
        int day;
        bool alt;
    };
    const std::vector<Case> cases = {
        {"a holiday, N 1", 2, 1, 0, 0, 5, true},
        {"a working day", 2, 1, 0, 0, 6, false},
        {"no shading", 0, 1, 0, 0, 5, false},
        {"every holiday, N 2", 2, 2, 0, 0, 13, false},
        {"long runs, inside one", 1, 3, 0, 0, 13, true},
        {"long runs, a short one", 1, 3, 0, 0, 5, false},
        {"in the spare part", 0, 0, 20, 0, 21, true},
        {"before the spare part", 0, 0, 20, 0, 19, false},
        {"an invisible line", 2, 1, 20, 5, 21, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HolidayLineStyle style;
        style.pen.type = c.type;
        style.shade = c.shade;
        style.minRun = c.minRun;
        style.spareFrom = c.spareFrom > 0 ? April(c.spareFrom) : CTime();
        EXPECT_EQ(IsAltStyleAt(layout, style, April(c.day)), c.alt);
    }

    // The rounding arc of an elbow whose corner lies on the holiday is dotted.
    doc.set.SetHolidayMode(2);
    for (const auto& [day, style] : {std::pair{5, PS_DOT}, std::pair{6, PS_SOLID}}) {
        CKoutei& elbow = Process(day, 2, day + 5, 6, kLineShapeElbowVH);
        elbow.GetLines()->GetAttr().m_holiday = 1;
        const auto dc = Drawn(elbow);
        const auto arcs = dc->Find(DcOp::Arc);
        ASSERT_EQ(arcs.size(), 1u) << dc->Dump();
        EXPECT_EQ(arcs[0].pen.LineStyle(), static_cast<UINT>(style)) << "corner on " << day;
    }
}

// ---- Crossings on paper -------------------------------------------------------------------------

// A vertical process on 6 April (x 500) from row 2 to row 10: its line runs from (500, -135) to
// (500, -515) between its node marks.
class KouteiCrossingTest : public KouteiDrawTest {
protected:
    std::unique_ptr<CRecordingDC> Print(CKoutei& koutei, int crossType,
                                        Device device = Device::Printer) {
        doc.print.SetCrossType(static_cast<short>(crossType));
        return Drawn(koutei, kKouteiDrawNormal, device);
    }
    static std::vector<Segment> Expected(std::initializer_list<std::pair<int, int>> stretches) {
        std::vector<Segment> out;
        for (const auto& [from, to] : stretches) {
            out.push_back(Ordered(CPoint(500, from), CPoint(500, to)));
        }
        return out;
    }
};

TEST_F(KouteiCrossingTest, AGapOrAHalfCircleOverALevelLine) {
    Listed(2, 6, 10, 6);
    CKoutei& v = Listed(6, 2, 6, 10);

    auto dc = Print(v, 2);
    EXPECT_EQ(SegmentsAt(*dc, 500), Expected({{-515, -334}, {-316, -135}}));
    EXPECT_TRUE(dc->Find(DcOp::Arc).empty());

    dc = Print(v, 1);
    EXPECT_EQ(SegmentsAt(*dc, 500), Expected({{-515, -334}, {-316, -135}}));
    const auto arcs = dc->Find(DcOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].args.rect, CRect(491, -316, 509, -334));
    EXPECT_EQ(arcs[0].args.points[0], CPoint(500, -334));
    EXPECT_EQ(arcs[0].args.points[1], CPoint(500, -316));

    // The screen shows the line whole.
    dc = Print(v, 1, Device::Screen);
    EXPECT_EQ(SegmentsAt(*dc, 500), Expected({{-515, -135}}));
    EXPECT_TRUE(dc->Find(DcOp::Arc).empty());
}

TEST_F(KouteiCrossingTest, WhatCrossesAndWhatDoesNot) {
    struct Case {
        const char* name;
        // The other processes: start day, start row, end day, end row, shape, node sizes.
        std::vector<std::tuple<int, int, int, int, WORD, WORD>> others;
        WORD vStartSize;
        WORD vEndSize;
        std::vector<Segment> stretches;
        std::size_t arcs;
    };
    const std::vector<Case> cases = {
        {"under an earlier arc",
         {{2, 6, 10, 6, 1, 100}, {3, 6, 9, 6, 1, 100}},
         100,
         100,
         Expected({{-515, -334}, {-316, -135}}),
         1},
        // The crossing lies on the start: the arc starts there.
        {"closer than ArcRay to the start",
         {{2, 2, 10, 2, 1, 100}},
         0,
         100,
         Expected({{-515, -143}}),
         1},
        {"a bar", {{2, 6, 10, 6, 0x0140, 100}}, 100, 100, Expected({{-515, -135}}), 0},
        {"a slanted bar", {{2, 6, 10, 6, 0x0180, 100}}, 100, 100, Expected({{-515, -135}}), 0},
        {"a shared end point", {{6, 10, 10, 10, 1, 0}}, 100, 0, Expected({{-525, -135}}), 0},
        {"a vertical line beside it",
         {{6, 3, 6, 8, 0, 100}},
         100,
         100,
         Expected({{-515, -135}}),
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.objects.clear();
        for (const auto& [sd, sr, ed, er, shape, size] : c.others) {
            Listed(sd, sr, ed, er, shape, size, size);
        }
        CKoutei& v = Listed(6, 2, 6, 10, kLineShapePlain, c.vStartSize, c.vEndSize);
        const auto dc = Print(v, 1);
        EXPECT_EQ(SegmentsAt(*dc, 500), c.stretches) << dc->Dump();
        EXPECT_EQ(dc->Find(DcOp::Arc).size(), c.arcs);
    }
}

// A sloping segment is lifted over level lines, and over sloping lines only of the processes
// drawn before it.
TEST_F(KouteiCrossingTest, SlopingSegmentsLiftOverEarlierProcesses) {
    for (const bool otherFirst : {true, false}) {
        SCOPED_TRACE(otherFirst ? "the other drawn before" : "the other drawn after");
        doc.objects.clear();
        CKoutei& s = Process(5, 2, 7, 10);
        CKoutei& t = Process(4, 9, 8, 3);
        doc.objects =
            otherFirst ? std::vector<CDataHeader*>{&t, &s} : std::vector<CDataHeader*>{&s, &t};
        const auto dc = Print(s, 1);
        EXPECT_EQ(dc->Find(DcOp::Arc).size(), otherFirst ? 1u : 0u);
    }
}

// Rows 2 to 4 with bare nodes and ArcRay 60: the crossing on row 3 lies nearer than the radius
// to the start and its arc, reaching past the end, is pulled back to span the whole segment; a
// second crossing at the very end comes after the arc has reached it and is left out.
TEST_F(KouteiCrossingTest, NoArcAfterAnArcHasReachedTheEnd) {
    doc.print.SetArcRay(60);
    Listed(2, 3, 10, 3);
    Listed(2, 4, 10, 4);
    CKoutei& v = Listed(6, 2, 6, 4, kLineShapePlain, 0, 0);
    const auto dc = Print(v, 1);
    EXPECT_TRUE(SegmentsAt(*dc, 500).empty()) << dc->Dump();
    const auto arcs = dc->Find(DcOp::Arc);
    ASSERT_EQ(arcs.size(), 1u) << dc->Dump();
    EXPECT_EQ(arcs[0].args.rect, CRect(450, -125, 550, -225));
    EXPECT_EQ(arcs[0].args.points[0], CPoint(500, -225));
    EXPECT_EQ(arcs[0].args.points[1], CPoint(500, -125));
}

} // namespace
} // namespace tembra
