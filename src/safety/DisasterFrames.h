// The disaster (災害) and countermeasure (対策) frames of a plan sheet built at once: what the
// batch dialog offers (column units and widths, default rows), the overlap question and the build.
#pragma once

#include "safety/PlanBandRows.h"
#include "safety/PlanFrameBatch.h"

#include <vector>

namespace tembra {

class CPageLayout;
class CSyokiSet;
class CTembraDoc;

// The column units offered: month first, then the date-label unit when it is day, week or year,
// then the ruled-line unit when it differs and is day, week or year (unit codes 0..3).
std::vector<int> DisasterColumnUnits(const CSyokiSet& settings);
// The widths allowed for a unit, in the order of the settings' step table.
std::vector<int> PlanColumnWidths(int unit);
// The CP932 name of a unit code 0..3: 日, 週, 月, 年.
std::string PlanUnitName(int unit);

PlanBandRows DisasterDefaultRows(const CTembraDoc& doc);
// The overlap question of the disaster bands; true when the build may go ahead.
bool CheckDisasterOverlap(const CTembraDoc& doc, const PlanBandRows& rows);
// Builds the heading pairs and one pair per column of width units; false after a frame could
// not be made (message 5021 was shown by the document; the frames made stay).
bool BuildDisasterFrames(CTembraDoc& doc, const CPageLayout& layout, int width, int unit,
                         const PlanBandRows& rows, const CPlanFrameBatch::Maker& maker = nullptr);

} // namespace tembra
