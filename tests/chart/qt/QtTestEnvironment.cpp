// The application object that the rendered-image tests of the charts need (fonts, painters).
#include "support/qt/QtTestEnvironment.h"

namespace {

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("chart_tests"));

} // namespace
