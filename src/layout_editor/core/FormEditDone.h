// How the layout editor tells the main program that its temporary layout is done: when the
// editing view goes while the main program's temporary copy is open, the window the copy names
// ("hWnd_Tembra") is told once. The channel to the main program stands behind this seam.
#pragma once

namespace marquell {

class IFormEditDone {
public:
    virtual ~IFormEditDone() = default;
    virtual void FormEditDone(int windowHandle) = 0;
};

} // namespace marquell
