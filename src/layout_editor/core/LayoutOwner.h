// What a paper's editing operations ask of the layout that owns it (the editor's document): the
// one-step undo history its changes are recorded in, a redraw of an element in every view, and
// the modified flag. Each operation resets the history first and then records every element it
// adds (the paper's list keeps it), removes or replaces (the history keeps the old one).
#pragma once

#include "layout_editor/core/LayoutBase.h"
#include "model/Undo.h"

namespace marquell {

class CLayoutData;

using CLayoutUndoHistory = tembra::UndoHistoryT<CLayoutData>;

class ILayoutOwner {
public:
    virtual ~ILayoutOwner() = default;
    virtual CLayoutUndoHistory& GetUndoHistory() = 0;
    // Every view redraws where the element lies.
    virtual void UpdateElement(const CLayoutData& element) = 0;
    virtual void SetModifiedFlag() = 0;
};

} // namespace marquell
