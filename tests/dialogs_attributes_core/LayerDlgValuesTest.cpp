// The values of the layer dialogs over a document: the counts, the current layer's button and
// state, the bulk choices, what goes back into the document, and the destination states of the
// move dialog.
#include "dialogs/attributes/core/LayerDlgValues.h"

#include "model/Event.h"
#include "model/Koutei.h"

#include <gtest/gtest.h>

namespace tembra {
namespace {

class LayerDlgValuesTest : public ::testing::Test {
protected:
    LayerDlgValuesTest() { doc.OnNewDocument(); }

    void AddObjects(WORD layer, int count) {
        for (int i = 0; i < count; ++i) {
            auto* event = new CEvent;
            event->SetLayer(layer);
            doc.GetObjList().AddTail(event);
        }
    }

    CTembraDoc doc;
};

TEST_F(LayerDlgValuesTest, AnEmptyChartShowsZeroCountsAndOnlyTheCurrentButton) {
    doc.SetCurrentLayer(4);
    const LayerSetValues values = LoadLayerSet(doc);
    for (int n = 0; n < kLayers; ++n) {
        EXPECT_EQ(values.button[n], n == 4 ? kLayerButtonCurrent : kLayerButtonEmpty) << n;
        EXPECT_EQ(LayerCountText(values.count[n]), "     0") << n;
    }
    EXPECT_EQ(LayerCountText(123456), "123456");
    EXPECT_EQ(LayerCountText(1234567), "1234567");
}

TEST_F(LayerDlgValuesTest, TheCurrentLayerMovesWithItsButtonAndIsAlwaysShown) {
    AddObjects(0, 2);
    AddObjects(9, 1);
    doc.GetChartLayers().SetLayerVisible(5, 3);
    LayerSetValues values = LoadLayerSet(doc);
    ASSERT_EQ(values.Current(), 0);
    values.ChooseState(0, kIndexHidden);
    EXPECT_EQ(values.stateIndex[0], kIndexShown);
    values.ChooseState(9, kIndexReference);
    EXPECT_EQ(values.stateIndex[9], kIndexReference);

    values.ClickLayer(5);
    EXPECT_EQ(values.Current(), 5);
    EXPECT_EQ(values.stateIndex[5], kIndexShown);
    EXPECT_EQ(values.button[0], kLayerButtonFilled);
    EXPECT_EQ(values.button[9], kLayerButtonFilled);
    values.ChooseState(0, kIndexHidden);
    EXPECT_EQ(values.stateIndex[0], kIndexHidden);
    // Clicking the current one changes nothing.
    const LayerSetValues before = values;
    values.ClickLayer(5);
    EXPECT_EQ(values.button, before.button);
    EXPECT_EQ(values.stateIndex, before.stateIndex);

    values.SetAll(kIndexHidden);
    for (int n = 0; n < kLayers; ++n) {
        EXPECT_EQ(values.stateIndex[n], n == 5 ? kIndexShown : kIndexHidden) << n;
    }
    values.SetAll(kIndexShown);
    EXPECT_EQ(values.stateIndex[0], kIndexShown);
}

TEST_F(LayerDlgValuesTest, StatesHeadingsAndTheCurrentLayerGoBackIntoTheDocument) {
    LayerSetValues values = LoadLayerSet(doc);
    values.ClickLayer(2);
    values.stateIndex[0] = kIndexShown;
    values.stateIndex[1] = kIndexReference;
    values.stateIndex[3] = kIndexHidden;
    values.heading[1] = "\x8a\xee\x91\x62"; // 基礎 (CP932)
    values.heading[2] = "";
    StoreLayerSet(values, doc);
    EXPECT_EQ(doc.GetCurrentLayer(), 2);
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(0), 1);
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(1), 2);
    EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(3), 3);
    EXPECT_EQ(doc.GetChartLayers().GetLayerName(1), "\x8a\xee\x91\x62");
    // Read again, each stored state shows as it was chosen.
    const LayerSetValues again = LoadLayerSet(doc);
    EXPECT_EQ(again.stateIndex, values.stateIndex);
    EXPECT_EQ(LayerStateIndex(0), kIndexHidden);
}

TEST_F(LayerDlgValuesTest, EachMoveRowShowsTheStateOfItsDestination) {
    AddObjects(2, 1);
    doc.GetChartLayers().SetLayerVisible(7, 2);
    doc.GetChartLayers().SetLayerVisible(8, 3);
    LayerMoveValues values = LoadLayerMove(doc);
    for (int n = 0; n < kLayers; ++n) {
        EXPECT_EQ(values.destination[n], n);
        EXPECT_EQ(values.button[n], n == 2 ? kLayerButtonFilled : kLayerButtonEmpty) << n;
    }
    EXPECT_STREQ(values.RowStateText(2), " 表示");
    values.destination[2] = 7;
    EXPECT_STREQ(values.RowStateText(2), " 参考");
    values.destination[2] = 8;
    EXPECT_STREQ(values.RowStateText(2), "非表示");
    EXPECT_STREQ(values.RowStateText(7), " 参考");
}

} // namespace
} // namespace tembra
