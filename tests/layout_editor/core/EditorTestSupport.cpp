#include "EditorTestSupport.h"

#include "platform/RegKey.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <fstream>

namespace marquell::test {

namespace {

// Every test here is the layout editor's: its string table, and with it its own key.
class EditorEnvironment : public testing::Environment {
public:
    void SetUp() override { tembra::SelectStringTable(tembra::StringTableProgram::Marquell); }
    void TearDown() override { tembra::SelectStringTable(tembra::StringTableProgram::Tembra); }
};

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new EditorEnvironment);

} // namespace

void ShipEditorKey(const std::vector<std::string>& utf8Lines) {
    std::ofstream out(tembra::AppRegKeyDefaultPath(), std::ios::binary | std::ios::trunc);
    for (const std::string& line : utf8Lines) {
        out << line << '\n';
    }
}

} // namespace marquell::test
