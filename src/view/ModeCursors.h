// The cursors of the chart view's modes, drawn in code: an arrow (the pointer picks) or a cross
// (the pointer places) with a small glyph of the object kind or the operation beside it, made
// once per id. The size cursors and the plain cross of the area zoom are Qt's own.
#pragma once

#include <QCursor>

#include <optional>

namespace tembra {

// The cursor of a cursor id of the view (IViewHost::Cursor and the mode cursor resources), or
// none for an id the view has no cursor for.
std::optional<QCursor> ViewCursor(int id);

} // namespace tembra
