// The images of the bar buttons. The system draws its buttons from bitmaps of 16 x 15 pixel
// cells. Here a button whose command is a standard action (new, open, save, print ...; see
// CToolBarSets::StandardIconName) shows that action's icon of the desktop's icon theme where the
// theme has one; every other button, and every button without a theme, shows a tile in the
// colour of its bar with the first character of its name.
#pragma once

#include "shell/core/ToolBarSets.h"

#include <QIcon>
#include <QString>

namespace tembra {

// The image of a button of the set (1 to 7) for the entry of its command table.
QIcon ButtonImage(int set, const ToolBarCommand& command);

} // namespace tembra
