// The application object every widget test of this binary needs, and the layout editor's string
// table (with it its own profile) for every test.
#include "platform/StringTable.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        tembra::SelectStringTable(tembra::StringTableProgram::Marquell);
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "layout_editor_tests";
            static char* argv[] = {name, nullptr};
            m_app = new QApplication(argc, argv);
        }
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
        tembra::SelectStringTable(tembra::StringTableProgram::Tembra);
    }

private:
    QApplication* m_app = nullptr;
};

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
