#include "dialogs/attributes/core/LayerDlgValues.h"

#include <cstdio>

namespace tembra {

int LayerStateIndex(short state) {
    switch (state) {
    case 1:
        return kIndexShown;
    case 2:
        return kIndexReference;
    default:
        return kIndexHidden;
    }
}

short LayerStateOfIndex(int index) {
    switch (index) {
    case kIndexShown:
        return 1;
    case kIndexReference:
        return 2;
    default:
        return 3;
    }
}

const char* LayerStateText(short state) {
    switch (state) {
    case 1:
        return " 表示";
    case 2:
        return " 参考";
    default:
        return "非表示";
    }
}

std::string LayerCountText(int count) {
    char text[16];
    std::snprintf(text, sizeof text, "%6d", count);
    return text;
}

int LayerSetValues::Current() const {
    for (int n = 0; n < kLayers; ++n) {
        if (button[n] == kLayerButtonCurrent) {
            return n;
        }
    }
    return 0;
}

void LayerSetValues::ClickLayer(int n) {
    if (n < 0 || n >= kLayers) {
        return;
    }
    if (button[n] != kLayerButtonCurrent) {
        button[n] = kLayerButtonCurrent;
        stateIndex[n] = kIndexShown;
    }
    for (int other = 0; other < kLayers; ++other) {
        if (other != n && button[other] != kLayerButtonEmpty) {
            button[other] = count[other] != 0 ? kLayerButtonFilled : kLayerButtonEmpty;
        }
    }
}

void LayerSetValues::ChooseState(int n, int index) {
    if (n < 0 || n >= kLayers) {
        return;
    }
    stateIndex[n] = button[n] == kLayerButtonCurrent ? kIndexShown : index;
}

void LayerSetValues::SetAll(int index) {
    for (int n = 0; n < kLayers; ++n) {
        ChooseState(n, index);
    }
}

LayerSetValues LoadLayerSet(const CTembraDoc& doc) {
    LayerSetValues values;
    CChartLayers::LayerCounts counts{};
    doc.GetChartLayers().CountObjectsPerLayer(counts);
    const int current = doc.GetCurrentLayer();
    for (int n = 0; n < kLayers; ++n) {
        values.count[n] = counts[n];
        values.button[n] = n == current     ? kLayerButtonCurrent
                           : counts[n] != 0 ? kLayerButtonFilled
                                            : kLayerButtonEmpty;
        values.stateIndex[n] = LayerStateIndex(doc.GetChartLayers().IsLayerVisible(n));
        values.heading[n] = doc.GetChartLayers().GetLayerName(n);
    }
    return values;
}

void StoreLayerSet(const LayerSetValues& values, CTembraDoc& doc) {
    for (int n = 0; n < kLayers; ++n) {
        doc.GetChartLayers().SetLayerVisible(n, LayerStateOfIndex(values.stateIndex[n]));
        doc.GetChartLayers().SetLayerName(n, values.heading[n]);
    }
    doc.SetCurrentLayer(values.Current());
}

const char* LayerMoveValues::RowStateText(int n) const {
    const int to = destination[n];
    return LayerStateText(to >= 0 && to < kLayers ? state[to] : 0);
}

LayerMoveValues LoadLayerMove(const CTembraDoc& doc) {
    LayerMoveValues values;
    CChartLayers::LayerCounts counts{};
    doc.GetChartLayers().CountObjectsPerLayer(counts);
    for (int n = 0; n < kLayers; ++n) {
        values.destination[n] = n;
        values.state[n] = doc.GetChartLayers().IsLayerVisible(n);
        values.heading[n] = doc.GetChartLayers().GetLayerName(n);
        values.button[n] = counts[n] != 0 ? kLayerButtonFilled : kLayerButtonEmpty;
    }
    return values;
}

} // namespace tembra
