#include "model/HolidayStore.h"

#include "platform/NumberText.h"
#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tembra {

namespace {

constexpr UINT IDS_SPECIFIC_HOLIDAYS_CUT = 5034;

const std::string& WeeklySection() {
    static const std::string s = Sjis::FromUtf8("公休");
    return s;
}
const std::string& YearlySection() {
    static const std::string s = Sjis::FromUtf8("祝日");
    return s;
}
const std::string& SpecificSection() {
    static const std::string s = Sjis::FromUtf8("特定休日");
    return s;
}
const std::string& WeekdayKey(int weekday) {
    static const std::string keys[7] = {
        Sjis::FromUtf8("日"), Sjis::FromUtf8("月"), Sjis::FromUtf8("火"), Sjis::FromUtf8("水"),
        Sjis::FromUtf8("木"), Sjis::FromUtf8("金"), Sjis::FromUtf8("土")};
    return keys[weekday];
}

std::optional<std::string> LiveValue(HolidaySource source, const std::string& section,
                                     const std::string& name) {
    if (source == HolidaySource::UserProfile)
        return UserProfile().Find(section, name);
    auto key = OpenAppRegKey(section);
    if (!key)
        return std::nullopt;
    return key->QueryValue(name);
}

// The value names of a section as the enumeration delivers them into a buffer of that size.
std::vector<std::string> LiveNames(HolidaySource source, const std::string& section,
                                   std::size_t bufferSize) {
    std::vector<char> buffer(bufferSize);
    if (source == HolidaySource::UserProfile)
        GetProfileSectionNames(section.c_str(), buffer.data(), buffer.size());
    else
        GetRegSectionNames(section.c_str(), buffer.data(), buffer.size());
    return SplitNameList(buffer.data(), buffer.size());
}

// The comma-separated fields of a value as numbers: each field's optional sign and leading
// digits, 0 for a field without them (the name field of a yearly rule). A holiday name holding
// "=" or ";" is only a name here; it does not shift or end the numbers after it.
std::vector<int> ParseFields(std::string_view value) {
    std::vector<int> numbers;
    for (;;) {
        std::size_t comma = value.find(',');
        numbers.push_back(static_cast<int>(NumberText::ProfileInt(value.substr(0, comma))));
        if (comma == std::string_view::npos)
            break;
        value.remove_prefix(comma + 1);
    }
    return numbers;
}

int Field(const std::vector<int>& fields, std::size_t i) {
    return i < fields.size() ? fields[i] : 0;
}

// The character the calendar compares: the first hexadecimal digit of the kind number.
BYTE KindChar(int kind) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(kind));
    return static_cast<BYTE>(text[0]);
}

bool IsComment(std::string_view name) {
    return !name.empty() && name.front() == ';';
}

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

BOOL ReadYears(const HolidayStore& store, const std::string& name, int& firstYear, int& lastYear) {
    std::optional<std::string> value = store.ReadValue(YearlySection(), name);
    if (!value)
        return FALSE;
    std::vector<int> fields = ParseFields(*value);
    int first = Field(fields, 2);
    int last = Field(fields, 3);
    // An open or earlier end is the calendar's own end. A first year after the calendar or a
    // last year before it stays as it is: the rule then holds in none of its years (turning it
    // into the first or the last year would make a rule of another period hold in all of them).
    firstYear = first == 0 || first < kFirstHolidayYear ? kFirstHolidayYear : first;
    lastYear = last == 0 || last > kLastHolidayYear ? kLastHolidayYear : last;
    return TRUE;
}

} // namespace

// One section as a snapshot read it: the names in the store's order, the values by name as the
// store finds them (names compared without ASCII case, the first of a repeated name wins).
struct HolidayStore::SectionCopy {
    std::vector<std::string> names;
    std::map<std::string, std::string> values;
};
struct HolidayStore::Copies {
    std::map<std::string, SectionCopy> sections;
};

HolidayStore::HolidayStore(HolidaySource source) : m_source(source) {}

HolidayStore HolidayStore::Snapshot(HolidaySource source) {
    HolidayStore store(source);
    store.m_copies = std::make_shared<Copies>();
    return store;
}

const HolidayStore::SectionCopy& HolidayStore::CopyOf(const std::string& section) const {
    auto [it, added] = m_copies->sections.try_emplace(section);
    if (!added)
        return it->second;
    std::vector<std::pair<std::string, std::string>> entries;
    if (m_source == HolidaySource::UserProfile) {
        entries = UserProfile().SectionEntries(section);
    } else if (auto key = OpenAppRegKey(section)) {
        entries = key->Values();
    }
    SectionCopy& copy = it->second;
    for (auto& [name, value] : entries) {
        copy.names.push_back(name);
        copy.values.try_emplace(Sjis::ToUpperAscii(name), std::move(value));
    }
    return copy;
}

std::optional<std::string> HolidayStore::ReadValue(const std::string& section,
                                                   const std::string& name) const {
    if (!m_copies)
        return LiveValue(m_source, section, name);
    const SectionCopy& copy = CopyOf(section);
    auto it = copy.values.find(Sjis::ToUpperAscii(name));
    return it == copy.values.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::vector<std::string> HolidayStore::ReadNames(const std::string& section,
                                                 std::size_t bufferSize) const {
    if (!m_copies)
        return LiveNames(m_source, section, bufferSize);
    return NamesThatFit(CopyOf(section).names, bufferSize);
}

BOOL HolidayStore::ReadWeeklyRestDays(std::span<BYTE, kWeeklyTableSize> table) const {
    for (int weekday = 0; weekday < 7; ++weekday) {
        std::optional<std::string> value = ReadValue(WeeklySection(), WeekdayKey(weekday));
        if (!value || value->empty())
            return FALSE;
        std::vector<int> fields = ParseFields(*value);
        for (std::size_t week = 0; week < 5; ++week) {
            int n = Field(fields, week);
            // Only "off or not" matters; a number that does not fit a byte must not turn into 0.
            BYTE b = static_cast<BYTE>(n);
            table[static_cast<std::size_t>(weekday) * 5 + week] = (n != 0 && b == 0) ? 1 : b;
        }
    }
    return TRUE;
}

int HolidayStore::ReadYearlyHolidays(std::span<BYTE, kDateTableSize> dateTable,
                                     std::span<BYTE, kWeekdayRuleTableSize> weekdayTable) const {
    std::fill(dateTable.begin(), dateTable.end(), BYTE{0});
    std::fill(weekdayTable.begin(), weekdayTable.end(), BYTE{0});
    int taken = 0;
    for (const std::string& name : ReadNames(YearlySection(), kYearlyNameBufferSize)) {
        if (IsComment(name))
            continue;
        // An empty value is as malformed as any other value without a leading number: kind 0.
        std::optional<std::string> value = ReadValue(YearlySection(), name);
        if (!value)
            continue;
        BYTE kind = KindChar(Field(ParseFields(*value), 0));
        int number = static_cast<int>(NumberText::ProfileInt(name));
        int month = number / 100;
        if (month < 1 || month > 12)
            continue;
        if (name.back() == 'w' || name.back() == 'W') {
            int week = number / 10 % 10;
            int weekday = number % 10;
            if (week < 1 || week > 5 || weekday < 1 || weekday > 7)
                continue;
            weekdayTable[static_cast<std::size_t>((month - 1) * 35 + (weekday - 1) * 5 +
                                                  (week - 1))] = kind;
        } else {
            int day = number % 100;
            if (day < 1 || day > 31)
                continue;
            dateTable[static_cast<std::size_t>((month - 1) * 31 + (day - 1))] = kind;
        }
        ++taken;
    }
    return taken;
}

BOOL HolidayStore::GetHolidayYears(const CTime& date, int& firstYear, int& lastYear) const {
    return GetHolidayYears(date.GetMonth(), date.GetDay(), firstYear, lastYear);
}

BOOL HolidayStore::GetHolidayYears(int month, int day, int& firstYear, int& lastYear) const {
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return FALSE;
    return ReadYears(*this, TwoDigits(month) + TwoDigits(day), firstYear, lastYear);
}

BOOL HolidayStore::GetWeekdayHolidayYears(int month, int weekday, int week, int& firstYear,
                                          int& lastYear) const {
    if (month < 1 || month > 12 || week < 1 || week > 5 || weekday < 1 || weekday > 7)
        return FALSE;
    std::string name = TwoDigits(month) + std::to_string(week) + std::to_string(weekday) + "w";
    return ReadYears(*this, name, firstYear, lastYear);
}

int HolidayStore::ReadSpecificHolidays(std::vector<CTime>& dates, int capacity) const {
    dates.clear();
    for (const std::string& name : ReadNames(SpecificSection(), kSpecificNameBufferSize)) {
        if (IsComment(name))
            continue;
        int number = static_cast<int>(NumberText::ProfileInt(name));
        int year = number / 10000;
        int month = number / 100 % 100;
        int day = number % 100;
        // Two-digit years: 91 to 99 are of the 1900s, all others of the 2000s.
        if (year >= 0 && year < 100)
            year += year < 91 ? 2000 : 1900;
        if (month < 1 || month > 12 || day < 1 || day > CivilDate::DaysInMonth(year, month))
            continue;
        if (static_cast<int>(dates.size()) >= capacity) {
            std::string text =
                FormatString(LoadString(IDS_SPECIFIC_HOLIDAYS_CUT), {std::to_string(capacity)});
            Ui().MessageBox(text, MB_OK, IDS_SPECIFIC_HOLIDAYS_CUT);
            break;
        }
        dates.emplace_back(year, month, day);
    }
    return static_cast<int>(dates.size());
}

int HolidayStore::GetSpecificHolidayType(const CTime& date) const {
    return GetSpecificHolidayType(date.GetYear(), date.GetMonth(), date.GetDay());
}

int HolidayStore::GetSpecificHolidayType(int year, int month, int day) const {
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%02d", year, month, day);
    std::optional<std::string> value = ReadValue(SpecificSection(), name);
    if (!value) {
        std::snprintf(name, sizeof name, "%02d%02d%02d", (year % 100 + 100) % 100, month, day);
        value = ReadValue(SpecificSection(), name);
    }
    if (!value)
        return 0;
    return Field(ParseFields(*value), 0);
}

namespace {
std::vector<std::pair<std::string, std::string>>
ReadValues(const HolidayStore& store, const std::string& section, std::size_t bufferSize) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& name : store.ReadNames(section, bufferSize)) {
        if (IsComment(name))
            continue;
        if (std::optional<std::string> value = store.ReadValue(section, name))
            out.emplace_back(name, *value);
    }
    return out;
}
} // namespace

std::vector<std::pair<std::string, std::string>> HolidayStore::ReadYearlyValues() const {
    return ReadValues(*this, YearlySection(), kYearlyNameBufferSize);
}

std::vector<std::pair<std::string, std::string>> HolidayStore::ReadSpecificValues() const {
    return ReadValues(*this, SpecificSection(), kSpecificNameBufferSize);
}

namespace {
const HolidayStore& ProfileStore() {
    static const HolidayStore store(HolidaySource::UserProfile);
    return store;
}
const HolidayStore& RegStore() {
    static const HolidayStore store(HolidaySource::AppRegKey);
    return store;
}
} // namespace

BOOL ReadWeeklyRestDays(std::span<BYTE, kWeeklyTableSize> table) {
    return ProfileStore().ReadWeeklyRestDays(table);
}
int ReadYearlyHolidays(std::span<BYTE, kDateTableSize> dateTable,
                       std::span<BYTE, kWeekdayRuleTableSize> weekdayTable) {
    return ProfileStore().ReadYearlyHolidays(dateTable, weekdayTable);
}
BOOL GetHolidayYears(const CTime& date, int& firstYear, int& lastYear) {
    return ProfileStore().GetHolidayYears(date, firstYear, lastYear);
}
BOOL GetWeekdayHolidayYears(int month, int weekday, int week, int& firstYear, int& lastYear) {
    return ProfileStore().GetWeekdayHolidayYears(month, weekday, week, firstYear, lastYear);
}
int ReadSpecificHolidays(std::vector<CTime>& dates, int capacity) {
    return ProfileStore().ReadSpecificHolidays(dates, capacity);
}
int GetSpecificHolidayType(const CTime& date) {
    return ProfileStore().GetSpecificHolidayType(date);
}

BOOL ReadRegWeeklyRestDays(std::span<BYTE, kWeeklyTableSize> table) {
    return RegStore().ReadWeeklyRestDays(table);
}
int ReadRegYearlyHolidays(std::span<BYTE, kDateTableSize> dateTable,
                          std::span<BYTE, kWeekdayRuleTableSize> weekdayTable) {
    return RegStore().ReadYearlyHolidays(dateTable, weekdayTable);
}
BOOL GetRegHolidayYears(const CTime& date, int& firstYear, int& lastYear) {
    return RegStore().GetHolidayYears(date, firstYear, lastYear);
}
BOOL GetRegWeekdayHolidayYears(int month, int weekday, int week, int& firstYear, int& lastYear) {
    return RegStore().GetWeekdayHolidayYears(month, weekday, week, firstYear, lastYear);
}
int ReadRegSpecificHolidays(std::vector<CTime>& dates, int capacity) {
    return RegStore().ReadSpecificHolidays(dates, capacity);
}
int GetRegSpecificHolidayType(const CTime& date) {
    return RegStore().GetSpecificHolidayType(date);
}

} // namespace tembra
