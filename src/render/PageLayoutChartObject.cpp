// One chart object drawn by its record type: processes, item cells and events.
#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "render/EventDraw.h"
#include "render/KouteiDraw.h"
#include "render/PageLayout.h"

namespace tembra {

void CPageLayout::DrawChartObject(CDC* dc, CDataHeader* object, ChartDrawMode mode) const {
    if (dc == nullptr || object == nullptr) {
        return;
    }
    // The painters of the records take the same code among their own.
    const int code = static_cast<int>(mode);
    switch (object->GetType()) {
    case kTypeKoutei:
        if (object->GetKind() == kKindKoutei) {
            if (auto* koutei = dynamic_cast<CKoutei*>(object)) {
                Draw(*koutei, dc, *this, code);
            }
        }
        break;
    case kTypeKoumoku:
        if (const auto* cell = dynamic_cast<const CKoumokuData*>(object)) {
            DrawKoumokuCell(dc, *cell, mode);
        }
        break;
    case kTypeEvent:
        if (object->GetKind() == kKindEvent) {
            if (auto* event = dynamic_cast<CEvent*>(object)) {
                Draw(*event, *this, dc, code);
            }
        }
        break;
    default:
        break;
    }
}

} // namespace tembra
