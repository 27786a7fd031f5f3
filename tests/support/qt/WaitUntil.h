// Waiting in a GoogleTest test for what the event loop brings. Qt's QTRY_ macros report to Qt's
// own test logger and leave the test function on failure, which GoogleTest counts as a pass, so
// the tests wait with this and then assert the values themselves.
#pragma once

#include <QTest>

namespace tembra::test {

// Runs the event loop until condition holds or timeoutMs have passed.
template <class Condition> void WaitUntil(Condition condition, int timeoutMs = 5000) {
    static_cast<void>(QTest::qWaitFor(condition, timeoutMs));
}

} // namespace tembra::test
