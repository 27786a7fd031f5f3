// The application object every widget test of this binary needs, and the layout editor's string
// table (with it its own profile) for every test.
#include "support/qt/QtTestEnvironment.h"
#include "platform/StringTable.h"

namespace {

class EditorEnvironment : public tembra::test::QtTestEnvironment {
public:
    EditorEnvironment() : QtTestEnvironment("layout_editor_tests") {}

    void SetUp() override {
        tembra::SelectStringTable(tembra::StringTableProgram::Marquell);
        QtTestEnvironment::SetUp();
    }
    void TearDown() override {
        QtTestEnvironment::TearDown();
        tembra::SelectStringTable(tembra::StringTableProgram::Tembra);
    }
};

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new EditorEnvironment);

} // namespace
