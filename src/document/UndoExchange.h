// A before-image of document state that is neither a chart object nor the calendar (the settings
// a change of the day counting replaces, and what goes with them): an undo record holds it as its
// info, and undoing or redoing the record exchanges the image with the document's own state.
#pragma once

#include "platform/Object.h"

namespace tembra {

class CUndoExchange : public CObject {
public:
    // Puts the image in the document's place and the document's state into the image. 1 when
    // exchanged.
    virtual int Exchange() = 0;
};

} // namespace tembra
