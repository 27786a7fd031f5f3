// The processes a resource chart adds up: the document's process objects that carry resources.
#pragma once

#include <functional>

namespace tembra {

class CKoutei;
class IChartDocument;

// Visits them in the order ForEachObject gives the document's objects.
void ForEachResourcedProcess(const IChartDocument& document,
                             const std::function<void(const CKoutei&)>& visit);

} // namespace tembra
