// Chart objects drawn by their record type, and the texts of item cells, through the recording
// device context on the round-number chart of ChartFixture (rows 50 high from y 0). The item
// area runs from x -500 to 0; its four columns take 20, 20, 40 and 2 percent of it: -500..-400,
// -400..-300, -300..-100 and -100..-90. The item font is 30 high and 15 wide.
#include "render/PageLayout.h"

#include "model/ConfigBase.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/Shincyoku.h"
#include "platform/RecordingDC.h"
#include "platform/Sjis.h"
#include "render/ChartFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {

inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

using test::April;

constexpr COLORREF kTextColor = RGB(0, 0, 160);

class PageLayoutChartObjectTest : public test::ChartFixture {
protected:
    PageLayoutChartObjectTest() {
        doc.table.SetLevelCount(4);
        doc.table.SetColumnWidth(0, 20);
        doc.table.SetColumnWidth(1, 20);
        doc.table.SetColumnWidth(2, 40);
        doc.table.SetColumnWidth(3, 2);
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        font.SetFaceName("Mincho");
        doc.set.GetChart().GetKoumokuAttr().SetLogFont(font);
        screen.SetMapMode(MM_LOMETRIC);
        Bind();
    }

    static CKoumokuData Cell(int row, int column, const std::string& text, WORD format = 0,
                             WORD flags = 0) {
        CKoumokuData cell;
        cell.SetRow(static_cast<WORD>(row));
        cell.SetColumn(static_cast<WORD>(column));
        cell.SetText(text);
        cell.SetFormat(format);
        cell.SetFlags(flags);
        cell.SetSize(0x0101);
        cell.SetColor(kTextColor);
        return cell;
    }

    // The one text a cell drew.
    CRecordingDC::Record Drawn(const CKoumokuData& cell) {
        screen.Clear();
        layout.DrawKoumokuCell(&screen, cell, ChartDrawMode::Normal);
        const auto texts = screen.Find(DcOp::TextOut);
        EXPECT_EQ(texts.size(), 1u) << screen.Dump();
        return texts.empty() ? CRecordingDC::Record() : texts[0];
    }
    std::string Text(const CKoumokuData& cell) { return Drawn(cell).args.text; }

    CRecordingDC screen;
};

// ---- Macros -------------------------------------------------------------------------------------

TEST_F(PageLayoutChartObjectTest, RowAndColumnMacros) {
    EXPECT_EQ(Text(Cell(0, 2, "$L$-$C$")), "1-3");
    EXPECT_EQ(Text(Cell(9, 0, "No.$L$ $L$")), "No.10 10");
}

// The item date base is the period's start (1 April 2010, a Thursday); every row a day later.
TEST_F(PageLayoutChartObjectTest, DateMacrosFollowTheRow) {
    const std::string format = "$Y$/$M$/$D$ $W$";
    EXPECT_EQ(Text(Cell(0, 2, format)), "2010/4/1 " + Sjis::FromUtf8("木"));
    EXPECT_EQ(Text(Cell(31, 2, format)), "2010/5/2 " + Sjis::FromUtf8("日"));
    // The base moves with the leading margin and the elapsed-day origin.
    doc.set.SetJyunbiKikan(CTimeSpan(2, 0, 0, 0));
    Bind();
    EXPECT_EQ(Text(Cell(0, 2, format)), "2010/4/3 " + Sjis::FromUtf8("土"));
}

TEST_F(PageLayoutChartObjectTest, HeiseiYear) {
    doc.set.SetStartDate(CTime(1988, 12, 31));
    doc.set.SetEndDate(CTime(1989, 1, 29));
    Bind();
    EXPECT_EQ(Text(Cell(0, 2, "H$H$")), "H0");
    EXPECT_EQ(Text(Cell(1, 2, "H$H$")), "H1");
}

// "$H$" is the year of the era the row's date lies in.
TEST_F(PageLayoutChartObjectTest, EraYearOfTheRowDate) {
    struct Case {
        CTime start;
        int row;
        const char* text;
    };
    const Case cases[] = {
        {CTime(2010, 4, 1), 0, "22"}, {CTime(2019, 4, 29), 1, "31"},  {CTime(2019, 4, 29), 2, "1"},
        {CTime(2027, 5, 6), 0, "9"},  {CTime(2037, 12, 30), 1, "19"},
    };
    for (const Case& c : cases) {
        doc.set.SetStartDate(c.start);
        doc.set.SetEndDate(c.start + CTimeSpan(30, 0, 0, 0));
        Bind();
        EXPECT_EQ(Text(Cell(c.row, 2, "$H$")), c.text)
            << c.start.Format("%Y-%m-%d") << " +" << c.row;
    }
}

// ---- Placement ----------------------------------------------------------------------------------

// Row 2 spans y -100 to -150; a 30-high text stands centred at -110. Column 2 spans -300 to
// -100: the text begins one character width (15) in, at -285, and has 185 units.
TEST_F(PageLayoutChartObjectTest, AlignmentAndVerticalPlacement) {
    struct Case {
        const char* name;
        WORD format;
        WORD flags;
        CPoint at;
        UINT align;
    };
    const std::vector<Case> cases = {
        {"left", 0, 0, {-285, -110}, TA_LEFT | TA_TOP},
        {"centred", 1, 0, {-193, -110}, TA_CENTER | TA_TOP},
        {"right", 2, 0, {-115, -110}, TA_RIGHT | TA_TOP},
        {"top", 0, CKoumokuData::kTop, {-285, -100}, TA_LEFT | TA_TOP},
        {"bottom", 2, CKoumokuData::kBottom, {-115, -150}, TA_RIGHT | TA_BOTTOM},
        {"top wins over bottom",
         0,
         CKoumokuData::kTop | CKoumokuData::kBottom,
         {-285, -100},
         TA_LEFT | TA_TOP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = Drawn(Cell(2, 2, "Text", c.format, c.flags));
        EXPECT_EQ(r.args.points[0], c.at);
        EXPECT_EQ(r.textAlign, c.align);
        EXPECT_EQ(r.textColor, kTextColor);
        EXPECT_EQ(r.rop2, R2_COPYPEN);
        EXPECT_EQ(r.bkMode, TRANSPARENT);
    }
}

TEST_F(PageLayoutChartObjectTest, FontOfTheCell) {
    // The item font, bold with flag 4.
    auto r = Drawn(Cell(2, 2, "Text", 0, CKoumokuData::kBold));
    EXPECT_EQ(r.font.lfHeight, -30);
    EXPECT_EQ(r.font.lfWidth, 15);
    EXPECT_EQ(r.font.lfWeight, FW_BOLD);

    // Double height: 60 high, centred over the 50-high row.
    CKoumokuData tall = Cell(2, 2, "Text");
    tall.SetSize(0x0201);
    r = Drawn(tall);
    EXPECT_EQ(r.font.lfHeight, -60);
    EXPECT_EQ(r.args.points[0].y, -95);

    // Its own font; zoomed to 200 %, the margin too.
    CKoumokuData own = Cell(2, 2, "Text");
    LOGFONT font;
    font.lfHeight = -20;
    font.lfWidth = 10;
    own.SetLogFont(font);
    own.SetOwnFont(1);
    layout.SetZoomIndex(5);
    layout.RecalcLayout();
    r = Drawn(own);
    EXPECT_EQ(r.font.lfHeight, -40);
    EXPECT_EQ(r.font.lfWidth, 20);
    EXPECT_EQ(r.args.points[0].x, layout.ColumnToX(2, -1) + 20);
}

TEST_F(PageLayoutChartObjectTest, NothingForAnEmptyTextOrANarrowColumn) {
    layout.DrawKoumokuCell(&screen, Cell(2, 2, ""), ChartDrawMode::Normal);
    // Column 3 leaves 10 - 15 units: less than one character.
    layout.DrawKoumokuCell(&screen, Cell(2, 3, "X"), ChartDrawMode::Normal);
    EXPECT_TRUE(screen.Drawings().empty()) << screen.Dump();
}

// ---- One chart object ---------------------------------------------------------------------------

TEST_F(PageLayoutChartObjectTest, EachObjectByItsType) {
    CConfigBase config;
    CConfigBase* previous = SetAppConfig(&config);

    CKoutei koutei;
    koutei.SetStartDate(April(2));
    koutei.SetEndDate(April(10));
    koutei.SetStartRow(4);
    koutei.SetEndRow(4);
    koutei.GetStartLand()->SetSize(100);
    koutei.GetEndLand()->SetSize(100);
    CEvent event;
    event.SetStartDate(April(11));
    event.SetStartRow(10);
    event.SetText("Event");
    event.GetAttr().m_fontHeigh = 1;
    event.GetAttr().m_fontWidth = 1;
    CKoumokuData cell = Cell(2, 2, "Cell");
    CShincyoku progress;

    struct Case {
        const char* name;
        CDataHeader* object;
        bool draws;
    };
    const std::vector<Case> cases = {
        {"process", &koutei, true},          {"event", &event, true},
        {"item cell", &cell, true},          {"process node", koutei.GetStartLand(), false},
        {"progress line", &progress, false}, {"nothing", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        screen.Clear();
        layout.DrawChartObject(&screen, c.object, ChartDrawMode::Normal);
        EXPECT_EQ(!screen.Drawings().empty(), c.draws) << screen.Dump();
    }

    // The mode reaches the painter: feedback inverts.
    screen.Clear();
    layout.DrawChartObject(&screen, &koutei, ChartDrawMode::Feedback);
    EXPECT_EQ(koutei.GetDrawMode(), 2);
    for (const auto& r : screen.Drawings()) {
        EXPECT_EQ(r.rop2, R2_NOT);
    }
    layout.DrawChartObject(&screen, &event, ChartDrawMode::Reference);
    EXPECT_EQ(event.GetDrawState(), 4);

    SetAppConfig(previous);
}

} // namespace
} // namespace tembra
