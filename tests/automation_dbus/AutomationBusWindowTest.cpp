// The user's own program serving clients on the bus, its chart windows offscreen: the user works
// in a chart a client made while the client's call waits on a question; the client vanishes,
// another's call waits its turn, and the chart stays the user's, changed. A program started for
// clients ends once it has held no chart for its quiet time.
#include "BusClient.h"

#include "../shell/ShellFixture.h"

#include "automation/dbus/AutomationBus.h"
#include "model/Event.h"
#include "shell/ChartViewWindow.h"
#include "shell/MainFrame.h"
#include "shell/YogoBar.h"
#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QComboBox>
#include <QDBusPendingCallWatcher>
#include <QTest>

#include <optional>

namespace tembra::test {
namespace {

class AutomationBusWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run inside dbus-run-session";
        // A program the bus started for an earlier test ends by itself.
        WaitUntil([] { return !ServiceRunning(); }, 90000);
        ASSERT_FALSE(ServiceRunning());
    }
    // The user's program, serving the bus (or started for clients: "/Automation").
    void StartServing(const std::vector<std::string>& args = {"-dde"}) {
        ended.reset();
        MakeApp([this](CTembraApp::Options& options) {
            options.serveSessionBus = true;
            options.automationQuietMs = quietMs;
            options.quit = [this](int status) { ended = status; };
        });
        ASSERT_FALSE(app->InitInstance(args));
        ASSERT_NE(app->AutomationBus(), nullptr);
        ASSERT_TRUE(ServiceRunning());
    }
    // The user places an event with a click in the chart's window.
    void UserPlacesAnEvent(CTembraDoc& doc) {
        auto* window = dynamic_cast<CChartViewWindow*>(app->ActiveChart());
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(&window->Document(), &doc);
        CTembraViewWnd& pane = *window->Frame()->ActivePane();
        app->MainFrame()->resize(1100, 800);
        QApplication::processEvents();
        const CPageLayout& layout = pane.View().GetPageLayout();
        std::unique_ptr<CDC> dc = pane.GetClientDC();
        pane.View().OnPrepareDC(dc.get());
        CPoint p = layout.DateRowToPoint(layout.GetStartDate() + CTimeSpan(3, 0, 0, 0),
                                         layout.GetFirstRow() + 1);
        dc->LPtoDP(&p);
        doc.GetOperation().SetMode(COperationState::kModeEvent);
        doc.GetOperation().SetOperation(COperationState::kOpDraw);
        app->MainFrame()->YogoBar()->YogoCombo()->setEditText(QStringLiteral("足場"));
        QApplication::processEvents();
        QTest::mouseMove(pane.viewport(), QPoint(p.x, p.y));
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
        QApplication::processEvents();
    }
    CTembraDoc* OnlyChart() {
        return app->Documents().size() == 1 ? app->Documents().front() : nullptr;
    }

    int quietMs = CAutomationBus::kQuietMs;
    TempDir files;
    // The status the program ended with.
    std::optional<int> ended;
};

TEST_F(AutomationBusWindowTest, AClientVanishingWhileItsQuestionIsOpenLeavesTheUsersChangedChart) {
    StartServing();
    auto vanishing = std::make_unique<Client>(QStringLiteral("vanishing"));
    const QString vanishingName = vanishing->UniqueName();
    const QString chart = vanishing->NewDocument();
    CTembraDoc* doc = OnlyChart();
    ASSERT_NE(doc, nullptr);
    UserPlacesAnEvent(*doc);
    ASSERT_EQ(doc->GetObjCount() + doc->GetSelCount(), 1);
    ASSERT_TRUE(doc->IsModified());

    Client other(QStringLiteral("other"));
    std::unique_ptr<QDBusPendingCallWatcher> waiting;
    bool answeredInside = true;
    ui.OnDialog("SaveChanges", [&](DialogRequest& request) {
        // While the user thinks: the asking client vanishes, another client calls.
        vanishing.reset();
        const QDBusMessage count =
            QDBusMessage::createMethodCall(kService, chart, kDoc, QStringLiteral("GetEventCount"));
        waiting = std::make_unique<QDBusPendingCallWatcher>(other.Bus().asyncCall(count));
        WaitUntil(
            [&] {
                return app->AutomationBus()->WaitingCalls() == 1 &&
                       !QDBusConnection::sessionBus()
                            .interface()
                            ->isServiceRegistered(vanishingName)
                            .value();
            },
            30000);
        EXPECT_EQ(app->AutomationBus()->WaitingCalls(), 1u) << "the other call waits its turn";
        answeredInside = waiting->isFinished();
        // The user keeps the chart.
        static_cast<SaveChangesRequest&>(request).answer = IDCANCEL;
        return IDOK;
    });
    QDBusMessage close =
        QDBusMessage::createMethodCall(kService, chart, kDoc, QStringLiteral("DocClose"));
    close.setArguments({V("2")});
    vanishing->Bus().asyncCall(close);
    WaitUntil([&] { return waiting != nullptr && waiting->isFinished(); }, 30000);
    ASSERT_NE(waiting, nullptr) << "the question was asked";
    EXPECT_FALSE(answeredInside) << "no call is served inside the question";
    ASSERT_TRUE(waiting->isFinished());
    EXPECT_FALSE(waiting->isError()) << waiting->error().message().toStdString();
    EXPECT_EQ(waiting->reply().arguments().value(0), QVariant(1));

    ASSERT_EQ(OnlyChart(), doc) << "the chart stays open";
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetObjCount() + doc->GetSelCount(), 1);
    // It stays the clients' too: any of them may go on with it.
    EXPECT_EQ(other.Answer(chart, "GetEventCount"), QVariant(1));
    // Closing the program's last client chart does not end the user's program while the user
    // changed it: the chart stays, the user's.
    EXPECT_EQ(other.Answer(chart, "AppClose"), I2(-1));
    EXPECT_EQ(OnlyChart(), doc);
    EXPECT_FALSE(app->AutomationBus()->IsClientChart(doc));
    app.reset();
    EXPECT_FALSE(ServiceRunning());
}

TEST_F(AutomationBusWindowTest, TheUsersOpenLeavesTheEmptyChartOfAClient) {
    StartServing();
    Client client(QStringLiteral("empty"));
    const QString chart = client.NewDocument();
    CTembraDoc* empty = OnlyChart();
    ASSERT_NE(empty, nullptr);
    // The user's own untouched chart goes as ever; the client's stays.
    app->NewDocument();
    ASSERT_EQ(app->Documents().size(), 2u);
    CTembraDoc* opened = app->OpenDocumentFile(CopyOfSample(files, "site.tbr").string());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(app->Documents(), (std::vector<CTembraDoc*>{empty, opened}));
    EXPECT_EQ(client.Answer(chart, "GetEventCount"), QVariant(0));
    app.reset();
}

TEST_F(AutomationBusWindowTest, AProgramStartedForClientsEndsAfterTheQuietTimeWithoutAChart) {
    quietMs = 300;
    StartServing({"/Automation"});
    WaitUntil([this] { return ended.has_value(); }, 30000);
    EXPECT_EQ(ended, 0) << "nobody called: the program ends";
    app.reset();

    // Long enough that a busy machine's first call still comes within it.
    quietMs = 5000;
    StartServing({"/Automation"});
    Client client(QStringLiteral("quiet"));
    ASSERT_FALSE(client.NewDocument().isEmpty());
    CTembraDoc* doc = OnlyChart();
    ASSERT_NE(doc, nullptr);
    // Holding a chart, it stays past the quiet time. What is checked is that nothing happens,
    // which no condition can show: the wait is the time in which it must not.
    QTest::qWait(2 * quietMs);
    EXPECT_FALSE(ended.has_value());
    // The user closes the chart: the quiet time runs out.
    EXPECT_TRUE(app->CloseDocument(doc));
    WaitUntil([this] { return ended.has_value(); }, 30000);
    EXPECT_EQ(ended, 0);
    app.reset();
}

} // namespace
} // namespace tembra::test
