// The frame batches of the plan sheet on a 20-row A3 chart of March 2010 (10 units a day): their
// default rows, the overlap question, the frames they build, and the text change of a frame pair.
#include "safety/DisasterFrames.h"
#include "safety/PlanBandRows.h"
#include "safety/PlanTextApply.h"
#include "safety/WeekTargetFrames.h"

#include "PlanChart.h"
#include "platform/Sjis.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::J;
using test::PlanChart;

constexpr WORD kDuty = CZukeiString::kTagEmpty;

TEST(PlanBandRowsTest, DisasterDefaultsLieAtTheBottom) {
    struct Case {
        int rows;
        int limit;
        PlanBandRows expected;
    };
    const Case cases[] = {
        {30, 0, {{21, 25}, {26, 30}}},  {60, 30, {{31, 35}, {36, 40}}}, // as for 40 rows
        {40, 30, {{31, 35}, {36, 40}}}, {10, 0, {{1, 5}, {6, 10}}},
        {5, 0, {{4, 4}, {5, 5}}},       {1, 0, {{1, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisasterDefaultRows(c.rows, c.limit), c.expected) << c.rows << "/" << c.limit;
    }
}

TEST(PlanBandRowsTest, WeeklyDefaultsKeepClearOfTheDutyFrames) {
    struct Case {
        int rows;
        int limit;
        std::optional<PlanRowRange> duty;
        PlanBandRows expected;
    };
    const Case cases[] = {
        {3, 0, std::nullopt, {{3, 3}, {3, 3}}},
        {8, 0, std::nullopt, {{5, 5}, {6, 6}}},
        {20, 0, std::nullopt, {{10, 11}, {12, 15}}},
        {40, 20, std::nullopt, {{21, 22}, {23, 26}}},       // as for 31 rows
        {20, 0, PlanRowRange{12, 20}, {{6, 7}, {8, 11}}},   // above them
        {20, 0, PlanRowRange{2, 5}, {{6, 7}, {8, 11}}},     // below them
        {20, 0, PlanRowRange{3, 16}, {{10, 11}, {12, 15}}}, // neither fits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekTargetDefaultRows(c.rows, c.limit, c.duty), c.expected) << c.rows;
    }
}

class PlanFrameBatchTest : public testing::Test {
protected:
    PlanChart chart{Day(2010, 3, 1), Day(2010, 3, 31)};
    test::ScopedUi ui;
};

TEST_F(PlanFrameBatchTest, DutyFramesSetTheWeeklyDefaults) {
    EXPECT_EQ(WeekTargetDefaultRows(chart.doc), (PlanBandRows{{10, 11}, {12, 15}}));
    chart.AddFrame(kDuty, 14, 16);
    chart.AddFrame(kDuty, 12, 13, 5);
    EXPECT_EQ(FindDutyRows(chart.doc), (PlanRowRange{12, 16}));
    EXPECT_EQ(WeekTargetDefaultRows(chart.doc), (PlanBandRows{{6, 7}, {8, 11}}));
    EXPECT_EQ(DisasterDefaultRows(chart.doc), (PlanBandRows{{11, 15}, {16, 20}}));
}

TEST_F(PlanFrameBatchTest, TheOverlapQuestionNamesTheFirstFrameInTheWay) {
    chart.AddFrame(CZukeiString::kTagTai, 16, 20);
    chart.AddFrame(CZukeiString::kTagSai, 11, 12);
    // The upper band is checked against both tags before the lower one.
    ui->QueueAnswer(IDNO);
    EXPECT_FALSE(CheckDisasterOverlap(chart.doc, {{15, 17}, {1, 2}}));
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(
        ui->MessageBoxes()[0].text,
        "16 ～ 20 行目の「対策」枠 と重なります。\n\nこのまま「災害と対策」枠を作成しますか？");
    EXPECT_EQ(ui->MessageBoxes()[0].type, UINT{MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2});
    // Rows typed in reverse are ordered first; Yes lets the build go ahead.
    ui->QueueAnswer(IDYES);
    EXPECT_TRUE(CheckDisasterOverlap(chart.doc, {{5, 1}, {13, 11}}));
    EXPECT_EQ(
        ui->MessageBoxes()[1].text,
        "11 ～ 12 行目の「災害」枠 と重なります。\n\nこのまま「災害と対策」枠を作成しますか？");
    // Frames that touch a band only at its edge are not in the way.
    EXPECT_TRUE(CheckDisasterOverlap(chart.doc, {{13, 14}, {21, 22}}));
    EXPECT_EQ(ui->MessageBoxes().size(), 2u);
    // The weekly bands look at the duty frames too.
    chart.AddFrame(kDuty, 3, 4);
    ui->QueueAnswer(IDNO);
    EXPECT_FALSE(CheckWeekTargetOverlap(chart.doc, {{1, 3}, {8, 9}}));
    EXPECT_EQ(ui->MessageBoxes().back().text,
              "3 ～ 4 行目の「安全当番」枠 "
              "と重なります。\n\nこのまま「週間目標と実施項目」枠を作成しますか？");
}

// What a batch leaves: per frame its tag, text, form and font face and height.
struct FrameLook {
    WORD tag;
    std::string text;
    WORD form;
    std::string face;
    LONG height;
    bool operator==(const FrameLook&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FrameLook& f) {
    return out << f.tag << " '" << Sjis::ToUtf8(f.text) << "' form " << f.form << " "
               << Sjis::ToUtf8(f.face) << " " << f.height;
}

FrameLook Look(const CZukeiString& frame) {
    return {frame.GetFrameTag(), frame.GetText(), frame.GetTextAttr().m_form,
            frame.GetFont().lfFaceName, frame.GetFont().lfHeight};
}

TEST_F(PlanFrameBatchTest, TheWeeklyBatchBuildsHeadingsAndWeekFrames) {
    ASSERT_TRUE(BuildWeekTargetFrames(chart.doc, chart.layout, 1, true, {{11, 10}, {12, 15}}));
    const std::vector<CZukeiString*> frames = chart.Frames();
    // Three heading pairs and one pair per Monday week of March 2010 (1, 8, 15, 22, 29).
    ASSERT_EQ(frames.size(), 6u + 2 * 5);
    const std::string gothic = J("ＭＳ ゴシック");
    const std::string mincho = J("ＭＳ 明朝");
    EXPECT_EQ(Look(*frames[0]),
              (FrameLook{3, J("週間目標"), 1, gothic, frames[0]->GetFont().lfHeight}));
    EXPECT_EQ(Look(*frames[1]),
              (FrameLook{4, J("実施項目"), 1, mincho, frames[1]->GetFont().lfHeight}));
    EXPECT_EQ(frames[2]->GetText(), "");
    EXPECT_EQ(Look(*frames[6]), (FrameLook{3, "", 1, gothic, -30}));
    EXPECT_EQ(Look(*frames[7]), (FrameLook{4, "", 0, mincho, -28}));
    // Bands over rows 10-11 and 12-15; week frames from Monday to Monday.
    EXPECT_EQ(frames[6]->GetTopRow(0), 9.0);
    EXPECT_EQ(frames[6]->GetBottomRow(0), 11.0);
    EXPECT_EQ(frames[7]->GetTopRow(0), 11.0);
    EXPECT_EQ(frames[7]->GetBottomRow(0), 15.0);
    EXPECT_EQ(frames[8]->GetStartDate(0), Day(2010, 3, 8));
    EXPECT_EQ(frames[8]->GetEndDate(0), Day(2010, 3, 15));
    // One Undo takes the whole batch back.
    chart.doc.GetUndoHistory().Undo();
    EXPECT_TRUE(chart.Frames().empty());
}

TEST_F(PlanFrameBatchTest, TheDisasterBatchBuildsAPairPerColumn) {
    ASSERT_TRUE(BuildDisasterFrames(chart.doc, chart.layout, 10, kUnitDay, {{16, 20}, {11, 15}}));
    const std::vector<CZukeiString*> frames = chart.Frames();
    // Columns from the 1st, 11th and 21st.
    ASSERT_EQ(frames.size(), 6u + 2 * 3);
    const std::string mincho = J("ＭＳ 明朝");
    EXPECT_EQ(Look(*frames[0]).text, J("予測される災害"));
    EXPECT_EQ(Look(*frames[1]).text, J("上記事項の安全対策"));
    EXPECT_EQ(frames[0]->GetTextAttr().m_form, 1);
    EXPECT_EQ(frames[0]->GetTextAttr().m_attrb, 0);
    for (std::size_t i = 6; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i]->GetFrameTag(), i % 2 == 0 ? 1 : 2);
        EXPECT_EQ(frames[i]->GetText(), "");
        EXPECT_EQ(frames[i]->GetFont().lfFaceName, mincho);
    }
    EXPECT_EQ(frames[8]->GetStartDate(0), Day(2010, 3, 11));
    EXPECT_EQ(frames[8]->GetEndDate(0), Day(2010, 3, 21));
    EXPECT_EQ(frames[10]->GetEndDate(0), Day(2010, 4, 1));
    // The upper band is the disaster band, ordered.
    EXPECT_EQ(frames[8]->GetTopRow(0), 15.0);
    EXPECT_EQ(frames[9]->GetBottomRow(0), 15.0);
    chart.doc.GetUndoHistory().Undo();
    EXPECT_TRUE(chart.Frames().empty());
}

// A frame that cannot be made stops the batch; the frames made stay (the upper frame of the
// broken pair too) and are one undo step.
TEST_F(PlanFrameBatchTest, AFailedFrameStopsTheBatch) {
    int made = 0;
    const auto maker = [&](std::string_view face) -> std::unique_ptr<CZukeiString> {
        if (made++ == 9) {
            AfxMessageBox(5021);
            return nullptr;
        }
        return chart.doc.GetShapes().CreateTextZukei(face);
    };
    EXPECT_FALSE(
        BuildDisasterFrames(chart.doc, chart.layout, 10, kUnitDay, {{16, 20}, {11, 15}}, maker));
    EXPECT_EQ(chart.Frames().size(), 9u);
    EXPECT_EQ(ui->MessageIds(), std::vector<UINT>{5021});
    chart.doc.GetUndoHistory().Undo();
    EXPECT_TRUE(chart.Frames().empty());
}

TEST_F(PlanFrameBatchTest, TextsGoIntoThePairAloneAsOneStep) {
    CZukeiString* target = chart.AddFrame(CZukeiString::kTagMoku, 10, 11);
    CZukeiString* action = chart.AddFrame(CZukeiString::kTagJitsu, 12, 15);
    CZukeiString* other = chart.AddFrame(CZukeiString::kTagMoku, 10, 11, 8);
    for (CZukeiString* frame : {target, action, other}) {
        frame->Select();
        chart.doc.GetShapes().AddSelZukei(frame);
    }
    chart.doc.SetModifiedFlag(FALSE);
    ApplyPlanTexts(chart.doc, *target, J("目標\r\n"), *action, J("手順1\r\n手順2\r\n"));
    EXPECT_EQ(target->GetText(), J("目標\r\n"));
    EXPECT_EQ(action->GetText(), J("手順1\r\n手順2\r\n"));
    EXPECT_EQ(other->GetText(), "");
    EXPECT_TRUE(target->GetUpdate());
    EXPECT_TRUE(chart.doc.IsModified());
    chart.doc.GetUndoHistory().Undo();
    const std::vector<CZukeiString*> frames = chart.Frames();
    ASSERT_EQ(frames.size(), 3u);
    for (const CZukeiString* frame : frames) {
        EXPECT_EQ(frame->GetText(), "");
    }
}

} // namespace
} // namespace tembra
