#include "document/TembraDoc.h"

#include "DocTestSupport.h"
#include "FailingAllocator.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::FailingAllocation;
using test::Pos;
using test::ScopedAppState;
using test::ScopedUi;

class FactoryTest : public testing::Test {
protected:
    ScopedAppState app;
    ScopedUi ui;
    CTembraDoc doc;
};

TEST_F(FactoryTest, EveryPairOfTheTableMakesItsClass) {
    struct Case {
        int type;
        UINT subKind;
        const CRuntimeClass* made;
    };
    const std::vector<Case> cases = {
        {1, 1, RUNTIME_CLASS(CKoutei)},
        {1, 2, RUNTIME_CLASS(CKouteiLines)},
        {1, 3, RUNTIME_CLASS(CLand)},
        {1, 4, RUNTIME_CLASS(CYogo)},
        {2, 1, RUNTIME_CLASS(CKoumokuData)},
        {3, 1, RUNTIME_CLASS(CShincyoku)},
        {6, 1, RUNTIME_CLASS(CEvent)},
        // The sub-kind is taken as 16 bits.
        {1, 0x10004, RUNTIME_CLASS(CYogo)},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CDataHeader> object = doc.CreateObjectByKind(c.type, c.subKind);
        ASSERT_NE(object, nullptr) << c.type << "," << c.subKind;
        EXPECT_EQ(object->GetRuntimeClass(), c.made) << c.type << "," << c.subKind;
        EXPECT_EQ(object->GetType(), c.type);
        EXPECT_EQ(object->GetKind(), static_cast<WORD>(c.subKind));
        EXPECT_EQ(object->GetLayer(), 0);
        EXPECT_EQ(object->IsSelected(), 0);
    }
    std::unique_ptr<CDataHeader> process = doc.CreateObjectByKind(1, 1);
    const auto* koutei = static_cast<const CKoutei*>(process.get());
    EXPECT_NE(koutei->GetLines(), nullptr);
    EXPECT_NE(koutei->GetStartLand(), nullptr);
    EXPECT_NE(koutei->GetEndLand(), nullptr);
    EXPECT_TRUE(koutei->GetSeqNumber().IsNull());
}

TEST_F(FactoryTest, EveryOtherPairMakesNothing) {
    const std::vector<std::pair<int, UINT>> cases = {
        {1, 5}, {1, 0},  {1, 6}, {2, 2}, {2, 0}, {3, 2},  {6, 2}, {4, 1},
        {4, 4}, {4, 17}, {5, 1}, {7, 1}, {0, 1}, {-1, 1}, {8, 1}, {2, 0x10000},
    };
    for (const auto& [type, subKind] : cases) {
        EXPECT_EQ(doc.CreateObjectByKind(type, subKind), nullptr) << type << "," << subKind;
    }
    EXPECT_TRUE(ui->MessageBoxes().empty()) << "the factory reports nothing itself";
}

TEST_F(FactoryTest, AProcessIsNeverReturnedHalfBuilt) {
    int failures = 0;
    bool completed = false;
    for (long succeed = 0; succeed < 32 && !completed; ++succeed) {
        std::unique_ptr<CDataHeader> object;
        {
            FailingAllocation failing(succeed);
            object = doc.CreateObjectByKind(1, 1);
            if (!failing.Fired()) {
                completed = true;
            }
        }
        if (object == nullptr) {
            ++failures;
            continue;
        }
        const auto* process = static_cast<const CKoutei*>(object.get());
        EXPECT_NE(process->GetLines(), nullptr) << succeed;
        EXPECT_NE(process->GetStartLand(), nullptr) << succeed;
        EXPECT_NE(process->GetEndLand(), nullptr) << succeed;
    }
    EXPECT_TRUE(completed);
    // The process itself is an allocation that can fail; its line set, its two nodes and its
    // resource list are held inside it.
    EXPECT_GE(failures, 1);
}

TEST_F(FactoryTest, AFailedCreationIsReportedByTheCreator) {
    {
        FailingAllocation failing(0);
        EXPECT_EQ(doc.CreateKoutei(nullptr, TRUE), nullptr);
    }
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5016u);

    auto source = doc.CreateKoutei(nullptr, TRUE);
    {
        FailingAllocation failing(0);
        EXPECT_EQ(doc.CopyKoutei(source.get(), TRUE), nullptr);
    }
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[1].stringId, 5017u);
}

// ---- Process creation ---------------------------------------------------------------------------

TEST_F(FactoryTest, ANewProcessTakesTheSettingsAndTheSource) {
    CConfigChart& chart = doc.GetSyokiSet().GetChart();
    CKouteiAttr line;
    line.m_style = 3;
    line.m_subStyle = 1;
    line.m_type = 2;
    line.m_width = 1;
    line.m_color = RGB(10, 20, 30);
    line.m_holiday = 1;
    line.m_hatch = 999;
    chart.GetKouteiAttr() = line;
    CLandAttr land;
    land.m_style = 4;
    land.m_type = 7;
    land.m_color = RGB(1, 2, 3);
    land.m_size = 100;
    chart.GetLandAttr() = land;
    doc.SetCurrentLayer(5);

    const CChartPos source = Pos(Day(2003, 2, 3), Day(2003, 2, 13), 4, 6);
    std::unique_ptr<CKoutei> process = doc.CreateKoutei(&source, TRUE);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->GetLayer(), 5);
    EXPECT_FALSE(process->GetSeqNumber().IsNull());
    EXPECT_EQ(process->GetStartTime(), Day(2003, 2, 3));
    EXPECT_EQ(process->GetEndTime(), Day(2003, 2, 13));
    EXPECT_EQ(process->GetStartRow(), 4);
    EXPECT_EQ(process->GetEndRow(), 6);
    EXPECT_EQ(process->GetStartLand()->GetPos().GetStartDate(), Day(2003, 2, 3));
    EXPECT_EQ(process->GetStartLand()->GetPos().GetStartRow(), 4);
    EXPECT_EQ(process->GetEndLand()->GetPos().GetStartDate(), Day(2003, 2, 13));
    EXPECT_EQ(process->GetEndLand()->GetPos().GetStartRow(), 6);
    EXPECT_EQ(process->GetLines()->GetAttr(), line);
    EXPECT_EQ(process->GetLines()->GetBendOffset(), 0);
    for (const CLand* node : {process->GetStartLand(), process->GetEndLand()}) {
        EXPECT_EQ(node->GetShape(), 4);
        EXPECT_EQ(node->GetSubStyle(), 7);
        EXPECT_EQ(node->GetAttr().m_color, RGB(1, 2, 3));
    }
    EXPECT_EQ(process->IsRelationLine(), 0);
    EXPECT_EQ(process->GetDuration(), CTimeSpan());
    EXPECT_EQ(process->GetSpareDays(), CTimeSpan());
    EXPECT_EQ(process->GetYogoCount(), 0);

    std::unique_ptr<CKoutei> unnumbered = doc.CreateKouteiNoNumber(nullptr);
    ASSERT_NE(unnumbered, nullptr);
    EXPECT_TRUE(unnumbered->GetSeqNumber().IsNull());
    EXPECT_EQ(unnumbered->GetStartTime().GetTime(), 0);
}

TEST_F(FactoryTest, NodesOfTheBarFormsAreHidden) {
    struct Case {
        WORD style;
        WORD expected;
    };
    const std::vector<Case> cases = {{0x80, 15},   {0x40, 15},   {0x180, 15}, {0x140, 15},
                                     {0x81, 0x81}, {0x20, 0x20}, {0, 0}};
    for (const Case& c : cases) {
        doc.GetSyokiSet().GetChart().GetLandAttr().m_style = c.style;
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(nullptr, FALSE);
        EXPECT_EQ(process->GetStartLand()->GetShape(), c.expected) << c.style;
        EXPECT_EQ(process->GetEndLand()->GetShape(), c.expected) << c.style;
    }
}

TEST_F(FactoryTest, NumbersRunOnAndNeverRepeat) {
    auto first = doc.CreateKoutei(nullptr, TRUE);
    auto second = doc.CreateKoutei(nullptr, TRUE);
    EXPECT_EQ(second->GetSeqNumber().GetLow(), first->GetSeqNumber().GetLow() + 1);

    auto kept = doc.CopyKoutei(second.get(), TRUE);
    EXPECT_EQ(kept->GetSeqNumber(), second->GetSeqNumber());
    auto renumbered = doc.CopyKoutei(second.get(), FALSE);
    EXPECT_EQ(renumbered->GetSeqNumber().GetLow(), second->GetSeqNumber().GetLow() + 1);
    EXPECT_EQ(renumbered->GetStartRow(), second->GetStartRow());
    EXPECT_EQ(doc.CopyKoutei(nullptr, FALSE), nullptr);

    // The last number has been handed out: creation and renumbering copies fail after the
    // counter's message, and the counter stays.
    doc.GetSeqNumberCtrl().Set(0xFFFF, 0xFFFFFFFFu);
    EXPECT_EQ(doc.CreateKoutei(nullptr, TRUE), nullptr);
    EXPECT_EQ(doc.CopyKoutei(second.get(), FALSE), nullptr);
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5060u);
    EXPECT_EQ(doc.GetSeqNumberCtrl().GetHigh(), 0xFFFF);
    EXPECT_EQ(doc.GetSeqNumberCtrl().GetLow(), 0xFFFFFFFFu);
    EXPECT_NE(doc.CreateKoutei(nullptr, FALSE), nullptr) << "unnumbered processes still come";
}

// A progress line of a file older than its labels takes them from the chart it is read into.
TEST_F(FactoryTest, AnOldProgressLineTakesTheChartsProgressSettings) {
    doc.GetSyokiSet().GetShin().SetDateFormat("yy/mm");
    doc.SetVersion(57000);
    CShincyoku written;
    written.GetLabelAttr().m_text = "dd";
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &doc;
        written.Serialize(ar);
        ar.Close();
    }
    std::unique_ptr<CDataHeader> made = doc.CreateObjectByKind(3, 1);
    ASSERT_NE(made, nullptr);
    auto& loaded = static_cast<CShincyoku&>(*made);
    CMemFile in(file.Data());
    CArchive ar(&in, CArchive::load);
    ar.m_pDocument = &doc;
    loaded.Serialize(ar);
    EXPECT_EQ(loaded.GetLabelAttr().m_text, "yy/mm");
}

} // namespace
} // namespace tembra
