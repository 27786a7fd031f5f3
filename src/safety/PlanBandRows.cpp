#include "safety/PlanBandRows.h"

#include "document/TembraDoc.h"
#include "model/Utility.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "shapes/ZukeiString.h"

#include <algorithm>
#include <limits>

namespace tembra {

namespace {

constexpr UINT kOverlapQuestion = 5162;
// The duty frames of the safety duty roster.
constexpr WORD kDutyTag = CZukeiString::kTagEmpty;

} // namespace

PlanRowRange PlanRowRange::Ordered() const {
    return {std::min(first, last), std::max(first, last)};
}

std::optional<PlanRowRange> FindDutyRows(const CTembraDoc& doc) {
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    bool any = false;
    for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        const auto* text = DynamicDowncast<CZukeiString>(doc.GetShapes().GetNextZukei(pos));
        if (text == nullptr || text->GetKind() != kZukeiFramedString ||
            text->GetFrameTag() != kDutyTag) {
            continue;
        }
        any = true;
        top = std::min(top, static_cast<int>(text->GetTopRow(0) + 1));
        bottom = std::max(bottom, static_cast<int>(text->GetBottomRow(0)));
    }
    if (!any) {
        return std::nullopt;
    }
    return PlanRowRange{top, bottom};
}

PlanBandRows DisasterDefaultRows(int rowCount, int planRowLimit) {
    int r = rowCount;
    if (planRowLimit != 0 && r - planRowLimit > 10) {
        r = planRowLimit + 10;
    }
    if (r < 2) {
        return {{r, r}, {r, r}};
    }
    if (r >= 10) {
        return {{r - 9, r - 5}, {r - 4, r}};
    }
    return {{r - 1, r - 1}, {r, r}};
}

PlanBandRows WeekTargetDefaultRows(int rowCount, int planRowLimit,
                                   const std::optional<PlanRowRange>& duty) {
    int n = rowCount;
    if (planRowLimit != 0 && n - planRowLimit > 11) {
        n = planRowLimit + 11;
    }
    if (n < 4) {
        return {{n, n}, {n, n}};
    }
    if (n <= 10) {
        return {{n - 3, n - 3}, {n - 2, n - 2}};
    }
    PlanBandRows rows{{n - 10, n - 9}, {n - 8, n - 5}};
    if (duty) {
        const int t = duty->first;
        const int b = duty->last;
        if (t > 6) {
            rows = {{t - 6, t - 5}, {t - 4, t - 1}};
        } else if (n - b >= 6) {
            rows = {{b + 1, b + 2}, {b + 3, b + 6}};
        }
    }
    return rows;
}

std::optional<PlanOverlap> FindPlanOverlap(const CTembraDoc& doc, const PlanBandRows& rows,
                                           std::span<const WORD> tags) {
    for (const PlanRowRange band : {rows.upper.Ordered(), rows.lower.Ordered()}) {
        for (const WORD tag : tags) {
            if (const CZukeiString* frame =
                    doc.GetShapes().FindTextZukei(tag, band.first, band.last)) {
                return PlanOverlap{static_cast<int>(frame->GetTopRow(0)) + 1,
                                   static_cast<int>(frame->GetBottomRow(0)), tag};
            }
        }
    }
    return std::nullopt;
}

std::string PlanFrameName(WORD tag) {
    switch (tag) {
    case CZukeiString::kTagSai:
        return LoadString(5504);
    case CZukeiString::kTagTai:
        return LoadString(5505);
    case CZukeiString::kTagMoku:
        return LoadString(5500);
    case CZukeiString::kTagJitsu:
        return LoadString(5501);
    case kDutyTag:
        return LoadString(5503);
    default:
        return {};
    }
}

bool ConfirmPlanOverlap(const CTembraDoc& doc, const PlanBandRows& rows, std::span<const WORD> tags,
                        const std::string& batchName) {
    const std::optional<PlanOverlap> overlap = FindPlanOverlap(doc, rows, tags);
    if (!overlap) {
        return true;
    }
    const std::string question =
        StringPrintf(LoadString(kOverlapQuestion).c_str(), overlap->firstRow, overlap->lastRow,
                     PlanFrameName(overlap->tag), batchName);
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

} // namespace tembra
