// Grouping and ungrouping the selected shapes in the document's orders, deselecting shapes (which
// ends a text's edit state), marking framed texts for a new layout, and user shapes through copy,
// cut and undo.
#include "DocTestSupport.h"
#include "document/commands/ZukeiMenu.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "shapes/ZukeiGroup.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiUser.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ScopedAppState;

class DocZukeiGroupTest : public testing::Test {
protected:
    DocZukeiGroupTest() { doc.AddView(&view); }

    template <class Shape = CZukeiPolyLine> Shape* AddShape(int day) {
        auto* shape = new Shape;
        shape->AddPoint(CZukeiPoint(Day(2005, 6, day), 1.0));
        shape->AddPoint(CZukeiPoint(Day(2005, 6, day + 1), 2.0));
        doc.GetZukeiList().AddTail(shape);
        return shape;
    }
    CZukei* AddShape(std::unique_ptr<CZukei> shape) {
        CZukei* raw = shape.release();
        doc.GetZukeiList().AddTail(raw);
        return raw;
    }
    void SelectShape(CZukei* shape) {
        shape->Select();
        doc.AddSel(shape);
    }
    std::vector<const CDataHeader*> Shapes() const {
        std::vector<const CDataHeader*> list;
        const ObList<CDataHeader>& shapes = doc.GetChartObjects().GetZukeiList();
        for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
            list.push_back(shapes.GetNext(pos));
        }
        return list;
    }

    ScopedAppState app;
    test::ScopedUi ui;
    test::RecordingView view;
    CTembraDoc doc;
};

TEST_F(DocZukeiGroupTest, GroupingTakesTheSelectionFromItsTailAndUngroupingGivesItBack) {
    CZukei* a = AddShape(1);
    CZukei* other = AddShape(3);
    CZukei* b = AddShape<CZukeiPolygon>(5);
    CZukei* c = AddShape(7);
    SelectShape(a);
    SelectShape(b);
    SelectShape(c);
    auto* event = new CEvent;
    event->Select();
    doc.AddSel(event); // no shape: it stays selected and out of the group
    doc.SetCurrentLayer(4);
    doc.GetSyokiSet().GetZukei().GetAttr() =
        CZukeiAttr{3, 1, 2, -5, RGB(1, 2, 3), 99, RGB(4, 5, 6), 40};
    doc.GetUndoHistory().BeginGroup();
    doc.GetUndoHistory().AddDelete(AddShape(20));
    doc.GetZukeiList().RemoveAt(doc.GetZukeiList().GetTailPosition());
    doc.GetUndoHistory().EndGroup();
    ASSERT_TRUE(doc.GetUndoHistory().CanUndo());

    OnZukeiGroup(doc);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo()) << "grouping cannot be undone";
    ASSERT_EQ(Shapes().size(), 2u);
    EXPECT_EQ(Shapes()[0], other);
    auto* group = dynamic_cast<CZukeiGroup*>(doc.GetZukeiList().GetTail());
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->GetElementCount(), 3);
    EXPECT_EQ(group->GetMember(0), c);
    EXPECT_EQ(group->GetMember(1), b);
    EXPECT_EQ(group->GetMember(2), a);
    EXPECT_EQ(group->GetKind(), kZukeiGroup);
    EXPECT_EQ(group->GetLayer(), 4);
    EXPECT_EQ(group->GetAttr(), (CZukeiAttr{17, 1, 2, -5, RGB(1, 2, 3), 99, RGB(4, 5, 6), 40}));
    EXPECT_EQ(a->GetColor(), 0u) << "the members keep their own attributes";
    // Every shape is deselected; the event stays selected.
    EXPECT_EQ(group->IsSelected(), 0);
    for (const CZukei* member : {a, b, c}) {
        EXPECT_EQ(member->IsSelected(), 0);
    }
    ASSERT_EQ(doc.GetSelCount(), 1);
    EXPECT_EQ(doc.GetSelList().GetHead(), event);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GE(view.CountFor(group), 1);

    // Selecting the group selects its members; ungrouping appends them in member order.
    SelectShape(group);
    EXPECT_EQ(c->IsSelected(), 1);
    OnZukeiUngroup(doc);
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{other, c, b, a}));
    for (const CZukei* member : {a, b, c}) {
        EXPECT_EQ(member->IsSelected(), 0);
    }
    ASSERT_EQ(doc.GetSelCount(), 1);
    EXPECT_EQ(doc.GetSelList().GetHead(), event);
}

TEST_F(DocZukeiGroupTest, UngroupingDissolvesOneLevelOfEverySelectedGroup) {
    auto inner = std::make_unique<CZukeiGroup>();
    auto deep = std::make_unique<CZukeiPolyLine>();
    inner->AddMember(std::move(deep));
    const CZukei* innerRaw = inner.get();
    auto outer = std::make_unique<CZukeiGroup>();
    auto first = std::make_unique<CZukeiPolygon>();
    const CZukei* firstRaw = first.get();
    outer->AddMember(std::move(first));
    outer->AddMember(std::move(inner));
    CZukei* outerRaw = AddShape(std::move(outer));
    auto single = std::make_unique<CZukeiGroup>();
    auto lone = std::make_unique<CZukeiPolyLine>();
    const CZukei* loneRaw = lone.get();
    single->AddMember(std::move(lone));
    CZukei* singleRaw = AddShape(std::move(single));
    CZukei* plain = AddShape(9);
    SelectShape(singleRaw);
    SelectShape(plain);
    SelectShape(outerRaw);

    OnZukeiUngroup(doc);
    // In the order of the selection: the single group's member first, then the outer one's.
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{plain, loneRaw, firstRaw, innerRaw}));
    EXPECT_EQ(doc.GetSelCount(), 0);
    EXPECT_EQ(static_cast<const CZukeiGroup*>(innerRaw)->GetElementCount(), 1)
        << "only one level is dissolved";
}

TEST_F(DocZukeiGroupTest, WithoutASelectedShapeNothingIsGrouped) {
    CZukei* a = AddShape(1);
    OnZukeiGroup(doc);
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{a}));
    auto* event = new CEvent;
    event->Select();
    doc.AddSel(event);
    doc.SetModifiedFlag(FALSE);
    OnZukeiGroup(doc);
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{a}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetSelCount(), 1);
    // Ungrouping with no group selected changes no shape either.
    SelectShape(a);
    OnZukeiUngroup(doc);
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{a}));
}

TEST_F(DocZukeiGroupTest, AGroupTooDeepForAFileIsRefusedWithABeep) {
    std::unique_ptr<CZukei> nested = std::make_unique<CZukeiPolyLine>();
    for (int depth = 0; depth < CZukeiGroup::kMaxDepth; ++depth) {
        auto group = std::make_unique<CZukeiGroup>();
        group->AddMember(std::move(nested));
        nested = std::move(group);
    }
    CZukei* deep = AddShape(std::move(nested));
    CZukei* other = AddShape(3);
    SelectShape(deep);
    SelectShape(other);
    OnZukeiGroup(doc);
    EXPECT_EQ(ui->Beeps().size(), 1u);
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{deep, other}));
    EXPECT_EQ(doc.GetSelCount(), 2);

    // One level less is still fine.
    doc.UnselectAll(TRUE);
    doc.GetZukeiList().RemoveAt(doc.GetZukeiList().GetHeadPosition());
    CZukei* shallower = static_cast<CZukeiGroup*>(deep)->TakeMembers().front().release();
    delete deep;
    AddShape(std::unique_ptr<CZukei>(shallower));
    SelectShape(shallower);
    SelectShape(other);
    OnZukeiGroup(doc);
    EXPECT_EQ(Shapes().size(), 1u);
    EXPECT_EQ(static_cast<const CZukeiGroup*>(Shapes()[0])->GetDepth(), CZukeiGroup::kMaxDepth);
}

TEST_F(DocZukeiGroupTest, DeselectingAFramedTextEndsItsEditState) {
    auto* text = new CZukeiString;
    text->SetKind(kZukeiFramedString);
    doc.GetZukeiList().AddTail(text);
    SelectShape(text);
    text->SetEditState(1);
    doc.UnselectAt(doc.FindSel(text));
    EXPECT_EQ(text->GetEditState(), 0u);

    SelectShape(text);
    text->SetEditState(1);
    auto* event = new CEvent;
    event->Select();
    doc.AddSel(event);
    doc.GetShapes().DeselectAllZukei();
    EXPECT_EQ(text->GetEditState(), 0u);
    EXPECT_EQ(text->IsSelected(), 0);
    EXPECT_EQ(doc.GetSelCount(), 1) << "only shapes leave the selection";
    EXPECT_NE(doc.GetZukeiList().Find(text), nullptr);
}

TEST_F(DocZukeiGroupTest, InvalidateTextZukeiMarksEveryFramedText) {
    auto* framed = new CZukeiString;
    framed->SetKind(kZukeiFramedString);
    auto* plain = new CZukeiString;
    auto grouped = std::make_unique<CZukeiString>();
    grouped->SetKind(kZukeiFramedString);
    const CZukeiString* groupedRaw = grouped.get();
    auto group = std::make_unique<CZukeiGroup>();
    group->AddMember(std::move(grouped));
    doc.GetZukeiList().AddTail(framed);
    doc.GetZukeiList().AddTail(plain);
    AddShape(std::move(group));
    AddShape(1);
    doc.GetShapes().InvalidateTextZukei();
    EXPECT_TRUE(framed->GetUpdate());
    EXPECT_FALSE(plain->GetUpdate());
    EXPECT_TRUE(groupedRaw->GetUpdate()) << "a framed text in a group is laid out anew as well";
}

TEST_F(DocZukeiGroupTest, UserShapesAreCopiedCutAndComeBackWithUndo) {
    auto* user = new CZukeiUser;
    user->SetLayer(2);
    user->SetAttr(CZukeiAttr{0, 0, 0, 0, RGB(9, 9, 9), 100, 0, 30});
    doc.GetZukeiList().AddTail(user);
    SelectShape(user);

    EXPECT_EQ(doc.GetChartClipboard().CopySelectedObjects(), 1);
    ASSERT_EQ(app->GetZukeiClipboard().GetCount(), 1);
    const auto* copy = dynamic_cast<const CZukeiUser*>(app->GetZukeiClipboard().GetHead());
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, user);
    EXPECT_EQ(copy->GetLayer(), 2);
    EXPECT_EQ(copy->GetColor(), RGB(9, 9, 9));

    doc.GetChartClipboard().CutSelectedObjects();
    ASSERT_EQ(app->GetZukeiClipboard().GetCount(), 1);
    EXPECT_NE(dynamic_cast<const CZukeiUser*>(app->GetZukeiClipboard().GetHead()), nullptr);
    EXPECT_TRUE(Shapes().empty());
    ASSERT_TRUE(doc.GetUndoHistory().CanUndo());
    doc.GetUndoHistory().Undo();
    EXPECT_EQ(Shapes(), (std::vector<const CDataHeader*>{user}));
}

} // namespace
} // namespace tembra
