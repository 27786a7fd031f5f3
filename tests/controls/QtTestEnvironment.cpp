// The application object every widget test of this binary needs.
#include "support/qt/QtTestEnvironment.h"

namespace {

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("controls_tests"));

} // namespace
