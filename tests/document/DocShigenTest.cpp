// The resources of processes in the document: labels and name lengths over the document's
// table, giving and taking the selected processes' resources with undo, and the merge of a
// paste's resource names.
#include "DocTestSupport.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Koutei.h"
#include "model/Shigen.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::J;
using test::ScopedAppState;

void SetNames(CShigenNameTable& table, const std::vector<std::string>& names) {
    table.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        table.push_back(std::make_unique<CShigenName>(static_cast<WORD>(i + 1), 0, names[i]));
    }
}

std::vector<std::string> Names(const CShigenNameTable& table) {
    std::vector<std::string> names;
    for (const auto& entry : table) {
        names.push_back(entry->GetName());
    }
    return names;
}

// Number and amount of each entry.
std::vector<std::pair<int, int>> Entries(const CShigen& resources) {
    std::vector<std::pair<int, int>> entries;
    for (const auto& entry : resources.GetEntries()) {
        entries.emplace_back(entry->GetNumber(), entry->GetQuantity());
    }
    return entries;
}

class DocShigenTest : public testing::Test {
protected:
    DocShigenTest() {
        doc.GetOperation().SetMode(COperationState::kModeShigen);
        doc.GetOperation().SetOperation(COperationState::kOpEdit);
    }

    CKoutei* AddSelected(const std::vector<std::pair<WORD, WORD>>& resources) {
        auto* process = new CKoutei;
        for (const auto& [number, amount] : resources) {
            process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(number, amount));
        }
        process->Select();
        doc.AddSel(process);
        return process;
    }
    CKoutei* SelAt(int index) const {
        return static_cast<CKoutei*>(doc.GetSelList().GetAt(doc.GetSelList().FindIndex(index)));
    }

    ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
};

TEST_F(DocShigenTest, LabelsPadNamesByBytesAndAlignAmounts) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::pair<WORD, WORD>> entries;
        int index;
        std::string label;
    };
    const Case cases[] = {
        {{"ABCDEF", "ABCDEFGH"}, {{1, 12}, {2, 3}}, 0, "[ABCDEF   12]"},
        {{"ABCDEF", "ABCDEFGH"}, {{1, 12}, {2, 3}}, 1, "[ABCDEFGH  3]"},
        {{"ABCDEF", "ABCDEFGH"}, {{1, 12}, {2, 3}}, -1, "[ABCDEFGH 12]"},
        // Four bytes of a double-byte name against a six-byte one: two blanks of padding.
        {{J("資材"), "ABCDEF"}, {{1, 5}, {2, 10}}, 0, J("[資材    5]")},
        // An entry without an amount neither shows nor widens the label.
        {{"A", "LONGNAME"}, {{1, 7}, {2, 0}}, 1, "[A 7]"},
        // A number without a table entry has an empty name.
        {{"AB"}, {{9, 4}, {1, 40}}, 0, "[    4]"},
    };
    for (const Case& c : cases) {
        SetNames(doc.GetShigenNames(), c.names);
        CShigen resources;
        for (const auto& [number, amount] : c.entries) {
            resources.AddShigenData(std::make_unique<CShigenData>(number, amount));
        }
        EXPECT_EQ(doc.GetShigenLabel(resources, c.index), c.label) << c.label;
    }

    SetNames(doc.GetShigenNames(), {J("資材"), "ABCDEFGH", "X"});
    EXPECT_EQ(doc.GetResources().GetShigenNameLength(0), 4);
    EXPECT_EQ(doc.GetResources().GetShigenNameLength(3), -1);
    EXPECT_EQ(doc.GetResources().GetLongestShigenName(), 8);
    CShigen some;
    some.AddShigenData(std::make_unique<CShigenData>(1, 2));
    some.AddShigenData(std::make_unique<CShigenData>(2, 0));
    EXPECT_EQ(doc.GetResources().GetLongestShigenNameOf(some), 4) << "only entries with an amount";
}

TEST_F(DocShigenTest, ANewResourceListHasTheLabelDefaults) {
    std::unique_ptr<CShigen> resources = CChartResources::CreateShigen();
    ASSERT_NE(resources, nullptr);
    const CElemAttr& attr = resources->GetAttr();
    EXPECT_EQ(attr.m_fontHeigh, 1);
    EXPECT_EQ(attr.m_fontWidth, 1);
    EXPECT_EQ(attr.m_form, 1);
    EXPECT_EQ(attr.m_color, 0u);
    EXPECT_EQ(attr.m_attrb, 0);
    EXPECT_EQ(attr.m_stack, 1);
    EXPECT_EQ(attr.m_offsetX, 0);
    EXPECT_EQ(attr.m_drawerY, 0);
    EXPECT_EQ(resources->GetCount(), 0);

    resources->AddShigenData(std::make_unique<CShigenData>(3, 4));
    std::unique_ptr<CShigen> copy = CChartResources::CopyShigen(*resources);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Entries(*copy), (std::vector<std::pair<int, int>>{{3, 4}}));
}

TEST_F(DocShigenTest, GivingResourcesActsOnlyWhenEditingResources) {
    struct Case {
        LONG mode;
        LONG operation;
        bool changes;
    };
    const Case cases[] = {
        {COperationState::kModeShigen, COperationState::kOpEdit, true},
        {COperationState::kModeShigen, COperationState::kOpDraw, false},
        {COperationState::kModeKoutei, COperationState::kOpEdit, false},
    };
    const CShigenData given[] = {{1, 5}};
    for (const Case& c : cases) {
        doc.GetUndoHistory().Reset();
        doc.FreeAllObjects();
        CKoutei* process = AddSelected({});
        doc.GetOperation().SetMode(c.mode);
        doc.GetOperation().SetOperation(c.operation);
        doc.GetResources().SetSelShigen(given);
        EXPECT_EQ(SelAt(0) != process, c.changes) << c.mode << " " << c.operation;
    }
    // Nothing selected: nothing to do.
    doc.GetUndoHistory().Reset();
    doc.FreeAllObjects();
    doc.GetOperation().SetMode(COperationState::kModeShigen);
    doc.GetOperation().SetOperation(COperationState::kOpEdit);
    doc.GetResources().SetSelShigen(given);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
}

TEST_F(DocShigenTest, GivenResourcesReplaceTheOldOnesWithoutZeroAmounts) {
    CKoutei* withMany = AddSelected({{1, 1}, {2, 2}, {3, 3}});
    withMany->GetShigen()->GetAttr().m_color = RGB(1, 2, 3);
    CKoutei* without = AddSelected({});
    const CShigenData given[] = {{4, 10}, {5, 0}, {6, 30}};
    doc.GetResources().SetSelShigen(given);

    ASSERT_EQ(doc.GetSelCount(), 2);
    const CKoutei* first = SelAt(0);
    const CKoutei* second = SelAt(1);
    EXPECT_NE(first, withMany);
    EXPECT_EQ(Entries(*first->GetShigen()), (std::vector<std::pair<int, int>>{{4, 10}, {6, 30}}));
    EXPECT_EQ(first->GetShigen()->GetAttr().m_color, RGB(1, 2, 3)) << "its label stays";
    EXPECT_EQ(first->IsSelected(), 1);
    EXPECT_EQ(Entries(*second->GetShigen()), (std::vector<std::pair<int, int>>{{4, 10}, {6, 30}}));
    EXPECT_EQ(second->GetShigen()->GetAttr().m_stack, 1) << "a new list with the defaults";
    EXPECT_EQ(second->GetShigen()->IsSelected(), 1);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(SelAt(0), withMany);
    EXPECT_EQ(SelAt(1), without);
    EXPECT_EQ(without->GetShigenCount(), 0);
}

TEST_F(DocShigenTest, ClearingResourcesLeavesCopiesWithoutThemOutOfTheSelection) {
    CKoutei* with = AddSelected({{1, 1}});
    CKoutei* without = AddSelected({});
    doc.GetResources().ClearSelShigen();
    EXPECT_EQ(doc.GetSelCount(), 1);
    EXPECT_EQ(SelAt(0), without) << "nothing to take from it";
    ASSERT_EQ(doc.GetObjCount(), 1);
    const auto* copy = static_cast<const CKoutei*>(doc.GetObjList().GetHead());
    EXPECT_NE(copy, with);
    EXPECT_EQ(copy->GetShigenCount(), 0);
    EXPECT_EQ(copy->IsSelected(), 0);
    // Undo puts the process back where the copy stands now.
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(doc.GetObjList().GetHead(), with);
    EXPECT_EQ(with->GetShigenCount(), 1);
}

TEST_F(DocShigenTest, PastedNamesTakeTheirNumbersInTheTable) {
    struct Case {
        std::vector<std::string> table;
        std::vector<std::string> pasted;
        std::vector<int> numbers;
        std::vector<std::string> merged;
        int changed;
    };
    const Case cases[] = {
        {{"A", "B"}, {"B", "C", "D"}, {2, 3, 4}, {"A", "B", "C", "D"}, 1},
        {{}, {"B", "C", "B"}, {1, 2, 3}, {"B", "C", "B"}, 1},
        {{"A", "B"}, {"A", "B"}, {1, 2}, {"A", "B"}, 0},
        {{"A"}, {"A", "B"}, {1, 2}, {"A", "B"}, 1},
        {{"A", "B"}, {"C", "C"}, {3, 3}, {"A", "B", "C"}, 1},
        {{"A"}, {}, {}, {"A"}, 0},
    };
    for (const Case& c : cases) {
        SetNames(doc.GetShigenNames(), c.table);
        SetNames(app->GetShigenNameClipboard(), c.pasted);
        EXPECT_EQ(doc.GetResources().MergeShigenNames(), c.changed) << c.pasted.size();
        std::vector<int> numbers;
        for (const auto& entry : app->GetShigenNameClipboard()) {
            numbers.push_back(entry->GetNumber());
        }
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(Names(doc.GetShigenNames()), c.merged);
        for (std::size_t j = 0; j < doc.GetShigenNames().size(); ++j) {
            EXPECT_EQ(doc.GetShigenNames()[j]->GetNumber(), j + 1) << "table entry " << j;
        }
    }

    // A pasted process's entries follow: its resource 2 was "C", which is 3 here.
    SetNames(doc.GetShigenNames(), {"A", "B"});
    SetNames(app->GetShigenNameClipboard(), {"B", "C"});
    ASSERT_EQ(doc.GetResources().MergeShigenNames(), 1);
    CShigen pasted;
    pasted.AddShigenData(std::make_unique<CShigenData>(2, 9));
    pasted.AddShigenData(std::make_unique<CShigenData>(1, 8));
    pasted.RemapNumbers(app->GetShigenNameClipboard());
    EXPECT_EQ(Entries(pasted), (std::vector<std::pair<int, int>>{{3, 9}, {2, 8}}));
    EXPECT_EQ(doc.GetShigenLabel(pasted, 0), "[C 9]");
}

} // namespace
} // namespace tembra
