#include "chart/ResourcedProcesses.h"

#include "chart/ChartDocument.h"
#include "model/DataHeader.h"
#include "model/Koutei.h"
#include "model/Shigen.h"

namespace tembra {

void ForEachResourcedProcess(const IChartDocument& document,
                             const std::function<void(const CKoutei&)>& visit) {
    document.ForEachObject([&](const CDataHeader& object) {
        if (object.GetType() != kTypeKoutei || object.GetKind() != kKindKoutei) {
            return;
        }
        const auto* process = DynamicDowncast<CKoutei>(&object);
        if (process == nullptr || process->GetShigen()->GetCount() == 0) {
            return;
        }
        visit(*process);
    });
}

} // namespace tembra
