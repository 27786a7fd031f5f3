// What the user selects is what the chart shows, in every mode: a band or 全選択 passes by the
// objects of a layer that is not shown, 消去 then leaves them, a layer hidden under a selection
// takes its objects out of it, and a selected object on a hidden layer is not drawn.
#include "EventMouseFixture.h"
#include "document/commands/EditMenu.h"

#include "model/LayerSet.h"
#include "model/Shigen.h"
#include "model/Yogo.h"
#include "shapes/ZukeiBox.h"

#include <algorithm>
#include <functional>

namespace tembra {
namespace {

using test::DayRow;

constexpr int kShownLayer = 0;
constexpr int kHiddenLayer = 3;

class HiddenLayerSelectionTest : public test::EventMouseFixture {
protected:
    // One object of the mode's kind on the row and layer; what of it a delete would take away
    // is counted by Remaining.
    struct Kind {
        const char* what;
        LONG mode;
        std::function<void(HiddenLayerSelectionTest&, int row, int layer)> add;
    };

    void AddProcessOn(int row, int layer) { AddProcess(3, 6, row, layer); }
    void AddTermed(int row, int layer) {
        CKoutei* process = AddProcess(3, 6, row, layer);
        auto term = std::make_unique<CYogo>();
        term->SetText("kiso");
        term->GetAttr().m_fontHeigh = 1;
        term->GetAttr().m_fontWidth = 1;
        process->AddYogo(term, TRUE);
    }
    void AddResourced(int row, int layer) {
        CKoutei* process = AddProcess(3, 6, row, layer);
        process->GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 4));
    }
    void AddEventOn(int row, int layer) { AddEvent("Pour", 4, row)->SetLayer(layer); }
    void AddShapeOn(int row, int layer) {
        auto* shape = AddShape(false);
        shape->SetAnchors(test::April(3), row, test::April(6), row + 1);
        shape->SetLayer(static_cast<WORD>(layer));
    }

    static std::vector<Kind> Kinds() {
        return {
            {"processes", Op::kModeKoutei, &HiddenLayerSelectionTest::AddProcessOn},
            {"terms", Op::kModeYogo, &HiddenLayerSelectionTest::AddTermed},
            {"resources", Op::kModeShigen, &HiddenLayerSelectionTest::AddResourced},
            {"events", Op::kModeEvent, &HiddenLayerSelectionTest::AddEventOn},
            {"shapes", Op::kModeZukei, &HiddenLayerSelectionTest::AddShapeOn},
        };
    }

    // No objects, nothing selected, layer 3 hidden.
    void Fresh(LONG mode) {
        doc.UnselectAll(FALSE);
        doc.GetShapes().DeselectAllZukei();
        while (doc.GetObjCount() > 0) {
            delete doc.GetObjList().RemoveHead();
        }
        while (!doc.GetZukeiList().IsEmpty()) {
            delete doc.GetZukeiList().RemoveHead();
        }
        doc.GetShigenNames().clear();
        doc.GetShigenNames().push_back(std::make_unique<CShigenName>(1, 0, "daiku"));
        for (int layer = 0; layer < CLayerSet::kLayerCount; ++layer) {
            doc.GetChartLayers().SetLayerVisible(layer, CLayerSet::kShown);
        }
        doc.GetChartLayers().SetLayerVisible(kHiddenLayer, 0);
        doc.GetUndoHistory().Reset();
        SetState(mode, Op::kOpEdit);
    }

    // What the objects of the layer still hold: processes and events, terms, resource entries,
    // shapes.
    int Remaining(int layer) {
        int count = 0;
        const auto add = [&](CDataHeader* object) {
            if (object->GetLayer() != layer) {
                return;
            }
            ++count;
            if (auto* process = dynamic_cast<CKoutei*>(object)) {
                count += process->GetYogoCount();
                count += static_cast<int>(process->GetShigen()->GetEntries().size());
            }
        };
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            add(doc.GetNextObj(pos));
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            CDataHeader* object = doc.GetNextSel(pos);
            if (object->GetType() != kTypeZukei) {
                add(object);
            }
        }
        for (POSITION pos = doc.GetZukeiList().GetHeadPosition(); pos != nullptr;) {
            add(doc.GetZukeiList().GetNext(pos));
        }
        return count;
    }
    // The layers of the selected objects (a process in the term mode counts when one of its
    // terms is selected).
    std::vector<int> SelectedLayers() {
        std::vector<int> layers;
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            layers.push_back(doc.GetNextSel(pos)->GetLayer());
        }
        return layers;
    }
};

TEST_F(HiddenLayerSelectionTest, ABandOrSelectAllTakesOnlyTheShownLayersAndDeleteLeavesTheRest) {
    struct Way {
        const char* what;
        std::function<void()> select;
    };
    const Way ways[] = {
        {"a band",
         [this] {
             // From the empty corner above the objects to below them, button held.
             Send(CMouseEvent::kLeftDown, MK_LBUTTON, DayRow(1, 0));
             Send(CMouseEvent::kMove, MK_LBUTTON, DayRow(9, 12));
             Send(CMouseEvent::kMove, MK_LBUTTON, DayRow(10, 13));
             Send(CMouseEvent::kLeftUp, 0, DayRow(10, 13));
         }},
        {"全選択", [this] { OnEditSelectAll(doc); }},
    };
    for (const Kind& kind : Kinds()) {
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(kind.what) + ", " + way.what);
            Fresh(kind.mode);
            kind.add(*this, 3, kShownLayer);
            kind.add(*this, 8, kHiddenLayer);
            const int hidden = Remaining(kHiddenLayer);
            const int shown = Remaining(kShownLayer);
            ASSERT_GT(hidden, 0);
            way.select();
            EXPECT_EQ(Sub(), 0);
            EXPECT_FALSE(host.capture);
            EXPECT_EQ(SelectedLayers(), std::vector<int>{kShownLayer})
                << "the shown object is taken, the hidden one is not";
            OnEditDelete(doc);
            EXPECT_EQ(Remaining(kHiddenLayer), hidden) << "消去 leaves what the user cannot see";
            EXPECT_LT(Remaining(kShownLayer), shown) << "and takes what was selected";
        }
    }
}

TEST_F(HiddenLayerSelectionTest, ALayerHiddenUnderASelectionTakesItsObjectsOutOfIt) {
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.what);
        Fresh(kind.mode);
        doc.GetChartLayers().SetLayerVisible(kHiddenLayer, CLayerSet::kShown);
        kind.add(*this, 3, kShownLayer);
        kind.add(*this, 8, kHiddenLayer);
        OnEditSelectAll(doc);
        ASSERT_EQ(SelectedLayers(), (std::vector<int>{kShownLayer, kHiddenLayer}));
        const int hidden = Remaining(kHiddenLayer);
        // As the layer dialog stores its states.
        doc.GetChartLayers().SetLayerVisible(kHiddenLayer, CLayerSet::kReference);
        EXPECT_EQ(SelectedLayers(), std::vector<int>{kShownLayer});
        OnEditDelete(doc);
        EXPECT_EQ(Remaining(kHiddenLayer), hidden);
    }
}

// The layer table can change under a selection without the layer dialog (a chart inserted with
// its layers): a selected object whose layer is hidden is still not drawn.
TEST_F(HiddenLayerSelectionTest, ASelectedObjectOnAHiddenLayerIsNotDrawn) {
    // How many drawing calls a paint of the whole window makes.
    const auto paint = [this] {
        host.drawn.clear();
        View().OnUpdate(nullptr, 0, nullptr);
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        View().OnDraw(dc.get());
        dc.reset();
        return std::count_if(host.drawn.begin(), host.drawn.end(),
                             [](const CRecordingDC::Record& r) { return IsDrawingOp(r.op); });
    };
    const Kind kinds[] = {Kinds()[0], Kinds()[3]};
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.what);
        Fresh(kind.mode);
        const auto empty = paint();
        kind.add(*this, 3, kShownLayer);
        OnEditSelectAll(doc);
        ASSERT_EQ(SelectedLayers(), std::vector<int>{kShownLayer});
        EXPECT_NE(paint(), empty) << "shown, it is drawn";
        doc.GetLayers()[kShownLayer]->SetState(0);
        EXPECT_EQ(paint(), empty) << "hidden, it is not drawn though selected";
    }
}

} // namespace
} // namespace tembra
