// What the select and replace dialog offers for the object mode it is opened in: the caption
// names the kind of text (terms, events, otherwise item cells), 選択 needs the edit operation and
// never works on item cells, and the limit to the selection needs a selection in the edit
// operation (then it starts checked).
#pragma once

#include <string>

namespace tembra {

struct FindReplaceState {
    std::string caption; // UTF-8
    bool selectEnabled = false;
    bool limitEnabled = false;
    bool limitChecked = false;
};

// mode and operation as the document's operation state gives them.
FindReplaceState MakeFindReplaceState(const std::string& templateCaption, long mode, long operation,
                                      bool selectionAvailable);

} // namespace tembra
