// The rows of the two bands of a plan frame batch (1-based chart rows, inclusive), their defaults
// and the check against frames already on the chart. The disaster batch puts its bands at the
// bottom of the plan rows; the weekly-target batch puts its bands above the duty frames, or below
// them when they leave room, else near the bottom.
#pragma once

#include "platform/Types.h"

#include <optional>
#include <span>
#include <string>

namespace tembra {

class CTembraDoc;

struct PlanRowRange {
    int first = 1;
    int last = 1;
    // first not after last.
    PlanRowRange Ordered() const;
    bool operator==(const PlanRowRange&) const = default;
};

struct PlanBandRows {
    PlanRowRange upper; // disasters, or weekly targets
    PlanRowRange lower; // countermeasures, or actions
    bool operator==(const PlanBandRows&) const = default;
};

// The rows the duty frames (tag 5) take: the first row of the highest and the last row of the
// lowest; nothing without duty frames.
std::optional<PlanRowRange> FindDutyRows(const CTembraDoc& doc);

// Five rows each at the bottom of rowCount rows (planRowLimit + 10 when the chart has more than
// ten rows past a nonzero limit).
PlanBandRows DisasterDefaultRows(int rowCount, int planRowLimit);
// Two target rows and four action rows (planRowLimit + 11 as the row count's bound), placed
// around the duty rows when there are any.
PlanBandRows WeekTargetDefaultRows(int rowCount, int planRowLimit,
                                   const std::optional<PlanRowRange>& duty);

// A frame already on the chart in the way of a band.
struct PlanOverlap {
    int firstRow = 0;
    int lastRow = 0;
    WORD tag = 0;
};

// The first frame found that overlaps a band: the upper band against each tag in order, then the
// lower band against each.
std::optional<PlanOverlap> FindPlanOverlap(const CTembraDoc& doc, const PlanBandRows& rows,
                                           std::span<const WORD> tags);
// The name a frame of a tag goes by in the overlap question (CP932): 災害, 対策, 週間目標,
// 実施項目, 安全当番.
std::string PlanFrameName(WORD tag);
// Asks message 5162 when a band overlaps a frame (No is the default); true when there is no
// overlap or the user answered Yes. batchName is the frames the batch makes (CP932).
bool ConfirmPlanOverlap(const CTembraDoc& doc, const PlanBandRows& rows, std::span<const WORD> tags,
                        const std::string& batchName);

} // namespace tembra
