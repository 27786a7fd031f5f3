// The selection of text shapes as the text and safety-board commands see it.
#include "document/TembraDoc.h"
#include "shapes/ZukeiString.h"

namespace tembra {

int CTembraDoc::CountSelectedTextZukei() const {
    int count = 0;
    const ObList<CDataHeader>& selection = GetSelList();
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
