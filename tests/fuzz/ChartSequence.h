// The parts of a chart file after its header text and version, in the order the file holds them,
// read into and written from a schedule document whose version is the file's:
//
//   the process counter (from 22000), the working calendar, the settings record, the sheet row
//   count (from 58000), the print header, the current layer and the layer table (from 41000),
//   the item table, the resource table (from 40000), the chart objects (processes and events),
//   the selected chart objects (an auto-saved copy only), the progress lines (from 2000), the
//   shapes (from 22001), the embedded-item block (from 2000), the resource charts (from 40000)
//   and the hatchings (from 52000).
//
// The document's own reader of the file is still to come; these are the parts as it will call
// them. The shapes, the resource charts and the embedded items have no classes yet: the shapes
// and resource charts are read as records of any chart class and then dropped, and an
// embedded-item block must be empty.
#pragma once

#include "document/TembraDoc.h"
#include "platform/Archive.h"

#include <memory>
#include <vector>

namespace tembra::fuzz {

// The records read for the parts that have no place in the document yet; they stay alive until
// the archive is done.
using DroppedRecords = std::vector<std::unique_ptr<CObject>>;

void LoadChartParts(CArchive& ar, CTembraDoc& document, bool autoSaveCopy, DroppedRecords& dropped);
void StoreChartParts(CArchive& ar, CTembraDoc& document, bool autoSaveCopy);

} // namespace tembra::fuzz
