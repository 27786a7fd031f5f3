// The icon theme the bar buttons of both programs take their standard actions' icons from. On a
// desktop that names its icon theme Qt takes that one. Where none is named (a plain X server, a
// window manager without a desktop) Qt would look only in "hicolor", which holds no action icons;
// the system's default theme (the icon theme "default", which the distribution points at the
// theme it installed) is taken then, where there is one.
#pragma once

namespace tembra {

// Takes the system's default icon theme when the desktop names none; called once by each program
// right after its application object is made. True when a theme with a name other than "hicolor"
// is in use afterwards.
bool UseDesktopIconTheme();

} // namespace tembra
