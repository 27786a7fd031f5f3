// The program on the session bus: the well-known name org.tembra.Tembra, the application object
// /org/tembra/Tembra (interface org.tembra.Tembra.Application, NewDocument) and every chart a
// client made at /org/tembra/Tembra/Document/N (interface org.tembra.Tembra.Document: the
// automation members, arguments as variants, properties MaeYohaku, AtoYohaku, InsertLine).
//
// Calls are served one at a time in arrival order on the main thread. A chart belongs to the
// connection that made it: others are refused, and when that connection leaves the bus its
// charts close without saving, unless the user changed one in its window (it stays, the
// user's). Closing the application closes the caller's charts and ends the program only when
// no other connection holds one and the user holds no chart of their own; a program started for
// clients ends with its last client chart likewise.
#pragma once

#include "automation/AutomationHost.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QString>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class QDBusServiceWatcher;

namespace tembra {

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

    // forClients: the program was started to serve clients ("/Automation").
    CAutomationBus(IAutomationCharts& charts, ISettingsChanges& settings, bool forClients);
    ~CAutomationBus() override;

    enum class StartResult { Started, NameTaken, NoBus };
    // Takes the name and exports the objects on the bus.
    StartResult Start(QDBusConnection bus);
    // Whether a client drives the chart.
    bool IsClientChart(const CTembraDoc* doc) const;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct ClientChart {
        CTembraDoc* doc = nullptr;
        QString owner;
        std::unique_ptr<CTembraDocAutomation> automation;
        // Whether the chart was modified when its client's last call ended: a change after that
        // is the user's, in the chart's window.
        bool modifiedByClient = false;
    };
    bool UserChanged(const CTembraDoc* doc);

    void Serve(const QDBusMessage& message);
    QDBusMessage ServeApplication(const QDBusMessage& message);
    QDBusMessage ServeDocument(ClientChart& chart, const QDBusMessage& message);
    QDBusMessage ServeProperty(ClientChart& chart, const QDBusMessage& message);
    ClientChart* FindChart(const CTembraDoc* doc);
    void OnOwnerGone(const QString& owner);
    // Closes the charts at the end of the current call, then ends the program when nothing
    // holds it any more.
    void CloseLater(CTembraDoc* doc, int option);
    void QuitWhenIdle();
    // Runs the closes the served call asked for.
    void RunPendingCloses();

    // IAutomationHost, for the member being served.
    void CloseIdleDocuments(CTembraDoc& doc) override;
    void CloseDocument(CTembraDoc& doc, int option) override;
    bool OtherDocumentsOpen(const CTembraDoc& doc) const override;
    void CloseApplication(CTembraDoc& doc) override;

    IAutomationCharts& m_charts;
    ISettingsChanges& m_settings;
    bool m_forClients;
    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    std::map<int, ClientChart> m_clientCharts;
    int m_nextNumber = 1;
    // The connection of the call being served.
    QString m_caller;
    std::vector<std::pair<CTembraDoc*, int>> m_pendingCloses;
    bool m_quitAsked = false;
};

} // namespace tembra
