#include "model/ConfigKeys.h"

#include "model/AppColors.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tembra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSection = "KeyTest";

// One field of every encoding, and a table over them as a settings part would have it.
struct Fields {
    LONG count = 0;
    WORD flags = 0;
    short angle = 0;
    COLORREF color = 0;
    std::string format;
    WORD height = 0;
    WORD width = 0;
    WORD unkeyed = 0;
    LONG rows = 0;
    LONG days = 0;
    WORD columns = 0;
};

ConfigKeyTable Keys(Fields& f) {
    return {
        ConfigKey::Int("Count", f.count, -7),
        ConfigKey::Word("Flags", f.flags, 0x1000),
        ConfigKey::Short("Angle", f.angle, -45),
        ConfigKey::Color("Color", f.color, RGB(1, 2, 3)).AppColor(kAppColorEvent),
        ConfigKey::Text("Format", f.format, "mm/dd").Capacity(5),
        ConfigKey::Size(f.height, f.width, 1, 2),
        ConfigKey::Word(nullptr, f.unkeyed, 100),
        ConfigKey::Int("Rows", f.rows, 40).AtLeast(1),
        ConfigKey::Int("Days", f.days, 30).AtLeast(1, 30),
        ConfigKey::Word("Columns", f.columns, 1).AtLeast(1).AtMost(10),
    };
}

Fields BuiltIn() {
    return {-7, 0x1000, -45, RGB(1, 2, 3), "mm/dd", 1, 2, 100, 40, 30, 1};
}

// Every integer field as one number, for tables of cases.
struct IntField {
    const char* name;
    long long (*get)(const Fields&);
};
const IntField kCount{"count", [](const Fields& f) -> long long { return f.count; }};
const IntField kFlags{"flags", [](const Fields& f) -> long long { return f.flags; }};
const IntField kAngle{"angle", [](const Fields& f) -> long long { return f.angle; }};
const IntField kColor{"color", [](const Fields& f) -> long long { return f.color; }};
const IntField kHeight{"height", [](const Fields& f) -> long long { return f.height; }};
const IntField kWidth{"width", [](const Fields& f) -> long long { return f.width; }};
const IntField kRows{"rows", [](const Fields& f) -> long long { return f.rows; }};
const IntField kDays{"days", [](const Fields& f) -> long long { return f.days; }};
const IntField kColumns{"columns", [](const Fields& f) -> long long { return f.columns; }};

void ExpectFields(const Fields& got, const Fields& want) {
    for (const IntField& field :
         {kCount, kFlags, kAngle, kColor, kHeight, kWidth, kRows, kDays, kColumns}) {
        EXPECT_EQ(field.get(got), field.get(want)) << field.name;
    }
    EXPECT_EQ(got.format, want.format);
    EXPECT_EQ(got.unkeyed, want.unkeyed);
}

// Reset and read, as a part's Read does.
Fields ReadFields(BOOL fromProfile = TRUE) {
    Fields f;
    EXPECT_EQ(ReadPartKeys(kSection, Keys(f), fromProfile), TRUE);
    return f;
}

class ConfigKeysTest : public ::testing::Test {
protected:
    test::ScopedPaths paths;
};

// ---- Defaults -------------------------------------------------------------------------------

TEST_F(ConfigKeysTest, AbsentKeysGiveTheBuiltInDefaultsAndWriteNothing) {
    ExpectFields(ReadFields(), BuiltIn());
    EXPECT_TRUE(UserProfile().SectionNames().empty());
}

TEST_F(ConfigKeysTest, ResetWithoutProfileIgnoresStoredValues) {
    WriteProfileString(kSection, "Count", "12");
    WriteProfileString(kSection, "Format", "yy");
    Fields f = ReadFields(TRUE);
    EXPECT_EQ(f.count, 12);
    ResetKeys(Keys(f));
    ExpectFields(f, BuiltIn());
    ExpectFields(ReadFields(FALSE), BuiltIn());
}

// ---- Reading each encoding --------------------------------------------------------------------

struct IntCase {
    const char* key;
    const char* stored;
    IntField field;
    long long expected;
};

TEST_F(ConfigKeysTest, StoredIntegersAndColoursReadInTheirEncodings) {
    const IntCase cases[] = {
        {"Count", "-2147483648", kCount, -2147483647LL - 1},
        {"Count", "12abc", kCount, 12},
        // Narrow fields take the low 16 bits.
        {"Flags", "70000", kFlags, 70000 & 0xFFFF},
        {"Flags", "-1", kFlags, 0xFFFF},
        {"Angle", "40000", kAngle, 40000 - 65536},
        {"Angle", "-2", kAngle, -2},
        // Colours: each of three numbers cut to 8 bits; anything else keeps the default.
        {"Color", "300,-1,7", kColor, RGB(44, 255, 7)},
        {"Color", " 4, 5, 6", kColor, RGB(4, 5, 6)},
        {"Color", "4,5", kColor, RGB(1, 2, 3)},
        {"Color", "red", kColor, RGB(1, 2, 3)},
        // The size words keep their low bytes.
        {"FontHeigh", "300", kHeight, 44},
        {"FontWidth", "-1", kWidth, 255},
        {"FontWidth", "258", kWidth, 2},
        // Limits on what is read.
        {"Rows", "0", kRows, 1},
        {"Rows", "-5", kRows, 1},
        {"Rows", "2", kRows, 2},
        {"Days", "0", kDays, 30},
        {"Days", "-3", kDays, 30},
        {"Days", "1", kDays, 1},
        {"Columns", "0", kColumns, 1},
        {"Columns", "10", kColumns, 10},
        {"Columns", "11", kColumns, 10},
        {"Columns", "65536", kColumns, 1}, // low 16 bits first, then the limits
    };
    for (const IntCase& c : cases) {
        WriteProfileString(kSection, nullptr, nullptr);
        WriteProfileString(kSection, c.key, c.stored);
        EXPECT_EQ(c.field.get(ReadFields()), c.expected) << c.key << "=" << c.stored;
    }
}

TEST_F(ConfigKeysTest, TextsAreCutToTheirCapacityOnACharacterBoundary) {
    const struct {
        std::string stored;
        std::string expected;
    } cases[] = {
        {"yy/mm", "yy/mm"},
        {"yyyy/mm/dd", "yyyy/"},
        // 2 + 2 + 2 bytes: the second double-byte character would be split at 5.
        {Sjis::FromUtf8("ab年月"), Sjis::FromUtf8("ab年")},
        {"", ""},
    };
    for (const auto& c : cases) {
        WriteProfileString(kSection, "Format", c.stored.c_str());
        EXPECT_EQ(ReadFields().format, c.expected) << Sjis::ToUtf8(c.stored);
    }
}

TEST_F(ConfigKeysTest, ColoursReadAreKeptInTheApplicationTable) {
    AppCurrentColors().fill(RGB(9, 9, 9));
    Fields f;
    ResetKeys(Keys(f));
    EXPECT_EQ(AppCurrentColors()[kAppColorEvent], RGB(9, 9, 9)); // a reset leaves the table
    ReadKeys(kSection, Keys(f));
    EXPECT_EQ(AppCurrentColors()[kAppColorEvent], RGB(1, 2, 3)); // the default, read
    WriteProfileString(kSection, "Color", "0,128,0");
    ReadKeys(kSection, Keys(f));
    EXPECT_EQ(AppCurrentColors()[kAppColorEvent], RGB(0, 128, 0));
    EXPECT_EQ(AppCurrentColors()[kAppColorLand], RGB(9, 9, 9));
}

// ---- Writing ----------------------------------------------------------------------------------

TEST_F(ConfigKeysTest, WritesEveryKeyInTableOrderAndReadsItBack) {
    const Fields written{-123456, 0xFFFF, -2, RGB(10, 20, 30), "dd", 3, 250, 100, 7, 28, 4};
    Fields source = written;
    ASSERT_TRUE(WriteKeys(kSection, Keys(source)));

    // The unkeyed row is not written; the size row writes its two keys.
    EXPECT_EQ(UserProfile().KeyNames(kSection),
              (std::vector<std::string>{"Count", "Flags", "Angle", "Color", "Format", "FontHeigh",
                                        "FontWidth", "Rows", "Days", "Columns"}));
    const struct {
        const char* key;
        const char* text;
    } stored[] = {
        {"Count", "-123456"},  {"Flags", "65535"}, // unsigned: zero-extended
        {"Angle", "-2"},                           // signed: sign-extended
        {"Color", "10,20,30"}, {"Format", "dd"},   {"FontHeigh", "3"}, {"FontWidth", "250"},
    };
    for (const auto& s : stored) {
        EXPECT_EQ(GetProfileString(kSection, s.key), s.text) << s.key;
    }

    ExpectFields(ReadFields(), written);
}

TEST_F(ConfigKeysTest, AFailedWriteIsReported) {
    // A folder where the profile file should be: nothing can be written.
    fs::create_directories(UserProfilePath() / "in-the-way");
    Fields f = BuiltIn();
    EXPECT_FALSE(WriteKeys(kSection, Keys(f)));
    EXPECT_EQ(WritePartKeys(kSection, Keys(f)), FALSE);
    // An empty table has nothing to fail.
    EXPECT_TRUE(WriteKeys(kSection, {}));
}

// ---- A key the part reads itself ----------------------------------------------------------------

TEST_F(ConfigKeysTest, AKeyReadByThePartIsReadInItsPlaceAndWrittenAsUsual) {
    WriteProfileString(kSection, "First", "1");
    WriteProfileString(kSection, "Checked", "stored");
    WriteProfileString(kSection, "Last", "3");
    LONG first = 0;
    std::string checked;
    LONG last = 0;
    std::vector<std::string> seen;
    const ConfigKeyTable keys = {
        ConfigKey::Int("First", first, 0),
        ConfigKey::Text("Checked", checked, "default").ReadBy([&] {
            // The keys before it are read, the ones after it not yet.
            seen.push_back(std::to_string(first) + "," + std::to_string(last));
            checked = "checked";
        }),
        ConfigKey::Int("Last", last, 0),
    };
    ResetKeys(keys);
    EXPECT_EQ(checked, "default");
    ReadKeys(kSection, keys);
    EXPECT_EQ(seen, (std::vector<std::string>{"1,0"}));
    EXPECT_EQ(checked, "checked");
    EXPECT_EQ(last, 3);

    WriteProfileString(kSection, nullptr, nullptr);
    ASSERT_TRUE(WriteKeys(kSection, keys));
    EXPECT_EQ(GetProfileString(kSection, "Checked"), "checked");
}

} // namespace
} // namespace tembra
