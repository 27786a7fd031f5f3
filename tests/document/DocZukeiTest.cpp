// Drawing shapes in the document's selection: area selection by their anchors, the shape's own
// Select and Deselect on every change, and copies to the application's shape clipboard.
#include "DocTestSupport.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ScopedAppState;

// A polyline that counts how often the selection told it of a change, as a group must hear of
// it to pass it on to its members.
class CountingShape : public CZukeiPolyLine {
public:
    void Select() override {
        ++selects;
        CZukeiPolyLine::Select();
    }
    void Deselect() override {
        ++deselects;
        CZukeiPolyLine::Deselect();
    }
    int selects = 0;
    int deselects = 0;
};

class DocZukeiTest : public testing::Test {
protected:
    // A shape of the shape list from (first date, first row) to (last date, last row).
    CountingShape* AddShape(const CTime& first, double firstRow, const CTime& last,
                            double lastRow) {
        auto* shape = new CountingShape;
        shape->AddPoint(CZukeiPoint(first, firstRow));
        shape->AddPoint(CZukeiPoint(last, lastRow));
        doc.GetZukeiList().AddTail(shape);
        return shape;
    }
    bool IsInSel(const CDataHeader* object) const { return doc.FindSel(object) != nullptr; }

    ScopedAppState app;
    test::ScopedUi ui;
    CTembraDoc doc;
};

TEST_F(DocZukeiTest, AreaSelectionTakesShapesWhoseDatesAndRowsLieInside) {
    struct Case {
        const char* what;
        CTime first;
        double firstRow;
        CTime last;
        double lastRow;
        bool taken;
    };
    // The area: 1 June up to 10 June, rows 1 to 3 (to the bottom of row 3, 4.0).
    const Case cases[] = {
        {"inside", Day(2005, 6, 1), 1.0, Day(2005, 6, 9), 4.0, true},
        {"turned round", Day(2005, 6, 9), 4.0, Day(2005, 6, 1), 1.0, true},
        {"starts before", Day(2005, 5, 31), 2.0, Day(2005, 6, 5), 3.0, false},
        {"ends on the last date", Day(2005, 6, 2), 2.0, Day(2005, 6, 10), 3.0, false},
        {"above the first row", Day(2005, 6, 2), 0.5, Day(2005, 6, 5), 3.0, false},
        {"below the last row", Day(2005, 6, 2), 2.0, Day(2005, 6, 5), 4.5, false},
    };
    std::vector<CountingShape*> shapes;
    for (const Case& c : cases) {
        shapes.push_back(AddShape(c.first, c.firstRow, c.last, c.lastRow));
    }
    EXPECT_EQ(doc.SelectInArea(Day(2005, 6, 1).GetTime(), 1, Day(2005, 6, 10).GetTime(), 3, FALSE),
              2);
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        EXPECT_EQ(IsInSel(shapes[i]), cases[i].taken);
        EXPECT_EQ(shapes[i]->IsSelected(), cases[i].taken ? 1 : 0);
        EXPECT_EQ(shapes[i]->selects, cases[i].taken ? 1 : 0);
        EXPECT_NE(doc.GetZukeiList().Find(shapes[i]), nullptr) << "shapes stay in their list";
        EXPECT_EQ(doc.FindObj(shapes[i]), nullptr);
    }

    // Selected shapes are not taken twice; without limits every shape is inside.
    EXPECT_EQ(doc.SelectInArea(-1, -1, -1, -1, FALSE), 4);
    EXPECT_EQ(doc.GetSelCount(), 6);
    EXPECT_EQ(shapes[0]->selects, 1);
}

TEST_F(DocZukeiTest, EveryChangeOfTheSelectionTellsTheShape) {
    CountingShape* first = AddShape(Day(2005, 6, 1), 1.0, Day(2005, 6, 2), 2.0);
    CountingShape* second = AddShape(Day(2005, 6, 3), 1.0, Day(2005, 6, 4), 2.0);
    ASSERT_EQ(doc.SelectInArea(-1, -1, -1, -1, FALSE), 2);

    doc.MoveSelToTail(doc.FindSel(first));
    EXPECT_EQ(first->selects, 2);
    EXPECT_EQ(doc.GetSelList().GetTail(), first);

    doc.UnselectAt(doc.FindSel(second));
    EXPECT_EQ(second->deselects, 1);
    EXPECT_EQ(second->IsSelected(), 0);
    EXPECT_TRUE(doc.CancelLastSel());
    EXPECT_EQ(first->deselects, 1);

    ASSERT_EQ(doc.SelectInArea(-1, -1, -1, -1, FALSE), 2);
    doc.UnselectAll(TRUE);
    EXPECT_EQ(first->deselects, 2);
    EXPECT_EQ(second->deselects, 2);
    EXPECT_NE(doc.GetZukeiList().Find(first), nullptr);
    EXPECT_NE(doc.GetZukeiList().Find(second), nullptr);
}

TEST_F(DocZukeiTest, CopyClonesSelectedShapesToTheHeadOfTheShapeClipboard) {
    CountingShape* first = AddShape(Day(2005, 6, 1), 1.0, Day(2005, 6, 2), 2.0);
    CountingShape* second = AddShape(Day(2005, 6, 3), 1.0, Day(2005, 6, 4), 2.0);
    AddShape(Day(2005, 6, 5), 1.0, Day(2005, 6, 6), 2.0); // not selected
    auto* polygon = new CZukeiPolygon;
    polygon->AddPoint(CZukeiPoint(Day(2005, 6, 7), 1.0));
    polygon->AddPoint(CZukeiPoint(Day(2005, 6, 8), 3.0));
    doc.GetZukeiList().AddTail(polygon);
    app->GetZukeiClipboard().AddTail(new CZukeiPolygon); // of an earlier copy
    first->Select();
    doc.AddSel(first);
    polygon->Select();
    doc.AddSel(polygon);
    second->Select();
    doc.AddSel(second);

    EXPECT_EQ(doc.GetChartClipboard().CopySelectedObjects(), 3);
    const OwnedObList<CDataHeader>& clipboard = app->GetZukeiClipboard();
    ASSERT_EQ(clipboard.GetCount(), 3);
    // The last copied at the head, the first at the tail.
    POSITION pos = clipboard.GetHeadPosition();
    const std::vector<const CDataHeader*> copies{clipboard.GetNext(pos), clipboard.GetNext(pos),
                                                 clipboard.GetNext(pos)};
    const CDataHeader* originals[] = {second, polygon, first};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        EXPECT_NE(copies[i], originals[i]);
        EXPECT_EQ(copies[i]->GetRuntimeClass(), originals[i]->GetRuntimeClass());
        EXPECT_EQ(static_cast<const CZukeiEx*>(copies[i])->GetPoints(),
                  static_cast<const CZukeiEx*>(originals[i])->GetPoints());
    }
    EXPECT_TRUE(IsInSel(first)) << "a copy leaves the selection as it is";
    EXPECT_EQ(doc.GetZukeiCount(), 4);
    EXPECT_TRUE(app->GetObjectClipboard().IsEmpty());
}

} // namespace
} // namespace tembra
