// The sixteen layers of the document: their states and names, the objects counted per layer,
// moving objects between layers with undo, the layer map of a paste over the application's
// clipboard, and the deletion of the objects on shown layers.
#include "document/ChartLayers.h"
#include "document/AppState.h"
#include "document/RecordCast.h"
#include "document/TembraDoc.h"
#include "shapes/Zukei.h"

#include <algorithm>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

namespace tembra {

namespace {

constexpr int kLastLayer = CLayerSet::kLayerCount - 1;

// The layer an object stands on when it is counted: -1 for a word above 15.
int CountedLayer(const CDataHeader& object) {
    const int layer = object.GetLayer();
    return layer <= kLastLayer ? layer : -1;
}

// Where the map sends an object: a word above 15 takes layer 15's target, and the target is
// held to 0..15.
WORD MappedLayer(const CChartLayers::LayerMap& map, WORD layer) {
    const int target = map[std::min<std::size_t>(layer, kLastLayer)];
    return static_cast<WORD>(std::clamp(target, 0, kLastLayer));
}

void Count(const ObList<CDataHeader>& list, CChartLayers::LayerCounts& counts) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const int layer = CountedLayer(*list.GetNext(pos));
        if (layer >= 0) {
            ++counts[static_cast<std::size_t>(layer)];
        }
    }
}

// Whether the map moves a layer that holds counted objects.
bool MovesCounted(const CChartLayers::LayerMap& map, const CChartLayers::LayerCounts& counts) {
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (map[i] != static_cast<int>(i) && counts[i] > 0) {
            return true;
        }
    }
    return false;
}

} // namespace

// ---- The table ----------------------------------------------------------------------------------

short CChartLayers::IsLayerVisible(int n) const {
    const CChartObjects::LayerTable& layers = m_objects.GetLayers();
    return n >= 0 && static_cast<std::size_t>(n) < layers.size() ? layers[n]->GetState() : short{0};
}

void CChartLayers::SetLayerVisible(int n, short state) {
    CChartObjects::LayerTable& layers = m_objects.GetLayers();
    if (n < 0 || static_cast<std::size_t>(n) >= layers.size()) {
        return;
    }
    layers[n]->SetState(state);
    if (state == CLayerSet::kShown) {
        return;
    }
    // What the user no longer sees leaves the selection, so that no command on the selection
    // (delete, cut, an attribute) reaches it.
    m_doc.ForEachSelected([this](POSITION pos, CDataHeader* object) {
        if (m_objects.GetLayerState(object) != CLayerSet::kShown) {
            m_doc.UnselectAt(pos, TRUE);
        }
    });
}

std::string CChartLayers::GetLayerName(int n) const {
    const CChartObjects::LayerTable& layers = m_objects.GetLayers();
    return n >= 0 && static_cast<std::size_t>(n) < layers.size() ? layers[n]->GetName()
                                                                 : std::string();
}

void CChartLayers::SetLayerName(int n, std::string_view name) {
    CChartObjects::LayerTable& layers = m_objects.GetLayers();
    if (n >= 0 && static_cast<std::size_t>(n) < layers.size()) {
        layers[n]->SetName(name);
    }
}

// ---- Counting -----------------------------------------------------------------------------------

void CChartLayers::CountObjectsPerLayer(LayerCounts& counts) const {
    counts.fill(0);
    Count(m_objects.GetZukeiList(), counts);
    Count(m_objects.GetObjList(), counts);
}

void CChartLayers::CountClipboardPerLayer(LayerCounts& counts) {
    const CAppState* app = GetAppState();
    counts.fill(0);
    Count(app->GetObjectClipboard(), counts);
    Count(app->GetZukeiClipboard(), counts);
}

BOOL CChartLayers::HasDataOnUnshownLayers() const {
    const auto unshown = [this](const ObList<CDataHeader>& list) {
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            const int layer = CountedLayer(*list.GetNext(pos));
            if (layer >= 0 && IsLayerVisible(layer) != CLayerSet::kShown) {
                return true;
            }
        }
        return false;
    };
    return unshown(m_objects.GetZukeiList()) || unshown(m_objects.GetObjList()) ? TRUE : FALSE;
}

void CChartLayers::ClampLayers() {
    for (ObList<CDataHeader>* list : {&m_objects.GetZukeiList(), &m_objects.GetObjList()}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            CDataHeader* object = list->GetNext(pos);
            if (object->GetLayer() > kLastLayer) {
                object->SetLayer(kLastLayer);
            }
        }
    }
}

// ---- Moving between layers ----------------------------------------------------------------------

void CChartLayers::MoveLayers(const LayerMap& map) {
    m_doc.GetUndoHistory().Reset();
    LayerCounts counts;
    CountObjectsPerLayer(counts);
    if (!MovesCounted(map, counts)) {
        return;
    }

    // Each moved object is replaced in its place by a copy on the new layer, so that undo puts
    // the old one back. A selected shape is the copy in the selection too: its entries are
    // looked up once.
    std::unordered_map<const CDataHeader*, POSITION> selected;
    for (POSITION pos = m_objects.GetSelList().GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const CDataHeader* object = m_objects.GetSelList().GetNext(pos);
        if (object->GetType() == kTypeZukei) {
            selected.emplace(object, current);
        }
    }
    OwnedObList<CDataHeader>& shapes = m_objects.GetZukeiList();
    for (POSITION pos = shapes.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CZukei* shape = AsZukei(shapes.GetNext(pos));
        if (shape == nullptr) {
            continue;
        }
        const WORD target = MappedLayer(map, shape->GetLayer());
        if (target == shape->GetLayer()) {
            continue;
        }
        std::unique_ptr<CZukei> clone = shape->Clone();
        if (clone == nullptr) {
            continue; // the shape stays where it is
        }
        clone->SetLayer(target);
        CZukei* moved = clone.release(); // the shape list's now
        shapes.SetAt(current, moved);
        if (const auto it = selected.find(shape); it != selected.end()) {
            m_objects.GetSelList().SetAt(it->second, moved);
        }
        m_doc.RedrawObject(moved);
        // Without a record the old shape could come back from nowhere: it goes now, unless a
        // list still holds it.
        if (m_doc.GetUndoHistory().AddChange(shape, moved) == 0 && !m_objects.Holds(shape)) {
            delete shape;
        }
    }

    OwnedObList<CDataHeader>& objects = m_objects.GetObjList();
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CDataHeader* object = objects.GetNext(pos);
        const WORD target = MappedLayer(map, object->GetLayer());
        if (target == object->GetLayer()) {
            continue;
        }
        std::unique_ptr<CDataHeader> copy;
        if (const CKoutei* process = AsKoutei(object)) {
            copy = m_doc.CopyKoutei(process, TRUE);
        } else if (const CEvent* event = AsEvent(object)) {
            copy = m_doc.GetEvents().CopyEvent(*event);
        } else {
            continue; // other kinds keep their layer
        }
        if (copy == nullptr) {
            continue;
        }
        copy->SetLayer(target);
        m_doc.ReplaceObjAt(current, copy.release());
    }
}

void CChartLayers::SetSelLayer(int layer) {
    m_doc.GetUndoHistory().Reset();
    const WORD target = static_cast<WORD>(std::clamp(layer, 0, kLastLayer));
    const LONG mode = m_doc.GetOperation().GetMode();
    // The object takes the layer; a copy of its old state is recorded as what it changed from.
    const auto change = [this, target](CDataHeader* object, std::unique_ptr<CDataHeader> before) {
        if (before == nullptr) {
            return;
        }
        object->SetLayer(target);
        m_doc.RedrawObject(object);
        if (m_doc.GetUndoHistory().AddChange(before.get(), object) != 0) {
            before.release(); // the history's now
        }
    };
    m_doc.ForEachSelected([&](POSITION, CDataHeader* object) {
        switch (mode) {
        case COperationState::kModeKoutei:
            if (const CKoutei* process = AsKoutei(object);
                process != nullptr && process->IsLinesSelected() != 0) {
                change(object, m_doc.CopyKoutei(process, TRUE));
            }
            break;
        case COperationState::kModeZukei:
            if (const CZukei* shape = AsZukei(object)) {
                change(object, shape->Clone());
            }
            break;
        case COperationState::kModeEvent:
            if (const CEvent* event = AsEvent(object)) {
                change(object, m_doc.GetEvents().CopyEvent(*event));
            }
            break;
        default:
            break;
        }
    });
}

// ---- The layer map of a paste -------------------------------------------------------------------

int CChartLayers::RemapClipboardLayers(const LayerMap& map, OwnedObList<CDataHeader>* backup) {
    bool identity = true;
    for (std::size_t i = 0; i < map.size(); ++i) {
        identity = identity && map[i] == static_cast<int>(i);
    }
    if (identity) {
        return 0;
    }
    CAppState* app = GetAppState();
    OwnedObList<CDataHeader>& objects = app->GetObjectClipboard();
    OwnedObList<CDataHeader>& shapes = app->GetZukeiClipboard();
    LayerCounts counts;
    CountClipboardPerLayer(counts);
    if (backup != nullptr && MovesCounted(map, counts)) {
        // A copy of every clipboard entry, objects then shapes, each list in its order; a
        // backup that could not be made whole is none.
        backup->DeleteAll();
        const auto keep = [backup](std::unique_ptr<CDataHeader> copy) {
            if (copy == nullptr) {
                return false;
            }
            try {
                backup->AddTail(copy.get());
            } catch (const std::bad_alloc&) {
                return false;
            }
            copy.release();
            return true;
        };
        bool whole = true;
        for (POSITION pos = objects.GetHeadPosition(); whole && pos != nullptr;) {
            CDataHeader* object = objects.GetNext(pos);
            if (const CKoutei* process = AsKoutei(object)) {
                whole = keep(m_doc.CopyKoutei(process, TRUE));
            } else if (const CEvent* event = AsEvent(object)) {
                whole = keep(m_doc.GetEvents().CopyEvent(*event));
            } else {
                whole = false;
            }
        }
        for (POSITION pos = shapes.GetHeadPosition(); whole && pos != nullptr;) {
            const CZukei* shape = AsZukei(shapes.GetNext(pos));
            whole = shape != nullptr && keep(shape->Clone());
        }
        if (!whole) {
            backup->DeleteAll();
        }
    }
    for (ObList<CDataHeader>* list : {static_cast<ObList<CDataHeader>*>(&objects),
                                      static_cast<ObList<CDataHeader>*>(&shapes)}) {
        for (POSITION pos = list->GetHeadPosition(); pos != nullptr;) {
            CDataHeader* object = list->GetNext(pos);
            object->SetLayer(MappedLayer(map, object->GetLayer()));
        }
    }
    return 1;
}

void CChartLayers::RestoreClipboard(OwnedObList<CDataHeader>* backup) {
    if (backup == nullptr || backup->IsEmpty()) {
        return;
    }
    CAppState* app = GetAppState();
    OwnedObList<CDataHeader>& objects = app->GetObjectClipboard();
    OwnedObList<CDataHeader>& shapes = app->GetZukeiClipboard();

    // The link records name the clipboard's processes: they are pointed at the backup's, which
    // stand in the same order. Should the clipboard no longer match the backup, the records
    // cannot follow and go.
    std::vector<const CDataHeader*> before;
    std::vector<CDataHeader*> after;
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        before.push_back(objects.GetNext(pos));
    }
    for (POSITION pos = backup->GetHeadPosition(); pos != nullptr;) {
        CDataHeader* object = backup->GetNext(pos);
        if (object->GetType() != kTypeZukei) {
            after.push_back(object);
        }
    }
    CAppState::LinkList& links = app->GetProcessInfoList();
    if (before.size() == after.size()) {
        std::unordered_map<const CObject*, CKoutei*> renamed;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (CKoutei* process = AsKoutei(after[i])) {
                renamed.emplace(before[i], process);
            }
        }
        for (const auto& link : links) {
            if (const auto it = renamed.find(link->GetKoutei()); it != renamed.end()) {
                link->SetKoutei(it->second);
            }
            const std::vector<CKoutei*> linked = link->GetLinks();
            for (const CKoutei* process : linked) {
                if (const auto it = renamed.find(process); it != renamed.end()) {
                    link->ReplaceLink(process, it->second);
                }
            }
        }
    } else {
        app->ClearProcessInfoList();
    }

    objects.DeleteAll();
    shapes.DeleteAll();
    while (!backup->IsEmpty()) {
        CDataHeader* object = backup->RemoveHead();
        try {
            (object->GetType() == kTypeZukei ? shapes : objects).AddTail(object);
        } catch (const std::bad_alloc&) {
            delete object;
        }
    }
}

// ---- Deleting the shown layers' objects ---------------------------------------------------------

void CChartLayers::DeleteShownLayerObjects() {
    std::array<short, CLayerSet::kLayerCount> states{};
    for (int i = 0; i < CLayerSet::kLayerCount; ++i) {
        states[static_cast<std::size_t>(i)] = IsLayerVisible(i);
    }
    OwnedObList<CDataHeader>& objects = m_objects.GetObjList();
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        const int layer = CountedLayer(*objects.GetNext(pos));
        if (layer >= 0 && states[static_cast<std::size_t>(layer)] == CLayerSet::kShown) {
            m_doc.DeleteObjAt(current);
        }
    }
}

} // namespace tembra
