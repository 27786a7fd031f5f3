// The program's charts as the session-bus service drives them.
#include "automation/SettingsChanges.h"
#include "automation/dbus/AutomationBus.h"
#include "automation/dbus/AutomationCharts.h"
#include "document/TembraDoc.h"
#include "shell/TembraApp.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <cstdio>

namespace tembra {

namespace {

class CAppAutomationCharts final : public IAutomationCharts {
public:
    explicit CAppAutomationCharts(CTembraApp& app) : m_app(app) {}
    void SetBus(const CAutomationBus* bus) { m_bus = bus; }

    CTembraDoc* NewChart() override { return m_app.NewDocument(); }

    void CloseChart(CTembraDoc& doc, int option) override {
        if (option == 1 && doc.IsModified()) {
            doc.DoSave(doc.GetPathName(), TRUE);
        }
        if (option != 2) {
            // Nothing to ask: saved above, or given up.
            doc.SetModifiedFlag(FALSE);
        }
        m_app.CloseDocument(&doc);
    }

    void CloseIdleCharts(CTembraDoc& doc) override {
        for (CTembraDoc* other : m_app.Documents()) {
            if (other != &doc && !other->m_bAutomation && !other->IsModified() &&
                HoldsNothing(*other)) {
                m_app.CloseDocument(other);
            }
        }
    }

    bool IsOpen(const CTembraDoc* doc) const override {
        const std::vector<CTembraDoc*> open = m_app.Documents();
        return std::find(open.begin(), open.end(), doc) != open.end();
    }

    bool UserHoldsCharts() const override {
        const std::vector<CTembraDoc*> open = m_app.Documents();
        return std::any_of(open.begin(), open.end(), [this](const CTembraDoc* doc) {
            return m_bus == nullptr || !m_bus->IsClientChart(doc);
        });
    }

    void Quit(int status) override {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
            Qt::QueuedConnection);
    }

private:
    static bool HoldsNothing(const CTembraDoc& doc) {
        return doc.GetObjCount() + doc.GetSelCount() + doc.GetKoumokuColCount() +
                   doc.GetShincyokuCount() + doc.GetZukeiCount() + doc.CountCntrItems() ==
               0;
    }

    CTembraApp& m_app;
    const CAutomationBus* m_bus = nullptr;
};

} // namespace

bool CTembraApp::StartAutomationBus(bool forClients) {
    auto charts = std::make_unique<CAppAutomationCharts>(*this);
    m_settingsChanges = std::make_unique<CSyokiSetChanges>();
    auto bus = std::make_unique<CAutomationBus>(*charts, *m_settingsChanges, forClients);
    charts->SetBus(bus.get());
    switch (bus->Start(QDBusConnection::sessionBus())) {
    case CAutomationBus::StartResult::NameTaken:
        return false;
    case CAutomationBus::StartResult::NoBus:
        // Nobody can call: the program runs as the user's alone.
        if (forClients) {
            std::fprintf(stderr, "tembra: no session bus, no program can reach this one\n");
        }
        return true;
    case CAutomationBus::StartResult::Started:
        break;
    }
    m_busCharts = std::move(charts);
    m_bus = std::move(bus);
    return true;
}

} // namespace tembra
