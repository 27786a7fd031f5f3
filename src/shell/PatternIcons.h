// The images of the pattern entries (模様) of the process menus and of the pattern popup: each
// entry's fill drawn by the chart's own fill primitive, so that the menu shows what the chart
// will draw.
#pragma once

#include "platform/Types.h"

#include <QIcon>

namespace tembra {

// The image of a pattern command; a null icon for any other command.
QIcon PatternIcon(UINT command);

} // namespace tembra
