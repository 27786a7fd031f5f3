// What one print job or preview of the chart view carries from its preparation to its pages:
// whether it is a preview, whether it prints straight to a printer without the dialog, the page
// range, the page being drawn and what the chosen printer's paper measures.
#pragma once

#include "platform/Types.h"

#include <string>

namespace tembra {

struct CPrintInfo {
    // A preview draws the pages into the preview window.
    bool m_bPreview = false;
    // Printed from the command line: no dialog, the printer the host was given.
    bool m_bDirect = false;
    // The pages the chart has (1 .. max) and the pages asked for (from .. to).
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 1;
    UINT m_nFromPage = 1;
    UINT m_nToPage = 1;
    // The page being drawn (1 for the first).
    UINT m_nCurPage = 1;
    // How many pages the preview shows side by side (the application's choice).
    UINT m_nNumPreviewPages = 1;
    // The framework's page description ("ページ %u\nページ %u-%u\n").
    std::string m_strPageDesc;
    // The printable area of the chosen printer's paper, 0.1 mm (0 until a printer was chosen).
    CSize m_paperSize;
};

} // namespace tembra
