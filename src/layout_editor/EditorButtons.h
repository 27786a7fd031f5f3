// The images of the layout editor's bar buttons. A standard action (new, open, save, print,
// print preview, zoom, delete, undo, help) shows the desktop icon theme's icon where the theme
// has one; every other button, and every button without a theme, is drawn by the program: a
// small picture of what the button does (a text, a field, a line, a box, the pointer ...) or a
// short sign on a tile in the colour of its kind of command.
#pragma once

#include <QIcon>

namespace marquell {

// The image of the button of a command.
QIcon EditorButtonImage(unsigned command);

} // namespace marquell
