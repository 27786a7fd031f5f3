// Waiting in a GoogleTest test for what the event loop brings. Qt's QTRY_ macros report to Qt's
// own test logger and leave the test function on failure, which GoogleTest counts as a pass, so
// the tests wait with these and then assert the values themselves. Neither waits a fixed time:
// a busy machine makes them slower, never wrong.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTest>

#include <limits>

namespace tembra::test {

// The ceiling of a wait for something that comes within milliseconds on an idle machine.
inline constexpr int kGenerousMs = 30000;

// Runs the event loop until condition holds or timeoutMs have passed.
template <class Condition> void WaitUntil(Condition condition, int timeoutMs = kGenerousMs) {
    static_cast<void>(QTest::qWaitFor(condition, timeoutMs));
}

// Runs the event loop until everything posted before this call has been delivered: posted
// events keep their order within a priority, so a marker posted now at the lowest priority
// runs after them (repaints included, which Qt posts at low priority). Used where a test checks
// that a posted step did nothing, which no condition can wait for.
inline void FlushPosted(int timeoutMs = kGenerousMs) {
    class Marker : public QObject {
    public:
        bool event(QEvent* event) override {
            if (event->type() == QEvent::User) {
                reached = true;
                return true;
            }
            return QObject::event(event);
        }
        bool reached = false;
    };
    Marker marker;
    QCoreApplication::postEvent(&marker, new QEvent(QEvent::User), std::numeric_limits<int>::min());
    WaitUntil([&marker] { return marker.reached; }, timeoutMs);
    // Not delivered in time: the marker goes, and its event with it.
    QCoreApplication::removePostedEvents(&marker);
}

} // namespace tembra::test
