// The application object every widget test of this binary needs, with the program's font
// substitutes for the Japanese faces the charts name.
#include "platform/qt/QtDC.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "view_tests";
            static char* argv[] = {name, nullptr};
            m_app = new QApplication(argc, argv);
        }
        tembra::InstallFontSubstitutions();
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
