#include "shapes/ZukeiView.h"

#include "shapes/Zukei.h"

namespace tembra {

CRect GetZukeiBounds(const CDataHeader& record, const CPageLayout& layout) {
    const CZukei* shape = AsZukei(&record);
    if (shape == nullptr) {
        return CRect();
    }
    const CZukeiLayoutView view(layout);
    return shape->GetDeviceRect(view);
}

} // namespace tembra
