// The answer to the colour request (ColorRequest, "Color"): Qt's own colour dialog, not the
// desktop's, so it looks and behaves the same on every desktop and in the offscreen tests.
#pragma once

class QWidget;

namespace tembra {

class DialogRequest;

// Shows the colour dialog preset with the request's colour. IDOK with the chosen colour stored
// in the request, or IDCANCEL with the request unchanged.
int RunColorDialog(DialogRequest& request, QWidget* parent);

} // namespace tembra
