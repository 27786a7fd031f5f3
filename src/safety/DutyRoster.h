// The safety duty roster (安全当番) of a plan sheet: the work-site band (作業所), one frame per day
// holding the duty person of the rota, and the partner band (協力会社), frames of one or two
// weeks or of a number of working days left empty; each band with its title and margin frames,
// and over both a common title "安全当番". Every frame but the common title carries the duty tag
// 5, so that later default rows and overlap questions see the roster. One build is one undo step.
#pragma once

#include "platform/Time.h"
#include "safety/PlanBandRows.h"
#include "safety/PlanFrameBatch.h"
#include "safety/ToubanEntry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tembra {

class CPageLayout;
class CTembraDoc;

// Which bands a roster builds: bit 1 the work site, bit 4 the partners.
enum : int { kDutyWorkSite = 1, kDutyPartners = 4, kDutyBoth = 5 };

// The rows the weekly target and action frames take: the least top row position + 1 and the
// greatest bottom row position.
struct PlanRowSpan {
    double top = 0;
    double bottom = 0;
};
std::optional<PlanRowSpan> FindWeeklySpan(const CTembraDoc& doc);

// The default rows: upper the work site, lower the partners, for rowCount rows (planRowLimit
// + 11 as the row count's bound); five rows at the bottom, or just below or above the weekly
// frames when they leave room.
PlanBandRows DutyDefaultRows(int rowCount, int planRowLimit,
                             const std::optional<PlanRowSpan>& weekly);
PlanBandRows DutyDefaultRows(const CTembraDoc& doc);
// The rows of the whole roster for a creation mask, ordered.
PlanRowRange DutyRowBand(int mask, const PlanBandRows& rows);
// The overlap question over the whole roster's rows; true when the build may go ahead.
bool CheckDutyOverlap(const CTembraDoc& doc, int mask, const PlanBandRows& rows);

// A day frame of the rota: its day number and whether a person is on duty that day.
struct RotaDay {
    std::int64_t day = 0;
    bool duty = true;
};

// The place in the rota of each day frame (days ascending), or -1 for a day without duty.
// Frames from the start day on go forwards from the head, those before it backwards from the
// person before the head; perTurn duty days each. A start outside the frames first advances the
// rota by the duty days (isDutyDay) between the start day and the nearest frame, so that the rota
// carries on from the day it started.
std::vector<int> AssignRota(std::span<const RotaDay> days, std::int64_t startDay, int head,
                            int persons, int perTurn,
                            const std::function<bool(std::int64_t)>& isDutyDay);

// The values of the work-site page.
struct DutyWorkSite {
    PlanRowRange rows;
    CTime startDate;
    int shiftDays = 1;
    bool assignOnHolidays = false;
    // 0 空白, 1 ―, 2 ／, 3 ＊, 4 the holiday fill.
    int holidayStyle = 1;
    std::vector<CToubanEntry> entries;
};

// The values of the partner page.
struct DutyPartners {
    PlanRowRange rows;
    // 0 week columns, 1 columns of working days.
    int widthMode = 0;
    bool mondayStart = false;
    int weeks = 1;
    CTime startDate;
    int shiftDays = 1;
};

// The fonts of the day frames and the period frames by paper; nothing outside 0..5.
std::optional<LOGFONT> DutyDayFont(int paper);
std::optional<LOGFONT> DutyPeriodFont(int paper);

class CDutyRosterBuilder {
public:
    CDutyRosterBuilder(CTembraDoc& doc, const CPageLayout& layout);

    void SetMaker(CPlanFrameBatch::Maker maker) { m_make = std::move(maker); }

    // The whole roster of a mask as one undo step; false when the common title could not be
    // made. A failed work-site band does not stop the partner band.
    bool Build(int mask, const DutyWorkSite& site, const DutyPartners& partners);
    // The work-site band; after it, the names of the rota and, when there was a head, the list
    // saved as the last used. False when a frame could not be made (no names are written then).
    bool BuildWorkSite(const DutyWorkSite& site);
    bool BuildPartners(const DutyPartners& partners);

private:
    // Makes a duty frame; nothing (message 5021 shown by the maker) when it cannot be made.
    std::unique_ptr<CZukeiString> Make(WORD tag);
    // The title and two margins of a band.
    bool BuildBandFrames(const PlanRowRange& band, const std::string& title);

    CTembraDoc& m_doc;
    const CPageLayout& m_layout;
    CPlanFrameBatch::Maker m_make;
};

} // namespace tembra
