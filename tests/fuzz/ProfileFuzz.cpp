// Feeds arbitrary bytes to the readers of the profile and INI files: the file itself (sections,
// keys, values, the name lists of the enumerations, writes and deletes), and as the user's
// profile to what the program reads from there (the holiday rules, the calendar they make, the
// application's settings).
//
// Input: a flags byte (bit 0: a registry file, UTF-8, instead of a CP932 INI file; bit 1: the
// application's settings are read from the user's profile as well; bit 2: so is a calendar made
// from its holiday rules), a byte for the buffer sizes of the name lists and values, a byte that
// picks an entry, three texts each after its length byte (the section, key and value of a
// write), then the file.
//
// Besides crashes, leaks and undefined behaviour the target checks what the profile promises:
// every listed key reads, values come cut on a character boundary, the name lists hold exactly
// the names that fit, a write that says it succeeded reads back (exactly, in a registry file)
// and leaves every other entry as it was, and a deleted key or section is gone.
#include "fuzz/FuzzSupport.h"

#include "model/Calendar.h"
#include "model/ConfigBase.h"
#include "model/HolidayStore.h"
#include "platform/Profile.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tembra::fuzz {
namespace {

constexpr std::size_t kMaxSections = 24;
constexpr std::size_t kMaxKeys = 24;

using Entry = std::pair<std::string, std::string>;
using Snapshot = std::map<Entry, std::optional<std::string>>;

std::string_view TrimBlanks(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    return Sjis::EqualsNoCase(TrimBlanks(a), TrimBlanks(b));
}

bool IsCut(const std::string& text, std::size_t limit) {
    return text.size() <= limit && Sjis::CutLength(text, text.size()) == text.size();
}

// Every listed entry with its value, read through the section and key lists.
Snapshot Read(const ProfileFile& file, std::size_t size) {
    Snapshot entries;
    const std::vector<std::string> sections = file.SectionNames();
    for (std::size_t s = 0; s < sections.size() && s < kMaxSections; ++s) {
        const std::vector<std::string> keys = file.KeyNames(sections[s]);
        for (std::size_t k = 0; k < keys.size() && k < kMaxKeys; ++k) {
            const std::optional<std::string> value = file.Find(sections[s], keys[k]);
            if (!value) {
                Fail("a listed key does not read");
            }
            const std::string cut = file.GetString(sections[s], keys[k], "", size);
            if (size > 0 && !IsCut(cut, size - 1)) {
                Fail("a value is not cut to its buffer on a character boundary");
            }
            static_cast<void>(file.GetInt(sections[s], keys[k], -1));
            entries[{sections[s], keys[k]}] = value;
        }
    }
    return entries;
}

void CheckNameList(const std::vector<std::string>& names, std::size_t size) {
    std::vector<char> buffer(size + 1, '\x55');
    FillNameList(names, buffer.data(), size);
    if (buffer[size] != '\x55') {
        Fail("a name list writes past its buffer");
    }
    if (size > 0 && SplitNameList(buffer.data(), size) != NamesThatFit(names, size)) {
        Fail("a name list holds other names than those that fit");
    }
}

// Every entry of before reads the same from the file now, except those matching the changed one.
void CheckOthersKept(const Snapshot& before, const ProfileFile& now, const std::string& section,
                     const std::string* key) {
    for (const auto& [entry, value] : before) {
        if (SameName(entry.first, section) && (key == nullptr || SameName(entry.second, *key))) {
            continue;
        }
        if (now.Find(entry.first, entry.second) != value) {
            Fail("a write or delete changed another entry");
        }
    }
}

void CheckFile(const std::filesystem::path& path, ProfileFlavor flavor, FuzzInput& input,
               std::size_t size, std::uint8_t pick) {
    const std::string section = input.Text(input.Byte());
    const std::string key = input.Text(input.Byte());
    const std::string value = input.Text(input.Byte());
    WriteWholeFile(path, input.Rest());

    ProfileFile file(path, flavor);
    const Snapshot before = Read(file, size);
    CheckNameList(file.SectionNames(), size);
    CheckNameList(file.KeyNames(section), size);

    if (file.WriteString(section, key, value)) {
        const ProfileFile reread(path, flavor);
        const std::optional<std::string> back = reread.Find(section, key);
        if (!back || (flavor == ProfileFlavor::Registry && *back != value)) {
            Fail("a written value does not read back");
        }
        CheckOthersKept(before, reread, section, &key);
    }

    if (!before.empty()) {
        auto victim = before.begin();
        std::advance(victim, pick % before.size());
        const Snapshot current = Read(file, size);
        if (!file.DeleteKey(victim->first.first, victim->first.second)) {
            Fail("a key cannot be deleted");
        }
        const ProfileFile reread(path, flavor);
        if (reread.Find(victim->first.first, victim->first.second)) {
            Fail("a deleted key still reads");
        }
        CheckOthersKept(current, reread, victim->first.first, &victim->first.second);

        if (!file.DeleteSection(victim->first.first)) {
            Fail("a section cannot be deleted");
        }
        for (const std::string& name : ProfileFile(path, flavor).SectionNames()) {
            if (SameName(name, victim->first.first)) {
                Fail("a deleted section is still listed");
            }
        }
    }
}

// The user's profile as the program reads it.
void ReadUserProfile(std::span<const std::uint8_t> bytes, std::uint8_t pick, std::uint8_t flags) {
    WriteWholeFile(UserProfilePath(), bytes);
    const HolidayStore store(HolidaySource::UserProfile);
    std::array<BYTE, kWeeklyTableSize> weekly{};
    static_cast<void>(store.ReadWeeklyRestDays(weekly));
    std::array<BYTE, kDateTableSize> dates{};
    std::array<BYTE, kWeekdayRuleTableSize> weekdays{};
    static_cast<void>(store.ReadYearlyHolidays(dates, weekdays));
    int first = 0;
    int last = 0;
    const int month = pick % 13;
    static_cast<void>(store.GetHolidayYears(month, pick % 32, first, last));
    static_cast<void>(store.GetWeekdayHolidayYears(month, pick % 8, pick % 6, first, last));
    std::vector<CTime> specific;
    static_cast<void>(store.ReadSpecificHolidays(specific, pick));
    static_cast<void>(store.GetSpecificHolidayType(1991 + pick % 31, month, pick % 32));

    if ((flags & 4) != 0) {
        CCalendar calendar;
        static_cast<void>(calendar.MakeHolidays(weekly.data(), TRUE, TRUE));
    }
    if ((flags & 2) != 0) {
        CConfigBase config;
        static_cast<void>(config.Read(TRUE));
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const std::uint8_t flags = input.Byte();
    const std::size_t bufferSize = input.Byte();
    const std::uint8_t pick = input.Byte();
    const ProfileFlavor flavor =
        (flags & 1) != 0 ? ProfileFlavor::Registry : ProfileFlavor::IniFile;

    CheckFile(TempFolder() / "profile.ini", flavor, input, bufferSize, pick);
    ReadUserProfile(input.Rest(), pick, flags);
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
