#include "safety/WeekTargetFrames.h"

#include "document/TembraDoc.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "render/PageLayout.h"
#include "safety/PlanCalendarLayout.h"
#include "shapes/ZukeiString.h"

#include <array>

namespace tembra {

namespace {

constexpr std::array<WORD, 3> kWeekTargetTags{CZukeiString::kTagMoku, CZukeiString::kTagJitsu,
                                              CZukeiString::kTagEmpty};

} // namespace

PlanBandRows WeekTargetDefaultRows(const CTembraDoc& doc) {
    return WeekTargetDefaultRows(doc.GetSyokiSet().GetRowSpan(), doc.GetSheetRowCount(),
                                 FindDutyRows(doc));
}

bool CheckWeekTargetOverlap(const CTembraDoc& doc, const PlanBandRows& rows) {
    return ConfirmPlanOverlap(doc, rows, kWeekTargetTags, Sjis::FromUtf8("週間目標と実施項目"));
}

bool BuildWeekTargetFrames(CTembraDoc& doc, const CPageLayout& layout, int weeks, bool mondayStart,
                           const PlanBandRows& rows, const CPlanFrameBatch::Maker& maker) {
    PlanBatchStyle style;
    style.upperTag = CZukeiString::kTagMoku;
    style.lowerTag = CZukeiString::kTagJitsu;
    style.upperHeading = LoadString(5500);
    style.lowerHeading = LoadString(5501);
    style.upperHeadingFace = PlanGothicFace();
    style.lowerHeadingFace = PlanMinchoFace();
    if (const auto fonts = WeekTargetFonts(doc.GetSyokiSet().GetPageSetting().GetPaper())) {
        style.upperColumnFont = fonts->first;
        style.lowerColumnFont = fonts->second;
    } else {
        const LOGFONT& font = doc.GetSyokiSet().GetZukei().GetLogFont();
        style.upperColumnFont = style.lowerColumnFont = font;
    }
    style.upperColumnsFormed = true;
    CPlanFrameBatch batch(doc, layout, std::move(style));
    if (maker) {
        batch.SetMaker(maker);
    }
    CPlanCalendarLayout columns(&doc.GetSyokiSet(), &layout);
    columns.BuildWeekColumns(weeks, mondayStart, false);
    return batch.Build(columns.Columns(), rows);
}

} // namespace tembra
