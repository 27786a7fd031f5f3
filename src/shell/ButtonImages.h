// The images of the bar buttons. The system draws its buttons from bitmaps of 16 x 15 pixel
// cells; this program draws each button's image from its name: the name's first character on a
// tile in the colour of the button's bar.
#pragma once

#include <QIcon>
#include <QString>

namespace tembra {

// The image of a button of the set (1 to 7) named name (UTF-8).
QIcon ButtonImage(int set, const QString& name);

} // namespace tembra
