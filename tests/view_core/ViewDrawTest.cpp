// The chart view's drawing through the recording device context: the order of the layers, the
// layer states, the clipped second pass of a chart scrolled down, the progress lines tested
// against the part being painted, the right click that stops a slow preview, and the background
// of a paint.
#include "ViewFixture.h"

#include "chart/Chart.h"
#include "chart/ChartDocument.h"
#include "model/AreaNameSet.h"
#include "model/Shigen.h"
#include "model/Shincyoku.h"
#include "model/Yogo.h"
#include "render/KouteiLabels.h"
#include "shapes/Zukei.h"
#include "shapes/ZukeiGroup.h"
#include "support/Cp932Text.h"

#include <algorithm>
#include <string>

namespace tembra {
namespace {

using test::April;

// A shape that writes its name, the mode it is drawn in and the layout's clip-pass flag where
// the drawing can see it: as a text on the device context.
class ProbeZukei : public CZukei {
public:
    ProbeZukei(std::string name, CRect rect) : m_name(std::move(name)), m_rect(rect) {}
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override {
        const bool clipPass = view.GetPageLayout().GetClipPass() != FALSE;
        dc.TextOut(m_rect.left, m_rect.top,
                   m_name + ":" + std::to_string(mode) + (clipPass ? ":clip" : ""));
    }
    CRect GetDeviceRect(const IZukeiView&) const override { return m_rect; }

private:
    std::string m_name;
    CRect m_rect;
};

class ViewDrawTest : public test::ViewFixture {
protected:
    ViewDrawTest() {
        CSyokiSet& set = doc.GetSyokiSet();
        set.GetChart().GetAreaNameSet().SetDefaults();
        set.GetChart().GetAreaNameSet().SetKoumokuName("AREA");
        doc.GetChartLayers().SetLayerVisible(0, CLayerSet::kShown);
        doc.GetChartLayers().SetLayerVisible(1, CLayerSet::kReference);
        doc.GetChartLayers().SetLayerVisible(2, 0);
        doc.GetKoumoku()->SetLevelCount(1);
        doc.GetKoumoku()->SetColumnWidth(0, 100);
    }

    CEvent* AddEvent(const std::string& text, int day, int row, int layer, bool selected) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(text);
        event->SetStartDate(April(day));
        event->SetStartRow(static_cast<WORD>(row));
        event->SetLayer(static_cast<WORD>(layer));
        CEvent* raw = event.get();
        const POSITION pos = doc.AddObj(event.release(), FALSE);
        if (selected) {
            doc.SelectAt(pos);
        }
        return raw;
    }

    void AddShape(const std::string& name, const CRect& rect, int layer) {
        auto shape = std::make_unique<ProbeZukei>(name, rect);
        shape->SetLayer(static_cast<WORD>(layer));
        doc.GetShapes().AddZukei(shape.release(), FALSE);
    }

    // One of everything the drawing walks.
    void Populate() {
        AddEvent("EVSHOWN", 3, 2, 0, false);
        AddEvent("EVREF", 5, 4, 1, false);
        AddEvent("EVHIDDEN", 7, 6, 2, false);
        AddEvent("EVSEL", 9, 8, 0, true);
        AddShape("SHAPE0", CRect(600, -200, 900, -400), 0);
        AddShape("SHAPE1", CRect(1000, -200, 1300, -400), 1);
        AddShape("SHAPE2", CRect(1400, -200, 1700, -400), 2);
        doc.GetKoumokuCells().CreateKoumokuData(1, 0)->SetText("CELL");

        // A resource chart over rows 20 to 25 with a shape of its own in its frame group.
        CKoutei* loaded = AddProcess(2, 12, 18);
        loaded->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 3));
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "Crane"));
        auto chart = std::make_unique<CChart>();
        chart->SetTopRow(20);
        chart->SetBottomRow(25);
        chart->SetSeriesCount(1);
        chart->BuildShapes(*DocumentSeam<IChartDocument>(&doc), views.front()->GetLayout());
        ASSERT_NE(chart->GetGroup(0), nullptr);
        chart->GetGroup(0)->AddMember(
            std::make_unique<ProbeZukei>("CHART", CRect(700, -1100, 1500, -1400)));
        doc.GetChartList().AddTail(chart.release());

        auto line = std::make_unique<CShincyoku>();
        line->SetDate(April(15));
        line->GetLineAttr().m_color = RGB(255, 0, 0);
        line->SetPointDate(10, April(17));
        doc.GetShincyokuList().AddTail(line.release());
    }

    // The texts drawn, in order.
    static std::vector<std::string> Texts(const CRecordingDC& dc) {
        std::vector<std::string> texts;
        for (const auto& r : dc.Find(DcOp::TextOut)) {
            texts.push_back(r.args.text);
        }
        return texts;
    }
    // The index of the first drawing call that the predicate takes, or -1.
    template <class Pred> static int First(const CRecordingDC& dc, Pred pred) {
        const std::vector<CRecordingDC::Record> drawn = dc.Drawings();
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            if (pred(drawn[i])) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    static int FirstText(const CRecordingDC& dc, const std::string& prefix) {
        return First(dc, [&](const CRecordingDC::Record& r) {
            return r.op == DcOp::TextOut && r.args.text.rfind(prefix, 0) == 0;
        });
    }
    static int FirstRed(const CRecordingDC& dc) {
        return First(dc, [](const CRecordingDC::Record& r) {
            return (r.op == DcOp::LineTo || r.op == DcOp::Polyline) &&
                   r.pen.color == RGB(255, 0, 0);
        });
    }

    // The view's drawing on a screen of the window's size with the view's preparation; update
    // limits the paint to a device rectangle.
    void DrawView(CRecordingDC& dc, const CRect* update = nullptr) {
        if (update != nullptr) {
            dc.SetUpdateRect(*update);
        }
        views.front()->OnPrepareDC(&dc);
        views.front()->OnDraw(&dc);
    }

    test::FakeViewHost host;
};

TEST_F(ViewDrawTest, TheLayersComeInTheirOrderWithTheirLayerStates) {
    MakeView(host);
    Populate();
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
    DrawView(dc);

    const std::vector<CRecordingDC::Record> drawn = dc.Drawings();
    ASSERT_FALSE(drawn.empty());
    // The white band comes first.
    EXPECT_TRUE(drawn.front().op == DcOp::FillRect || drawn.front().op == DcOp::Rectangle ||
                drawn.front().op == DcOp::PatBlt)
        << dc.Dump();
    const int area = FirstText(dc, "AREA");
    const std::vector<int> order = {area,
                                    FirstText(dc, "CHART:0"),
                                    FirstText(dc, "SHAPE0:0"),
                                    FirstText(dc, "SHAPE1:4"),
                                    FirstText(dc, "CELL"),
                                    FirstText(dc, "EVSHOWN"),
                                    FirstText(dc, "EVREF"),
                                    FirstText(dc, "EVSEL"),
                                    FirstRed(dc)};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_GE(order[i], 0) << "step " << i << " not drawn\n" << dc.Dump();
        if (i > 0) {
            EXPECT_LT(order[i - 1], order[i]) << "step " << i;
        }
    }
    // The item table (its frame and grid) comes between the white band and the header cells.
    EXPECT_GT(area, 1);
    // Hidden layers are skipped (a selected object of one too: HiddenLayerSelectionTest); a
    // reference layer is drawn in the reference style.
    EXPECT_EQ(FirstText(dc, "EVHIDDEN"), -1);
    EXPECT_EQ(FirstText(dc, "SHAPE2"), -1);
    for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
        auto* event = dynamic_cast<CEvent*>(doc.GetNextObj(pos));
        if (event != nullptr && event->GetText() == "EVREF") {
            EXPECT_EQ(event->GetDrawState(), CEvent::kDrawInactive);
        }
    }
}

TEST_F(ViewDrawTest, AScrolledDownChartDrawsItsFixedRowsInASecondPass) {
    CSyokiSet& set = doc.GetSyokiSet();
    set.SetFixedFirstRow(0);
    set.SetFixedLastRow(2);
    set.SetFirstRow(10);
    MakeView(host);
    Populate();
    CPageLayout& layout = views.front()->GetLayout();
    layout.SetScrolledDown(TRUE);
    layout.RecalcLayout();
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
    DrawView(dc);
    const std::vector<std::string> texts = Texts(dc);
    const auto count = [&](const std::string& t) {
        return std::count(texts.begin(), texts.end(), t);
    };
    EXPECT_EQ(count("SHAPE0:0"), 1);
    EXPECT_EQ(count("SHAPE0:0:clip"), 1);
    // The chart lies below the fixed rows: only the first pass shows it.
    EXPECT_EQ(count("CHART:0"), 1);
    EXPECT_EQ(count("CHART:0:clip"), 0);
    // The cell of row 1 is one of the fixed rows, shown although the chart starts at row 10.
    EXPECT_EQ(count("CELL"), 1);
    EXPECT_FALSE(layout.GetClipPass());
}

TEST_F(ViewDrawTest, AProgressLineMeetingThePaintIsDrawnWhereTheProcessBandShowsNothing) {
    MakeView(host);
    Populate();
    // The last two units of the process area: the object band stops 3 units short of it.
    const CRect strip(0, 1598, 4000, 1600);
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
    DrawView(dc, &strip);
    EXPECT_GE(FirstRed(dc), 0);
    EXPECT_EQ(FirstText(dc, "EVSHOWN"), -1);
    EXPECT_EQ(FirstText(dc, "EVSEL"), -1);

    // A paint beside the page reaches neither.
    const CRect beside(3700, 0, 4000, 2000);
    CRecordingDC away(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
    DrawView(away, &beside);
    EXPECT_EQ(FirstRed(away), -1);
}

TEST_F(ViewDrawTest, ARightClickStopsAPreviewPageWithABeep) {
    MakeView(host);
    Populate();
    views.front()->GetLayout().SetOutputMode(2);
    host.abortAnswer = true;
    CRecordingDC dc(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
    DrawView(dc);
    EXPECT_EQ(host.abortQuestions, 1);
    EXPECT_EQ(ui.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
    // The layers before the objects are there; the objects and the progress lines are not.
    EXPECT_GE(FirstText(dc, "CELL"), 0);
    EXPECT_EQ(FirstText(dc, "EVSHOWN"), -1);
    EXPECT_EQ(FirstText(dc, "EVSEL"), -1);
    EXPECT_EQ(FirstRed(dc), -1);

    // Without a right click each unselected object the band shows asks once; nothing beeps.
    host.abortAnswer = false;
    host.abortQuestions = 0;
    CRecordingDC again(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
    DrawView(again);
    EXPECT_EQ(host.abortQuestions, 4); // three events and the process of the chart
    EXPECT_GE(FirstText(again, "EVSEL"), 0);
    EXPECT_EQ(ui.Beeps().size(), 1u);
}

TEST_F(ViewDrawTest, TheHyperlinkUnderTheMouseOfAnEventOrATerm) {
    CTembraView& view = MakeView(host);
    CEvent* linked = AddEvent("LINKED", 5, 3, 0, false);
    linked->SetHyperlink("https://example.org/a");
    CEvent* hidden = AddEvent("HIDDEN", 15, 3, 2, false);
    hidden->SetHyperlink("https://example.org/b");
    CKoutei* process = AddProcess(20, 26, 8);
    auto term = std::make_unique<CYogo>();
    term->SetText("TERM");
    term->SetHyperlink("https://example.org/c");
    process->AddYogo(term, TRUE);
    // The middle of an object's bounds, as a pixel of the window.
    const auto at = [&](const CDataHeader* object) {
        const CRect b = view.GetLayout().GetObjectBounds(nullptr, object, 1);
        return CPoint((b.left + b.right) / 2, -(b.top + b.bottom) / 2);
    };
    std::string link;
    doc.GetOperation().SetEditOperation();
    doc.GetOperation().SetMode(COperationState::kModeEvent);
    EXPECT_EQ(view.HitTestHyperlink(at(linked), &link), linked);
    EXPECT_EQ(link, "https://example.org/a");
    EXPECT_EQ(view.HitTestHyperlink(at(hidden), &link), nullptr) << "a hidden layer";
    EXPECT_EQ(view.HitTestHyperlink(at(process), &link), nullptr) << "no event there";

    doc.GetOperation().SetMode(COperationState::kModeYogo);
    const CRect label = GetYogoRect(*process, view.GetLayout(), nullptr, 0);
    const CPoint onTerm((label.left + label.right) / 2, -(label.top + label.bottom) / 2);
    EXPECT_EQ(view.HitTestHyperlink(onTerm, &link), process->GetYogo(0));
    EXPECT_EQ(link, "https://example.org/c");
    EXPECT_EQ(view.HitTestHyperlink(at(linked), &link), nullptr) << "events only in their mode";

    // Only while editing.
    doc.GetOperation().SetDrawOperation();
    EXPECT_EQ(view.HitTestHyperlink(onTerm, &link), nullptr);
}

TEST_F(ViewDrawTest, TheBackgroundIsFilledOnlyWhereThePaintLeavesThePage) {
    // A window larger than the page: the page is centred, 250 pixels in from the left and 200
    // down from the top.
    host.client = CSize(4000, 2000);
    CTembraView& view = MakeView(host);
    const auto erase = [&](const CRect& update) {
        CRecordingDC dc(CRecordingDC::Device::Screen, 254, CSize(4000, 2000));
        dc.SetUpdateRect(update);
        EXPECT_TRUE(view.OnEraseBkgnd(&dc));
        return dc.Find(DcOp::PatBlt);
    };
    EXPECT_TRUE(erase(CRect(300, 200, 700, 500)).empty());
    EXPECT_TRUE(erase(CRect(250, 200, 3750, 1800)).empty()) << "the whole page";
    const auto outside = erase(CRect(100, 50, 700, 500));
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0].args.rect, CRect(100, 50, 700, 500)) << "the whole clip box";
    EXPECT_EQ(outside[0].brush.color, RGB(128, 128, 128));
}

} // namespace
} // namespace tembra
