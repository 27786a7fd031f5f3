// One of the 16 layers of a document: whether and how the objects on it are drawn, and its
// name.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

#include <string>
#include <string_view>

namespace tembra {

class CLayerSet : public CObject {
    DECLARE_SERIAL(CLayerSet)
public:
    // Layer states. 1 is the state of a new layer; 0 means the objects on the layer are not
    // drawn; 2 and 3 are given by the layer dialog.
    enum : short {
        kNotDrawn = 0,
        kShown = 1,
        kReference = 2, // shown for reference
        kHidden = 3,
    };
    // Layers per document.
    static constexpr int kLayerCount = 16;

    CLayerSet() = default;
    CLayerSet(short state, std::string_view name) : m_state(state), m_name(name) {}
    CLayerSet(const CLayerSet& other) = default;
    CLayerSet& operator=(const CLayerSet& other) = default;

    short GetState() const { return m_state; }
    void SetState(short state) { m_state = state; }
    const std::string& GetName() const { return m_name; }
    void SetName(std::string_view name) { m_name = name; }
    // Objects on the layer are drawn when it is shown or shown for reference.
    bool IsDrawn() const { return m_state == kShown || m_state == kReference; }

    // WORD state, then the name as a string.
    void Serialize(CArchive& ar) override;

private:
    short m_state = kShown;
    std::string m_name;
};

} // namespace tembra
