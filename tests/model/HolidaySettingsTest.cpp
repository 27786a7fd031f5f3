// The holiday rules as the special holidays dialog edits them: the list lines, the keys and values
// written, the store each section goes back to, and what leaves both stores.
#include "model/HolidaySettings.h"

#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"
#include "support/Cp932Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;
using test::J;

std::string U(const std::string& cp932) {
    return Sjis::ToUtf8(cp932);
}

std::vector<std::string> Lines(const std::vector<CHolidayEntry>& list) {
    std::vector<std::string> lines;
    for (const CHolidayEntry& entry : list) {
        lines.push_back(U(entry.LineText()));
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class HolidaySettingsTest : public ::testing::Test {
protected:
    std::optional<std::string> Profile(const char* section, const std::string& key) {
        return UserProfile().Find(J(section), key);
    }
    std::optional<std::string> OwnKey(const char* section, const std::string& key) {
        auto handle = OpenAppRegKey(J(section));
        return handle ? handle->QueryValue(key) : std::nullopt;
    }

    test::ScopedPaths paths;
};

TEST_F(HolidaySettingsTest, TheShippedRulesAreListedFromTheProgramsKey) {
    const fs::path shipped = fs::path(TEMBRA_DATA_DIR) / AppRegKeyDefaultPath().filename();
    fs::copy_file(shipped, paths.Shipped() / shipped.filename(),
                  fs::copy_options::overwrite_existing);
    CHolidaySettings settings;
    settings.Load();
    EXPECT_EQ(settings.YearlySource(), HolidaySource::AppRegKey);
    EXPECT_EQ(settings.SpecificSource(), HolidaySource::AppRegKey);
    const std::vector<std::string> yearly = Lines(settings.Yearly());
    EXPECT_TRUE(Contains(yearly, "01/01     :[祝日]元日"));
    EXPECT_TRUE(Contains(yearly, "01-2nd Mon:[祝日]成人の日"));
    EXPECT_TRUE(Contains(Lines(settings.Specific()), "1991/03/21:[祝日]春分の日"));
    // Sundays off, no other day.
    EXPECT_EQ(settings.Weekly()[0], 1);
    EXPECT_EQ(settings.Weekly()[5], 0);
}

TEST(HolidayEntryTest, KeysValuesAndLines) {
    const auto yearly = [](int month, int day, int week, int weekday, int kind, const char* name,
                           int first, int last) {
        CHolidayEntry e;
        e.month = month;
        e.day = day;
        e.week = week;
        e.weekday = weekday;
        e.kind = kind;
        e.name = J(name);
        e.firstYear = first;
        e.lastYear = last;
        return e;
    };
    CHolidayEntry specific = yearly(3, 21, 0, 0, 5, "a,b", 0, 0);
    specific.year = 2005;
    const struct {
        const char* what;
        CHolidayEntry entry;
        const char* key;
        const char* value;
        const char* line;
    } cases[] = {
        {"by date, all years", yearly(1, 1, 0, 0, 1, "元日", 0, 0), "0101", "1,元日",
         "01/01     :[祝日]元日"},
        {"last year only", yearly(1, 15, 0, 0, 1, "X", 0, 2000), "0115", "1,X,,2000",
         "01/15     :[祝日]X"},
        {"first year only", yearly(2, 11, 0, 0, 2, "X", 1995, 0), "0211", "2,X,1995",
         "02/11     :[特別]X"},
        {"both years", yearly(7, 20, 0, 0, 0, "X", 1996, 2002), "0720", "0,X,1996,2002",
         "07/20     :[平日]X"},
        {"2nd Monday of May", yearly(5, 0, 2, 2, 1, "X", 0, 0), "0522w", "1,X",
         "05-2nd Mon:[祝日]X"},
        {"5th Saturday", yearly(8, 0, 5, 7, 1, "X", 0, 0), "0857w", "1,X", "08-5th Sat:[祝日]X"},
        {"specific, a kind above 2, a comma", specific, "20050321", "5,a，b",
         "2005/03/21:[----]a,b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.entry.Key(), c.key);
        EXPECT_EQ(U(c.entry.Value()), c.value);
        EXPECT_EQ(U(c.entry.LineText()), c.line);
    }
}

TEST(HolidayEntryTest, StoredKeysAreReadBack) {
    CHolidayEntry entry;
    ASSERT_TRUE(ParseYearlyHoliday("0522w", J("1,X,,2000"), entry));
    EXPECT_EQ(entry.month, 5);
    EXPECT_EQ(entry.week, 2);
    EXPECT_EQ(entry.weekday, 2);
    EXPECT_EQ(entry.lastYear, 2000);
    EXPECT_EQ(entry.firstYear, 0);
    ASSERT_TRUE(ParseSpecificHoliday("050101", "2,X", entry));
    EXPECT_EQ(entry.year, 2005);
    ASSERT_TRUE(ParseSpecificHoliday("950101", "2,X", entry));
    EXPECT_EQ(entry.year, 1995);
    EXPECT_FALSE(ParseSpecificHoliday("20050230", "1,X", entry));
    EXPECT_FALSE(ParseYearlyHoliday("1301", "1,X", entry));
    EXPECT_FALSE(ParseYearlyHoliday("0561w", "1,X", entry));
}

TEST_F(HolidaySettingsTest, EachSectionGoesBackToTheStoreItWasReadFrom) {
    // The yearly rules only in the program's key, the specific dates in the profile.
    WriteRegString(J("祝日"), "0101", J("1,元日").c_str());
    WriteProfileString(J("特定休日"), "20100505", J("1,A").c_str());
    CHolidaySettings settings;
    settings.Load();
    ASSERT_EQ(settings.Yearly().size(), 1u);
    ASSERT_EQ(settings.Specific().size(), 1u);
    CHolidayEntry changed = settings.Yearly()[0];
    changed.day = 2;
    settings.Replace(settings.Yearly(), 0, changed);
    settings.Specific()[0].name = J("B");
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(OwnKey("祝日", "0102"), J("1,元日"));
    EXPECT_FALSE(OwnKey("祝日", "0101"));
    EXPECT_FALSE(Profile("祝日", "0102"));
    EXPECT_EQ(Profile("特定休日", "20100505"), J("1,B"));
    EXPECT_FALSE(OwnKey("特定休日", "20100505"));
}

TEST_F(HolidaySettingsTest, AShortKeyIsWrittenInFullAndADeletedDateLeavesBothStores) {
    WriteProfileString(J("特定休日"), "050101", J("1,X").c_str());
    WriteProfileString(J("特定休日"), "20100505", J("1,A").c_str());
    WriteRegString(J("特定休日"), "20100505", J("1,A").c_str());
    WriteProfileString(J("特定休日"), "20100506", J("7,Kept").c_str());
    CHolidaySettings settings;
    settings.Load();
    ASSERT_EQ(settings.Specific().size(), 3u);
    for (CHolidayEntry& entry : settings.Specific()) {
        if (entry.Key() == "20100505") {
            entry.kind = CHolidayEntry::kDeleted;
        }
    }
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(Profile("特定休日", "20050101"), J("1,X"));
    EXPECT_FALSE(Profile("特定休日", "050101"));
    EXPECT_FALSE(Profile("特定休日", "20100505"));
    EXPECT_FALSE(OwnKey("特定休日", "20100505"));
    EXPECT_EQ(Profile("特定休日", "20100506"), J("7,Kept"));
}

TEST_F(HolidaySettingsTest, TheListsHoldEveryKeyTheCalendarReads) {
    // 300 dates take 2,700 bytes of names.
    for (int i = 0; i < 300; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "%04d%02d%02d", 2000 + i / 12, i % 12 + 1, 1);
        WriteProfileString(J("特定休日"), key, "1,X");
    }
    CHolidaySettings settings;
    settings.Load();
    std::vector<CTime> dates;
    const HolidayStore profile(HolidaySource::UserProfile);
    profile.ReadSpecificHolidays(dates, 500);
    EXPECT_EQ(settings.Specific().size(), dates.size());
    EXPECT_EQ(settings.Specific().size(), 300u);
}

} // namespace
} // namespace tembra
