#include "platform/RangeMessage.h"

#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tembra {
namespace {

TEST(RangeMessageTest, FieldTextsReadWithinTheirLimits) {
    struct Case {
        std::string text;
        std::optional<long> value;
    };
    const std::vector<Case> cases = {
        {"0", 0},     {"1000", 1000}, {" 10 ", 10}, {"+7", 7},    {"\t42", 42},
        {"1001", {}}, {"-1", {}},     {"", {}},     {"  ", {}},   {"12a", {}},
        {"1 2", {}},  {"+-5", {}},    {"+", {}},    {"0x10", {}}, {"99999999999999999999", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseIntInRange(c.text, 0, 1000), c.value) << "'" << c.text << "'";
    }
    EXPECT_EQ(ParseIntInRange("-5", -10, 10), -5);
}

TEST(RangeMessageTest, OneMessageNamesTheLimits) {
    test::ScopedUi ui;
    ShowRangeMessage(0, 1000);
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_VALUE_RANGE);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "0 から 1000 までの整数を入力してください。");
    EXPECT_EQ(ui->MessageBoxes()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
}

} // namespace
} // namespace tembra
