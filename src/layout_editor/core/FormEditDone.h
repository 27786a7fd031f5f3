// How the layout editor tells the main program that its temporary layout is done: when the
// editing view goes while the main program's temporary copy is open, the window the copy names
// ("hWnd_Tembra") is told once, with the path of the file that was edited. The channel to the
// main program stands behind this seam.
#pragma once

#include <string>

namespace marquell {

class IFormEditDone {
public:
    virtual ~IFormEditDone() = default;
    virtual void FormEditDone(int windowHandle, const std::string& path) = 0;
};

} // namespace marquell
