// The application object a Qt test binary needs, made before its first test and destroyed after
// its last. Each binary registers one:
//   const testing::Environment* const g_environment =
//       testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("view_tests"));
#pragma once

#include <gtest/gtest.h>

class QApplication;

namespace tembra::test {

class QtTestEnvironment : public testing::Environment {
public:
    struct Options {
        // The program's substitutes for the Japanese faces the charts name; off where reference
        // pictures were drawn with Qt's own fallback.
        bool fontSubstitutes = false;
    };

    explicit QtTestEnvironment(const char* name) : QtTestEnvironment(name, Options{}) {}
    QtTestEnvironment(const char* name, Options options);

    void SetUp() override;
    void TearDown() override;

private:
    const char* m_name;
    Options m_options;
    QApplication* m_app = nullptr;
};

} // namespace tembra::test
