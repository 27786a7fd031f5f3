// The weekly target (週間目標) and action (実施項目) frames of a plan sheet built at once: the
// default rows around the duty frames, the overlap question and the build over week columns.
#pragma once

#include "safety/PlanBandRows.h"
#include "safety/PlanFrameBatch.h"

namespace tembra {

class CPageLayout;
class CTembraDoc;

PlanBandRows WeekTargetDefaultRows(const CTembraDoc& doc);
bool CheckWeekTargetOverlap(const CTembraDoc& doc, const PlanBandRows& rows);
// Week columns of weeks (1 or 2) weeks beginning on Sunday or Monday, without month breaks.
bool BuildWeekTargetFrames(CTembraDoc& doc, const CPageLayout& layout, int weeks, bool mondayStart,
                           const PlanBandRows& rows, const CPlanFrameBatch::Maker& maker = nullptr);

} // namespace tembra
