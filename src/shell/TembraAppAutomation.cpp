// The program's charts as the session-bus service drives them.
#include "automation/SettingsChanges.h"
#include "automation/dbus/AutomationBus.h"
#include "automation/dbus/AutomationCharts.h"
#include "document/TembraDoc.h"
#include "shell/TembraApp.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace tembra {

namespace {

class CAppAutomationCharts final : public IAutomationCharts {
public:
    CAppAutomationCharts(CTembraApp& app, bool scriptedUi, std::function<void(int)> quit)
        : m_app(app), m_scriptedUi(scriptedUi), m_quit(std::move(quit)) {}
    void SetBus(const CAutomationBus* bus) { m_bus = bus; }

    CTembraDoc* NewChart() override { return m_app.NewDocument(); }

    bool PrepareClose(CTembraDoc& doc, int option) override {
        switch (option) {
        case 1:
            // Saved to its own file; a chart without one would ask for a name.
            return !doc.IsModified() || doc.DoSave(doc.GetPathName(), TRUE) != FALSE;
        case 2:
            return m_app.MayClose(&doc);
        default:
            return true;
        }
    }

    void CloseChart(CTembraDoc& doc) override {
        // Saved, asked about or given up before: nothing to ask.
        doc.SetModifiedFlag(FALSE);
        m_app.CloseDocument(&doc);
    }

    void CloseIdleCharts(CTembraDoc& doc) override {
        for (CTembraDoc* other : m_app.Documents()) {
            if (other != &doc && !IsClientChart(other) && !other->m_bAutomation &&
                !other->IsModified() && HoldsNothing(*other)) {
                m_app.CloseDocument(other);
            }
        }
    }

    int ChartCount() const override { return static_cast<int>(m_app.Documents().size()); }

    bool UserHoldsCharts() const override {
        const std::vector<CTembraDoc*> open = m_app.Documents();
        return std::any_of(open.begin(), open.end(),
                           [this](const CTembraDoc* doc) { return !IsClientChart(doc); });
    }

    bool UserThere() const override {
        // Without a screen nobody sees a question; a test's scripted services answer their own.
        return m_scriptedUi || QApplication::platformName() != QLatin1String("offscreen");
    }

    bool UserBusy() const override { return QApplication::activeModalWidget() != nullptr; }

    void Quit(int status) override { m_quit(status); }

private:
    bool IsClientChart(const CTembraDoc* doc) const {
        return m_bus != nullptr && m_bus->IsClientChart(doc);
    }
    static bool HoldsNothing(const CTembraDoc& doc) {
        return doc.GetObjCount() + doc.GetSelCount() + doc.GetKoumokuCells().GetKoumokuColCount() +
                   doc.GetProgressLines().GetShincyokuCount() + doc.GetZukeiCount() +
                   doc.GetEmbeddedItems().CountCntrItems() ==
               0;
    }

    CTembraApp& m_app;
    bool m_scriptedUi;
    std::function<void(int)> m_quit;
    const CAutomationBus* m_bus = nullptr;
};

} // namespace

bool CTembraApp::StartAutomationBus(bool forClients) {
    auto charts =
        std::make_unique<CAppAutomationCharts>(*this, m_options.ui != nullptr, m_options.quit);
    m_settingsChanges = std::make_unique<CSyokiSetChanges>();
    auto bus = std::make_unique<CAutomationBus>(*charts, *m_settingsChanges, forClients,
                                                m_options.automationQuietMs);
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
