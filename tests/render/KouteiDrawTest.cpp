// Drawing processes through the recording device context on the round-number chart of
// ChartFixture: a day 100 units wide from 1 April 2010 at x 0, a row 50 high with the middle of
// row r at y -50r - 25, node marks of size 10, corners of 10, arrow heads 12 long at 30 degrees,
// bars 18 high. A normal line is 3 wide. Term and resource fonts are 30 high and 15 wide.
#include "render/KouteiDraw.h"

#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "render/ChartFixture.h"
#include "render/ChartTestDoc.h"
#include "render/KouteiLabels.h"
#include "render/KouteiRoute.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace tembra {

inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using test::April;
using test::DayX;
using test::RowY;
using Device = CRecordingDC::Device;

constexpr COLORREF kEditWork = RGB(1, 2, 3);
constexpr COLORREF kEditBold = RGB(4, 5, 6);
constexpr COLORREF kLinked = RGB(7, 8, 9);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOwn = RGB(10, 20, 30);

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

// A segment drawn, its ends ordered so that segments compare whatever their direction.
using Segment = std::pair<CPoint, CPoint>;

Segment Ordered(CPoint a, CPoint b) {
    if (std::tie(b.x, b.y) < std::tie(a.x, a.y)) {
        std::swap(a, b);
    }
    return {a, b};
}

std::vector<Segment> Segments(const CRecordingDC& dc) {
    std::vector<Segment> out;
    for (const auto& line : test::DrawnLines(dc)) {
        out.push_back(Ordered(line.from, line.to));
    }
    std::sort(out.begin(), out.end(), [](const Segment& a, const Segment& b) {
        return std::tie(a.first.x, a.first.y, a.second.x, a.second.y) <
               std::tie(b.first.x, b.first.y, b.second.x, b.second.y);
    });
    return out;
}

// The drawn segments that lie on the vertical x.
std::vector<Segment> SegmentsAt(const CRecordingDC& dc, int x) {
    std::vector<Segment> out;
    for (const Segment& s : Segments(dc)) {
        if (s.first.x == x && s.second.x == x) {
            out.push_back(s);
        }
    }
    return out;
}

// The application settings the colours come from, installed for one test.
class ScopedAppConfig {
public:
    ScopedAppConfig() {
        m_config.GetColor().SetEditWork(kEditWork);
        m_config.GetColor().SetEditBold(kEditBold);
        m_config.GetColor().SetLinked(kLinked);
        m_previous = SetAppConfig(&m_config);
    }
    ~ScopedAppConfig() { SetAppConfig(m_previous); }
    CConfigBase& Get() { return m_config; }

private:
    CConfigBase m_config;
    CConfigBase* m_previous = nullptr;
};

class KouteiDrawTest : public test::ChartFixture {
protected:
    KouteiDrawTest() {
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        font.SetFaceName("Gothic");
        CConfigChart& chart = doc.set.GetChart();
        for (CElemAttr* attr : {&chart.GetYogoAttr(), &chart.GetShigenAttr()}) {
            attr->SetLogFont(font);
            attr->m_lineSpace = 10;
        }
        chart.SetKakomiAngle(45);
        doc.shigenNames.push_back(std::make_unique<CShigenName>(1, 0, "Worker"));
        doc.shigenNames.push_back(std::make_unique<CShigenName>(2, 0, "Crane"));
        doc.print.SetHolidayLine(3);
        doc.print.SetArcRay(9);
        Bind();
    }

    CKoutei& Process(int startDay, int startRow, int endDay, int endRow,
                     WORD shapeWord = kLineShapeStraight, WORD startSize = 100,
                     WORD endSize = 100) {
        auto koutei = std::make_unique<CKoutei>();
        koutei->SetStartDate(April(startDay));
        koutei->SetEndDate(April(endDay));
        koutei->SetStartRow(static_cast<WORD>(startRow));
        koutei->SetEndRow(static_cast<WORD>(endRow));
        CKouteiAttr& attr = koutei->GetLines()->GetAttr();
        attr.m_style = shapeWord;
        attr.m_color = kOwn;
        attr.m_hatch = CKouteiLines::kNoHatch;
        koutei->GetStartLand()->SetSize(startSize);
        koutei->GetEndLand()->SetSize(endSize);
        processes.push_back(std::move(koutei));
        return *processes.back();
    }
    // A process that the document lists among its objects.
    CKoutei& Listed(int startDay, int startRow, int endDay, int endRow,
                    WORD shapeWord = kLineShapeStraight, WORD startSize = 100, WORD endSize = 100) {
        CKoutei& koutei =
            Process(startDay, startRow, endDay, endRow, shapeWord, startSize, endSize);
        doc.objects.push_back(&koutei);
        return koutei;
    }
    static CYogo& Term(CKoutei& koutei, const std::string& text, WORD dateKind, WORD place,
                       WORD style = 0) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->SetDateKind(dateKind);
        CElemAttr& attr = term->GetAttr();
        attr.m_fontHeigh = 1;
        attr.m_fontWidth = 1;
        attr.m_form = place;
        attr.m_attrb = style;
        attr.m_color = RGB(0, 0, 200);
        CYogo* added = term.get();
        EXPECT_TRUE(koutei.AddYogo(term, TRUE));
        return *added;
    }
    static void Resources(CKoutei& koutei, COLORREF color) {
        koutei.GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 3));
        koutei.GetShigen()->AddShigenData(std::make_unique<CShigenData>(2, 12));
        CElemAttr& attr = koutei.GetShigen()->GetAttr();
        attr.m_fontHeigh = 1;
        attr.m_fontWidth = 1;
        attr.m_color = color;
    }

    static std::unique_ptr<CRecordingDC> Dc(Device device = Device::Screen) {
        auto dc = std::make_unique<CRecordingDC>(device);
        dc->SetMapMode(MM_LOMETRIC);
        return dc;
    }
    std::unique_ptr<CRecordingDC> Drawn(CKoutei& koutei, int mode = kKouteiDrawNormal,
                                        Device device = Device::Screen) {
        auto dc = Dc(device);
        Draw(koutei, dc.get(), layout, mode);
        return dc;
    }

    ScopedAppConfig app;
    std::vector<std::unique_ptr<CKoutei>> processes;
};

// ---- Draw modes ---------------------------------------------------------------------------------

TEST_F(KouteiDrawTest, DrawModeTable) {
    struct Case {
        const char* name;
        bool relation;
        WORD kind;
        int mode;
        KouteiPen pen;
    };
    // Width code 2: the bold entry, 6.
    const std::vector<Case> cases = {
        {"normal", false, 3, 0, {3, 6, kOwn, R2_COPYPEN}},
        {"relation line", true, 3, 0, {3, 6, kLinked, R2_COPYPEN}},
        {"relation line of kind 5", true, 5, 0, {5, 6, kGrey, R2_COPYPEN}},
        {"selected", false, 3, 1, {3, 6, kEditWork, R2_COPYPEN}},
        {"selected kind 5", true, 5, 1, {0, 6, kEditWork, R2_COPYPEN}},
        {"feedback", false, 3, 2, {0, 6, kBlack, R2_NOT}},
        {"linked", false, 3, 3, {0, 6, kEditBold, R2_COPYPEN}},
        {"inactive", false, 3, 4, {3, 6, kGrey, R2_COPYPEN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, 4, 10, 4);
        koutei.SetRelationLine(c.relation ? 1 : 0);
        koutei.GetLines()->GetAttr().m_type = c.kind;
        koutei.GetLines()->GetAttr().m_width = 2;
        EXPECT_EQ(GetDrawPen(koutei, layout, c.mode), c.pen);

        // Drawn so on screen, where type 5 is a light grey solid line.
        const auto dc = Drawn(koutei, c.mode);
        const auto lines = test::DrawnLines(*dc);
        ASSERT_EQ(lines.size(), 1u) << dc->Dump();
        EXPECT_EQ(lines[0].pen.LineStyle(), static_cast<UINT>(c.pen.type == 5 ? 0 : c.pen.type));
        EXPECT_EQ(lines[0].pen.width, 6);
        EXPECT_EQ(lines[0].pen.color, c.pen.color);
        const auto drawn = dc->Find(DcOp::LineTo);
        EXPECT_EQ(drawn[0].rop2, c.pen.rop2);
    }
}

// Drag feedback inverts everything it draws with a solid pen: black node fill, no spare days,
// no hatching of a bar, no node numbers.
TEST_F(KouteiDrawTest, FeedbackInvertsAndLeavesOutSpareDaysHatchingAndNumbers) {
    doc.set.SetHolidayMode(2);
    doc.Holidays(April(5), April(6));
    CKoutei& line = Process(2, 4, 10, 4);
    line.GetLines()->GetAttr().m_holiday = 1;
    line.SetSpareDays(CTimeSpan(3, 0, 0, 0));
    line.GetStartLand()->SetShape(0x0109);
    CKoutei& bar = Process(2, 8, 10, 8, 0x0140);
    bar.GetLines()->GetAttr().m_hatch = 3;
    for (CKoutei* koutei : {&line, &bar}) {
        const auto dc = Drawn(*koutei, kKouteiDrawFeedback);
        const auto drawings = dc->Drawings();
        ASSERT_FALSE(drawings.empty());
        for (const auto& r : drawings) {
            EXPECT_EQ(r.rop2, R2_NOT) << dc->Dump();
            if (!r.pen.IsNull()) {
                EXPECT_EQ(r.pen.LineStyle(), static_cast<UINT>(PS_SOLID)) << dc->Dump();
            }
        }
        for (const auto& r : dc->Records()) {
            EXPECT_NE(r.op, DcOp::TextOut) << "no node number";
        }
        for (const auto& r : dc->Find(DcOp::Polygon)) {
            EXPECT_NE(r.args.points.size(), 4u) << "no bar fill";
        }
    }
    const auto dc = Drawn(line, kKouteiDrawFeedback);
    const auto nodes = dc->Find(DcOp::Polygon);
    // The start node is a diamond filled black; no number in feedback.
    ASSERT_FALSE(nodes.empty());
    EXPECT_EQ(nodes.back().brush.color, kBlack);
    EXPECT_EQ(line.GetDrawMode(), kKouteiDrawFeedback);
}

// Which mode each part takes from what is selected and the document's object mode.
TEST_F(KouteiDrawTest, PartModesFollowSelectionAndObjectMode) {
    enum Pick { kNothing, kAll, kLinesOnly, kStartOnly, kTermOnLines, kTermOnStart, kResources };
    struct Case {
        const char* name;
        Pick pick;
        LONG objectMode;
        int mode;
        int lines;
        int start;
        int end;
    };
    const LONG process = COperationState::kModeKoutei;
    const LONG term = COperationState::kModeYogo;
    const LONG resource = COperationState::kModeShigen;
    const std::vector<Case> cases = {
        {"nothing", kNothing, process, 0, 0, 0, 0},
        {"nothing, for reference", kNothing, process, 4, 4, 4, 4},
        {"all, process mode", kAll, process, 0, 1, 1, 1},
        {"all, term mode", kAll, term, 0, 3, 3, 3},
        {"all, in feedback", kAll, process, 2, 2, 2, 2},
        {"line only, process mode", kLinesOnly, process, 0, 1, 3, 3},
        {"line only, term mode", kLinesOnly, term, 0, 3, 0, 0},
        {"start node, process mode", kStartOnly, process, 0, 3, 1, 0},
        {"start node, resource mode", kStartOnly, resource, 0, 0, 1, 0},
        {"selected term on the line", kTermOnLines, term, 0, 3, 0, 0},
        {"selected term on the line, process mode", kTermOnLines, process, 0, 0, 0, 0},
        {"selected term on the start", kTermOnStart, term, 0, 0, 3, 0},
        {"resources, resource mode", kResources, resource, 0, 3, 0, 0},
        {"resources, process mode", kResources, process, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, 4, 10, 4);
        Term(koutei, "L", kYogoOnLine, 0);
        Term(koutei, "S", kYogoOnStart, 0);
        switch (c.pick) {
        case kAll:
            koutei.Select();
            break;
        case kLinesOnly:
            koutei.SelectLines();
            break;
        case kStartOnly:
            koutei.SelectStartLand();
            break;
        case kTermOnLines:
            koutei.SelectYogo(0);
            break;
        case kTermOnStart:
            koutei.SelectYogo(1);
            break;
        case kResources:
            koutei.GetShigen()->Select();
            break;
        case kNothing:
            break;
        }
        EXPECT_EQ(GetLinesDrawMode(koutei, c.mode, c.objectMode), c.lines);
        EXPECT_EQ(GetLandDrawMode(koutei, kKouteiPartStart, c.mode, c.objectMode), c.start);
        EXPECT_EQ(GetLandDrawMode(koutei, kKouteiPartEnd, c.mode, c.objectMode), c.end);
    }
}

TEST_F(KouteiDrawTest, LabelModesFollowTheirOwnersOutsideTheirObjectMode) {
    CKoutei& koutei = Process(2, 4, 10, 4);
    Term(koutei, "L", kYogoOnLine, 0);
    Term(koutei, "E", kYogoOnEnd, 0);
    koutei.SelectLines();
    koutei.SelectYogo(1);
    const LONG term = COperationState::kModeYogo;
    const LONG process = COperationState::kModeKoutei;
    const LONG resource = COperationState::kModeShigen;
    EXPECT_EQ(GetYogoDrawMode(koutei, 0, 0, process), kKouteiDrawLinked);
    EXPECT_EQ(GetYogoDrawMode(koutei, 0, 0, term), kKouteiDrawNormal);
    EXPECT_EQ(GetYogoDrawMode(koutei, 1, 0, term), kKouteiDrawSelected);
    EXPECT_EQ(GetYogoDrawMode(koutei, 1, 2, term), kKouteiDrawFeedback);
    EXPECT_EQ(GetShigenDrawMode(koutei, 4, process), kKouteiDrawLinked);
    EXPECT_EQ(GetShigenDrawMode(koutei, 4, resource), 4);
    koutei.GetShigen()->Select();
    EXPECT_EQ(GetShigenDrawMode(koutei, 0, resource), kKouteiDrawSelected);
}

// The parts are drawn in the colours of their own modes: a selected line in process mode with
// its nodes in the linked colour.
TEST_F(KouteiDrawTest, EachPartInTheColourOfItsMode) {
    CKoutei& koutei = Process(2, 4, 10, 4);
    koutei.SelectLines();
    const auto dc = Drawn(koutei);
    for (const auto& line : test::DrawnLines(*dc)) {
        EXPECT_EQ(line.pen.color, kEditWork);
    }
    const auto nodes = dc->Find(DcOp::Ellipse);
    ASSERT_EQ(nodes.size(), 2u);
    for (const auto& node : nodes) {
        EXPECT_EQ(node.pen.color, kEditBold);
        EXPECT_EQ(node.brush.color, kWhite);
    }
    // The caller's mode is the process's again afterwards.
    EXPECT_EQ(koutei.GetDrawMode(), kKouteiDrawNormal);
}

TEST_F(KouteiDrawTest, AProcessWhoseEndsCoincideDrawsOnlyItsStartNodeTermsAndResources) {
    layout.SetShigenDispMode(1);
    CKoutei& koutei = Process(5, 4, 5, 4);
    koutei.GetEndLand()->SetShape(7);
    Term(koutei, "T", kYogoOnLine, 1);
    Resources(koutei, kBlack);
    const auto dc = Drawn(koutei);
    EXPECT_TRUE(test::DrawnLines(*dc).empty()) << dc->Dump();
    EXPECT_EQ(dc->Find(DcOp::Ellipse).size(), 1u);
    EXPECT_TRUE(dc->Find(DcOp::Polygon).empty()) << "no end node, no arrow head";
    EXPECT_EQ(test::DrawnTexts(*dc).size(), 3u);
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

// ---- Node marks ---------------------------------------------------------------------------------

TEST_F(KouteiDrawTest, NodeMarks) {
    constexpr COLORREF kOutline = RGB(1, 1, 1);
    constexpr COLORREF kFill = RGB(2, 2, 2);
    struct Case {
        int shape;
        std::vector<int> circles; // radii, in drawing order
        std::vector<CPoint> outline;
        COLORREF fill;
    };
    const CPoint up(500, -215);
    const std::vector<CPoint> upward = {up, {510, -235}, {490, -235}, up};
    const CPoint down(500, -235);
    const std::vector<CPoint> downward = {down, {510, -215}, {490, -215}, down};
    const std::vector<CPoint> square = {
        {490, -215}, {510, -215}, {510, -235}, {490, -235}, {490, -215}};
    const std::vector<CPoint> diamond = {up, {510, -225}, {500, -235}, {490, -225}, up};
    const std::vector<Case> cases = {
        {0, {10}, {}, kFill},        {1, {10, 5}, {}, kFill},     {2, {10}, {}, kOutline},
        {3, {}, upward, kFill},      {4, {}, upward, kOutline},   {5, {}, downward, kFill},
        {6, {}, downward, kOutline}, {7, {}, square, kFill},      {8, {}, square, kOutline},
        {9, {}, diamond, kFill},     {10, {}, diamond, kOutline}, {265, {}, diamond, kFill},
        {521, {}, diamond, kFill},   {11, {}, {}, kFill},         {15, {}, {}, kFill},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        auto dc = Dc();
        DrawLandMark(dc.get(), layout, c.shape, 500, -225, 10, kOutline, 3, kFill, R2_COPYPEN, "");
        const auto ellipses = dc->Find(DcOp::Ellipse);
        ASSERT_EQ(ellipses.size(), c.circles.size());
        for (std::size_t i = 0; i < ellipses.size(); ++i) {
            const int r = c.circles[i];
            EXPECT_EQ(ellipses[i].args.rect, CRect(500 - r, -225 + r, 500 + r, -225 - r));
            EXPECT_EQ(ellipses[i].brush.color, c.fill);
            EXPECT_EQ(ellipses[i].pen.color, kOutline);
        }
        const auto polygons = dc->Find(DcOp::Polygon);
        if (c.outline.empty()) {
            EXPECT_TRUE(polygons.empty());
        } else {
            ASSERT_EQ(polygons.size(), 1u);
            EXPECT_EQ(polygons[0].args.points, c.outline);
            EXPECT_EQ(polygons[0].brush.color, c.fill);
        }
        EXPECT_TRUE(test::DrawnTexts(*dc).empty());
    }
}

// The number of a mark: r high and r / 2 wide, centred on the mark, its top r / 2 above the
// centre.
TEST_F(KouteiDrawTest, NodeNumberPlaceAndSize) {
    auto dc = Dc();
    DrawLandMark(dc.get(), layout, 265, 500, -225, 20, kOwn, 3, kWhite, R2_COPYPEN, "24");
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].args.text, "24");
    EXPECT_EQ(texts[0].args.points[0], CPoint(490, -215));
    EXPECT_EQ(texts[0].font.lfHeight, -20);
    EXPECT_EQ(texts[0].font.lfWidth, 10);
    EXPECT_EQ(texts[0].textColor, kOwn);
}

TEST_F(KouteiDrawTest, NodeNumbersInCalendarAndElapsedDays) {
    struct Case {
        const char* name;
        short nobeMode;
        int offsetDays;
        WORD startStyle;
        WORD endStyle;
        std::string start;
        std::string end;
    };
    // The process runs from 3 April to 24 April.
    const std::vector<Case> cases = {
        {"no high byte", 0, 0, 0, 9, "", ""},
        {"calendar days; the end milestone shows the day before", 0, 0, 0x0109, 0x0209, "3", "23"},
        {"a circle with a high byte", 0, 0, 0x0100, 0x0100, "3", "24"},
        // Elapsed days from 6 April, counted from 1; before it the negative count.
        {"elapsed days", 1, 5, 0x0109, 0x0209, "-3", "18"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.set.SetNobeMode(c.nobeMode);
        doc.set.SetJyunbiKikan(CTimeSpan(c.offsetDays, 0, 0, 0));
        Bind();
        CKoutei& koutei = Process(3, 4, 24, 4);
        koutei.GetStartLand()->SetShape(c.startStyle);
        koutei.GetEndLand()->SetShape(c.endStyle);
        EXPECT_EQ(GetLandNumberText(koutei, layout, kKouteiPartStart), c.start);
        EXPECT_EQ(GetLandNumberText(koutei, layout, kKouteiPartEnd), c.end);
    }
}

TEST_F(KouteiDrawTest, DrawnMarksAndNumbersOfAProcess) {
    CKoutei& koutei = Process(3, 4, 24, 4);
    koutei.GetStartLand()->SetShape(kLandShapeHidden);
    koutei.GetEndLand()->SetShape(0x0209);
    koutei.GetEndLand()->SetSize(200);
    const auto dc = Drawn(koutei);
    EXPECT_TRUE(dc->Find(DcOp::Ellipse).empty()) << "a hidden node draws nothing";
    const auto texts = test::DrawnTexts(*dc);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "23");
    EXPECT_EQ(texts[0].at, CPoint(DayX(24) - 10, RowY(4) + 10));
}

TEST_F(KouteiDrawTest, DirectionalNodesTakeTheirDirection) {
    struct Case {
        const char* name;
        WORD shape;
        int startRow;
        int endRow;
        short bend;
        WORD startWord;
        WORD endWord;
        WORD start;
        WORD end;
    };
    const std::vector<Case> cases = {
        {"start below the end", 1, 5, 2, 0, 0x80, 0x80, 129, 130},
        {"start above the end", 1, 2, 5, 0, 0x80, 0x80, 130, 129},
        {"one row", 1, 4, 4, 0, 0x80, 0x80, 130, 130},
        {"gate below both", kLineShapeGate, 2, 4, 4, 0x80, 0x80, 130, 130},
        {"gate above both", kLineShapeGate, 5, 4, -3, 0x80, 0x80, 129, 129},
        {"not directional", 1, 5, 2, 0, 7, 0x81, 7, 130},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, c.startRow, 10, c.endRow, c.shape);
        koutei.GetLines()->SetBendOffset(c.bend);
        koutei.GetStartLand()->SetSubStyle(c.startWord);
        koutei.GetEndLand()->SetSubStyle(c.endWord);
        Drawn(koutei);
        EXPECT_EQ(koutei.GetStartLand()->GetSubStyle(), c.start);
        EXPECT_EQ(koutei.GetEndLand()->GetSubStyle(), c.end);
    }
}

// ---- Bars ---------------------------------------------------------------------------------------

// Bars from 2 April (x 100) to 10 April (x 900) on row 4 (y -225) with hidden nodes: the six
// lines of the outline from the two ends, and the fill of the four corners.
TEST_F(KouteiDrawTest, BarForms) {
    struct Case {
        const char* name;
        WORD shapeWord;
        short angle;
        WORD hatch;
        int mode;
        std::array<CPoint, 4> corners; // upper start, upper end, lower start, lower end
        bool fill;
    };
    const std::vector<Case> cases = {
        {"rectangle",
         0x0140,
         45,
         3,
         0,
         {{{100, -216}, {900, -216}, {100, -234}, {900, -234}}},
         true},
        {"rectangle twice as thick",
         0x0240,
         45,
         3,
         0,
         {{{100, -207}, {900, -207}, {100, -243}, {900, -243}}},
         true},
        // H 22, inset 11.
        {"slanted ends at 45 degrees",
         0x0180,
         45,
         3,
         0,
         {{{111, -214}, {889, -214}, {111, -236}, {889, -236}}},
         true},
        // H 43: 21 above, 22 below; the inset keeps to one bar height.
        {"slanted ends twice as thick",
         0x0280,
         45,
         3,
         0,
         {{{111, -204}, {889, -204}, {111, -247}, {889, -247}}},
         true},
        {"no hatching",
         0x0140,
         45,
         999,
         0,
         {{{100, -216}, {900, -216}, {100, -234}, {900, -234}}},
         false},
        {"inverted",
         0x0140,
         45,
         3,
         2,
         {{{100, -216}, {900, -216}, {100, -234}, {900, -234}}},
         false},
        // Angles whose tangent is 0 give no inset rather than an infinite one.
        {"an angle of 0",
         0x0180,
         0,
         3,
         0,
         {{{100, -214}, {900, -214}, {100, -236}, {900, -236}}},
         true},
        {"an angle of 180",
         0x0180,
         180,
         3,
         0,
         {{{100, -214}, {900, -214}, {100, -236}, {900, -236}}},
         true},
    };
    const CPoint s(100, -225);
    const CPoint e(900, -225);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.set.GetChart().SetKakomiAngle(c.angle);
        CKoutei& bar = Process(2, 4, 10, 4, c.shapeWord);
        bar.GetLines()->GetAttr().m_hatch = c.hatch;
        bar.GetStartLand()->SetShape(kLandShapeHidden);
        bar.GetEndLand()->SetShape(kLandShapeHidden);
        const auto dc = Drawn(bar, c.mode);
        const auto& p = c.corners;
        std::vector<Segment> expected = {Ordered(s, p[0]),    Ordered(s, p[2]), Ordered(p[0], p[1]),
                                         Ordered(p[2], p[3]), Ordered(p[1], e), Ordered(p[3], e)};
        std::sort(expected.begin(), expected.end(), [](const Segment& a, const Segment& b) {
            return std::tie(a.first.x, a.first.y, a.second.x, a.second.y) <
                   std::tie(b.first.x, b.first.y, b.second.x, b.second.y);
        });
        EXPECT_EQ(Segments(*dc), expected);
        const auto fills = dc->Find(DcOp::Polygon);
        if (c.fill) {
            ASSERT_EQ(fills.size(), 1u);
            EXPECT_EQ(fills[0].args.points, (std::vector<CPoint>{p[0], p[1], p[3], p[2]}));
            EXPECT_EQ(fills[0].brush.hatch, 3);
            EXPECT_TRUE(fills[0].pen.IsNull());
        } else {
            EXPECT_TRUE(fills.empty()) << dc->Dump();
        }
    }
}

// ---- Arrow heads --------------------------------------------------------------------------------

TEST_F(KouteiDrawTest, ArrowHeadAtTheEndOfTheLine) {
    struct Case {
        const char* name;
        WORD shapeWord;
        WORD subStyle;
        bool head;
    };
    const std::vector<Case> cases = {
        {"plain", 0, 0, true},     {"straight", 1, 0, true},
        {"elbow", 2, 0, true},     {"other elbow", 3, 0, true},
        {"crank", 4, 0, true},     {"relation", 5, 0, true},
        {"gate", 6, 0, true},      {"no arrow", 2, kSubStyleNoArrow, false},
        {"bar", 0x0140, 0, false}, {"slanted bar", 0x0180, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CKoutei& koutei = Process(2, 2, 10, 6, c.shapeWord);
        koutei.GetLines()->SetBendOffset(6);
        koutei.GetLines()->GetAttr().m_subStyle = c.subStyle;
        const auto dc = Drawn(koutei);
        std::vector<CRecordingDC::Record> heads;
        for (const auto& r : dc->Find(DcOp::Polygon)) {
            if (r.args.points.size() == 3) {
                heads.push_back(r);
            }
        }
        if (!c.head) {
            EXPECT_TRUE(heads.empty());
            continue;
        }
        ASSERT_EQ(heads.size(), 1u);
        KouteiRoute route;
        BuildRoute(koutei, layout, route);
        const CPoint tip = route.points[static_cast<std::size_t>(route.PointCount() - 1)];
        EXPECT_EQ(heads[0].args.points[0], tip);
        EXPECT_EQ(heads[0].brush.color, kOwn);
        EXPECT_EQ(heads[0].pen.color, kOwn);
    }
}

// ---- Terms and resources ------------------------------------------------------------------------

// A term at place 4 (5) hangs on the middle of the line by a leader to its lower left (right)
// corner, underlining the label 3 units (a tenth of the font height) below it.
TEST_F(KouteiDrawTest, LeaderLinesOfFreeTerms) {
    for (const WORD place : {kYogoPlaceLeaderLeft, kYogoPlaceLeaderRight}) {
        for (const int mode : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "place " << place << ", mode " << mode);
            CKoutei& koutei = Process(3, 4, 13, 4);
            CYogo& term = Term(koutei, "Lead", kYogoOnLine, place);
            term.GetAttr().SetOffset(-200);
            term.GetAttr().SetOffsetY(200);
            if (mode == 1) {
                koutei.SelectYogo(0);
            }
            CRect rect;
            ASSERT_EQ(
                CalcYogoRect(koutei, layout, nullptr, 0,
                             BuildYogoStackTable(koutei, layout, nullptr,
                                                 doc.set.GetChart().GetYogoAttr().GetLogFont())
                                 .get(),
                             nullptr, nullptr, &rect),
                1);
            auto dc = Dc();
            DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal,
                           COperationState::kModeKoutei);
            const auto lines = test::DrawnLines(*dc);
            ASSERT_EQ(lines.size(), 2u) << dc->Dump();
            const bool left = place == kYogoPlaceLeaderLeft;
            const CPoint near(left ? rect.left : rect.right, rect.bottom - 3);
            const CPoint far(left ? rect.right : rect.left, rect.bottom - 3);
            // From the middle of the line (8 April, x 700) on the line.
            EXPECT_EQ(lines[0].from, CPoint(700, RowY(4)));
            EXPECT_EQ(lines[0].to, near);
            EXPECT_EQ(lines[1].from, near);
            EXPECT_EQ(lines[1].to, far);
            for (const auto& line : lines) {
                EXPECT_EQ(line.pen.LineStyle(), static_cast<UINT>(PS_SOLID));
                EXPECT_EQ(line.pen.width, 1);
                EXPECT_EQ(line.pen.color, mode == 0 ? kBlack : kEditWork);
            }
        }
    }
}

TEST_F(KouteiDrawTest, SimplifiedTextsShowOnlyTheirFrame) {
    layout.SetSimpleText(TRUE);
    CKoutei& koutei = Process(3, 4, 13, 4);
    Term(koutei, "Text", kYogoOnLine, 1).SetHyperlink("http://example");
    auto dc = Dc();
    DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
    EXPECT_TRUE(dc->Find(DcOp::TextOut).empty());
    const auto frames = dc->Find(DcOp::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].pen.color, RGB(0, 0, 200));
    EXPECT_TRUE(frames[0].brush.IsNull());
    // The hyperlink mark stays.
    const auto marks = dc->Find(DcOp::Polygon);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].brush.color, RGB(255, 0, 0));
}

TEST_F(KouteiDrawTest, HyperlinkMarkOnScreenOnly) {
    for (const Device device : {Device::Screen, Device::Printer}) {
        CKoutei& koutei = Process(3, 4, 13, 4);
        Term(koutei, "Text", kYogoOnLine, 1, kLabelFrame).SetHyperlink("http://example");
        auto dc = Dc(device);
        DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
        EXPECT_EQ(dc->Find(DcOp::Polygon).size(), device == Device::Screen ? 1u : 0u);
        EXPECT_EQ(dc->Find(DcOp::TextOut).size(), 1u);
        EXPECT_EQ(dc->Find(DcOp::Rectangle).size(), 1u) << "the frame of style flag 2";
    }
}

// Vertical text whose single-byte runs stand upright: each run below the one before.
TEST_F(KouteiDrawTest, UprightRunsStackDownward) {
    CKoutei& koutei = Process(3, 4, 13, 4);
    const std::string text = "AB" + Sjis::FromUtf8("漢字") + "C";
    Term(koutei, text, kYogoOnLine, 1, kLabelVertical | kLabelUprightSingleByte);
    auto dc = Dc();
    DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].args.text, "AB");
    EXPECT_EQ(texts[1].args.text, Sjis::FromUtf8("漢字"));
    EXPECT_EQ(texts[2].args.text, "C");
    EXPECT_EQ(texts[0].font.lfEscapement, 0);
    EXPECT_EQ(texts[1].font.lfEscapement, 901);
    EXPECT_EQ(texts[2].font.lfEscapement, 0);
    // "AB" stands 30 high; the two turned double-byte characters take the font width (15) a
    // byte.
    EXPECT_EQ(texts[1].args.points[0].y, texts[0].args.points[0].y - 30);
    EXPECT_EQ(texts[2].args.points[0].y, texts[1].args.points[0].y - 60);
}

TEST_F(KouteiDrawTest, ResourceLines) {
    for (const int display : {1, 2}) {
        SCOPED_TRACE(display);
        layout.SetShigenDispMode(display);
        CKoutei& koutei = Process(3, 4, 13, 4);
        Resources(koutei, kBlack);
        auto dc = Dc();
        DrawShigenLabel(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
        std::vector<std::string> lines;
        for (const auto& text : test::DrawnTexts(*dc)) {
            lines.push_back(text.text);
        }
        const std::vector<std::string> expected =
            display == 1 ? std::vector<std::string>{"[Worker  3]", "[Crane  12]"}
                         : std::vector<std::string>{"[ 3]", "[12]"};
        EXPECT_EQ(lines, expected);
    }
    // Not shown: nothing.
    layout.SetShigenDispMode(0);
    CKoutei& koutei = Process(3, 4, 13, 4);
    Resources(koutei, kBlack);
    auto dc = Dc();
    DrawShigenLabel(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
    EXPECT_TRUE(dc->Drawings().empty());
    // In feedback only while resources are edited.
    layout.SetShigenDispMode(1);
    for (const LONG objectMode : {COperationState::kModeKoutei, COperationState::kModeShigen}) {
        auto feedback = Dc();
        DrawShigenLabel(koutei, feedback.get(), layout, kKouteiDrawFeedback, objectMode);
        EXPECT_EQ(feedback->Drawings().empty(), objectMode == COperationState::kModeKoutei);
    }
}

TEST_F(KouteiDrawTest, ResourceColoursOnScreenAndPaper) {
    struct Case {
        const char* name;
        COLORREF own;
        bool blackBack;
        Device device;
        bool selected;
        COLORREF shown;
    };
    const std::vector<Case> cases = {
        {"red", RGB(255, 0, 0), false, Device::Screen, false, RGB(128, 0, 0)},
        {"green", RGB(0, 255, 0), false, Device::Screen, false, RGB(0, 128, 0)},
        {"blue", RGB(0, 0, 255), false, Device::Screen, false, RGB(0, 0, 128)},
        {"yellow", RGB(255, 255, 0), false, Device::Screen, false, RGB(128, 128, 0)},
        {"magenta", RGB(255, 0, 255), false, Device::Screen, false, RGB(128, 0, 128)},
        {"cyan", RGB(0, 255, 255), false, Device::Screen, false, RGB(0, 128, 128)},
        {"black", kBlack, false, Device::Screen, false, RGB(0, 0, 128)},
        // A black background: yellow (the primitives show black as white there).
        {"black on black", kBlack, true, Device::Screen, false, RGB(255, 255, 0)},
        {"any other colour", kOwn, false, Device::Screen, false, kBlack},
        {"paper", RGB(255, 0, 0), false, Device::Printer, false, RGB(255, 0, 0)},
        {"selected", RGB(255, 0, 0), false, Device::Screen, true, kEditWork},
    };
    layout.SetShigenDispMode(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.Get().SetSystemWord(CConfigBase::kSysBlackBack, c.blackBack ? 1 : 0);
        CKoutei& koutei = Process(3, 4, 13, 4);
        Resources(koutei, c.own);
        if (c.selected) {
            koutei.GetShigen()->Select();
        }
        auto dc = Dc(c.device);
        DrawShigenLabel(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
        const auto texts = test::DrawnTexts(*dc);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].color, c.shown);
    }
}

// ---- Bounds -------------------------------------------------------------------------------------

// The bounds of a process hold everything its drawing reaches: arrow heads past bare nodes, the
// arcs of crossings on paper, long node numbers, leader lines below their labels.
TEST_F(KouteiDrawTest, BoundsCoverTheDrawing) {
    doc.kouteiParts = true;
    layout.SetShigenDispMode(1);
    doc.print.SetCrossType(1);
    doc.print.SetArcRay(25);
    doc.set.SetNobeMode(1);
    doc.set.SetJyunbiKikan(CTimeSpan(-10000, 0, 0, 0));
    Bind();
    Listed(2, 6, 10, 6);
    CKoutei& plumb = Listed(6, 2, 6, 10, kLineShapePlain, 0, 0);
    CKoutei& numbered = Listed(3, 8, 12, 8, kLineShapeStraight, 100, 100);
    numbered.GetEndLand()->SetShape(0x0109);
    CKoutei& labelled = Listed(14, 8, 20, 12, kLineShapeElbowVH, 0, 0);
    CYogo& term = Term(labelled, "Leader", kYogoOnLine, kYogoPlaceLeaderLeft);
    term.GetAttr().SetOffsetY(-100);
    Resources(labelled, kBlack);
    for (CKoutei* koutei : {&plumb, &numbered, &labelled}) {
        const CRect bounds = layout.GetObjectBounds(nullptr, koutei, 0);
        const auto dc = Drawn(*koutei, kKouteiDrawNormal, Device::Printer);
        std::vector<CPoint> reached;
        for (const auto& r : dc->Drawings()) {
            if (r.op == DcOp::TextOut) {
                const int width = std::abs(r.font.lfWidth) * static_cast<int>(r.args.text.size());
                const CPoint at = r.args.points[0];
                reached.insert(reached.end(),
                               {at, CPoint(at.x + width, at.y - std::abs(r.font.lfHeight))});
            } else if (r.op == DcOp::Ellipse || r.op == DcOp::Arc || r.op == DcOp::Rectangle) {
                reached.insert(reached.end(), {r.args.rect.TopLeft(), r.args.rect.BottomRight()});
            } else {
                reached.insert(reached.end(), r.args.points.begin(), r.args.points.end());
            }
        }
        ASSERT_FALSE(reached.empty());
        for (const CPoint& p : reached) {
            EXPECT_TRUE(p.x >= bounds.left && p.x <= bounds.right && p.y <= bounds.top &&
                        p.y >= bounds.bottom)
                << "(" << p.x << ", " << p.y << ") outside (" << bounds.left << ", " << bounds.top
                << ", " << bounds.right << ", " << bounds.bottom << ")";
        }
    }
}

} // namespace
} // namespace tembra
