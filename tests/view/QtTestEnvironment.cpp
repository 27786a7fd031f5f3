// The application object every widget test of this binary needs, with the program's font
// substitutes for the Japanese faces the charts name.
#include "support/qt/QtTestEnvironment.h"

namespace {

const testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(
    new tembra::test::QtTestEnvironment("view_tests", {.fontSubstitutes = true}));

} // namespace
