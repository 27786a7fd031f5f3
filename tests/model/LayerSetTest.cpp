#include "model/LayerSet.h"

#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

using Bytes = std::vector<BYTE>;

TEST(LayerSetTest, NewLayerIsShownWithoutAName) {
    CLayerSet layer;
    EXPECT_EQ(layer.GetState(), CLayerSet::kShown);
    EXPECT_TRUE(layer.GetName().empty());
}

TEST(LayerSetTest, OnlyShownAndReferenceLayersAreDrawn) {
    struct Case {
        short state;
        bool drawn;
    };
    for (const Case& c :
         std::vector<Case>{{0, false}, {1, true}, {2, true}, {3, false}, {-1, false}}) {
        EXPECT_EQ(CLayerSet(c.state, "").IsDrawn(), c.drawn) << c.state;
    }
}

TEST(LayerSetTest, GoldenBytesAndRoundTrip) {
    // "工程" in CP932.
    CLayerSet layer(CLayerSet::kReference, "\x8d\x48\x92\xf6");
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        layer.Serialize(ar);
    }
    const Bytes expected = {0x02, 0x00, 0x04, 0x8D, 0x48, 0x92, 0xF6};
    EXPECT_EQ(file.Data(), expected);

    // A state the dialog never sets still comes back as it was stored.
    const Bytes odd = {0xFF, 0xFF, 0x01, 'x'};
    CMemFile in(odd);
    CArchive ar(&in, CArchive::load);
    CLayerSet back;
    back.Serialize(ar);
    EXPECT_EQ(back.GetState(), -1);
    EXPECT_EQ(back.GetName(), "x");
}

} // namespace
} // namespace tembra
