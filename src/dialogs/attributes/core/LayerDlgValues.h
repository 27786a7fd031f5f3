// What the layer dialogs show of a document's sixteen layers, and the rules of their buttons:
// the layer settings (dialog 279: state, heading and the current layer) and the destination
// table of the batch move and of the output layers (dialog 282).
#pragma once

#include "document/TembraDoc.h"

#include <array>
#include <string>

namespace tembra {

inline constexpr int kLayers = CLayerSet::kLayerCount;

// The button states: the current layer, an empty one, one that holds objects.
enum : int { kLayerButtonEmpty = 0, kLayerButtonCurrent = 1, kLayerButtonFilled = 2 };
// The state list of a row: index 0 "表示", 1 "参考", 2 "非表示".
enum : int { kIndexShown = 0, kIndexReference = 1, kIndexHidden = 2 };

// The list index of a stored state (1 and 2 as they are, anything else hidden), and back.
int LayerStateIndex(short state);
short LayerStateOfIndex(int index);
// The text the move dialog shows for a stored state: " 表示", " 参考", else "非表示" (UTF-8).
const char* LayerStateText(short state);
// A count as the settings dialog shows it: right-aligned in six places.
std::string LayerCountText(int count);

struct LayerSetValues {
    std::array<int, kLayers> stateIndex{};
    std::array<std::string, kLayers> heading; // CP932, as the document keeps it
    std::array<int, kLayers> button{};
    std::array<int, kLayers> count{};

    // The layer whose button is current (0 when none is).
    int Current() const;
    // Button n makes its layer current and shown; the others show whether they hold objects.
    void ClickLayer(int n);
    // The current layer is always shown: a choice for it snaps back to 表示.
    void ChooseState(int n, int index);
    // 一括指定: every layer gets the index, the current one 表示.
    void SetAll(int index);
};

LayerSetValues LoadLayerSet(const CTembraDoc& doc);
// Writes states, headings and the current layer into the document.
void StoreLayerSet(const LayerSetValues& values, CTembraDoc& doc);

// The move and output dialogs: each source layer's destination, with the state of that
// destination beside it.
struct LayerMoveValues {
    std::array<int, kLayers> destination{};
    std::array<short, kLayers> state{}; // the stored state of each layer
    std::array<std::string, kLayers> heading;
    std::array<int, kLayers> button{};

    // The text of row n: the state of its destination.
    const char* RowStateText(int n) const;
};

LayerMoveValues LoadLayerMove(const CTembraDoc& doc);

} // namespace tembra
