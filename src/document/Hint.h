// The update hint that a document hands to its views with a hint code: hint 1 repaints the first
// rectangle (0.1 mm), hint 2 the band of dates and rows of the second one.
#pragma once

#include "platform/Archive.h"
#include "platform/Types.h"

namespace tembra {

// Hint codes of the document's updates that carry a CHint.
enum : int {
    kHintArea = 1,      // m_rect: the area to repaint, in 0.1 mm
    kHintDateRange = 2, // m_range: the band of dates and rows to repaint
};

class CHint : public CObject {
    DECLARE_DYNAMIC(CHint)
public:
    // Both rectangles empty.
    CHint() = default;
    CHint(const CHint&) = default;
    CHint& operator=(const CHint&) = default;

    // Sets the band: left and right are the first and last date (time values), top and bottom
    // the first and last row.
    void SetDateRange(LONG startDate, LONG endDate, LONG firstRow, LONG lastRow) {
        m_range = CRect(startDate, firstRow, endDate, lastRow);
    }

    CRect m_rect;
    CRect m_range;
    LONG m_value = 0; // meaning chosen by the sender with the hint code
};

} // namespace tembra
