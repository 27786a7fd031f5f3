// The year, month and hour rows of the date header. Each walks the time axis unit by unit,
// labels every n-th unit with the first of its texts that fits (shrinking or dropping a label
// that does not), separates the groups of n units and draws the line along the row's top.
//
// The walk covers the clip box and one whole label group beyond it on either side, so that
// every label and separator inside the clip box comes out as a walk over the whole period
// would draw it: a label lies inside its own unit or group of units.
#include "render/PageLayout.h"

#include "model/HensokuScale.h"
#include "model/Utility.h"
#include "model/Wareki.h"
#include "platform/DC.h"
#include "render/DateRowSupport.h"
#include "render/StyledDraw.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

using daterow::NarrowFont;
using daterow::TextWidth;

namespace {

constexpr CTimeSpan kOneDay(1, 0, 0, 0);
constexpr CTimeSpan kOneHour(0, 1, 0, 0);
constexpr double kSecondsPerDay = 86400.0;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kMonthsPerYear = 12;

constexpr std::array<const char*, kMonthsPerYear> kMonthNames = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// MonthMode values.
constexpr int kMonthNumbers = 1;
constexpr int kMonthEnglish = 2;

// 年, 月
constexpr const char* kNen = "\x94\x4e";
constexpr const char* kTsuki = "\x8c\x8e";

// One unit of a row: its number, where it starts and where the next one begins. The last unit
// of an era ends its group of n units early: the next era counts from 1 again.
struct Unit {
    std::int64_t k = 0;
    CTime start;
    CTime next;
    bool endsGroup = false;
};

bool StartsGroup(std::int64_t k, int n) {
    return (k > 0 && (k - 1) % n == 0) || (k < 0 && k % n == 0);
}

// Elapsed units of a fixed length counted from the elapsed-day origin: ..., -2, -1, 1, 2, ...
// (there is no unit 0). With a cycle the numbers start again every cycle units (the elapsed
// months within an elapsed year).
Unit ElapsedUnit(const CPageLayout& layout, const CTime& t, std::int64_t length, int cycle) {
    Unit unit;
    std::int64_t o = layout.DateToNobeYMD(t, nullptr, nullptr, nullptr).GetTimeSpan();
    if (o >= 0) {
        std::int64_t q = o / length;
        unit.start = t - CTimeSpan(o % length);
        unit.next = unit.start + CTimeSpan(length);
        if (cycle > 0) {
            q %= cycle;
        }
        unit.k = q + 1;
    } else {
        o += kDaySeconds;
        std::int64_t q = o / length;
        unit.next = t + CTimeSpan(std::llabs(o) % length + kDaySeconds);
        unit.start = unit.next - CTimeSpan(length);
        if (cycle > 0) {
            q %= cycle;
        }
        unit.k = q - 1;
    }
    return unit;
}

CTime FirstOfMonth(int year, int month) {
    return CTime(year, month, 1);
}

// What differs between the year and the month row.
class UnitRow {
public:
    virtual ~UnitRow() = default;
    // The unit that holds t.
    virtual Unit At(const CTime& t) const = 0;
    // The texts tried for a label, in order.
    virtual std::vector<std::string> Texts(std::int64_t k, const CTime& cur) const = 0;
    // Whether a label that does not fit is drawn all the same (condensed).
    virtual bool DrawsUnfitting(std::int64_t k) const = 0;
    // The days of a whole unit for the irregular-period tests (U).
    virtual double UnitDays(const Unit& unit, const CTime& cur) const = 0;
    // The date-label and ruled-line unit of the row.
    virtual int OwnUnit() const = 0;
    virtual int SeparatorKind(std::int64_t k, int keisenUnit) const = 0;
    // A boundary whose separator the irregular periods never take away.
    virtual bool AlwaysSeparated(const CTime&) const { return false; }
    virtual bool RemovesSpaces() const { return false; }
    // How far beyond the clip box the walk reaches: one group of n units at their longest.
    virtual CTimeSpan Margin(int n) const = 0;
};

class YearRow : public UnitRow {
public:
    YearRow(const CPageLayout& layout, int mode, int era, int yearMode)
        : m_layout(layout), m_elapsed(mode == 1), m_era(era == 1 && mode != 1),
          m_yearMode(yearMode), m_yearLength(kMonthsPerYear * layout.GetMonthSpan().GetTimeSpan()) {
    }

    Unit At(const CTime& t) const override {
        if (m_elapsed) {
            return ElapsedUnit(m_layout, t, m_yearLength, 0);
        }
        Unit unit;
        if (m_era) {
            const WarekiYear year = WarekiYearOf(t);
            unit.k = year.year;
            unit.start = year.start;
            unit.next = year.next;
            unit.endsGroup = WarekiYearOf(year.next).era != year.era;
            return unit;
        }
        const int year = t.GetYear();
        unit.k = year;
        unit.start = FirstOfMonth(year, 1);
        unit.next = FirstOfMonth(year + 1, 1);
        return unit;
    }
    std::vector<std::string> Texts(std::int64_t k, const CTime& cur) const override {
        const int v = static_cast<int>(k);
        std::vector<std::string> texts;
        if (m_yearMode == 0) {
            if (m_era) {
                const WarekiEra& era = *WarekiYearOf(cur).era;
                texts.push_back(StringPrintf("%s%d%s", era.name, v, kNen));
                texts.push_back(StringPrintf("%c%d%s", era.letter, v, kNen));
                texts.push_back(StringPrintf("%c%d", era.letter, v));
            } else {
                texts.push_back(StringPrintf("%d%s", v, kNen));
            }
        }
        texts.push_back(StringPrintf("%d", v));
        if (!m_era) {
            texts.push_back(StringPrintf("%d", v % 100));
        }
        return texts;
    }
    bool DrawsUnfitting(std::int64_t) const override { return m_elapsed; }
    double UnitDays(const Unit& unit, const CTime& cur) const override {
        return static_cast<double>((unit.next - cur).GetTimeSpan()) / kSecondsPerDay;
    }
    int OwnUnit() const override { return 3; }
    int SeparatorKind(std::int64_t, int keisenUnit) const override {
        return keisenUnit == 3 ? CPageLayout::kSeparatorVertical : CPageLayout::kSeparatorMajor;
    }
    CTimeSpan Margin(int n) const override {
        return m_elapsed ? CTimeSpan(m_yearLength * n) : CTimeSpan(366LL * n, 0, 0, 0);
    }

private:
    const CPageLayout& m_layout;
    bool m_elapsed;
    bool m_era;
    int m_yearMode;
    std::int64_t m_yearLength;
};

class MonthRow : public UnitRow {
public:
    MonthRow(const CPageLayout& layout, int mode, int monthMode)
        : m_layout(layout), m_mode(mode), m_monthMode(monthMode),
          m_monthLength(layout.GetMonthSpan().GetTimeSpan()) {}

    bool Elapsed() const { return m_mode == 1 || m_mode == 2; }

    Unit At(const CTime& t) const override {
        if (Elapsed()) {
            return ElapsedUnit(m_layout, t, m_monthLength, m_mode == 2 ? kMonthsPerYear : 0);
        }
        Unit unit;
        const int year = t.GetYear();
        const int month = t.GetMonth();
        unit.start = FirstOfMonth(year, month);
        unit.next = FirstOfMonth(year, month + 1);
        unit.k = month;
        if (m_mode == 3) {
            const CTime first = m_layout.GetDrawStart();
            unit.k = static_cast<std::int64_t>(year - first.GetYear()) * kMonthsPerYear + month -
                     first.GetMonth() + 1;
        }
        return unit;
    }
    std::vector<std::string> Texts(std::int64_t k, const CTime& cur) const override {
        const int v = static_cast<int>(k);
        if (m_monthMode == kMonthNumbers) {
            return {StringPrintf("%2d", v)};
        }
        if (m_monthMode == kMonthEnglish && m_mode == 0) {
            return {kMonthNames[static_cast<std::size_t>(cur.GetMonth() - 1)]};
        }
        return {StringPrintf("%2d%s", v, kTsuki), StringPrintf("%2d", v)};
    }
    bool DrawsUnfitting(std::int64_t k) const override {
        if (m_mode == 0) {
            return m_monthMode == kMonthEnglish;
        }
        return k < 0 || k > 99;
    }
    double UnitDays(const Unit&, const CTime& cur) const override {
        if (m_mode == 0) {
            return GetDaysInMonth(cur.GetYear(), cur.GetMonth());
        }
        return static_cast<double>(m_monthLength) / kSecondsPerDay;
    }
    int OwnUnit() const override { return 2; }
    int SeparatorKind(std::int64_t k, int keisenUnit) const override {
        return keisenUnit == 2 && (k != 1 || m_mode == 1) ? CPageLayout::kSeparatorVertical
                                                          : CPageLayout::kSeparatorMajor;
    }
    bool AlwaysSeparated(const CTime& cur) const override {
        return m_mode == 0 && cur.GetMonth() == 1 && cur.GetDay() == 1;
    }
    bool RemovesSpaces() const override { return true; }
    CTimeSpan Margin(int n) const override {
        return Elapsed() ? CTimeSpan(m_monthLength * n) : CTimeSpan(31LL * n, 0, 0, 0);
    }

private:
    const CPageLayout& m_layout;
    int m_mode;
    int m_monthMode;
    std::int64_t m_monthLength;
};

void DrawText(CDC* dc, int x, int y, const std::optional<LOGFONT>& narrowed,
              const std::string& text, UINT align) {
    DrawStyledText(dc, x, y, narrowed ? &*narrowed : nullptr, kBlack, text, align, R2_COPYPEN,
                   TRANSPARENT);
}

// The common walk of the year and month rows.
void WalkUnitRow(const CPageLayout& layout, CDC* dc, const LOGFONT& font, int top, int bottom,
                 int n, const UnitRow& row) {
    CRect clip;
    if (!daterow::HeaderClip(layout, dc, clip)) {
        return;
    }
    const daterow::RowSettings settings = daterow::ReadRowSettings(layout);
    const CHensokuScale& scale = layout.GetScale();
    const bool scaled = settings.dateUnit == row.OwnUnit() && scale.IsBuilt();
    const CTime drawStart = layout.GetDrawStart();
    const CTime drawEnd = layout.GetDrawEnd();
    const CRect chart = layout.GetChartRect();
    CTime s = drawStart;
    CTime e = drawEnd + kOneDay;
    if (chart.left < clip.left) {
        s = std::max(s, layout.XToDate(clip.left, 0, 1) - row.Margin(n));
    }
    if (clip.right < chart.right) {
        e = std::min(e, layout.XToDate(clip.right, 0, 1) + row.Margin(n));
    }
    const int x0 = layout.DateToX(drawStart);
    const int x1 = layout.DateToX(e);
    const int z = layout.Zoom(1);
    const int textTop = daterow::TextTop(font, top, bottom);
    const int fontWidth = std::abs(static_cast<int>(font.lfWidth));

    CTime cur = s;
    int curX = layout.DateToX(s);
    CTime groupDate = s;
    int groupX = curX;
    CTime lastSeparator = s;
    CTime previous = s;
    while (true) {
        const Unit unit = row.At(cur);
        const std::int64_t k = unit.k;
        const CTime next = unit.next;
        const int nextX = layout.DateToX(next);
        const double wholeGroup = row.UnitDays(unit, cur) * n;
        // The group a label covers ends with this unit; it starts here when this unit also
        // opens it (the last unit of an era alone in its group).
        const bool opensGroup = StartsGroup(k, n);
        const CTime labelGroup = opensGroup ? cur : groupDate;
        const int labelGroupX = opensGroup ? curX : groupX;

        if (drawStart <= cur && cur <= drawEnd && (k % n == 0 || unit.endsGroup) && fontWidth > 0) {
            int room = 0;
            double scaleWidth = 0.0;
            const CTime labelEnd = std::min(drawEnd, next);
            if (n == 1 || k < 0) {
                room = std::min(ClampCoord(nextX - curX) - z, (x1 - curX) - z);
                scaleWidth = scale.GetSpanWidth(cur, labelEnd);
            } else {
                room = ClampCoord(nextX - labelGroupX) - z;
                scaleWidth = scale.GetSpanWidth(std::max(drawStart, labelGroup), labelEnd);
            }
            const std::vector<std::string> texts = row.Texts(k, cur);
            std::string text = texts.back();
            for (const std::string& candidate : texts) {
                if (TextWidth(font, candidate) <= room) {
                    text = candidate;
                    break;
                }
            }
            int width = TextWidth(font, text);
            bool draw = width <= room || row.DrawsUnfitting(k);
            if (scaled && scaleWidth < wholeGroup) {
                draw = scale.GetDayFlag(cur) != 0 && scaleWidth >= wholeGroup / 5.0;
            }
            if (row.RemovesSpaces()) {
                RemoveSpaces(text);
                width = TextWidth(font, text);
            }
            std::optional<LOGFONT> narrowed;
            if (draw && width > room) {
                narrowed = room < fontWidth ? std::nullopt : NarrowFont(font, room, text.size());
                draw = narrowed.has_value();
                width = room;
            }
            if (draw) {
                if (n == 1 || k < 0) {
                    const int x = n == 1 ? curX + z + (room - width) / 2 : curX + z;
                    if (x >= x0 + z) {
                        DrawText(dc, x, textTop, narrowed, text, TA_LEFT);
                    }
                } else {
                    const int x = nextX - z;
                    if (x <= x1 - z) {
                        DrawText(dc, x, textTop, narrowed, text, TA_RIGHT);
                    }
                }
            }
        }

        if (opensGroup) {
            if (x0 < curX && curX < x1) {
                bool separate = true;
                if (scaled) {
                    const double span = scale.GetSpanWidth(std::max(drawStart, groupDate), cur);
                    if (span < wholeGroup) {
                        separate = span >= wholeGroup / 5.0 && scale.GetDayFlag(previous) != 0;
                        if (!separate && scale.GetFactor(previous) != scale.GetFactor(cur) &&
                            scale.GetSpanWidth(lastSeparator, cur) >= wholeGroup / 10.0) {
                            separate = true;
                        }
                    }
                }
                if (separate || row.AlwaysSeparated(cur)) {
                    layout.DrawDateSeparator(dc, row.SeparatorKind(k, settings.keisenUnit), curX,
                                             top, curX, bottom);
                    lastSeparator = cur;
                }
            }
            groupDate = cur;
            groupX = curX;
        }

        previous = cur;
        cur = next;
        if (cur > e || nextX >= chart.right) {
            break;
        }
        curX = nextX;
    }
    daterow::DrawRowRule(layout, dc, top);
}

// What the hour row's labels are placed by: n hours a label, h0 the day's starting hour, e the
// end of the drawn hours, x1 its x; scaled, compressed hours share their labels (a scale of
// hours only).
struct HourRow {
    const CPageLayout& layout;
    const CHensokuScale& scale;
    const LOGFONT& font;
    int n = 1;
    int h0 = 0;
    CTime e;
    int x1 = 0;
    int z = 0;
    int fontWidth = 0;
    bool scaled = false;
    CTimeSpan group;

    double Factor(const CTime& t) const { return scale.GetFactor(t); }
};

// An hour's label: its text, its width and the narrowed font it needs, if any.
struct HourLabel {
    std::string text;
    int width = 0;
    std::optional<LOGFONT> narrowed;
};

// On a compressed stretch (the label's hours narrower than n units of the scale): whether the
// label is drawn and the room it has; a label at the start of a stretch may merge the
// stretch's hours.
void FitCompressedHours(const HourRow& row, const CTime& cur, bool runMayStart, int width,
                        bool& draw, int& room) {
    const int n = row.n;
    const double w = row.scale.GetSpanWidth(cur, std::min(row.e, cur + row.group));
    if (w >= n) {
        return;
    }
    std::optional<CTime> merged;
    if (row.scale.GetDayFlag(cur) != 0 && w >= n / 5.0) {
        draw = true;
    } else if (!runMayStart) {
        draw = false;
    } else if (row.scale.GetDayFlag(cur) != 0) {
        CTime t = cur;
        while (row.Factor(t) < 1.0) {
            t += row.group;
            if (t >= row.e) {
                t = row.e;
                break;
            }
            if (t.GetHour() == row.h0 || row.scale.GetSpanWidth(cur, t) > n / 5.0) {
                break;
            }
        }
        merged = t;
        draw = row.scale.GetSpanWidth(cur, t) >= n / 5.0 ||
               row.fontWidth <= ClampCoord(row.layout.GetSpanWidth(cur, t)) - row.z;
    } else {
        CTime t = cur;
        while (row.Factor(t) < 1.0) {
            if (t >= row.e || t + row.group >= row.e) {
                t = row.e;
                break;
            }
            t += row.group;
        }
        merged = t;
        draw = row.scale.GetSpanWidth(cur, t) >= n / 5.0;
    }
    if (merged && draw) {
        const int span = ClampCoord(row.layout.GetSpanWidth(cur, *merged));
        if (width < span) {
            room = width + 1;
        } else if (row.fontWidth < span) {
            room = span;
        }
    }
}

// The labels of a compressed stretch share its width: whether the label is drawn, narrowed to
// its share when the stretch is too narrow for both.
bool ShareCompressedWidth(const HourRow& row, const CTime& cur, HourLabel& label) {
    CTime t = cur;
    while (row.Factor(t) < 1.0 &&
           row.layout.GetSpanWidth(t, t + row.group) < row.fontWidth + row.z) {
        if (t >= row.e || t + row.group >= row.e) {
            t = row.e;
            break;
        }
        t += row.group;
    }
    if (row.scale.GetSpanWidth(cur, t) < row.n / 2.0) {
        return false;
    }
    const int shared = ClampCoord(row.layout.GetSpanWidth(cur, t)) - row.z;
    const int own = static_cast<int>(label.text.size());
    const int other = static_cast<int>(StringPrintf("%d", t.GetHour()).size());
    if (shared < row.fontWidth * (own + other) / 2) {
        label.width = shared * own / (own + other);
        label.narrowed = NarrowFont(row.font, label.width, label.text.size());
        return label.narrowed.has_value();
    }
    return true;
}

// The label of the hour at cur (at curX, a multiple of n hours); nothing when it is not drawn.
std::optional<HourLabel> HourLabelAt(const HourRow& row, const CTime& cur, int curX) {
    const int k = cur.GetHour();
    const int cell = std::min(row.n, row.h0 + 24 - k);
    const int pixels = ClampCoord(row.layout.GetSpanWidth(cur, cur + CTimeSpan(0, cell, 0, 0)));
    int room = std::min(pixels - row.z, (row.x1 - curX) - row.z);
    HourLabel label{StringPrintf("%02d", k), 2 * row.fontWidth, std::nullopt};
    bool draw = false;
    if (label.width <= room) {
        draw = true;
    } else if (pixels > row.x1 - curX) {
        // The cell is cut by the end of the drawing: the label may reach past it.
        draw = true;
        room *= 2;
    }
    // A compressed stretch of hours starts here.
    const bool runMayStart =
        row.scaled && row.Factor(cur - row.group) >= 1.0 && row.Factor(cur) < 1.0;
    if (row.scaled) {
        FitCompressedHours(row, cur, runMayStart, label.width, draw, room);
    }
    if (k < 10) {
        label.text = StringPrintf("%d", k);
        label.width = row.fontWidth;
    }
    if (draw && room <= label.width) {
        if (row.fontWidth <= room) {
            label.narrowed = NarrowFont(row.font, room, label.text.size());
            draw = label.narrowed.has_value();
            label.width = room;
        } else if (!runMayStart) {
            draw = false;
        } else {
            draw = ShareCompressedWidth(row, cur, label);
        }
    }
    if (!draw) {
        return std::nullopt;
    }
    return label;
}

} // namespace

void CPageLayout::DrawYearRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step, int mode,
                              int era) const {
    if (dc == nullptr) {
        return;
    }
    const daterow::RowSettings settings = daterow::ReadRowSettings(*this);
    WalkUnitRow(*this, dc, font, top, bottom, std::max(step, 1),
                YearRow(*this, mode, era, settings.yearMode));
}

void CPageLayout::DrawMonthRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step,
                               int mode) const {
    if (dc == nullptr) {
        return;
    }
    const daterow::RowSettings settings = daterow::ReadRowSettings(*this);
    WalkUnitRow(*this, dc, font, top, bottom, std::max(step, 1),
                MonthRow(*this, mode, settings.monthMode));
}

void CPageLayout::DrawHourRow(CDC* dc, const LOGFONT& font, int top, int bottom, int step) const {
    if (dc == nullptr) {
        return;
    }
    const int n = std::max(step, 1);
    CRect clip;
    if (!daterow::HeaderClip(*this, dc, clip)) {
        return;
    }
    const daterow::RowSettings settings = daterow::ReadRowSettings(*this);
    const CTime drawStart = GetDrawStart();
    const CRect chart = GetChartRect();
    CTime s = drawStart;
    CTime e = GetDrawEnd() + kOneDay;
    if (chart.left < clip.left) {
        s = std::max(s, XToDate(clip.left, 0, 1) - kOneDay);
    }
    if (clip.right < chart.right) {
        e = std::min(e, XToDate(clip.right, 0, 1) + kOneDay);
    }
    const int x0 = DateToX(drawStart);
    const int textTop = daterow::TextTop(font, top, bottom);
    const HourRow row{*this,
                      m_scale,
                      font,
                      n,
                      drawStart.GetHour(),
                      e,
                      DateToX(e),
                      Zoom(1),
                      std::abs(static_cast<int>(font.lfWidth)),
                      settings.dateUnit == 4 && m_scale.IsBuilt() && m_scale.IsHourMode() != FALSE,
                      CTimeSpan(0, n, 0, 0)};

    CTime cur = s;
    int curX = DateToX(s);
    while (true) {
        const int k = cur.GetHour();
        const CTime next = cur + kOneHour;
        const int nextX = DateToX(next);

        if (k % n == 0 && drawStart <= cur && cur <= e && row.fontWidth > 0) {
            if (const std::optional<HourLabel> label = HourLabelAt(row, cur, curX)) {
                const int x = curX - label->width / 2;
                if (x >= x0 + row.z && k != row.h0) {
                    DrawText(dc, x, textTop, label->narrowed, label->text, TA_LEFT);
                }
            }
        }

        if (k == row.h0 && k % n == 0 && x0 < curX && curX < row.x1) {
            DrawDateSeparator(dc, kSeparatorMajor, curX, top, curX, bottom);
        }

        cur = next;
        if (cur > e || nextX >= chart.right) {
            break;
        }
        curX = nextX;
    }
    daterow::DrawRowRule(*this, dc, top);
}

} // namespace tembra
