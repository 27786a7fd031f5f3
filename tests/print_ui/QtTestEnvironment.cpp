// The application object every test of this binary needs: the dialogs and their event loops.
#include "support/qt/QtTestEnvironment.h"

namespace {

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new tembra::test::QtTestEnvironment("print_ui_tests"));

} // namespace
