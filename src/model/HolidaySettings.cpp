#include "model/HolidaySettings.h"

#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "platform/Time.h"

#include <algorithm>
#include <cstdio>

namespace tembra {

namespace {

const std::string& Section(int which) {
    static const std::string sections[3] = {Sjis::FromUtf8("公休"), Sjis::FromUtf8("祝日"),
                                            Sjis::FromUtf8("特定休日")};
    return sections[which];
}
constexpr int kWeeklySection = 0;
constexpr int kYearlySection = 1;
constexpr int kSpecificSection = 2;

const std::string& WeekdayKey(int weekday) {
    static const std::string keys[7] = {
        Sjis::FromUtf8("日"), Sjis::FromUtf8("月"), Sjis::FromUtf8("火"), Sjis::FromUtf8("水"),
        Sjis::FromUtf8("木"), Sjis::FromUtf8("金"), Sjis::FromUtf8("土")};
    return keys[weekday];
}

BOOL Write(HolidaySource source, const std::string& section, const std::string& key,
           const char* value) {
    return source == HolidaySource::UserProfile ? WriteProfileString(section, key.c_str(), value)
                                                : WriteRegString(section, key.c_str(), value);
}

// Deleting a key that is not there is no failure.
void DeleteFromBoth(const std::string& section, const std::string& key) {
    WriteProfileString(section, key.c_str(), nullptr);
    WriteRegString(section, key.c_str(), nullptr);
}

// The comma-separated fields of a value.
std::vector<std::string_view> SplitFields(std::string_view value) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = value.find(',');
        fields.push_back(value.substr(0, comma));
        if (comma == std::string_view::npos) {
            return fields;
        }
        value.remove_prefix(comma + 1);
    }
}

int FieldNumber(const std::vector<std::string_view>& fields, std::size_t i) {
    return i < fields.size() ? static_cast<int>(NumberText::ProfileInt(fields[i])) : 0;
}

// The name with its commas written as the full-width comma.
std::string NameField(const std::string& name) {
    static const std::string wide = Sjis::FromUtf8("，");
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (Sjis::IsLeadByte(c) && i + 1 < name.size()) {
            out += name.substr(i, 2);
            ++i;
        } else if (c == ',') {
            out += wide;
        } else {
            out += name[i];
        }
    }
    return out;
}

std::string Printf(const char* format, int a, int b = 0, int c = 0) {
    char text[32];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace

// ---- Entries ------------------------------------------------------------------------------------

std::string HolidayKindLabel(int kind) {
    switch (kind) {
    case 0:
        return Sjis::FromUtf8("平日");
    case 1:
        return Sjis::FromUtf8("祝日");
    case 2:
        return Sjis::FromUtf8("特別");
    default:
        return "----";
    }
}

std::string CHolidayEntry::Key() const {
    if (IsSpecific()) {
        return Printf("%04d%02d%02d", year, month, day);
    }
    if (ByWeekday()) {
        return Printf("%02d%01d%01dw", month, week, weekday);
    }
    return Printf("%02d%02d", month, day);
}

std::string CHolidayEntry::Value() const {
    std::string value = std::to_string(kind) + "," + NameField(name);
    if (IsSpecific()) {
        return value;
    }
    if (firstYear > 0 && lastYear > 0) {
        return value + Printf(",%04d,%04d", firstYear, lastYear);
    }
    if (firstYear > 0) {
        return value + Printf(",%04d", firstYear);
    }
    if (lastYear > 0) {
        return value + Printf(",,%04d", lastYear);
    }
    return value;
}

std::string CHolidayEntry::LineText() const {
    static const char* const kWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kSuffixes[5] = {"st", "nd", "rd", "th", "th"};
    std::string date;
    if (IsSpecific()) {
        date = Printf("%04d/%02d/%02d", year, month, day);
    } else if (ByWeekday()) {
        const std::size_t w = static_cast<std::size_t>(std::clamp(week, 1, 5) - 1);
        const std::size_t d = static_cast<std::size_t>(std::clamp(weekday, 1, 7) - 1);
        date = Printf("%02d-%01d", month, week) + kSuffixes[w] + " " + kWeekdays[d];
    } else {
        date = Printf("%02d/%02d     ", month, day);
    }
    return date + ":[" + HolidayKindLabel(kind) + "]" + name;
}

namespace {

void TakeValue(std::string_view value, bool yearly, CHolidayEntry& entry) {
    const std::vector<std::string_view> fields = SplitFields(value);
    entry.kind = FieldNumber(fields, 0);
    entry.name = fields.size() > 1 ? std::string(fields[1]) : std::string();
    if (yearly) {
        entry.firstYear = FieldNumber(fields, 2);
        entry.lastYear = FieldNumber(fields, 3);
    }
}

} // namespace

bool ParseYearlyHoliday(std::string_view key, std::string_view value, CHolidayEntry& entry) {
    const int number = static_cast<int>(NumberText::ProfileInt(key));
    CHolidayEntry parsed;
    parsed.month = number / 100;
    if (!key.empty() && (key.back() == 'w' || key.back() == 'W')) {
        parsed.week = number / 10 % 10;
        parsed.weekday = number % 10;
        if (parsed.week < 1 || parsed.week > 5 || parsed.weekday < 1 || parsed.weekday > 7) {
            return false;
        }
    } else {
        parsed.day = number % 100;
        if (parsed.day < 1 || parsed.day > 31) {
            return false;
        }
    }
    if (parsed.month < 1 || parsed.month > 12) {
        return false;
    }
    TakeValue(value, true, parsed);
    entry = parsed;
    return true;
}

bool ParseSpecificHoliday(std::string_view key, std::string_view value, CHolidayEntry& entry) {
    const int number = static_cast<int>(NumberText::ProfileInt(key));
    CHolidayEntry parsed;
    parsed.year = number / 10000;
    parsed.month = number / 100 % 100;
    parsed.day = number % 100;
    if (parsed.year >= 0 && parsed.year < 100) {
        parsed.year += parsed.year < 91 ? 2000 : 1900;
    }
    if (parsed.month < 1 || parsed.month > 12 || parsed.day < 1 ||
        parsed.day > CivilDate::DaysInMonth(parsed.year, parsed.month)) {
        return false;
    }
    TakeValue(value, false, parsed);
    entry = parsed;
    return true;
}

// ---- The settings -------------------------------------------------------------------------------

void CHolidaySettings::Load() {
    const HolidayStore profile(HolidaySource::UserProfile);
    const HolidayStore ownKey(HolidaySource::AppRegKey);

    m_weekly.fill(0);
    m_weeklySource = HolidaySource::UserProfile;
    if (!profile.ReadWeeklyRestDays(m_weekly)) {
        m_weekly.fill(0);
        m_weeklySource = HolidaySource::AppRegKey;
        if (!ownKey.ReadWeeklyRestDays(m_weekly)) {
            m_weekly.fill(0);
            m_weeklySource = HolidaySource::UserProfile;
        }
    }

    const auto load = [&](bool specific, std::vector<CHolidayEntry>& list,
                          std::vector<std::string>& read, HolidaySource& source) {
        list.clear();
        read.clear();
        auto values = specific ? profile.ReadSpecificValues() : profile.ReadYearlyValues();
        source = HolidaySource::UserProfile;
        if (values.empty()) {
            values = specific ? ownKey.ReadSpecificValues() : ownKey.ReadYearlyValues();
            source = values.empty() ? HolidaySource::UserProfile : HolidaySource::AppRegKey;
        }
        for (const auto& [key, value] : values) {
            CHolidayEntry entry;
            const bool taken = specific ? ParseSpecificHoliday(key, value, entry)
                                        : ParseYearlyHoliday(key, value, entry);
            if (taken) {
                list.push_back(entry);
                read.push_back(key);
            }
        }
    };
    load(false, m_yearly, m_yearlyRead, m_yearlySource);
    load(true, m_specific, m_specificRead, m_specificSource);
    m_yearlyGone.clear();
    m_specificGone.clear();
}

void CHolidaySettings::Replace(std::vector<CHolidayEntry>& list, std::size_t index,
                               const CHolidayEntry& entry) {
    if (index >= list.size()) {
        return;
    }
    const std::string old = list[index].Key();
    if (old != entry.Key()) {
        (entry.IsSpecific() ? m_specificGone : m_yearlyGone).push_back(old);
    }
    list[index] = entry;
}

BOOL CHolidaySettings::Save() const {
    BOOL ok = TRUE;
    for (int weekday = 0; weekday < 7; ++weekday) {
        const BYTE* row = &m_weekly[static_cast<std::size_t>(weekday) * 5];
        char value[32];
        std::snprintf(value, sizeof value, "%d,%d,%d,%d,%d", row[0], row[1], row[2], row[3],
                      row[4]);
        ok &= Write(m_weeklySource, Section(kWeeklySection), WeekdayKey(weekday), value);
    }
    ok &= SaveList(m_yearly, false, m_yearlyRead, m_yearlyGone, m_yearlySource);
    ok &= SaveList(m_specific, true, m_specificRead, m_specificGone, m_specificSource);
    return ok;
}

BOOL CHolidaySettings::SaveList(const std::vector<CHolidayEntry>& list, bool specific,
                                const std::vector<std::string>& read,
                                const std::vector<std::string>& gone, HolidaySource source) const {
    const std::string& section = Section(specific ? kSpecificSection : kYearlySection);
    // Every key read goes first (a short date key comes back in its full form), then the keys
    // that changed or deleted lines leave go from both stores.
    for (const std::string& key : read) {
        Write(source, section, key, nullptr);
    }
    for (const std::string& key : gone) {
        DeleteFromBoth(section, key);
    }
    BOOL ok = TRUE;
    for (const CHolidayEntry& entry : list) {
        if (entry.kind == CHolidayEntry::kDeleted) {
            DeleteFromBoth(section, entry.Key());
            continue;
        }
        ok &= Write(source, section, entry.Key(), entry.Value().c_str());
    }
    return ok;
}

} // namespace tembra
