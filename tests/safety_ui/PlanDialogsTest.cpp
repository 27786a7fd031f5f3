// The plan dialogs offscreen on a 20-row A3 chart of March 2010: the batch dialogs' lists and row
// fields, the overlap question that keeps a dialog open, and the text dialogs browsing a small
// catalogue into a frame pair.
#include "safety/ui/DisasterFrameDlg.h"
#include "safety/ui/DisasterTextDlg.h"
#include "safety/ui/PlanRowCombo.h"
#include "safety/ui/WeekTargetFrameDlg.h"
#include "safety/ui/WeekTargetTextDlg.h"

#include "platform/Paths.h"
#include "safety/PlanCandidates.h"
#include "safety/PlanChart.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

namespace tembra {
namespace {

using test::Day;
using test::J;
using test::PlanChart;

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class PlanFrameDlgTest : public testing::Test {
protected:
    PlanChart chart{Day(2010, 3, 1), Day(2010, 3, 31)};
    test::ScopedUi ui;
};

TEST_F(PlanFrameDlgTest, TheUnitListFollowsTheDateAndRuledLineUnits) {
    struct Case {
        int label;
        int ruled;
        QStringList units;
    };
    const Case cases[] = {
        {kUnitMonth, kUnitDay, {U("月"), U("日")}},
        {kUnitWeek, kUnitYear, {U("月"), U("週"), U("年")}},
        {kUnitDay, kUnitDay, {U("月"), U("日")}},
        {kUnitHour, kUnitHour, {U("月")}},
        {kUnitMinute, kUnitMonth, {U("月")}},
    };
    for (const Case& c : cases) {
        chart.doc.GetSyokiSet().SetOption1(static_cast<WORD>(c.label));
        chart.doc.GetSyokiSet().SetKeisenUnit(static_cast<WORD>(c.ruled));
        CDisasterFrameDlg dialog(chart.doc, chart.layout);
        EXPECT_EQ(Items(dialog.UnitList()), c.units) << c.label << "/" << c.ruled;
        EXPECT_EQ(Items(dialog.WidthList()), (QStringList{"1", "2", "3", "4", "6"}));
    }
    chart.doc.GetSyokiSet().SetOption1(kUnitMonth);
    chart.doc.GetSyokiSet().SetKeisenUnit(kUnitDay);
    CDisasterFrameDlg dialog(chart.doc, chart.layout);
    dialog.UnitList()->setCurrentIndex(1);
    EXPECT_EQ(Items(dialog.WidthList()), (QStringList{"1", "2", "3", "4", "5", "7", "10", "15"}));
    EXPECT_EQ(dialog.WidthList()->currentIndex(), 0);
}

TEST_F(PlanFrameDlgTest, RowFieldsTakeOnlyRowsOfTheChart) {
    CDisasterFrameDlg dialog(chart.doc, chart.layout);
    const int defaults[4] = {11, 15, 16, 20};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dialog.RowField(i)->Value(), defaults[i]);
        EXPECT_EQ(dialog.RowField(i)->count(), 20);
    }
    CPlanRowCombo* field = dialog.RowField(0);
    for (const char* typed : {"0", "21", "x", ""}) {
        field->setEditText(typed);
        field->Commit();
        EXPECT_EQ(field->Value(), 11) << typed;
        EXPECT_EQ(field->currentText(), "11") << typed;
    }
    field->setEditText("8");
    field->Commit();
    EXPECT_EQ(field->Value(), 8);
}

// No keeps the dialog open with the rows typed; Yes closes it, and the frames follow its values.
TEST_F(PlanFrameDlgTest, DecliningTheOverlapKeepsTheDialogOpen) {
    chart.AddFrame(CZukeiString::kTagTai, 16, 20);
    CDisasterFrameDlg dialog(chart.doc, chart.layout);
    dialog.UnitList()->setCurrentIndex(1);  // 日 on a chart of day labels
    dialog.WidthList()->setCurrentIndex(6); // 10
    dialog.RowField(0)->setEditText("17");
    ui->QueueAnswer(IDNO);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(
        ui->MessageTexts().back(),
        "16 ～ 20 行目の「対策」枠 と重なります。\n\nこのまま「災害と対策」枠を作成しますか？");
    EXPECT_EQ(dialog.RowField(0)->Value(), 17);
    EXPECT_EQ(dialog.WidthList()->currentText(), "10");
    ui->QueueAnswer(IDYES);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Rows(), (PlanBandRows{{17, 15}, {16, 20}}));
    ASSERT_TRUE(dialog.BuildFrames());
    // The old frame, three heading pairs and three columns of ten days.
    EXPECT_EQ(chart.Frames().size(), 1u + 6 + 6);
}

TEST_F(PlanFrameDlgTest, TheWeeklyDialogBuildsMondayWeeks) {
    CWeekTargetFrameDlg dialog(chart.doc, chart.layout);
    EXPECT_EQ(dialog.windowTitle(), U("週間目標と実施項目枠一括入力"));
    EXPECT_EQ(Items(dialog.WeekdayList()), (QStringList{U("日曜日"), U("月曜日")}));
    EXPECT_EQ(dialog.RowField(0)->Value(), 10);
    EXPECT_EQ(dialog.RowField(3)->Value(), 15);
    dialog.WeekdayList()->setCurrentIndex(1);
    dialog.WeeksList()->setCurrentIndex(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.BuildFrames());
    // Two-week columns from the draw start, then every other Monday from the 8th (March 2010
    // begins on a Monday, which counts as the week before the first of a column).
    const std::vector<CZukeiString*> frames = chart.Frames();
    ASSERT_EQ(frames.size(), 6u + 2 * 3);
    EXPECT_EQ(frames[6]->GetStartDate(0), Day(2010, 3, 1));
    EXPECT_EQ(frames[8]->GetStartDate(0), Day(2010, 3, 8));
    EXPECT_EQ(frames[8]->GetEndDate(0), Day(2010, 3, 22));
}

// The text dialogs read the user's copy of a catalogue from the writable folder.
class PlanTextDlgTest : public testing::Test {
protected:
    PlanTextDlgTest() {
        Paths::SetDirs(shipped.Path(), writable.Path(), writable.Path() / "config");
        writable.Write("MANKAN.INI",
                       J("[BigGroup]\r\n1,作業\r\n2,型\r\n"
                         "[MidGroup]\r\n1,10,足場\r\n1,11,土工\r\n2,20,墜落\r\n2,21,飛来\r\n"
                         "[Target]\r\n"
                         "10,0,0,足場点検,ashiba,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\r\n"
                         "10,11,0,整理整頓,seiri,2,3,0,0,0,0,0,0,0,0,0,0,0,0,0,\r\n"
                         "[Enforce]\r\n1,手すり確認,te,20,0,0,0,0,0,\r\n"
                         "2,通路確保,tu,21,0,0,0,0,0,\r\n3,清掃,se,21,0,0,0,0,0,\r\n"));
        target = chart.AddFrame(CZukeiString::kTagMoku, 10, 11);
        action = chart.AddFrame(CZukeiString::kTagJitsu, 12, 15);
        target->SetText(J("既存\r\n"));
    }
    ~PlanTextDlgTest() override { Paths::SetDirs({}, {}, {}); }

    test::TempDir shipped;
    test::TempDir writable;
    PlanChart chart{Day(2010, 3, 1), Day(2010, 3, 31)};
    test::ScopedUi ui;
    CZukeiString* target = nullptr;
    CZukeiString* action = nullptr;
};

TEST_F(PlanTextDlgTest, TargetsAndTheirActionsGoIntoTheFrames) {
    CWeekTargetTextDlg dialog(chart.doc, *target, *action);
    ASSERT_TRUE(dialog.Init());
    EXPECT_EQ(Items(dialog.BigGroups()), (QStringList{U("作業"), U("型")}));
    EXPECT_EQ(Items(dialog.MidGroups()), (QStringList{U("足場"), U("土工")}));
    const QString blank = QString::fromStdString(Sjis::ToUtf8(PlanBlankEntry()));
    EXPECT_EQ(Items(dialog.Candidates(0)), (QStringList{blank, U("足場点検"), U("整理整頓")}));
    EXPECT_EQ(dialog.Candidates(0)->currentRow(), 1);
    EXPECT_EQ(Items(dialog.Candidates(1)), (QStringList{blank, U("手すり確認")}));
    EXPECT_EQ(Items(dialog.FrameLines(0)), (QStringList{U("既存"), ""}));
    EXPECT_EQ(dialog.FrameLines(0)->currentRow(), 1);

    // A target with a single action brings it along.
    dialog.LineCommand(0, 0);
    EXPECT_EQ(Items(dialog.FrameLines(0)), (QStringList{U("既存"), U("足場点検"), ""}));
    EXPECT_EQ(Items(dialog.FrameLines(1)), (QStringList{U("手すり確認"), ""}));
    // Two actions: none comes along; the filter narrows them by key.
    dialog.Candidates(0)->setCurrentRow(2);
    EXPECT_EQ(Items(dialog.Candidates(1)), (QStringList{blank, U("通路確保"), U("清掃")}));
    dialog.Filter(1)->setText("s");
    EXPECT_EQ(Items(dialog.Candidates(1)), (QStringList{blank, U("清掃")}));
    dialog.LineCommand(1, 0);
    dialog.Filter(0)->setText("x");
    EXPECT_EQ(Items(dialog.Candidates(0)), (QStringList{blank}));

    dialog.accept();
    dialog.ApplyTexts();
    EXPECT_EQ(target->GetText(), J("既存\r\n足場点検\r\n"));
    EXPECT_EQ(action->GetText(), J("手すり確認\r\n清掃\r\n"));
    // Undo puts the old frames back in their places.
    chart.doc.GetUndoHistory().Undo();
    const std::vector<CZukeiString*> frames = chart.Frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0]->GetText(), J("既存\r\n"));
    EXPECT_EQ(frames[1]->GetText(), "");
}

TEST_F(PlanTextDlgTest, EachBigGroupRemembersItsMidGroup) {
    CWeekTargetTextDlg dialog(chart.doc, *target, *action);
    ASSERT_TRUE(dialog.Init());
    dialog.MidGroups()->setCurrentIndex(1);
    dialog.BigGroups()->setCurrentIndex(1);
    EXPECT_EQ(Items(dialog.MidGroups()), (QStringList{U("墜落"), U("飛来")}));
    EXPECT_EQ(dialog.MidGroups()->currentIndex(), 0);
    dialog.BigGroups()->setCurrentIndex(0);
    EXPECT_EQ(dialog.MidGroups()->currentIndex(), 1);
    const QString blank = QString::fromStdString(Sjis::ToUtf8(PlanBlankEntry()));
    EXPECT_EQ(Items(dialog.Candidates(0)), (QStringList{blank, U("整理整頓")}));
}

TEST_F(PlanTextDlgTest, AMissingCatalogueEndsTheDialog) {
    CDisasterTextDlg dialog(chart.doc, *target, *action);
    EXPECT_EQ(dialog.windowTitle(), U("災害と対策文字設定"));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_FALSE(ui->MessageIds().empty());
    EXPECT_EQ(ui->MessageTexts().back(),
              "災害と対策の用語ファイルが存在しないか、内容が不明です。\n"
              "災害と対策の用語ファイルを確認してください。");
    EXPECT_EQ(target->GetText(), J("既存\r\n"));
}

} // namespace
} // namespace tembra
