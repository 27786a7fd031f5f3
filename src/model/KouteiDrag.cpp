#include "model/KouteiDrag.h"

#include "model/Koutei.h"

namespace tembra {

CKouteiDrag CKouteiDrag::Of(const CKoutei& process) {
    CKouteiDrag drag;
    drag.startDate = process.GetStartTime();
    drag.endDate = process.GetEndTime();
    drag.startRow = process.GetStartRow();
    drag.endRow = process.GetEndRow();
    drag.bendRow = process.GetBendRow();
    return drag;
}

} // namespace tembra
