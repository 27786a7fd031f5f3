// The view that hosts the in-place edit window of a framed text: the window is its child, and
// when the window loses the focus to another window of the program the host ends the edit
// (the window's text becomes the shape's text, the window is disabled and hidden). The chart
// view implements it; the Qt side adds the parent widget.
#pragma once

namespace tembra {

class IZukeiEditHost {
public:
    virtual ~IZukeiEditHost() = default;
    // Ends the in-place edit of the text shape the host is editing.
    virtual void EndStringEdit() = 0;
};

} // namespace tembra
