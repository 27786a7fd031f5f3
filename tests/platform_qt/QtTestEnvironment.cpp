// The application object every Qt test of this binary needs (fonts, painters, printing).
#include "support/qt/QtTestEnvironment.h"

namespace {

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("platform_qt_tests"));

} // namespace
