// Which open charts an open closes: after a file is opened, every other chart that is not
// modified and holds nothing goes, so that the new chart takes the place of an untouched one.
#pragma once

#include <vector>

namespace tembra {

class CTembraDoc;

// Nothing in the chart: no objects (unselected or selected), item columns, progress lines,
// shapes or embedded items.
bool IsEmptyChart(CTembraDoc& document);

// The documents of the list, other than opened, that are not modified and hold nothing.
std::vector<CTembraDoc*> DocumentsToClose(const std::vector<CTembraDoc*>& documents,
                                          const CTembraDoc* opened);

} // namespace tembra
