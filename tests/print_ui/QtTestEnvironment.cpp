// The application object every test of this binary needs: the dialogs and their event loops.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "print_ui_tests";
            static char* argv[] = {name, nullptr};
            m_app = new QApplication(argc, argv);
        }
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
