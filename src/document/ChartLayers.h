// The sixteen layers of a chart: their states and names, the objects counted per layer, the
// moves of objects between layers with undo, the layer map of a paste over the application's
// clipboard, and the deletion of the objects on shown layers (ChartLayers.cpp).
//
// A layer's state: 1 shown, 2 shown for reference, any other value (0, or the 3 the layer dialog
// writes) hidden. Objects are drawn on layers of state 1 or 2 (CLayerSet::IsDrawn); no caller
// takes a non-zero state for a drawn layer. A layer word above 15 counts as layer 15.
//
// The moves replace objects by copies through the document (its replacements, deletions and
// undo history), so it works on the CTembraDoc that holds it; the layer table and the lists it
// reads through the chart's objects.
#pragma once

#include "document/ChartObjects.h"
#include "document/ObList.h"
#include "model/DataHeader.h"
#include "model/LayerSet.h"
#include "platform/Types.h"

#include <array>
#include <string>
#include <string_view>

namespace tembra {

class CTembraDoc;

class CChartLayers {
public:
    // Objects per layer.
    using LayerCounts = std::array<int, CLayerSet::kLayerCount>;
    // A layer map: entry i is the target layer of the objects now on layer i.
    using LayerMap = std::array<int, CLayerSet::kLayerCount>;

    CChartLayers(CTembraDoc& doc, CChartObjects& objects) : m_doc(doc), m_objects(objects) {}
    CChartLayers(const CChartLayers&) = delete;
    CChartLayers& operator=(const CChartLayers&) = delete;

    // Appends 16 new layers (shown, no name); 0 as soon as one cannot be made.
    int CreateLayers() { return m_objects.CreateLayers(); }
    // Deletes the layers from the last to the first.
    void DeleteLayers() { m_objects.DeleteAllLayers(); }
    // The state of the object's layer; 0 without a table.
    short IsObjectLayerVisible(const CDataHeader* object) const {
        return m_objects.GetLayerState(object);
    }
    // The state of layer n; 0 for a layer the table does not hold.
    short IsLayerVisible(int n) const;
    // Sets the state of layer n; nothing for a layer the table does not hold. A layer no longer
    // shown takes its objects out of the selection.
    void SetLayerVisible(int n, short state);
    std::string GetLayerName(int n) const;
    void SetLayerName(int n, std::string_view name);
    // The shapes and the unselected objects per layer (layer words above 15 and selected
    // objects other than shapes are not counted).
    void CountObjectsPerLayer(LayerCounts& counts) const;
    // The same over the application's object clipboard and its shapes.
    static void CountClipboardPerLayer(LayerCounts& counts);
    // Moves the shapes and the unselected processes and events to the layers the map gives
    // (targets clamped to 0..15): each is replaced in its place by a copy on the new layer, in
    // one undo step. Nothing happens (and nothing is recorded) when no layer that the map moves
    // holds a counted object.
    void MoveLayers(const LayerMap& map);
    // Puts the selected objects of the object mode on the layer (mode 1: processes whose line
    // is selected; 4: shapes; 6: events), each change recorded against a copy of its old state.
    void SetSelLayer(int layer);
    // Before a paste: gives every object and shape of the application's clipboard the layer the
    // map gives (layer words above 15 take entry 15's target). When the map moves a layer that
    // holds clipboard objects, copies of them are first put into backup (when given), so that
    // RestoreClipboard can give the clipboard its layers back. 0 for a map that moves no layer,
    // else 1.
    int RemapClipboardLayers(const LayerMap& map, OwnedObList<CDataHeader>* backup);
    // After the paste: the clipboard's objects and shapes are replaced by those of the backup
    // (which ends empty); the link records follow. An empty or missing backup changes nothing.
    static void RestoreClipboard(OwnedObList<CDataHeader>* backup);
    // Whether a shape or an unselected object lies on a layer 0..15 that is not shown (state
    // other than 1).
    BOOL HasDataOnUnshownLayers() const;
    // After a load: shapes and unselected objects with a layer word above 15 get 15.
    void ClampLayers();
    // Deletes the unselected objects on shown layers (state 1), each with an undo record;
    // objects on reference and hidden layers, shapes and selected objects stay.
    void DeleteShownLayerObjects();

private:
    CTembraDoc& m_doc;
    CChartObjects& m_objects;
};

} // namespace tembra
