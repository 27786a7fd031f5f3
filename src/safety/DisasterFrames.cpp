#include "safety/DisasterFrames.h"

#include "document/TembraDoc.h"
#include "model/SyokiSet.h"
#include "platform/Sjis.h"
#include "render/PageLayout.h"
#include "safety/PlanCalendarLayout.h"
#include "shapes/ZukeiString.h"

#include <array>

namespace tembra {

namespace {

constexpr std::array<WORD, 2> kDisasterTags{CZukeiString::kTagSai, CZukeiString::kTagTai};

bool IsColumnUnit(int unit) {
    return unit == kUnitDay || unit == kUnitWeek || unit == kUnitYear;
}

} // namespace

std::vector<int> DisasterColumnUnits(const CSyokiSet& settings) {
    std::vector<int> units{kUnitMonth};
    const int label = settings.GetDateUnit();
    const int ruled = settings.GetKeisenUnit();
    if (IsColumnUnit(label)) {
        units.push_back(label);
    }
    if (ruled != label && IsColumnUnit(ruled)) {
        units.push_back(ruled);
    }
    return units;
}

std::vector<int> PlanColumnWidths(int unit) {
    std::vector<int> widths;
    for (int i = 0; i < kThinningStepCount; ++i) {
        const int step = GetThinningStep(unit, i);
        if (step == 0) {
            break;
        }
        widths.push_back(step);
    }
    return widths;
}

std::string PlanUnitName(int unit) {
    static constexpr std::array<const char*, 4> kNames{"日", "週", "月", "年"};
    if (unit < 0 || unit >= static_cast<int>(kNames.size())) {
        return {};
    }
    return Sjis::FromUtf8(kNames[static_cast<std::size_t>(unit)]);
}

PlanBandRows DisasterDefaultRows(const CTembraDoc& doc) {
    return DisasterDefaultRows(doc.GetSyokiSet().GetRowSpan(), doc.GetSheetRowCount());
}

bool CheckDisasterOverlap(const CTembraDoc& doc, const PlanBandRows& rows) {
    return ConfirmPlanOverlap(doc, rows, kDisasterTags, Sjis::FromUtf8("災害と対策"));
}

bool BuildDisasterFrames(CTembraDoc& doc, const CPageLayout& layout, int width, int unit,
                         const PlanBandRows& rows, const CPlanFrameBatch::Maker& maker) {
    PlanBatchStyle style;
    style.upperTag = CZukeiString::kTagSai;
    style.lowerTag = CZukeiString::kTagTai;
    style.upperHeading = Sjis::FromUtf8("予測される災害");
    style.lowerHeading = Sjis::FromUtf8("上記事項の安全対策");
    style.upperHeadingFace = style.lowerHeadingFace = PlanMinchoFace();
    CPlanFrameBatch batch(doc, layout, std::move(style));
    if (maker) {
        batch.SetMaker(maker);
    }
    CPlanCalendarLayout columns(&doc.GetSyokiSet(), &layout);
    columns.BuildColumns(width, unit);
    return batch.Build(columns.Columns(), rows);
}

} // namespace tembra
