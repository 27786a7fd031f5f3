// Runs an initial-settings dialog for the document's requests "SyokiSetRekiDlg" and
// "SyokiSetNobeDlg": the model loaded from the request's copy of the settings (with the
// conversion when the chart changes its counting), the dialog, and on OK the values stored back
// into the copy with what the dialog tells about the print header.
#pragma once

#include "document/ModeChangeRequests.h"

class QWidget;

namespace tembra {

int RunSyokiSetDialog(CTembraDoc* document, const DayConversion* conversion, bool elapsed,
                      SyokiSetResults& results, QWidget* parent);

} // namespace tembra
