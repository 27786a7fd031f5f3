#include "safety/DutyRoster.h"

#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "render/PageLayout.h"
#include "safety/PlanCalendarLayout.h"
#include "safety/ToubanLastList.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiView.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tembra {

namespace {

constexpr WORD kDutyTag = CZukeiString::kTagEmpty;
constexpr UINT kRosterWord = 5503;
// The solid fill of a holiday frame.
constexpr WORD kSolidFill = 99;
constexpr int kHolidayFill = 4;

constexpr std::array<WORD, 3> kOverlapTags{CZukeiString::kTagMoku, CZukeiString::kTagJitsu,
                                           kDutyTag};

void FormText(CZukeiString& frame) {
    frame.GetTextAttr().m_form = 1;
    frame.GetTextAttr().m_attrb = 0;
}

std::int64_t DayNumber(const CTime& t) {
    return CivilDate::DaysFromCivil(t.GetYear(), t.GetMonth(), t.GetDay());
}

std::optional<LOGFONT> PaperFont(int paper, const std::array<LONG, 6>& heights) {
    if (paper < kPaperA4 || paper > kPaperA1) {
        return std::nullopt;
    }
    return PlanFaceFont(PlanMinchoFace(), heights[static_cast<std::size_t>(paper)]);
}

// The text a holiday frame gets by the holiday style; nothing for the fill.
std::optional<std::string> HolidayMark(int style) {
    switch (style) {
    case 1:
        return Sjis::FromUtf8("―");
    case 2:
        return Sjis::FromUtf8("／");
    case 3:
        return Sjis::FromUtf8("＊");
    case kHolidayFill:
        return std::nullopt;
    default:
        return std::string();
    }
}

} // namespace

std::optional<PlanRowSpan> FindWeeklySpan(const CTembraDoc& doc) {
    PlanRowSpan span{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    bool any = false;
    for (POSITION pos = doc.GetShapes().GetHeadZukeiPosition(); pos != nullptr;) {
        const auto* text = DynamicDowncast<CZukeiString>(doc.GetShapes().GetNextZukei(pos));
        if (text == nullptr || text->GetKind() != kZukeiFramedString ||
            (text->GetFrameTag() != CZukeiString::kTagMoku &&
             text->GetFrameTag() != CZukeiString::kTagJitsu)) {
            continue;
        }
        any = true;
        span.top = std::min(span.top, text->GetTopRow(0) + 1.0);
        span.bottom = std::max(span.bottom, text->GetBottomRow(0));
    }
    return any ? std::optional(span) : std::nullopt;
}

PlanBandRows DutyDefaultRows(int rowCount, int planRowLimit,
                             const std::optional<PlanRowSpan>& weekly) {
    int n = rowCount;
    if (planRowLimit != 0 && n - planRowLimit > 11) {
        n = planRowLimit + 11;
    }
    if (n < 4) {
        return {{n, n}, {n, n}};
    }
    if (n <= 10) {
        return {{n - 1, n - 1}, {n, n}};
    }
    if (weekly) {
        const int below = static_cast<int>(n - weekly->bottom);
        const int b = static_cast<int>(weekly->bottom);
        const int t = static_cast<int>(weekly->top);
        if (below >= 5) {
            return {{b + 1, b + 2}, {b + 3, b + 5}};
        }
        if (t > 5) {
            return {{t - 5, t - 4}, {t - 3, t - 1}};
        }
    }
    return {{n - 4, n - 3}, {n - 2, n}};
}

PlanBandRows DutyDefaultRows(const CTembraDoc& doc) {
    return DutyDefaultRows(doc.GetSyokiSet().GetRowSpan(), doc.GetSheetRowCount(),
                           FindWeeklySpan(doc));
}

PlanRowRange DutyRowBand(int mask, const PlanBandRows& rows) {
    switch (mask) {
    case kDutyWorkSite:
        return rows.upper.Ordered();
    case kDutyPartners:
        return rows.lower.Ordered();
    default:
        return PlanRowRange{std::min(rows.upper.first, rows.upper.last),
                            std::max(rows.lower.first, rows.lower.last)}
            .Ordered();
    }
}

bool CheckDutyOverlap(const CTembraDoc& doc, int mask, const PlanBandRows& rows) {
    const PlanRowRange band = DutyRowBand(mask, rows);
    return ConfirmPlanOverlap(doc, {band, band}, kOverlapTags, LoadString(kRosterWord));
}

std::vector<int> AssignRota(std::span<const RotaDay> days, std::int64_t startDay, int head,
                            int persons, int perTurn,
                            const std::function<bool(std::int64_t)>& isDutyDay) {
    std::vector<int> place(days.size(), -1);
    if (persons <= 0 || head < 0 || head >= persons || days.empty()) {
        return place;
    }
    const int k = std::max(1, perTurn);
    const auto split = static_cast<std::size_t>(
        std::partition_point(days.begin(), days.end(),
                             [&](const RotaDay& d) { return d.day < startDay; }) -
        days.begin());
    // The duty days in [from, to) that no frame stands for.
    const auto gap = [&](std::int64_t from, std::int64_t to) {
        std::int64_t n = 0;
        for (std::int64_t d = from; d < to; ++d) {
            n += isDutyDay(d) ? 1 : 0;
        }
        return n;
    };
    const auto wrap = [&](std::int64_t i) {
        return static_cast<int>(((i % persons) + persons) % persons);
    };
    if (split < days.size()) {
        std::int64_t c = gap(startDay, days[split].day);
        for (std::size_t j = split; j < days.size(); ++j) {
            if (days[j].duty) {
                place[j] = wrap(head + c / k);
                ++c;
            }
        }
    }
    if (split > 0) {
        std::int64_t c = gap(days[split - 1].day + 1, startDay);
        for (std::size_t j = split; j-- > 0;) {
            if (days[j].duty) {
                place[j] = wrap(head - 1 - c / k);
                ++c;
            }
        }
    }
    return place;
}

std::optional<LOGFONT> DutyDayFont(int paper) {
    return PaperFont(paper, {16, 16, 20, 16, 32, 40});
}

std::optional<LOGFONT> DutyPeriodFont(int paper) {
    return PaperFont(paper, {24, 28, 30, 24, 40, 40});
}

CDutyRosterBuilder::CDutyRosterBuilder(CTembraDoc& doc, const CPageLayout& layout)
    : m_doc(doc), m_layout(layout),
      m_make([&doc](std::string_view face) { return doc.GetShapes().CreateTextZukei(face); }) {}

std::unique_ptr<CZukeiString> CDutyRosterBuilder::Make(WORD tag) {
    std::unique_ptr<CZukeiString> frame = m_make(PlanMinchoFace());
    if (frame != nullptr) {
        frame->SetFrameTag(tag);
        frame->SetUpdate(TRUE);
    }
    return frame;
}

bool CDutyRosterBuilder::Build(int mask, const DutyWorkSite& site, const DutyPartners& partners) {
    m_doc.GetUndoHistory().Reset();
    if (mask == kDutyBoth) {
        std::unique_ptr<CZukeiString> title = Make(CZukeiString::kTagNone);
        if (title == nullptr) {
            return false;
        }
        title->SetText(LoadString(kRosterWord));
        FormText(*title);
        const CRect items = m_layout.GetKoumokuRect();
        PlacePlanFrame(*title, m_layout, items.left, (items.left + items.right) / 2,
                       DutyRowBand(mask, {site.rows, partners.rows}), false, false);
        m_doc.GetShapes().AddZukei(title.release());
    }
    if ((mask & kDutyWorkSite) != 0) {
        BuildWorkSite(site);
    }
    if ((mask & kDutyPartners) != 0) {
        BuildPartners(partners);
    }
    return true;
}

bool CDutyRosterBuilder::BuildBandFrames(const PlanRowRange& band, const std::string& title) {
    const CRect items = m_layout.GetKoumokuRect();
    const CRect chart = m_layout.GetChartRect();
    const CRect process = m_layout.GetKouteiRect();
    const int middle = (items.left + items.right) / 2;
    const std::array<std::pair<int, int>, 3> spans{
        {{middle, items.right}, {items.right, chart.left}, {chart.right, process.right + 1}}};
    for (std::size_t k = 0; k < spans.size(); ++k) {
        std::unique_ptr<CZukeiString> frame = Make(kDutyTag);
        if (frame == nullptr) {
            return false;
        }
        if (k == 0) {
            frame->SetText(title);
            FormText(*frame);
        }
        PlacePlanFrame(*frame, m_layout, spans[k].first, spans[k].second, band, false, k == 1);
        m_doc.GetShapes().AddZukei(frame.release());
    }
    return true;
}

bool CDutyRosterBuilder::BuildWorkSite(const DutyWorkSite& site) {
    const CSyokiSet& settings = *m_layout.GetSyokiSet();
    CPlanCalendarLayout columns(&settings, &m_layout);
    columns.BuildColumns(1, kUnitDay);
    const PlanRowRange band = site.rows.Ordered();
    if (!BuildBandFrames(band, Sjis::FromUtf8("作業所"))) {
        return false;
    }
    const int paper = settings.GetPageSetting().GetPaper();
    const LOGFONT font = DutyDayFont(paper).value_or(settings.GetZukei().GetLogFont());
    const CZukeiLayoutView view(m_layout);
    const CCalendar& calendar = m_doc.GetWorkCalendar();
    const std::vector<int>& x = columns.Columns();

    std::vector<CZukeiString*> frames;
    std::vector<RotaDay> days;
    for (std::size_t j = 0; j + 1 < x.size(); ++j) {
        std::unique_ptr<CZukeiString> frame = Make(kDutyTag);
        if (frame == nullptr) {
            return false;
        }
        frame->SetFont(font);
        FormText(*frame);
        const CTime t1 = CZukei::XToDate(view, x[j]);
        const CTime t2 = CZukei::XToDate(view, x[j + 1]);
        const CTime m((t1.GetTime() + t2.GetTime()) / 2);
        PlacePlanFrame(*frame, m_layout, x[j], x[j + 1], band, true, true);
        const bool holiday =
            !site.assignOnHolidays && calendar.IsHoliday(m.GetYear(), m.GetMonth(), m.GetDay());
        if (holiday) {
            if (const std::optional<std::string> mark = HolidayMark(site.holidayStyle)) {
                frame->SetText(*mark);
            } else {
                frame->SetHatch(kSolidFill);
                frame->SetHatchColor(GetAppConfig()->GetColor().GetHolidayMesh());
            }
        }
        frames.push_back(frame.get());
        days.push_back({DayNumber(m), !holiday});
        m_doc.GetShapes().AddZukei(frame.release());
    }

    const std::vector<CToubanEntry>& entries = site.entries;
    const auto head = std::find_if(entries.begin(), entries.end(),
                                   [](const CToubanEntry& e) { return e.m_isHead != 0; });
    if (head == entries.end()) {
        return true;
    }
    const auto isDutyDay = [&](std::int64_t day) {
        int y = 0;
        int mo = 0;
        int d = 0;
        CivilDate::CivilFromDays(day, y, mo, d);
        return site.assignOnHolidays || !calendar.IsHoliday(y, mo, d);
    };
    const std::vector<int> place =
        AssignRota(days, DayNumber(site.startDate), static_cast<int>(head - entries.begin()),
                   static_cast<int>(entries.size()), site.shiftDays, isDutyDay);
    for (std::size_t j = 0; j < frames.size(); ++j) {
        if (place[j] >= 0) {
            frames[j]->SetText(entries[static_cast<std::size_t>(place[j])].m_name);
        }
    }
    SaveLastList(entries);
    return true;
}

bool CDutyRosterBuilder::BuildPartners(const DutyPartners& partners) {
    const CSyokiSet& settings = *m_layout.GetSyokiSet();
    CPlanCalendarLayout columns(&settings, &m_layout);
    if (partners.widthMode == 0) {
        columns.BuildWeekColumns(partners.weeks, partners.mondayStart, false);
    } else {
        columns.BuildWorkdayColumns(partners.startDate, partners.shiftDays);
    }
    const PlanRowRange band = partners.rows.Ordered();
    if (!BuildBandFrames(band, Sjis::FromUtf8("協力会社"))) {
        return false;
    }
    const int paper = settings.GetPageSetting().GetPaper();
    const LOGFONT font = DutyPeriodFont(paper).value_or(settings.GetZukei().GetLogFont());
    const std::vector<int>& x = columns.Columns();
    for (std::size_t j = 0; j + 1 < x.size(); ++j) {
        std::unique_ptr<CZukeiString> frame = Make(kDutyTag);
        if (frame == nullptr) {
            return false;
        }
        frame->SetFont(font);
        FormText(*frame);
        PlacePlanFrame(*frame, m_layout, x[j], x[j + 1], band, true, true);
        m_doc.GetShapes().AddZukei(frame.release());
    }
    return true;
}

} // namespace tembra
