// The copy every anchor shape's Clone makes: a new object of the shape's own class with the
// source's record header (kind, layer and selected flag included), attributes, page and anchors.
#pragma once

#include "model/DataHeader.h"

#include <memory>
#include <new>

namespace tembra {

// Null when the object cannot be made; the caller reports it.
template <class T> std::unique_ptr<T> CopyAnchorShape(const T& source) {
    std::unique_ptr<T> copy;
    try {
        copy = std::make_unique<T>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    static_cast<CDataHeader&>(*copy) = source;
    source.CopyAttrTo(*copy);
    copy->CopyAnchorsFrom(source);
    return copy;
}

} // namespace tembra
