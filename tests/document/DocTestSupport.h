// Helpers of the document tests: a view that records its updates, records that log their
// deletion, and processes placed by date and row.
#pragma once

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/DataHeader.h"
#include "platform/Document.h"
#include "platform/Sjis.h"
#include "platform/Time.h"
#include "support/Cp932Text.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tembra::test {

// A view that keeps every update it is told of.
class RecordingView : public CView {
public:
    struct Update {
        CView* sender;
        LPARAM hint;
        CObject* object;
    };
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override {
        updates.push_back({sender, hint, hintObject});
    }
    // How many updates named the object.
    int CountFor(const CObject* object) const {
        int n = 0;
        for (const Update& u : updates) {
            n += u.object == object ? 1 : 0;
        }
        return n;
    }
    std::vector<Update> updates;
};

// Where the probes write their names when they are deleted.
inline std::vector<std::string>& DeletionLog() {
    static std::vector<std::string> log;
    return log;
}

// Any class whose destruction a test wants to see: writes its name into the deletion log when it
// goes. The arguments after the name go to the base class.
template <class Base> class Logged : public Base {
public:
    template <class... Args>
    explicit Logged(std::string name, Args&&... args)
        : Base(std::forward<Args>(args)...), m_log(std::move(name)) {}
    ~Logged() override { DeletionLog().push_back(m_log); }

private:
    std::string m_log;
};

// A record of any type code (a shape, an event, a progress line, a resource chart ...) that
// writes its name into the deletion log when it goes.
class ProbeRecord : public CDataHeader {
public:
    ProbeRecord(WORD type, std::string name, WORD kind = 1)
        : CDataHeader(type, kind), m_name(std::move(name)) {}
    ~ProbeRecord() override { DeletionLog().push_back(m_name); }
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
};

// A date of the chart zone at 00:00.
inline CTime Day(int year, int month, int day) {
    return CTime(year, month, day);
}

inline CChartPos Pos(const CTime& start, const CTime& end, int startRow, int endRow) {
    CChartPos pos;
    pos.SetStartDate(start);
    pos.SetEndDate(end);
    pos.SetStartRow(static_cast<WORD>(startRow));
    pos.SetEndRow(static_cast<WORD>(endRow));
    return pos;
}

// Installs a fresh application state for the life of the guard.
class ScopedAppState {
public:
    ScopedAppState() : m_previous(SetAppState(&m_state)) {}
    ~ScopedAppState() { SetAppState(m_previous); }
    ScopedAppState(const ScopedAppState&) = delete;
    ScopedAppState& operator=(const ScopedAppState&) = delete;
    CAppState* operator->() { return &m_state; }
    CAppState& Get() { return m_state; }

private:
    CAppState m_state;
    CAppState* m_previous;
};

} // namespace tembra::test
