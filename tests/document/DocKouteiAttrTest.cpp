// The process-line and node attributes of the menus: what changes on the selected processes and
// what stays selected, the defaults of new processes, and the menu's check marks.
#include "KouteiChainFixture.h"
#include "document/KouteiAttrCommands.h"
#include "document/KouteiBarObserver.h"
#include "model/OperationState.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::ChartDay;
using test::KouteiPlan;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kOther = 0x123456;

class KouteiBarRecorder : public IKouteiBarObserver {
public:
    void SetKouteiColor(COLORREF color) override { colors.push_back(color); }
    COLORREF GetKouteiColor() const override { return colors.empty() ? 0 : colors.back(); }
    int GetKouteiColorIndex() const override { return 0; }
    std::vector<COLORREF> colors;
};

class KouteiAttrTest : public test::KouteiChainFixture {
protected:
    KouteiAttrTest() { app->SetKouteiBar(&bar); }
    ~KouteiAttrTest() override { app->SetKouteiBar(nullptr); }

    CKouteiAttr& Defaults() { return doc.GetSyokiSet().GetChart().GetKouteiAttr(); }
    CLandAttr& LandDefaults() { return doc.GetSyokiSet().GetChart().GetLandAttr(); }
    // The check the command's update handler gives.
    int Check(UINT id) {
        CCmdUI ui(id);
        doc.UpdateKouteiAttrUI(&ui);
        return ui.GetCheck();
    }
    int LandCheck(UINT id) {
        CCmdUI ui(id);
        doc.UpdateLandAttrUI(&ui);
        return ui.GetCheck();
    }

    KouteiBarRecorder bar;
};

// ---- Line attributes ----------------------------------------------------------------------------

struct LineCase {
    const char* name;
    std::function<void(CTembraDoc&)> command;
    std::function<bool(const CKouteiAttr&)> applied;
    bool staysSelected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class LineAttrTest : public KouteiAttrTest, public testing::WithParamInterface<LineCase> {};

TEST_P(LineAttrTest, ChangesTheSelectedLinesOrElseTheDefaults) {
    const LineCase& c = GetParam();
    Add({"A", 0, 5, 1, 1});
    Add({"B", 0, 5, 2, 2}); // selected without its line: left as it is
    SelectWhole("A");
    Get("B")->SelectStartLand();
    doc.SelectAt(doc.FindObj(Get("B")));
    const CKoutei* const a = Get("A");
    const CKoutei* const b = Get("B");
    const CKouteiAttr defaults = Defaults();

    c.command(doc);
    EXPECT_NE(Get("A"), a);
    EXPECT_EQ(Get("A")->GetSeqNumber(), a->GetSeqNumber());
    EXPECT_TRUE(c.applied(Get("A")->GetLines()->GetAttr()));
    EXPECT_EQ(Get("A")->IsSelected() != 0, c.staysSelected);
    EXPECT_EQ(Get("B"), b);
    EXPECT_EQ(Defaults(), defaults);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Get("A"), a);

    // Nothing with a selected line: the defaults of new processes change.
    doc.UnselectAll();
    c.command(doc);
    EXPECT_TRUE(c.applied(Defaults()));
    EXPECT_EQ(Get("A"), a);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineAttrTest,
    testing::Values(LineCase{"style", [](CTembraDoc& d) { d.SetKouteiAttr({.style = 0x280}); },
                             [](const CKouteiAttr& a) { return a.m_style == 0x280; }, true},
                    LineCase{"sub_style", [](CTembraDoc& d) { d.SetKouteiAttr({.subStyle = 2}); },
                             [](const CKouteiAttr& a) { return (a.m_subStyle & 2) != 0; }, true},
                    LineCase{"type", [](CTembraDoc& d) { d.SetKouteiAttr({.type = 5}); },
                             [](const CKouteiAttr& a) { return a.m_type == 5; }, true},
                    LineCase{"width", [](CTembraDoc& d) { d.SetKouteiAttr({.width = 2}); },
                             [](const CKouteiAttr& a) { return a.m_width == 2; }, true},
                    LineCase{"holiday", [](CTembraDoc& d) { d.SetKouteiAttr({.holiday = 1}); },
                             [](const CKouteiAttr& a) { return a.m_holiday == 1; }, true},
                    LineCase{"hatch", [](CTembraDoc& d) { d.SetKouteiAttr({.hatch = 99}); },
                             [](const CKouteiAttr& a) { return a.m_hatch == 99; }, true},
                    // A new colour shows only on a process that is not drawn selected.
                    LineCase{"color", [](CTembraDoc& d) { d.SetKouteiAttr({.color = kRed}); },
                             [](const CKouteiAttr& a) { return a.m_color == kRed; }, false}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST_F(KouteiAttrTest, SubStyleClearsReplacesOrToggles) {
    const struct {
        WORD before;
        WORD code;
        WORD after;
    } cases[] = {
        {3, 0, 0},      // 全解除
        {1, 0x8002, 2}, // bit 15: the whole word
        {0, 1, 1},      // set
        {1, 1, 0},      // cleared again
        {2, 3, 0},      // one of them set: cleared together
    };
    for (const auto& c : cases) {
        Defaults().m_subStyle = c.before;
        doc.SetKouteiAttr({.subStyle = c.code});
        EXPECT_EQ(Defaults().m_subStyle, c.after) << c.before << " " << c.code;
    }
}

TEST_F(KouteiAttrTest, AStyleOtherThanDiagonalMakesARelationLineAPlainProcess) {
    for (const int style : {5, 4}) {
        doc.UnselectAll();
        CKoutei* line = Add({"R" + std::to_string(style), 0, 5, 1, 3, 0, kLineShapeRelation});
        line->SetRelationLine(1);
        line->SetStartLandNo(0, 77);
        SelectWhole("R" + std::to_string(style));
        doc.SetKouteiAttr({.style = style});
        const CKoutei* changed = Get("R" + std::to_string(style));
        EXPECT_EQ(changed->IsRelationLine() != 0, style == 5) << style;
        EXPECT_EQ(changed->GetStartLandNo().IsNull(), style != 5) << style;
    }
    // The defaults: the relation flag of new processes goes with any other style.
    CConfigChart& chart = doc.GetSyokiSet().GetChart();
    doc.UnselectAll();
    chart.SetKouteiSpare(1);
    doc.SetKouteiAttr({.style = 5});
    EXPECT_EQ(chart.GetKouteiSpare(), 1);
    doc.SetKouteiAttr({.style = 3});
    EXPECT_EQ(chart.GetKouteiSpare(), 0);
}

TEST_F(KouteiAttrTest, UpsideDownTurnsOnlyVerticalProcesses) {
    Add({"V", 4, 4, 2, 6});
    Add({"H", 0, 5, 1, 3});
    SelectWhole("V");
    SelectWhole("H");
    CKoutei* const h = Get("H");
    doc.SetKouteiAttr({.reverse = true});

    const CKoutei* v = Get("V");
    EXPECT_EQ(v->GetStartRow(), 6);
    EXPECT_EQ(v->GetEndRow(), 2);
    EXPECT_EQ(v->GetStartLand()->GetPos().GetStartRow(), 6);
    EXPECT_EQ(v->GetEndLand()->GetPos().GetStartRow(), 2);
    EXPECT_EQ(Get("H"), h);
    EXPECT_EQ(h->GetStartRow(), 1);
    EXPECT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
    EXPECT_NE(Get("V")->IsSelected(), 0);
}

TEST_F(KouteiAttrTest, OtherColorOfTheDefaultsIsRemembered) {
    doc.SetKouteiAttr({.color = kOther});
    EXPECT_EQ(Defaults().m_color, kOther);
    EXPECT_EQ(app->GetKouteiCustomColor(), kOther);
    doc.SetKouteiAttr({.color = kRed});
    EXPECT_EQ(app->GetKouteiCustomColor(), kOther);
}

// ---- Node attributes ----------------------------------------------------------------------------

TEST_F(KouteiAttrTest, NodeShapesSizesAndTheConnectionMark) {
    const struct {
        const char* name;
        WORD style;
        WORD subStyle;
        WORD size;
        int shape;
        int sizeGiven;
        WORD styleAfter;
        WORD subStyleAfter;
        WORD sizeAfter;
    } cases[] = {
        {"to_a_milestone", 2, 0, 100, 0x109, -1, 0x109, 0, 300},
        {"back_to_a_diamond", 0x209, 0, 300, 9, -1, 9, 0, 100},
        {"milestone_to_milestone", 0x109, 0, 250, 0x209, -1, 0x209, 0, 250},
        {"a_given_size_wins", 2, 0, 100, 0x109, 180, 0x109, 0, 180},
        {"size_only", 2, 0, 100, -1, 150, 2, 0, 150},
        {"connection_mark_clears_other_flags", 2, 0x41, 100, 0x80, -1, 2, 0x80, 100},
        {"connection_mark_off", 2, 0x80, 100, 0x80, -1, 2, 0, 100},
    };
    for (const auto& c : cases) {
        doc.UnselectAll();
        CKoutei* process = Add({c.name, 0, 5, 1, 1});
        for (CLand* land : {process->GetStartLand(), process->GetEndLand()}) {
            land->SetShape(c.style);
            land->SetSubStyle(c.subStyle);
            land->SetSize(c.size);
        }
        process->SelectStartLand(); // only the start node is chosen
        process->SelectLines();
        doc.SelectAt(doc.FindObj(process));
        doc.SetLandAttr(c.shape, c.sizeGiven);

        const CKoutei* changed = Get(c.name);
        EXPECT_NE(changed, process) << c.name;
        EXPECT_NE(changed->IsSelected(), 0) << c.name;
        EXPECT_EQ(changed->GetStartLand()->GetShape(), c.styleAfter) << c.name;
        EXPECT_EQ(changed->GetStartLand()->GetSubStyle(), c.subStyleAfter) << c.name;
        EXPECT_EQ(changed->GetStartLand()->GetSize(), c.sizeAfter) << c.name;
        EXPECT_EQ(changed->GetEndLand()->GetShape(), c.style) << c.name;

        // The same on the defaults when no node is selected.
        doc.UnselectAll();
        LandDefaults().m_style = c.style;
        LandDefaults().m_type = c.subStyle;
        LandDefaults().m_size = c.size;
        doc.SetLandAttr(c.shape, c.sizeGiven);
        EXPECT_EQ(LandDefaults().m_style, c.styleAfter) << c.name;
        EXPECT_EQ(LandDefaults().m_type, c.subStyleAfter) << c.name;
        EXPECT_EQ(LandDefaults().m_size, c.sizeAfter) << c.name;
    }
}

TEST_F(KouteiAttrTest, NoSelectedNodeChangesOnlyTheDefaults) {
    CKoutei* const process = Add({"A", 0, 5, 1, 1});
    process->SelectLines();
    doc.SelectAt(doc.FindObj(process));
    doc.SetLandAttr(4, -1);
    EXPECT_EQ(Get("A"), process);
    EXPECT_TRUE(doc.GetUndoHistory().GetUndoList().empty());
    EXPECT_EQ(LandDefaults().m_style, 4);
}

// ---- Check marks --------------------------------------------------------------------------------

TEST_F(KouteiAttrTest, ChecksFollowTheFirstSelectedLineOrTheDefaults) {
    const struct {
        const char* name;
        WORD style;
        UINT id;
        int check;
    } styles[] = {
        {"shape_by_its_low_byte", 0x202, 32877, 1},     // Ｙ先行エルボ (2)
        {"other_shape", 0x202, 32876, 0},               // Ｘ先行エルボ (3)
        {"outline_by_the_whole_word", 0x280, 32863, 1}, // 囲み２
        {"other_outline", 0x280, 32862, 0},             // 囲み１ (0x180)
        {"bar_is_no_outline", 0x140, 32862, 0},
        {"bar", 0x140, 32838, 1},
    };
    CKoutei* reference = Add({"A", 0, 5, 1, 1});
    SelectWhole("A");
    for (const auto& c : styles) {
        reference->GetLines()->GetAttr().m_style = c.style;
        EXPECT_EQ(Check(c.id), c.check) << c.name;
    }
    CKouteiAttr& attr = reference->GetLines()->GetAttr();
    attr.m_subStyle = 2;
    attr.m_hatch = 3;
    attr.m_color = kOther;
    EXPECT_EQ(Check(32875), 1); // 矢印無
    EXPECT_EQ(Check(32861), 0); // 斜　行
    EXPECT_EQ(Check(32852), 1); // 右上り斜線
    EXPECT_EQ(Check(33069), 1); // その他, remembered
    EXPECT_EQ(app->GetKouteiCustomColor(), kOther);
    EXPECT_EQ(Check(32868), 0); // 赤
    EXPECT_EQ(bar.colors, (std::vector<COLORREF>{kOther, kOther}));

    // Without a selected line the defaults answer.
    doc.UnselectAll();
    Defaults().m_color = kRed;
    Defaults().m_width = 1;
    EXPECT_EQ(Check(32868), 1);
    EXPECT_EQ(Check(32872), 1); // 細い
    CCmdUI barColor(kKouteiBarColorId);
    doc.UpdateKouteiAttrUI(&barColor);
    EXPECT_EQ(bar.colors.back(), kRed);
}

TEST_F(KouteiAttrTest, UpsideDownIsEnabledOnlyForAVerticalProcess) {
    const auto enabled = [this]() {
        CCmdUI ui(32874);
        doc.UpdateKouteiAttrUI(&ui);
        EXPECT_TRUE(ui.IsEnableSet());
        return ui.IsEnabled();
    };
    EXPECT_FALSE(enabled()); // the defaults
    Add({"H", 0, 5, 1, 3});
    SelectWhole("H");
    EXPECT_FALSE(enabled());
    doc.UnselectAll();
    Add({"V", 4, 4, 2, 6});
    SelectWhole("V");
    EXPECT_TRUE(enabled());
    Get("V")->SetRelationLine(1);
    EXPECT_FALSE(enabled());
}

TEST_F(KouteiAttrTest, NodeChecksFollowTheFirstSelectedNode) {
    LandDefaults().m_style = 7;
    LandDefaults().m_type = 0x80;
    EXPECT_EQ(LandCheck(32896), 1); // □ of the defaults
    EXPECT_EQ(LandCheck(32890), 0); // 接　続 is unchecked without a selection

    CKoutei* process = Add({"A", 0, 5, 1, 1});
    process->GetStartLand()->SetShape(3);
    process->GetEndLand()->SetShape(10);
    process->GetEndLand()->SetSubStyle(0x80);
    process->SelectEndLand();
    doc.SelectAt(doc.FindObj(process));
    EXPECT_EQ(LandCheck(32885), 1); // ◆ of the end node
    EXPECT_EQ(LandCheck(32897), 0); // △ of the unselected start node
    EXPECT_EQ(LandCheck(32890), 1);
    process->SelectStartLand();
    EXPECT_EQ(LandCheck(32897), 1);
    EXPECT_EQ(LandCheck(32890), 0);
}

} // namespace
} // namespace tembra
