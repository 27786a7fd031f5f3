// Clients on the session bus: the first call starts the program, each client drives a chart of
// its own, a client leaving takes only its charts along, and the last close ends the program.
#include "support/TempDir.h"
#include "support/qt/QtTestEnvironment.h"
#include "support/qt/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>

namespace tembra::test {
namespace {

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new QtTestEnvironment("automation_dbus_tests"));

const QString kService = QStringLiteral("org.tembra.Tembra");
const QString kRoot = QStringLiteral("/org/tembra/Tembra");
const QString kApp = QStringLiteral("org.tembra.Tembra.Application");
const QString kDoc = QStringLiteral("org.tembra.Tembra.Document");

QVariant V(const char* text) {
    return QVariant::fromValue(QDBusVariant(QString::fromUtf8(text)));
}

// A client of its own connection to the bus.
class Client {
public:
    explicit Client(const QString& name)
        : m_name(name), m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)) {}
    ~Client() { Leave(); }
    // The connection goes with its last reference.
    void Leave() {
        m_bus = QDBusConnection(QString());
        QDBusConnection::disconnectFromBus(m_name);
    }

    QString NewDocument() {
        QDBusInterface app(kService, kRoot, kApp, m_bus);
        app.setTimeout(60000);
        const QDBusReply<QDBusObjectPath> reply = app.call(QStringLiteral("NewDocument"));
        EXPECT_TRUE(reply.isValid()) << reply.error().message().toStdString();
        return reply.isValid() ? reply.value().path() : QString();
    }
    QDBusMessage Call(const QString& chart, const char* member, const QVariantList& args = {}) {
        QDBusInterface doc(kService, chart, kDoc, m_bus);
        doc.setTimeout(30000);
        return doc.callWithArgumentList(QDBus::Block, QString::fromLatin1(member), args);
    }
    QVariant Answer(const QString& chart, const char* member, const QVariantList& args = {}) {
        const QDBusMessage reply = Call(chart, member, args);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
            << member << ": " << reply.errorMessage().toStdString();
        return reply.arguments().value(0);
    }
    void SetProperty(const QString& chart, const char* name, QVariant value) {
        QDBusInterface props(kService, chart, QStringLiteral("org.freedesktop.DBus.Properties"),
                             m_bus);
        const QDBusMessage reply =
            props.call(QStringLiteral("Set"), kDoc, QString::fromLatin1(name),
                       QVariant::fromValue(QDBusVariant(value)));
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    }

private:
    QString m_name;
    QDBusConnection m_bus;
};

bool ServiceRunning() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kService).value();
}

TEST(AutomationBusTest, ClientsDriveChartsOfTheirOwnInAProgramTheBusStarts) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run inside dbus-run-session";
    std::filesystem::create_directories(TEMBRA_BUS_HOME);
    ASSERT_FALSE(ServiceRunning());
    TempDir files;
    const std::string saved = (files.Path() / "taken-in.tbr").string();

    Client first(QStringLiteral("first"));
    const QString chart = first.NewDocument();
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_TRUE(ServiceRunning());
    EXPECT_EQ(first.Call(chart, "AppInit").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(first.Answer(chart, "KikanChange", {V("2005/04/01"), V("2005/06/30")}),
              QVariant::fromValue(short(-1)));
    first.SetProperty(chart, "InsertLine", QVariant::fromValue(short(4)));
    EXPECT_EQ(first.Answer(chart, "TakeInData", {V("2005/04/01"), V(""), V("survey"), V("")}),
              QVariant::fromValue(short(-1)));
    EXPECT_EQ(first.Answer(chart, "TakeInData", {V("2005/04/01"), V(""), V("staking"), V("")}),
              QVariant::fromValue(short(-1)));
    EXPECT_EQ(first.Answer(chart, "TakeInData",
                           {V("2005/05/01"), V("2005/05/20"), V("foundation"), V("")}),
              QVariant::fromValue(short(-1)));
    // Not a string: refused, not a failure of the call.
    EXPECT_EQ(first.Answer(chart, "TakeInData",
                           {QVariant::fromValue(QDBusVariant(20050401)), V(""), V("x"), V("")}),
              QVariant::fromValue(short(0)));
    EXPECT_EQ(first.Answer(chart, "AdjustTakeInData"), QVariant::fromValue(short(5)));
    EXPECT_EQ(first.Answer(chart, "RegularizeData"), QVariant::fromValue(short(-1)));
    EXPECT_EQ(first.Answer(chart, "FileSaveAs", {V(saved.c_str()), V("new"), V("1")}),
              QVariant::fromValue(short(-1)));

    // A second client at the same time: a chart of its own, which reads the saved file.
    Client second(QStringLiteral("second"));
    const QString other = second.NewDocument();
    ASSERT_FALSE(other.isEmpty());
    EXPECT_NE(other, chart);
    EXPECT_EQ(second.Call(chart, "GetEventCount").errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"));
    second.Call(other, "AppInit");
    EXPECT_EQ(second.Answer(other, "FileOpen", {V(saved.c_str())}), QVariant::fromValue(short(-1)));
    EXPECT_EQ(second.Answer(other, "GetKouteiCount"), QVariant(2 - 1));
    EXPECT_EQ(second.Answer(other, "GetFirstKoutei").toString(),
              QStringLiteral("2005/05/01 00:00:00,4,2005/05/20 00:00:00,4,foundation"));
    // The list ends reversed after the layout: the second event, moved below, comes first.
    EXPECT_EQ(second.Answer(other, "GetFirstEvent").toString(),
              QStringLiteral("2005/04/01 00:00:00,5,staking"));
    EXPECT_EQ(second.Answer(other, "GetNextEvent").toString(),
              QStringLiteral("2005/04/01 00:00:00,4,survey"));

    // The first leaving closes only its chart.
    first.Leave();
    WaitUntil([&] {
        return second.Call(chart, "GetEventCount").errorName() ==
               QStringLiteral("org.freedesktop.DBus.Error.UnknownObject");
    });
    EXPECT_EQ(second.Call(chart, "GetEventCount").errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"));
    EXPECT_EQ(second.Answer(other, "GetEventCount"), QVariant(2));

    // The last close ends the program.
    EXPECT_EQ(second.Answer(other, "AppClose"), QVariant::fromValue(short(-1)));
    WaitUntil([] { return !ServiceRunning(); }, 20000);
    EXPECT_FALSE(ServiceRunning());
}

// A chart made today (in 2027) takes in a process of its own days; a day after the supported
// dates is refused.
TEST(AutomationBusTest, AChartMadeTodayTakesInAProcessOfItsDays) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    WaitUntil([] { return !ServiceRunning(); }, 20000);
    Client client(QStringLiteral("today"));
    const QString chart = client.NewDocument();
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_EQ(client.Call(chart, "AppInit").type(), QDBusMessage::ReplyMessage);
    client.SetProperty(chart, "InsertLine", QVariant::fromValue(short(2)));
    EXPECT_EQ(client.Answer(chart, "TakeInData",
                            {V("2027/04/05"), V("2027/04/09"), V("excavation"), V("")}),
              QVariant::fromValue(short(-1)));
    EXPECT_EQ(client.Answer(chart, "TakeInData", {V("2038/01/01"), V(""), V("later"), V("")}),
              QVariant::fromValue(short(0)));
    EXPECT_EQ(client.Answer(chart, "RegularizeData"), QVariant::fromValue(short(-1)));
    EXPECT_EQ(client.Answer(chart, "GetKouteiCount"), QVariant(1));
    EXPECT_EQ(client.Answer(chart, "GetFirstKoutei").toString(),
              QStringLiteral("2027/04/05 00:00:00,2,2027/04/09 00:00:00,2,excavation"));
    EXPECT_EQ(client.Answer(chart, "DocClose", {V("0")}), QVariant::fromValue(short(-1)));
    WaitUntil([] { return !ServiceRunning(); }, 20000);
}

TEST(AutomationBusTest, ProgramStartedForClientsEndsWithStatusZeroAndASecondIsRefused) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
    WaitUntil([] { return !ServiceRunning(); }, 20000);
    QProcess program;
    program.start(QStringLiteral(TEMBRA_PROGRAM), {QStringLiteral("/Automation")});
    ASSERT_TRUE(program.waitForStarted());
    WaitUntil([] { return ServiceRunning(); }, 30000);
    ASSERT_TRUE(ServiceRunning());

    QProcess second;
    second.start(QStringLiteral(TEMBRA_PROGRAM), {QStringLiteral("/Automation")});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("org.tembra.Tembra"));

    Client client(QStringLiteral("client"));
    const QString chart = client.NewDocument();
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_EQ(client.Answer(chart, "DocClose", {V("0")}), QVariant::fromValue(short(-1)));
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace
} // namespace tembra::test
