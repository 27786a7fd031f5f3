// The images of the layout editor's bar buttons, drawn by the program: a small picture of what
// the button does (a text, a field, a line, a box, the pointer ...) or a short sign on a tile
// in the colour of its kind of command.
#pragma once

#include <QIcon>

namespace marquell {

// The image of the button of a command.
QIcon EditorButtonImage(unsigned command);

} // namespace marquell
