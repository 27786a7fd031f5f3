// The sixteen layers of the document: the table of a new or opened chart, counting per layer,
// moving objects between layers with undo, the layer map of a paste over the application's
// clipboard and the deletion of the objects on shown layers.
#include "DocTestSupport.h"

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/Koutei.h"
#include "shapes/ZukeiBox.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <vector>

namespace tembra {
namespace {

using test::RecordingView;
using test::ScopedAppState;

CChartLayers::LayerMap Identity() {
    CChartLayers::LayerMap map{};
    std::iota(map.begin(), map.end(), 0);
    return map;
}

class DocLayersTest : public testing::Test {
protected:
    DocLayersTest() {
        doc.OnNewDocument();
        doc.AddView(&view);
    }

    CKoutei* AddProcess(WORD layer, bool selected = false) {
        auto* process = new CKoutei;
        process->SetLayer(layer);
        if (selected) {
            process->Select();
            doc.GetSelList().AddTail(process);
        } else {
            doc.GetObjList().AddTail(process);
        }
        return process;
    }
    CEvent* AddEvent(WORD layer) {
        auto* event = new CEvent;
        event->SetLayer(layer);
        doc.GetObjList().AddTail(event);
        return event;
    }
    CZukeiBox* AddShape(WORD layer, bool selected = false) {
        auto* shape = new CZukeiBox;
        shape->SetLayer(layer);
        doc.GetZukeiList().AddTail(shape);
        if (selected) {
            shape->Select();
            doc.GetSelList().AddTail(shape);
        }
        return shape;
    }
    static std::vector<CDataHeader*> Entries(const ObList<CDataHeader>& list) {
        std::vector<CDataHeader*> entries;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            entries.push_back(list.GetNext(pos));
        }
        return entries;
    }
    static std::vector<int> Layers(const ObList<CDataHeader>& list) {
        std::vector<int> layers;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            layers.push_back(list.GetNext(pos)->GetLayer());
        }
        return layers;
    }

    ScopedAppState app;
    test::ScopedUi ui;
    RecordingView view;
    CTembraDoc doc;
};

TEST_F(DocLayersTest, ANewOrOpenedChartHasSixteenShownLayersWithoutNames) {
    const auto expectDefaultTable = [](const CTembraDoc& chart, const char* what) {
        ASSERT_EQ(chart.GetLayers().size(), 16u) << what;
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(chart.GetChartLayers().IsLayerVisible(i), CLayerSet::kShown)
                << what << " " << i;
            EXPECT_EQ(chart.GetChartLayers().GetLayerName(i), "") << what << " " << i;
        }
        EXPECT_EQ(chart.GetCurrentLayer(), 0) << what;
    };
    expectDefaultTable(doc, "new");

    // A new chart again: the table is rebuilt, not appended to.
    doc.GetChartLayers().SetLayerName(3, "x");
    doc.SetCurrentLayer(5);
    doc.OnNewDocument();
    expectDefaultTable(doc, "renewed");

    test::TempDir dir;
    CTembraDoc opened;
    const std::string path = dir.File("new.tbr").string();
    ASSERT_TRUE(doc.OnSaveDocument(path));
    ASSERT_TRUE(opened.OnOpenDocument(path));
    expectDefaultTable(opened, "opened");
}

TEST_F(DocLayersTest, StatesAndNamesOutsideTheTableAreNone) {
    doc.GetChartLayers().SetLayerVisible(15, CLayerSet::kHidden);
    doc.GetChartLayers().SetLayerName(15, "F");
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(15), CLayerSet::kHidden);
    EXPECT_EQ(doc.GetChartLayers().GetLayerName(15), "F");
    doc.GetChartLayers().SetLayerVisible(16, CLayerSet::kReference);
    doc.GetChartLayers().SetLayerName(-1, "none");
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(16), 0);
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(-1), 0);
    EXPECT_EQ(doc.GetChartLayers().GetLayerName(16), "");
    // An object beyond the table counts as one on its last layer.
    CEvent* far = AddEvent(20);
    EXPECT_EQ(doc.GetChartLayers().IsObjectLayerVisible(far), CLayerSet::kHidden);
}

TEST_F(DocLayersTest, CountsTakeShapesAndUnselectedObjectsOnLayersZeroToFifteen) {
    AddProcess(1);
    AddProcess(1, true); // selected: not counted
    AddEvent(2);
    AddEvent(16); // no layer of the table: not counted
    AddShape(2);
    AddShape(15, true); // selected shapes stay in the shape list and count
    CChartLayers::LayerCounts counts;
    counts.fill(7);
    doc.GetChartLayers().CountObjectsPerLayer(counts);
    CChartLayers::LayerCounts expected{};
    expected[1] = 1;
    expected[2] = 2;
    expected[15] = 1;
    EXPECT_EQ(counts, expected);
}

TEST_F(DocLayersTest, AMapThatMovesNoUsedLayerChangesAndRecordsNothing) {
    CKoutei* process = AddProcess(1);
    CZukeiBox* shape = AddShape(2);
    CChartLayers::LayerMap map = Identity();
    map[3] = 9; // nothing stands on layer 3
    doc.GetChartLayers().MoveLayers(map);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());
    EXPECT_EQ(doc.GetObjList().GetHead(), process);
    EXPECT_EQ(doc.GetZukeiList().GetHead(), shape);
    EXPECT_EQ(process->GetLayer(), 1);
}

TEST_F(DocLayersTest, MovedObjectsAreCopiesInTheirPlacesAndOneUndoRestoresThem) {
    CKoutei* process = AddProcess(1);
    process->SetSeqNumber(0, 77);
    CEvent* event = AddEvent(2);
    CEvent* stays = AddEvent(4);
    CEvent* far = AddEvent(20); // moves as if on layer 15
    AddShape(4);
    CZukeiBox* shape = AddShape(2, true);
    AddShape(15);
    const std::vector<CDataHeader*> objectsBefore = Entries(doc.GetObjList());
    const std::vector<CDataHeader*> shapesBefore = Entries(doc.GetZukeiList());

    CChartLayers::LayerMap map = Identity();
    map[1] = -3; // held to 0
    map[2] = 20; // held to 15
    map[15] = 7;
    doc.GetChartLayers().MoveLayers(map);

    EXPECT_EQ(Layers(doc.GetObjList()), (std::vector<int>{0, 15, 4, 7}));
    EXPECT_EQ(Layers(doc.GetZukeiList()), (std::vector<int>{4, 15, 7}));
    const std::vector<CDataHeader*> objectsAfter = Entries(doc.GetObjList());
    EXPECT_NE(objectsAfter[0], process) << "a copy took its place";
    EXPECT_EQ(static_cast<CKoutei*>(objectsAfter[0])->GetSeqNumber(), CObSeqNumber(0, 77));
    EXPECT_NE(objectsAfter[1], event);
    EXPECT_EQ(objectsAfter[2], stays);
    EXPECT_NE(objectsAfter[3], far);
    // The selected shape's copy is the selection's too.
    CDataHeader* movedShape = Entries(doc.GetZukeiList())[1];
    EXPECT_EQ(doc.GetSelList().GetHead(), movedShape);
    EXPECT_EQ(movedShape->IsSelected(), 1);
    EXPECT_EQ(view.CountFor(movedShape), 1);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Entries(doc.GetObjList()), objectsBefore);
    EXPECT_EQ(Entries(doc.GetZukeiList()), shapesBefore);
    EXPECT_EQ(doc.GetSelList().GetHead(), shape);
    EXPECT_EQ(Layers(doc.GetObjList()), (std::vector<int>{1, 2, 4, 20}));
}

TEST_F(DocLayersTest, TheSelectionGoesToALayerByTheObjectMode) {
    struct Case {
        LONG mode;
        // A process with its line selected, one with only a node, a shape, an event.
        std::vector<int> layers;
    };
    // A layer beyond the table is held to 15.
    const Case cases[] = {
        {COperationState::kModeKoutei, {15, 1, 1, 1}},
        {COperationState::kModeZukei, {1, 1, 15, 1}},
        {COperationState::kModeEvent, {1, 1, 1, 15}},
        {COperationState::kModeYogo, {1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        doc.FreeAllObjects();
        doc.DeleteZukeiList();
        CKoutei* lined = AddProcess(1, true);
        CKoutei* nodeOnly = AddProcess(1, false);
        nodeOnly->SelectStartLand();
        nodeOnly->CDataHeader::Select();
        doc.GetObjList().RemoveTail();
        doc.GetSelList().AddTail(nodeOnly);
        CZukeiBox* shape = AddShape(1, true);
        CEvent* event = AddEvent(1);
        doc.SelectAt(doc.FindObj(event));

        doc.GetOperation().SetMode(c.mode);
        doc.GetChartLayers().SetSelLayer(25);
        EXPECT_EQ((std::vector<int>{lined->GetLayer(), nodeOnly->GetLayer(), shape->GetLayer(),
                                    event->GetLayer()}),
                  c.layers)
            << c.mode;
        doc.GetUndoHistory().Undo();
        const auto layerOf = [this](int index) {
            return static_cast<int>(
                doc.GetSelList().GetAt(doc.GetSelList().FindIndex(index))->GetLayer());
        };
        EXPECT_EQ((std::vector<int>{layerOf(0), layerOf(1), layerOf(2), layerOf(3)}),
                  (std::vector<int>{1, 1, 1, 1}))
            << c.mode << ": undo";
        doc.GetUndoHistory().Reset();
        doc.UnselectAll(FALSE);
    }
}

TEST_F(DocLayersTest, APasteMapLeavesTheClipboardItsOwnLayers) {
    OwnedObList<CDataHeader>& objects = app->GetObjectClipboard();
    OwnedObList<CDataHeader>& shapes = app->GetZukeiClipboard();
    auto* process = new CKoutei;
    process->SetLayer(2);
    process->SetSeqNumber(0, 5);
    objects.AddTail(process);
    auto* event = new CEvent;
    event->SetLayer(3);
    objects.AddTail(event);
    auto* shape = new CZukeiBox;
    shape->SetLayer(2);
    shapes.AddTail(shape);
    auto* far = new CZukeiBox;
    far->SetLayer(18);
    shapes.AddTail(far);
    app->GetProcessInfoList().push_back(std::make_unique<CKouteiLink>(process));
    app->GetProcessInfoList().back()->AddLink(process);

    OwnedObList<CDataHeader> backup;
    EXPECT_EQ(doc.GetChartLayers().RemapClipboardLayers(Identity(), &backup), 0);
    EXPECT_TRUE(backup.IsEmpty());

    CChartLayers::LayerMap map = Identity();
    map[2] = 5;
    map[15] = 6;
    ASSERT_EQ(doc.GetChartLayers().RemapClipboardLayers(map, &backup), 1);
    EXPECT_EQ(Layers(objects), (std::vector<int>{5, 3}));
    EXPECT_EQ(Layers(shapes), (std::vector<int>{5, 6}));
    CChartLayers::LayerCounts counts;
    CChartLayers::CountClipboardPerLayer(counts);
    EXPECT_EQ(counts[5], 2);
    EXPECT_EQ(counts[6], 1);

    CChartLayers::RestoreClipboard(&backup);
    EXPECT_TRUE(backup.IsEmpty());
    EXPECT_EQ(Layers(objects), (std::vector<int>{2, 3}));
    EXPECT_EQ(Layers(shapes), (std::vector<int>{2, 18}));
    const auto* restored = static_cast<const CKoutei*>(objects.GetHead());
    EXPECT_EQ(restored->GetSeqNumber(), CObSeqNumber(0, 5));
    // The link records follow the clipboard's processes.
    ASSERT_EQ(app->GetProcessInfoList().size(), 1u);
    EXPECT_EQ(app->GetProcessInfoList()[0]->GetKoutei(), restored);
    EXPECT_TRUE(app->GetProcessInfoList()[0]->IsLinked(restored));

    // A map that moves only layers the clipboard does not use needs no backup.
    map = Identity();
    map[9] = 1;
    EXPECT_EQ(doc.GetChartLayers().RemapClipboardLayers(map, &backup), 1);
    EXPECT_TRUE(backup.IsEmpty());
    CChartLayers::RestoreClipboard(&backup);
    EXPECT_EQ(Layers(objects), (std::vector<int>{2, 3}));
}

TEST_F(DocLayersTest, DataOnUnshownLayersIsFoundAndClamped) {
    struct Case {
        short state;
        bool selectedOnly;
        BOOL found;
    };
    const Case cases[] = {
        {CLayerSet::kShown, false, FALSE},    {CLayerSet::kReference, false, TRUE},
        {CLayerSet::kHidden, false, TRUE},    {CLayerSet::kNotDrawn, false, TRUE},
        {CLayerSet::kReference, true, FALSE},
    };
    for (const Case& c : cases) {
        doc.FreeAllObjects();
        doc.GetChartLayers().SetLayerVisible(4, c.state);
        AddProcess(4, c.selectedOnly);
        EXPECT_EQ(doc.GetChartLayers().HasDataOnUnshownLayers(), c.found)
            << c.state << " " << c.selectedOnly;
    }
    doc.FreeAllObjects();
    doc.GetChartLayers().SetLayerVisible(4, CLayerSet::kShown);
    AddShape(4);
    EXPECT_FALSE(doc.GetChartLayers().HasDataOnUnshownLayers());
    doc.GetChartLayers().SetLayerVisible(4, CLayerSet::kHidden);
    EXPECT_TRUE(doc.GetChartLayers().HasDataOnUnshownLayers()) << "a shape";

    CEvent* far = AddEvent(40);
    CZukeiBox* farShape = AddShape(16);
    CKoutei* selected = AddProcess(30, true);
    doc.GetChartLayers().ClampLayers();
    EXPECT_EQ(far->GetLayer(), 15);
    EXPECT_EQ(farShape->GetLayer(), 15);
    EXPECT_EQ(selected->GetLayer(), 30) << "only shapes and unselected objects";
}

TEST_F(DocLayersTest, DeletingTheShownLayersKeepsReferenceHiddenShapesAndSelected) {
    doc.GetChartLayers().SetLayerVisible(1, CLayerSet::kReference);
    doc.GetChartLayers().SetLayerVisible(2, CLayerSet::kHidden);
    doc.GetChartLayers().SetLayerVisible(3, CLayerSet::kNotDrawn);
    CKoutei* shown = AddProcess(0);
    CEvent* reference = AddEvent(1);
    CEvent* hidden = AddEvent(2);
    CEvent* notDrawn = AddEvent(3);
    CEvent* shownEvent = AddEvent(0);
    CEvent* beyond = AddEvent(17);
    CKoutei* selected = AddProcess(0, true);
    CZukeiBox* shape = AddShape(0);

    doc.GetChartLayers().DeleteShownLayerObjects();
    EXPECT_EQ(Entries(doc.GetObjList()),
              (std::vector<CDataHeader*>{reference, hidden, notDrawn, beyond}));
    EXPECT_EQ(doc.GetSelList().GetHead(), selected);
    EXPECT_EQ(doc.GetZukeiList().GetHead(), shape);
    EXPECT_EQ(view.CountFor(shown), 1);

    ASSERT_EQ(doc.GetUndoHistory().Undo(), 1);
    EXPECT_EQ(Entries(doc.GetObjList()),
              (std::vector<CDataHeader*>{shown, reference, hidden, notDrawn, shownEvent, beyond}));
}

} // namespace
} // namespace tembra
