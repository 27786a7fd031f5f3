// The document's operations on drawing shapes: creation by the settings' style, conversion to a
// framed text, order, copy and move with undo, and the shapes following row and column edits.
// The chart view is a round-numbered layout: a day 100 units wide from 1 April 2010, a row 50
// high.
#include "DocTestSupport.h"
#include "PageFixture.h"

#include "document/ChartViewLayout.h"
#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "render/PageLayout.h"
#include "shapes/DatePos.h"
#include "shapes/ZukeiArc.h"
#include "shapes/ZukeiArrow1.h"
#include "shapes/ZukeiArrow2.h"
#include "shapes/ZukeiBox.h"
#include "shapes/ZukeiBox2.h"
#include "shapes/ZukeiCircle.h"
#include "shapes/ZukeiDelta1.h"
#include "shapes/ZukeiDelta2.h"
#include "shapes/ZukeiDiamond.h"
#include "shapes/ZukeiEllipse.h"
#include "shapes/ZukeiFan.h"
#include "shapes/ZukeiGeometry.h"
#include "shapes/ZukeiLine.h"
#include "shapes/ZukeiPolyLine.h"
#include "shapes/ZukeiPolygon.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiUser.h"
#include "shapes/ZukeiView.h"
#include "support/Cp932Text.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>
#include <vector>

namespace tembra {
namespace {

using test::Day;
using test::ScopedAppState;

// A chart view: a page layout bound to the document, which the document measures arcs on.
class ChartView : public CView, public IChartViewLayout, public IPageLayoutView {
public:
    void OnUpdate(CView*, LPARAM, CObject*) override {}
    const CPageLayout* GetChartLayout() const override { return &layout; }
    IPageLayoutDocument* GetLayoutDocument() const override {
        return DocumentSeam<IPageLayoutDocument>(GetDocument());
    }
    CPageLayout layout;
};

class DocZukeiEditTest : public testing::Test {
protected:
    DocZukeiEditTest() {
        // A new chart first: it takes the application's settings, which the page below replaces.
        doc.OnNewDocument();
        CSyokiSet& set = doc.GetSyokiSet();
        test::SetAprilPage(set);
        doc.AddView(&view);
        view.layout.Init(&view);
    }

    // A box from (day, top row) to (day + 1, bottom row) of April 2010.
    CZukeiBox* AddBox(double top, double bottom, int day = 10, short pointMode = kPlaceOnChart) {
        auto* box = new CZukeiBox;
        box->SetAnchors(Day(2010, 4, day), top, Day(2010, 4, day + 1), bottom);
        box->SetPointMode(pointMode);
        doc.GetShapes().AddZukei(box, FALSE);
        return box;
    }
    std::vector<CDataHeader*> Shapes() const {
        std::vector<CDataHeader*> shapes;
        for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
            shapes.push_back(doc.GetShapes().GetNextZukei(pos));
        }
        return shapes;
    }
    void Select(CZukei* shape) {
        shape->Select();
        doc.GetShapes().AddSelZukei(shape);
    }
    static std::pair<double, double> Rows(const CZukei* shape) {
        return {shape->GetTopRow(0), shape->GetBottomRow(0)};
    }

    ScopedAppState app;
    test::ScopedUi ui;
    ChartView view;
    CTembraDoc doc;
};

TEST_F(DocZukeiEditTest, TheStyleTableMakesEachShape) {
    struct Case {
        short style;
        const std::type_info& type;
        WORD kind;
    };
    const Case cases[] = {
        {0, typeid(CZukeiLine), kZukeiLine},
        {1, typeid(CZukeiPolyLine), kZukeiPolyLine},
        {2, typeid(CZukeiPolygon), kZukeiPolygon},
        {3, typeid(CZukeiBox), kZukeiBox},
        {4, typeid(CZukeiBox2), kZukeiBox2},
        {5, typeid(CZukeiCircle), kZukeiCircle},
        {6, typeid(CZukeiEllipse), kZukeiEllipse},
        {7, typeid(CZukeiArc), kZukeiArc},
        {8, typeid(CZukeiFan), kZukeiFan},
        {9, typeid(CZukeiDelta1), kZukeiDelta1},
        {10, typeid(CZukeiDelta2), kZukeiDelta2},
        {11, typeid(CZukeiArrow1), kZukeiArrow1},
        {12, typeid(CZukeiArrow2), kZukeiArrow2},
        {13, typeid(CZukeiDiamond), kZukeiDiamond},
        {14, typeid(CZukeiString), kZukeiFramedString},
        {15, typeid(CZukeiUser), kZukeiUser},
        {16, typeid(CZukeiString), kZukeiString},
    };
    CZukeiAttr attr{0, 1, 2, 3, RGB(4, 5, 6), 7, RGB(8, 9, 10), 11};
    doc.SetCurrentLayer(5);
    for (const Case& c : cases) {
        attr.m_style = c.style;
        doc.GetSyokiSet().GetZukei().GetAttr() = attr;
        std::unique_ptr<CZukei> shape = doc.GetShapes().CreateZukei();
        ASSERT_NE(shape, nullptr) << c.style;
        EXPECT_EQ(typeid(*shape), c.type) << c.style;
        EXPECT_EQ(shape->GetKind(), c.kind) << c.style;
        EXPECT_EQ(shape->GetAttr(), attr) << c.style;
        EXPECT_EQ(shape->GetLayer(), 5) << c.style;
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
    attr.m_style = 17;
    doc.GetSyokiSet().GetZukei().GetAttr() = attr;
    EXPECT_EQ(doc.GetShapes().CreateZukei(), nullptr);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5021u);
}

TEST_F(DocZukeiEditTest, AFramedTextTakesItsFrameFromTheFrameStyle) {
    CConfigZukei& settings = doc.GetSyokiSet().GetZukei();
    settings.GetAttr().m_style = 14;
    settings.GetTextAttr().m_form = 2;
    settings.GetTextAttr().m_attrb = 0x0200;
    settings.GetTextAttr().m_color = RGB(0, 0, 200);
    LOGFONT font;
    font.lfHeight = -36;
    settings.SetLogFont(font);
    struct Case {
        short frameStyle;
        short styleNo;
        WORD frameKind;
    };
    const Case cases[] = {
        {3, 3, 4},
        {4, 4, 5},
        {5, 5, 6},
        {6, 6, 7},
        {9, 9, 10},
        {10, 10, 11},
        {11, 11, 12},
        {12, 12, 13},
        {13, 13, 14},
        // A style whose outline frames nothing: the box.
        {7, 3, 4},
        {0, 3, 4},
        {14, 3, 4},
        {-1, 3, 4},
    };
    for (const Case& c : cases) {
        doc.GetShapes().SetZukeiFrameStyle(c.frameStyle);
        std::unique_ptr<CZukei> shape = doc.GetShapes().CreateZukei();
        auto* text = dynamic_cast<CZukeiString*>(shape.get());
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetKind(), kZukeiFramedString);
        EXPECT_EQ(text->GetStyleNo(), c.styleNo) << c.frameStyle;
        EXPECT_EQ(text->GetFrameKind(), c.frameKind) << c.frameStyle;
        EXPECT_EQ(text->GetFont(), font);
        EXPECT_EQ(text->GetTextAttr().m_form, 2);
        EXPECT_EQ(text->GetTextAttr().m_attrb, 0x0200);
        EXPECT_EQ(text->GetTextAttr().m_color, RGB(0, 0, 200));
    }
}

TEST_F(DocZukeiEditTest, ThePlanSheetTextHasItsFontHeightByPaper) {
    LOGFONT settingsFont;
    settingsFont.lfHeight = -20;
    doc.GetSyokiSet().GetZukei().SetLogFont(settingsFont);
    const std::string face = test::J("ＭＳ 明朝");
    struct Case {
        int paper;
        LONG height;
    };
    const Case cases[] = {{kPaperA4, 32}, {kPaperA3Tate, 32}, {kPaperA2, 40}, {kPaperA1, 40}};
    for (const Case& c : cases) {
        doc.GetUndoHistory().Reset();
        doc.GetSyokiSet().GetPageSetting().SetPaperKind(c.paper);
        std::unique_ptr<CZukeiString> text = doc.GetShapes().CreateTextZukei(face);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetFont().lfHeight, c.height) << c.paper;
        EXPECT_EQ(text->GetFont().FaceName(), face);
        EXPECT_EQ(text->GetKind(), kZukeiFramedString);
        EXPECT_EQ(text->GetStyle(), 14);
        EXPECT_EQ(text->GetStyleNo(), 3);
        EXPECT_EQ(text->GetFrameKind(), kZukeiBox);
        EXPECT_EQ(doc.GetZukeiCount(), 0) << "the caller adds it";
        ASSERT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u);
        EXPECT_EQ(doc.GetUndoHistory().GetUndoList()[0].GetNew(), text.get());
        doc.GetUndoHistory().Reset();
    }
    doc.GetSyokiSet().GetPageSetting().SetPaperKind(kPaperKindCount);
    EXPECT_EQ(doc.GetShapes().CreateTextZukei(face)->GetFont(), settingsFont);
    doc.GetUndoHistory().Reset();
}

TEST_F(DocZukeiEditTest, AConvertedShapeBecomesAFramedTextInItsPlace) {
    CZukeiBox* back = AddBox(1, 2);
    auto* ellipse = new CZukeiEllipse;
    ellipse->SetAnchors(Day(2010, 4, 3), 4.0, Day(2010, 4, 6), 7.0);
    ellipse->SetStyle(6);
    ellipse->SetLayer(2);
    doc.GetShapes().AddZukei(ellipse, FALSE);
    CZukeiBox* front = AddBox(3, 4);
    Select(ellipse);
    doc.SetCurrentLayer(4);
    doc.GetUndoHistory().Reset();

    CZukeiString* text = doc.GetShapes().ConvertToTextZukei(ellipse);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{back, text, front}));
    EXPECT_EQ(text->GetKind(), kZukeiFramedString);
    EXPECT_EQ(text->GetFrameKind(), kZukeiEllipse);
    EXPECT_EQ(text->GetStyleNo(), 6);
    EXPECT_EQ(text->GetStyle(), 14);
    EXPECT_EQ(text->GetLayer(), 4);
    EXPECT_EQ(Rows(text), (std::pair<double, double>{4.0, 7.0}));
    EXPECT_EQ(text->GetStartDate(0), Day(2010, 4, 3));
    EXPECT_EQ(text->IsSelected(), 0);
    EXPECT_EQ(doc.GetSelCount(), 0);
    ASSERT_EQ(doc.GetUndoHistory().GetUndoList().size(), 1u) << "one change, ellipse to text";

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{back, ellipse, front}));
    ASSERT_EQ(doc.GetUndoHistory().Redo(), 1);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{back, text, front}));

    // Outlines that frame no text, and shapes of no list, are not converted.
    auto* line = new CZukeiLine;
    doc.GetShapes().AddZukei(line, FALSE);
    EXPECT_EQ(doc.GetShapes().ConvertToTextZukei(line), nullptr);
    CZukeiBox loose;
    EXPECT_EQ(doc.GetShapes().ConvertToTextZukei(&loose), nullptr);
    EXPECT_EQ(doc.GetZukeiCount(), 4);
}

TEST_F(DocZukeiEditTest, FrontAndBackKeepTheSelectedShapesOrderAndRecordNothing) {
    std::vector<CZukeiBox*> boxes;
    for (int i = 0; i < 4; ++i) {
        boxes.push_back(AddBox(i, i + 1));
    }
    Select(boxes[3]); // selected first, but behind boxes[1] in the drawing order
    Select(boxes[1]);
    AddBox(9, 10); // something to undo
    doc.GetUndoHistory().AddNew(doc.GetZukeiList().GetTail());
    CDataHeader* extra = doc.GetZukeiList().GetTail();

    doc.GetShapes().ChangeZukeiOrder(TRUE);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{boxes[0], boxes[2], extra, boxes[1], boxes[3]}));
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    doc.GetShapes().ChangeZukeiOrder(FALSE);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{boxes[1], boxes[3], boxes[0], boxes[2], extra}));
    EXPECT_EQ(doc.GetSelCount(), 2);
}

TEST_F(DocZukeiEditTest, CopyingShapesPutsSelectedClonesInFrontInOneUndoStep) {
    std::vector<CZukeiBox*> boxes;
    for (int i = 0; i < 3; ++i) {
        boxes.push_back(AddBox(i, i + 1));
        Select(boxes.back());
    }
    AddBox(8, 9); // unselected, stays behind the clones
    const CZukeiLayoutView layoutView(view.layout);
    doc.GetShapes().MoveSelectedZukei(layoutView, CPoint(), CTimeSpan(2, 0, 0, 0), 5.0,
                                      COperationState::kOpCopy);

    const std::vector<CDataHeader*> shapes = Shapes();
    ASSERT_EQ(shapes.size(), 7u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(shapes[static_cast<std::size_t>(i)], boxes[static_cast<std::size_t>(i)]);
        EXPECT_EQ(boxes[static_cast<std::size_t>(i)]->IsSelected(), 0);
        EXPECT_EQ(Rows(boxes[static_cast<std::size_t>(i)]),
                  (std::pair<double, double>{i, i + 1.0}));
    }
    ASSERT_EQ(doc.GetSelCount(), 3);
    for (std::size_t i = 4; i < 7; ++i) {
        const auto* clone = static_cast<const CZukei*>(shapes[i]);
        EXPECT_EQ(clone->IsSelected(), 1);
        EXPECT_NE(doc.FindSel(clone), nullptr);
        EXPECT_EQ(clone->GetStartDate(0), Day(2010, 4, 12));
    }
    // The last selected is copied first.
    EXPECT_EQ(Rows(static_cast<const CZukei*>(shapes[4])), (std::pair<double, double>{7, 8}));

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(doc.GetZukeiCount(), 4);
    EXPECT_EQ(doc.GetSelCount(), 0);
}

TEST_F(DocZukeiEditTest, MovingShapesIsUndoneToTheirOldPlaces) {
    CZukeiBox* box = AddBox(2, 3);
    Select(box);
    const CZukeiLayoutView layoutView(view.layout);
    doc.GetShapes().MoveSelectedZukei(layoutView, CPoint(), CTimeSpan(1, 0, 0, 0), 2.0,
                                      COperationState::kOpMove);
    EXPECT_EQ(Rows(box), (std::pair<double, double>{4, 5}));
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    const auto* back = static_cast<const CZukei*>(doc.GetZukeiList().GetHead());
    EXPECT_EQ(Rows(back), (std::pair<double, double>{2, 3}));
    EXPECT_EQ(doc.GetSelList().GetHead(), back);
}

TEST_F(DocZukeiEditTest, ResizingShapesIsUndoneToTheirOldSize) {
    CZukeiBox* box = AddBox(2, 3);
    Select(box);
    const CZukeiLayoutView layoutView(view.layout);
    const CRect ref = box->GetDeviceRect(layoutView);
    CDatePos pos;
    pos.endDate = Day(2010, 4, 11);
    pos.endRow = 5.0;
    // The lower edge dragged two rows down.
    doc.GetShapes().ResizeSelectedZukei(layoutView, CPoint(0, -100), kHandleBottom, ref, pos);
    EXPECT_EQ(Rows(box), (std::pair<double, double>{2, 5}));
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Rows(static_cast<const CZukei*>(doc.GetZukeiList().GetHead())),
              (std::pair<double, double>{2, 3}));
}

TEST_F(DocZukeiEditTest, DeletedRowsMoveDeleteOrKeepShapesInOneUndoStep) {
    CZukeiBox* below = AddBox(4, 9);
    CZukeiBox* inside = AddBox(4, 6);
    CZukeiBox* across = AddBox(2, 8);
    CZukeiBox* under = AddBox(7, 8);
    Select(inside);
    doc.GetShapes().DeleteZukeiRows(FALSE, 3, 5);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{below, across, under}));
    EXPECT_EQ(Rows(below), (std::pair<double, double>{3, 8}));
    EXPECT_EQ(Rows(across), (std::pair<double, double>{2, 8}));
    EXPECT_EQ(Rows(under), (std::pair<double, double>{4, 5}));
    EXPECT_EQ(doc.GetSelCount(), 0) << "the deleted shape left the selection";

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    const std::vector<CDataHeader*> shapes = Shapes();
    ASSERT_EQ(shapes.size(), 4u);
    EXPECT_EQ(Rows(static_cast<const CZukei*>(shapes[0])), (std::pair<double, double>{4, 9}));
    EXPECT_EQ(shapes[1], inside);
    EXPECT_EQ(shapes[2], across);
    EXPECT_EQ(Rows(static_cast<const CZukei*>(shapes[3])), (std::pair<double, double>{7, 8}));
    EXPECT_EQ(doc.GetSelList().GetHead(), inside);

    // Only blanked: the shapes inside still go, nothing moves.
    doc.GetUndoHistory().Reset();
    doc.GetShapes().DeleteZukeiRows(TRUE, 3, 5);
    EXPECT_EQ(doc.GetZukeiCount(), 3);
    EXPECT_EQ(Rows(static_cast<const CZukei*>(Shapes()[0])), (std::pair<double, double>{4, 9}));
}

TEST_F(DocZukeiEditTest, InsertsStopAtTheLastRowAndTheEndOfTheCalendar) {
    CZukeiBox* low = AddBox(9990, 9998);
    CZukeiBox* above = AddBox(1, 2);
    CZukeiBox* later = AddBox(12, 13);
    doc.GetShapes().InsertZukeiRows(5, 9);
    EXPECT_EQ(Rows(low), (std::pair<double, double>{9992, 10000}));
    EXPECT_EQ(Rows(above), (std::pair<double, double>{1, 2}));
    EXPECT_EQ(Rows(later), (std::pair<double, double>{17, 18}));

    auto* late = new CZukeiBox;
    late->SetAnchors(CTime(2037, 12, 20), 1.0, CTime(2037, 12, 30), 2.0);
    doc.GetShapes().AddZukei(late, FALSE);
    auto* early = new CZukeiBox;
    early->SetAnchors(Day(2010, 4, 1), 1.0, Day(2010, 4, 2), 2.0);
    doc.GetShapes().AddZukei(early, FALSE);
    doc.GetShapes().InsertZukeiColumns(Day(2010, 4, 5), Day(2010, 4, 25));
    EXPECT_EQ(late->GetEndDate(0), CTime(2038, 1, 1, 0, 0, 0));
    EXPECT_EQ(late->GetStartDate(0), CTime(2037, 12, 22));
    EXPECT_EQ(early->GetStartDate(0), Day(2010, 4, 1)) << "before the insert";
    EXPECT_EQ(later->GetStartDate(0), Day(2010, 4, 30));
}

TEST_F(DocZukeiEditTest, DeletedColumnsMoveDeleteOrKeepShapes) {
    auto dated = [this](int first, int last) {
        auto* box = new CZukeiBox;
        box->SetAnchors(Day(2010, 4, first), 1.0, Day(2010, 4, last), 2.0);
        doc.GetShapes().AddZukei(box, FALSE);
        return box;
    };
    CZukeiBox* before = dated(2, 12);
    CZukeiBox* inside = dated(10, 15);
    CZukeiBox* through = dated(12, 20);
    CZukeiBox* after = dated(16, 18);
    doc.GetShapes().DeleteZukeiColumns(FALSE, Day(2010, 4, 10), Day(2010, 4, 15));
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{before, through, after}));
    EXPECT_EQ(before->GetStartDate(0), Day(2010, 4, 2));
    EXPECT_EQ(through->GetStartDate(0), Day(2010, 4, 10));
    EXPECT_EQ(through->GetEndDate(0), Day(2010, 4, 18));
    EXPECT_EQ(after->GetStartDate(0), Day(2010, 4, 11));
    static_cast<void>(inside);
}

TEST_F(DocZukeiEditTest, FixedShapesMoveOnlyWhenTheUserAgrees) {
    for (const int answer : {IDNO, IDYES}) {
        doc.GetShapes().RemoveAllZukei();
        doc.GetUndoHistory().Reset();
        CZukeiBox* fixedBelow = AddBox(8, 9, 10, kPlaceFixedSize);
        CZukeiBox* fixedInside = AddBox(3, 4, 10, kPlaceOnPage);
        CZukeiBox* movable = AddBox(7, 8);
        ui->ClearRecords();
        ui->QueueAnswer(answer);
        doc.GetShapes().DeleteZukeiRows(FALSE, 3, 5);
        ASSERT_EQ(ui->MessageBoxes().size(), 1u);
        EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5142u);
        EXPECT_EQ(ui->MessageBoxes()[0].type, UINT{MB_YESNO | MB_ICONQUESTION});
        EXPECT_EQ(doc.GetZukeiList().Find(fixedInside), nullptr) << "deleted either way";
        EXPECT_EQ(Rows(movable), (std::pair<double, double>{4, 5}));
        if (answer == IDNO) {
            EXPECT_EQ(Rows(fixedBelow), (std::pair<double, double>{8, 9}));
            EXPECT_EQ(fixedBelow->GetPointMode(), kPlaceFixedSize);
        } else {
            EXPECT_EQ(Rows(fixedBelow), (std::pair<double, double>{5, 6}));
            EXPECT_EQ(fixedBelow->GetPointMode(), kPlaceOnChart);
        }
    }
    // Blanking moves nothing and asks nothing.
    ui->ClearRecords();
    AddBox(8, 9, 12, kPlaceFixedSize);
    doc.GetShapes().DeleteZukeiRows(TRUE, 3, 5);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(DocZukeiEditTest, RowEditsNeedAViewAndMeasureArcsByTheirCurve) {
    // The upper left quarter of a circle round (10 April, row 10) of radius 5 rows: its curve
    // covers rows 5 to 10, the whole circle rows 5 to 15.
    auto* arc = new CZukeiArc;
    arc->SetStyle(7);
    arc->SetAnchor(0, CZukeiPoint(Day(2010, 4, 10), 10.0));
    arc->SetAnchor(1, CZukeiPoint(Day(2010, 4, 10), 5.0));
    arc->SetAnchor(2, CZukeiPoint(Day(2010, 4, 5), 10.0));
    arc->SetPointCount(3);
    doc.GetShapes().AddZukei(arc, FALSE);

    doc.RemoveView(&view);
    doc.GetShapes().DeleteZukeiRows(FALSE, 4, 10);
    EXPECT_EQ(doc.GetZukeiCount(), 1) << "without a view nothing happens";
    doc.AddView(&view);
    doc.GetShapes().DeleteZukeiRows(FALSE, 4, 10);
    EXPECT_EQ(doc.GetZukeiCount(), 0) << "its curve lay inside the deleted rows";
}

TEST_F(DocZukeiEditTest, SelectionAndDeletionOfShapesByLayer) {
    doc.GetChartLayers().SetLayerVisible(1, CLayerSet::kReference);
    doc.GetChartLayers().SetLayerVisible(2, CLayerSet::kHidden);
    CZukeiBox* shown = AddBox(1, 2);
    CZukeiBox* reference = AddBox(1, 2);
    reference->SetLayer(1);
    CZukeiBox* hidden = AddBox(1, 2);
    hidden->SetLayer(2);

    doc.GetOperation().SetMode(COperationState::kModeKoutei);
    doc.GetShapes().SelectAllZukei();
    EXPECT_EQ(doc.GetSelCount(), 0) << "only in the shape mode";
    doc.GetOperation().SetMode(COperationState::kModeZukei);
    doc.GetShapes().SelectAllZukei();
    doc.GetShapes().SelectAllZukei();
    EXPECT_EQ(doc.GetSelCount(), 1);
    EXPECT_EQ(doc.GetFirstSel(), shown);

    Select(hidden);
    doc.GetShapes().RemoveShownZukei();
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{reference, hidden}));
    EXPECT_EQ(doc.GetSelList().GetHead(), hidden);
    doc.GetUndoHistory().Reset();
    doc.GetShapes().DeleteSelectedZukei();
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{reference}));
    EXPECT_EQ(doc.GetSelCount(), 0);
    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Shapes(), (std::vector<CDataHeader*>{reference, hidden}));
    EXPECT_EQ(doc.GetSelList().GetHead(), hidden) << "it comes back selected";
}

TEST_F(DocZukeiEditTest, FramedTextsAreFoundByTagAndRows) {
    auto frame = [this](WORD tag, double top, double bottom) {
        auto* text = new CZukeiString;
        text->CDataHeader::SetKind(kZukeiFramedString);
        text->SetFrameTag(tag);
        text->SetAnchors(Day(2010, 4, 1), top, Day(2010, 4, 2), bottom);
        doc.GetShapes().AddZukei(text, FALSE);
        return text;
    };
    CZukeiString* upper = frame(CZukeiString::kTagSai, 2, 5);
    CZukeiString* lower = frame(CZukeiString::kTagSai, 8, 10);
    frame(CZukeiString::kTagTai, 0, 20);
    struct Case {
        int from;
        int to;
        CZukeiString* found;
    };
    const Case cases[] = {
        {3, 4, upper},   // the top (from - 1) lies inside
        {6, 7, nullptr}, // between them
        {0, 3, upper},   // the bottom (to) lies inside
        {7, 12, lower},  // wholly inside from - 1 .. to
        {6, 9, lower},   // to inside
        {6, 8, nullptr}, // to on the top edge only
        {11, 12, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.GetShapes().FindTextZukei(CZukeiString::kTagSai, c.from, c.to), c.found)
            << c.from << ".." << c.to;
    }
}

} // namespace
} // namespace tembra
