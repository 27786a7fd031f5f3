// The sets of a chart's objects that CTembraDoc::GetObjectsExtent measures, combined with |.
#pragma once

namespace tembra {

enum class ObjectSets : unsigned {
    None = 0,
    // The unselected objects and shapes.
    Unselected = 0x001,
    // The selection.
    Selection = 0x002,
    // The application's clipboards.
    Clipboards = 0x100,
};

constexpr ObjectSets operator|(ObjectSets a, ObjectSets b) {
    return static_cast<ObjectSets>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// Whether the sets hold every set of part.
constexpr bool Holds(ObjectSets sets, ObjectSets part) {
    return (static_cast<unsigned>(sets) & static_cast<unsigned>(part)) ==
           static_cast<unsigned>(part);
}

} // namespace tembra
