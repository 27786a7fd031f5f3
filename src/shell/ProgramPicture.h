// The program's picture, shown by the splash window and the about box: the program's name over a
// small schedule chart, drawn once.
#pragma once

#include <QPixmap>

namespace tembra {

const QPixmap& ProgramPicture();

} // namespace tembra
