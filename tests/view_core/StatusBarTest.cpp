// The status-bar helpers: the message pane, the texts of dates and rows in both chart modes, and
// what the cursor and a dragged range put into panes 5 to 8.
#include "view/core/StatusBar.h"

#include "model/ConfigOperation.h"
#include "render/ChartFixture.h"
#include "support/Cp932Text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tembra {
namespace {

// A status bar that keeps what the helpers put into it.
class RecordingStatusBar : public IStatusBar {
public:
    bool IsVisible() const override { return visible; }
    void SetPaneText(int pane, const std::string& text) override {
        texts[static_cast<std::size_t>(pane)] = text;
    }
    void SetPaneStyle(int pane, PaneStyle style) override {
        styles[static_cast<std::size_t>(pane)] = style;
    }
    void UpdateNow() override { ++repaints; }

    bool visible = true;
    std::array<std::string, 9> texts;
    std::array<PaneStyle, 9> styles{};
    int repaints = 0;
};

class StatusBarTest : public test::ChartFixture {
protected:
    StatusBarTest() { m_previous = SetStatusBar(&bar); }
    ~StatusBarTest() override { SetStatusBar(m_previous); }

    RecordingStatusBar bar;
    CConfigOperation operation;

private:
    IStatusBar* m_previous = nullptr;
};

TEST_F(StatusBarTest, MessagesGoToPaneZeroOfAVisibleBar) {
    EXPECT_EQ(SetStatusText("%s %d", "row", 12), 1);
    EXPECT_EQ(bar.texts[0], "row 12");
    EXPECT_EQ(bar.repaints, 1);
    EXPECT_EQ(SetStatusTextId(5087), 1);
    EXPECT_EQ(bar.texts[0], test::J("用語履歴をクリアします"));
    EXPECT_EQ(SetStatusTextId(1), 0) << "an id without a text shows nothing";

    bar.visible = false;
    EXPECT_EQ(SetStatusText("hidden"), 0);
    EXPECT_EQ(bar.texts[0], test::J("用語履歴をクリアします"));
    SetStatusBar(nullptr);
    EXPECT_EQ(SetStatusText("none"), 0);
    SetStatusBar(&bar);
}

TEST_F(StatusBarTest, LongMessagesAreCutToTheBuffer) {
    const std::string longText(400, 'x');
    SetStatusText("%s", longText.c_str());
    EXPECT_EQ(bar.texts[0], std::string(255, 'x'));
}

TEST_F(StatusBarTest, DatesAndRowsAreWrittenInTheChartsForm) {
    EXPECT_EQ(FormatRekiStatusDate(CTime(2000, 3, 1, 9, 30), false), "03/01 09:30");
    EXPECT_EQ(FormatRekiStatusDate(CTime(2000, 3, 1), false), "2000/03/01");
    EXPECT_EQ(FormatRekiStatusDate(CTime(2000, 3, 1), true), "2000/03/01");
    EXPECT_EQ(FormatNobeStatusDate(2, 3, 5, 0, 0), "015/05");
    EXPECT_EQ(FormatNobeStatusDate(0, 3, 5, 0, 0), "003/05");
    EXPECT_EQ(FormatNobeStatusDate(1, 1, 7, 14, 5), "07 14:05");
    EXPECT_EQ(FormatStatusRowText(0), "0001");
    EXPECT_EQ(FormatStatusRowText(9998), "9999");

    // An elapsed-day chart of 30-day months counts from the period's start.
    doc.set.SetNobeMode(1);
    Bind();
    EXPECT_EQ(FormatStatusDateText(layout, test::April(1), false), "001/01");
    EXPECT_EQ(FormatStatusDateText(layout, test::April(6), false), "001/06");
}

TEST_F(StatusBarTest, TheCursorShowsWhatItsZoneHas) {
    struct Case {
        CPoint point;
        std::string date;
        std::string row;
    };
    const std::vector<Case> cases = {
        {{-250, test::RowY(0)}, "", "0001"},                         // item columns (zone 2)
        {{test::DayX(3) + 20, test::RowY(4)}, "2010/04/03", "0005"}, // the chart
        {{test::DayX(3) + 20, 50}, "2010/04/03", ""},                // the date band
        {{-250, 50}, "", ""},                                        // above the item columns
    };
    for (const Case& c : cases) {
        bar.texts.fill("old");
        CTime date;
        int row = 0;
        layout.PointToDateRow(c.point.x, c.point.y, 0, date, row);
        ASSERT_EQ(UpdateStatusDatePane(layout, operation, c.point, date, row), 1);
        EXPECT_EQ(bar.texts[7], c.date) << c.point.x << "," << c.point.y;
        EXPECT_EQ(bar.texts[8], c.row) << c.point.x << "," << c.point.y;
        EXPECT_EQ(bar.texts[5], "");
        EXPECT_EQ(bar.texts[6], "");
        EXPECT_EQ(bar.styles[5], IStatusBar::kDisabled);
        EXPECT_EQ(bar.styles[6], IStatusBar::kDisabled);
        EXPECT_EQ(bar.styles[7], IStatusBar::kPopOut);
        EXPECT_EQ(bar.styles[8], IStatusBar::kPopOut);
    }
}

TEST_F(StatusBarTest, ALineBeingDrawnKeepsThePanes) {
    operation.SetMode(COperationState::kModeKoutei);
    operation.SetState(1);
    bar.texts.fill("feedback");
    EXPECT_EQ(UpdateStatusDatePane(layout, operation, CPoint(-250, -25), test::April(1), 0), 0);
    EXPECT_EQ(bar.texts[8], "feedback");
}

TEST_F(StatusBarTest, ARangeShowsItsEndsInDateOrder) {
    FormatStatusDate(layout, test::April(3), 2, test::April(9), 7);
    EXPECT_EQ(bar.texts[5], "2010/04/03");
    EXPECT_EQ(bar.texts[6], "0003");
    EXPECT_EQ(bar.texts[7], "2010/04/09");
    EXPECT_EQ(bar.texts[8], "0008");
    EXPECT_EQ(bar.styles[5], IStatusBar::kNormal);
    EXPECT_EQ(bar.styles[7], IStatusBar::kPopOut);

    // Dragged leftwards: the ends are swapped and the panes of the dragged end pop out.
    FormatStatusDate(layout, test::April(9), 7, test::April(3), 2);
    EXPECT_EQ(bar.texts[5], "2010/04/03");
    EXPECT_EQ(bar.texts[6], "0003");
    EXPECT_EQ(bar.texts[7], "2010/04/09");
    EXPECT_EQ(bar.texts[8], "0008");
    EXPECT_EQ(bar.styles[5], IStatusBar::kPopOut);
    EXPECT_EQ(bar.styles[6], IStatusBar::kPopOut);
    EXPECT_EQ(bar.styles[7], IStatusBar::kNormal);
    EXPECT_EQ(bar.styles[8], IStatusBar::kNormal);
}

} // namespace
} // namespace tembra
