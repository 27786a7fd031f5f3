// What the readers of the foreign files promise of the chart they leave, checked after every
// input of their fuzz targets: every process, event, item cell, progress line and shape on a
// date of the calendar and a row the chart can hold, and the chart written out as a DOS
// document and as its own file without a fault.
#pragma once

namespace tembra {
class CTembraDoc;
}

namespace tembra::fuzz {

void CheckImportedChart(CTembraDoc& document);

} // namespace tembra::fuzz
