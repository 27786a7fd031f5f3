// The program on the session bus: the well-known name org.tembra.Tembra, the application object
// /org/tembra/Tembra (interface org.tembra.Tembra.Application, NewDocument) and every chart a
// client made at /org/tembra/Tembra/Document/N (interface org.tembra.Tembra.Document: the
// automation members, arguments as variants, properties MaeYohaku, AtoYohaku, InsertLine).
//
// Calls are served one at a time in arrival order on the main thread: a call that comes while
// another is served (a member asking the user a question of its own) waits for it in a queue,
// and is never served inside the question's event loop; nor while the user is in a dialog of the
// program.
//
// The bus is the user's own: any client may call any chart, and a chart lives until a client
// closes it (DocClose, AppClose) or the user closes its window; a client leaving the bus closes
// nothing. A call shows no box and opens no dialog: what the member would show becomes the
// call's D-Bus error, org.tembra.Tembra.Error.Message<id> for a message of the string table (plain
// Message for a text of none) and org.tembra.Tembra.Error.Dialog for a dialog, with the text.
// Only the members' own questions (DocClose "2", a paper change's question about the layout) are
// put to the user, and only when one can be there. File paths must be absolute.
//
// A program started for clients ends when the clients close its last chart with DocClose or
// AppClose, or once it has held no chart and no call has come for the quiet time (60 s).
#pragma once

#include "automation/AutomationHost.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace tembra {

class CAutomationCallUi;
class CTembraDocAutomation;
class IAutomationCharts;
class ISettingsChanges;

class CAutomationBus : public QDBusVirtualObject, private IAutomationHost {
    Q_OBJECT
public:
    static constexpr const char* kService = "org.tembra.Tembra";
    static constexpr const char* kRootPath = "/org/tembra/Tembra";
    static constexpr const char* kDocumentPath = "/org/tembra/Tembra/Document/";
    static constexpr const char* kAppInterface = "org.tembra.Tembra.Application";
    static constexpr const char* kDocInterface = "org.tembra.Tembra.Document";
    // The D-Bus errors of what a call would have shown.
    static constexpr const char* kMessageError = "org.tembra.Tembra.Error.Message";
    static constexpr const char* kDialogError = "org.tembra.Tembra.Error.Dialog";
    // How long a program started for clients waits, holding no chart, for the next call.
    static constexpr int kQuietMs = 60000;

    // forClients: the program was started to serve clients ("/Automation").
    CAutomationBus(IAutomationCharts& charts, ISettingsChanges& settings, bool forClients,
                   int quietMs = kQuietMs);
    ~CAutomationBus() override;

    enum class StartResult { Started, NameTaken, NoBus };
    // Takes the name and exports the objects on the bus.
    StartResult Start(QDBusConnection bus);
    // Whether the chart was made or opened over the bus (and is still open).
    bool IsClientChart(const CTembraDoc* doc) const;
    // The chart closed (its window, or a call): its path goes with it.
    void ChartClosed(const CTembraDoc* doc);
    // The calls that have come and wait for the one being served.
    std::size_t WaitingCalls() const { return m_calls.size(); }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct ClientChart {
        // Null once the chart closed while a call on it was served.
        CTembraDoc* doc = nullptr;
        std::unique_ptr<CTembraDocAutomation> automation;
        // The chart's count of changes when the last call on it ended, and whether a change
        // came between calls: the user's, in the chart's window.
        std::uint64_t changesAfterCall = 0;
        bool userChanged = false;
    };

    void ServeNext();
    QDBusMessage Serve(const QDBusMessage& message);
    QDBusMessage ServeApplication(const QDBusMessage& message);
    QDBusMessage ServeChart(int number, const QDBusMessage& message);
    QDBusMessage ServeDocument(ClientChart& chart, const QDBusMessage& message);
    QDBusMessage ServeProperty(ClientChart& chart, const QDBusMessage& message);
    // The answer of a call that would have shown something, or none.
    QDBusMessage Refusal(const QDBusMessage& message) const;
    // Whether the user changed the chart in its window since it was made or last saved.
    bool UserChanged(const ClientChart& chart) const;
    // Runs the closes and hand-overs the served call asked for.
    void RunPendingCloses();
    // Whether a close asked for by the clients ends the program: nothing is left that a client
    // or the user holds.
    bool NothingHeld() const;
    // Gives up the name and the objects: a call made from now on starts a new program.
    void LeaveBus();
    // Leaves the bus and ends the program.
    void End();
    // A program started for clients: the quiet time runs from the last call while it holds no
    // chart.
    void WatchQuiet();
    void OnQuiet();

    // IAutomationHost, for the member being served.
    void CloseIdleDocuments(CTembraDoc& doc) override;
    bool CloseDocument(CTembraDoc& doc, int option) override;
    bool OtherDocumentsOpen(const CTembraDoc& doc) const override;
    void CloseApplication(CTembraDoc& doc) override;
    void BeginQuestion() override;
    void EndQuestion() override;

    IAutomationCharts& m_charts;
    ISettingsChanges& m_settings;
    bool m_forClients;
    int m_quietMs;
    QDBusConnection m_bus;
    std::map<int, ClientChart> m_clientCharts;
    int m_nextNumber = 1;
    std::deque<QDBusMessage> m_calls;
    bool m_serving = false;
    // The user interface of the call being served.
    CAutomationCallUi* m_callUi = nullptr;
    // What the served call asked for once its member has returned: charts to close, and charts
    // the user changed that become the user's.
    std::vector<CTembraDoc*> m_pendingCloses;
    std::vector<CTembraDoc*> m_pendingHandOvers;
    bool m_quitAsked = false;
    // The program has left the bus and is ending.
    bool m_ended = false;
    QTimer m_quiet;
    QElapsedTimer m_sinceCall;
    // Looks again for the user's dialog to have closed.
    QTimer m_userBusy;
};

} // namespace tembra
