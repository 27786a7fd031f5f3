// The selection of text shapes as the text and safety-board commands see it.
#include "document/ChartShapes.h"
#include "document/TembraDoc.h"
#include "shapes/ZukeiString.h"

namespace tembra {

int CChartShapes::CountSelectedTextZukei() const {
    int count = 0;
    const ObList<CDataHeader>& selection = m_objects.GetSelList();
    for (POSITION pos = selection.GetHeadPosition(); pos != nullptr;) {
        const CZukei* shape = AsZukei(selection.GetNext(pos));
        if (shape == nullptr) {
            continue;
        }
        if (DynamicDowncast<CZukeiString>(shape) == nullptr) {
            return 0;
        }
        ++count;
    }
    return count;
}

} // namespace tembra
