// Clients on the session bus of the program the bus starts (the service file the installation
// writes, naming the built program): the README's gdbus script call by call, charts that live
// until a client or the user closes them whoever calls, calls that show nothing and answer at
// once whatever they are given, the lock of an opened file released at its close, and a program
// started where no screen can be opened.
#include "BusClient.h"

#include "support/TempDir.h"
#include "support/qt/QtTestEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::test {
namespace {

namespace fs = std::filesystem;

const testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new QtTestEnvironment("automation_dbus_tests"));

class AutomationBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run inside dbus-run-session";
        fs::create_directories(TEMBRA_BUS_HOME);
        // The program of an earlier test ends by itself.
        WaitUntil([] { return !ServiceRunning(); }, 90000);
        ASSERT_FALSE(ServiceRunning());
    }
    // The program ends once its clients closed everything (AppClose of a chart of them).
    void EndProgram(Client& client) {
        const QString chart = client.NewDocument();
        EXPECT_EQ(client.Answer(chart, "AppClose"), QVariant::fromValue(short(-1)));
        WaitUntil([] { return !ServiceRunning(); }, 30000);
        EXPECT_FALSE(ServiceRunning());
    }

    TempDir files;
};

// Every file under the folder with its size and time of change.
std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>> Snapshot(const fs::path& dir) {
    std::map<fs::path, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        files[entry.path()] = {entry.is_regular_file() ? entry.file_size() : 0,
                               entry.last_write_time()};
    }
    return files;
}

// The fenced shell block of the README that drives the program with gdbus.
QString ReadmeGdbusScript() {
    QFile readme(QStringLiteral(TEMBRA_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(readme.readAll());
    const QRegularExpression block(QStringLiteral("```sh\\n(chart=\\$\\(gdbus.*?)```"),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = block.match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

TEST_F(AutomationBusTest, TheReadmeScriptRunsCallByCallAndItsChartReadsBack) {
    const QString script = ReadmeGdbusScript();
    ASSERT_FALSE(script.isEmpty()) << "README.md has the gdbus example";
    // The script writes into the home folder it runs with.
    QProcess bash;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QString::fromStdString(files.Path().string()));
    bash.setProcessEnvironment(env);
    bash.setWorkingDirectory(QString::fromStdString(files.Path().string()));
    bash.start(QStringLiteral("bash"), {QStringLiteral("-e"), QStringLiteral("-c"), script});
    ASSERT_TRUE(bash.waitForFinished(180000));
    EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
    const fs::path saved = files.File("renovation.tbr");
    ASSERT_TRUE(fs::exists(saved)) << bash.readAllStandardOutput().toStdString();
    EXPECT_FALSE(fs::exists(files.File("renovation.$$$"))) << "no lock left behind";

    // Read back by gdbus, one process a call.
    const GdbusResult made = Gdbus(kRoot, kApp + QStringLiteral(".NewDocument"));
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString chart = made.out.section(QLatin1Char('\''), 1, 1);
    ASSERT_TRUE(chart.startsWith(QStringLiteral("/org/tembra/Tembra/Document/")));
    const auto call = [&chart](const char* member, const QStringList& args = {}) {
        const GdbusResult r = Gdbus(chart, kDoc + QLatin1Char('.') + QLatin1String(member), args);
        EXPECT_EQ(r.exitCode, 0) << member << ": " << r.err.toStdString();
        return r.out;
    };
    call("AppInit");
    EXPECT_EQ(call("FileOpen", {GdbusString(QString::fromStdString(saved.string()))}),
              QStringLiteral("(int16 -1,)"));
    EXPECT_EQ(call("HeaderItemGet", {GdbusString(QStringLiteral("工事名称"))}),
              QStringLiteral("('事務所改修工事',)"));
    EXPECT_EQ(call("GetKouteiCount"), QStringLiteral("(1,)"));
    EXPECT_EQ(call("GetFirstKoutei"),
              QStringLiteral("('2028/04/10 00:00:00,0,2028/05/20 00:00:00,0,外壁改修',)"));
    EXPECT_EQ(call("DocClose", {GdbusString(QStringLiteral("0"))}), QStringLiteral("(int16 -1,)"));
    WaitUntil([] { return !ServiceRunning(); }, 30000);
    EXPECT_FALSE(ServiceRunning()) << "the last chart closed ends the program";
}

TEST_F(AutomationBusTest, ChartsLiveUntilClosedWhoeverCallsAndALeavingClientClosesNothing) {
    const std::string saved = files.File("taken-in.tbr").string();
    auto first = std::make_unique<Client>(QStringLiteral("first"));
    const QString chart = first->NewDocument();
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_EQ(first->Call(chart, "AppInit").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(first->SetProperty(chart, "InsertLine", I2(4)).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(first->Answer(chart, "TakeInData", {V("2027/04/01"), V(""), V("survey"), V("")}),
              I2(-1));
    EXPECT_EQ(first->Answer(chart, "TakeInData", {V("2027/04/01"), V(""), V("staking"), V("")}),
              I2(-1));
    EXPECT_EQ(first->Answer(chart, "TakeInData",
                            {V("2027/05/01"), V("2027/05/20"), V("foundation"), V("")}),
              I2(-1));
    EXPECT_EQ(first->Answer(chart, "AdjustTakeInData"), I2(5));
    EXPECT_EQ(first->Answer(chart, "RegularizeData"), I2(-1));

    // A client that made nothing yet: another's open leaves its empty chart alone.
    Client idle(QStringLiteral("idle"));
    const QString empty = idle.NewDocument();
    ASSERT_FALSE(empty.isEmpty());

    // The maker leaves: its chart stays, and another client carries on with it.
    first.reset();
    Client second(QStringLiteral("second"));
    EXPECT_EQ(second.Answer(chart, "GetEventCount"), QVariant(2));
    EXPECT_EQ(second.Answer(chart, "FileSaveAs", {V(saved), V("new"), V("1")}), I2(-1));

    const QString other = second.NewDocument();
    EXPECT_EQ(second.Answer(other, "FileOpen", {V(saved)}), I2(-1));
    EXPECT_EQ(second.Answer(other, "GetFirstKoutei").toString(),
              QStringLiteral("2027/05/01 00:00:00,4,2027/05/20 00:00:00,4,foundation"));
    // The list ends reversed after the layout: the second event, moved below, comes first.
    EXPECT_EQ(second.Answer(other, "GetFirstEvent").toString(),
              QStringLiteral("2027/04/01 00:00:00,5,staking"));
    EXPECT_EQ(second.Answer(other, "GetNextEvent").toString(),
              QStringLiteral("2027/04/01 00:00:00,4,survey"));
    EXPECT_EQ(idle.Answer(empty, "GetEventCount"), QVariant(0)) << "still open";

    // DocClose closes the chart it names, and only that one.
    EXPECT_EQ(second.Answer(chart, "DocClose", {V("0")}), I2(-1));
    EXPECT_EQ(second.Call(chart, "GetEventCount").errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"));
    EXPECT_EQ(idle.Answer(empty, "GetEventCount"), QVariant(0));

    // AppClose closes every chart of the clients and ends the program.
    EXPECT_EQ(idle.Answer(empty, "AppClose"), I2(-1));
    WaitUntil([] { return !ServiceRunning(); }, 30000);
    EXPECT_FALSE(ServiceRunning());
}

// A chart made today (in 2027) takes in a process of its own days; a day after the supported
// dates is refused.
TEST_F(AutomationBusTest, AChartMadeTodayTakesInAProcessOfItsDays) {
    Client client(QStringLiteral("today"));
    const QString chart = client.NewDocument();
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_EQ(client.Call(chart, "AppInit").type(), QDBusMessage::ReplyMessage);
    client.SetProperty(chart, "InsertLine", QVariant::fromValue(short(2)));
    EXPECT_EQ(client.Answer(chart, "TakeInData",
                            {V("2027/04/05"), V("2027/04/09"), V("excavation"), V("")}),
              I2(-1));
    EXPECT_EQ(client.Answer(chart, "TakeInData", {V("2038/01/01"), V(""), V("later"), V("")}),
              I2(0));
    EXPECT_EQ(client.Answer(chart, "RegularizeData"), I2(-1));
    EXPECT_EQ(client.Answer(chart, "GetKouteiCount"), QVariant(1));
    EXPECT_EQ(client.Answer(chart, "GetFirstKoutei").toString(),
              QStringLiteral("2027/04/05 00:00:00,2,2027/04/09 00:00:00,2,excavation"));
    EXPECT_EQ(client.Answer(chart, "DocClose", {V("0")}), I2(-1));
    WaitUntil([] { return !ServiceRunning(); }, 20000);
}

TEST_F(AutomationBusTest, HostileCallsAnswerAtOnceShowNothingAndChangeNothingOnDisk) {
    Client client(QStringLiteral("hostile"));
    const QString chart = client.NewDocument();
    ASSERT_FALSE(chart.isEmpty());
    client.Call(chart, "AppInit");

    const fs::path dir = files.Path();
    const std::string text = files.Write("notes.tbr", "a text file, not a chart\n").string();
    const std::string folder = (dir / "folder.tbr").string();
    fs::create_directory(folder);
    fs::copy_file(fs::path(TEMBRA_DATA_DIR) / "MASTER01.LYT", dir / "MASTER01.LYT");
    const std::string layout = (dir / "MASTER01.LYT").string();
    const std::string missing = (dir / "missing.tbr").string();
    const std::string huge(1 << 20, 'x');
    const std::string hugePath = (dir / std::string(4096, 'y')).string() + ".tbr";
    // Where a relative path would have landed: the service's working folder.
    const uint pid = QDBusConnection::sessionBus().interface()->servicePid(kService).value();
    const fs::path serviceFolder = fs::read_symlink("/proc/" + std::to_string(pid) + "/cwd");

    // A chart whose dates span more than the calendar the file keeps.
    Client maker(QStringLiteral("maker"));
    const QString wide = maker.NewDocument();
    maker.Call(wide, "AppInit");
    ASSERT_EQ(maker.Answer(wide, "KikanChange", {V("1991/01/01"), V("2027/12/31")}), I2(-1));
    // An untitled chart with changes: nowhere to save them without asking for a name.
    const QString untitled = maker.NewDocument();
    maker.Call(untitled, "AppInit");
    ASSERT_EQ(maker.Answer(untitled, "LineChange", {V("40")}), I2(-1));

    struct Case {
        const char* what;
        QString chart;
        const char* member;
        QVariantList args;
        // The error's name, or none for an answer.
        QString error;
        QVariant answer;
    };
    const QString message = QStringLiteral("org.tembra.Tembra.Error.Message");
    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    const Case cases[] = {
        {"a number for a date",
         chart,
         "TakeInData",
         {Variant(20270401), V(""), V("x"), V("")},
         {},
         I2(0)},
        {"a list for a path",
         chart,
         "FileOpen",
         {Variant(QStringList{QStringLiteral("a")})},
         {},
         I2(0)},
        {"a number for a row count", chart, "LineChange", {Variant(3.5)}, {}, I2(0)},
        {"no arguments", chart, "HeaderItemSet", {}, {}, I2(0)},
        {"a string for a number property", chart, "InsertLine", {}, invalid, {}},
        {"an empty path to open", chart, "FileOpen", {V("")}, {}, I2(0)},
        {"an empty path to save", chart, "FileSaveAs", {V(""), V("new"), V("1")}, {}, I2(0)},
        {"an empty item", chart, "HeaderItemSet", {V(""), V("")}, {}, I2(0)},
        {"a huge item", chart, "HeaderItemSet", {V(huge), V(huge)}, {}, I2(0)},
        {"a huge date", chart, "KikanChange", {V(huge), V(huge)}, {}, I2(0)},
        {"a huge path to open", chart, "FileOpen", {V(hugePath)}, message, {}},
        {"a huge path to save", chart, "FileSaveAs", {V(hugePath), V("new"), V("1")}, {}, I2(0)},
        {"a relative path to open", chart, "FileOpen", {V("notes.tbr")}, invalid, {}},
        {"a relative path to save",
         chart,
         "FileSaveAs",
         {V("x.tbr"), V("new"), V("1")},
         invalid,
         {}},
        {"a path above to save",
         chart,
         "FileSaveAs",
         {V("../x.tbr"), V("new"), V("1")},
         invalid,
         {}},
        {"a home path to save", chart, "FileSaveAs", {V("~/x.tbr"), V("new"), V("1")}, invalid, {}},
        {"a folder to open", chart, "FileOpen", {V(folder)}, message, {}},
        {"a folder to save", chart, "FileSaveAs", {V(folder), V("new"), V("1")}, {}, I2(0)},
        {"a missing file", chart, "FileOpen", {V(missing)}, message, {}},
        {"a text file named .tbr", chart, "FileOpen", {V(text)}, message, {}},
        {"a layout", chart, "FileOpen", {V(layout)}, message, {}},
        {"a chart over 30 years",
         wide,
         "FileSaveAs",
         {V((dir / "wide.tbr").string()), V("new"), V("1")},
         message + QStringLiteral("5912"),
         {}},
        {"DocClose saving an untitled chart",
         untitled,
         "DocClose",
         {V("1")},
         QStringLiteral("org.tembra.Tembra.Error.Dialog"),
         {}},
        {"DocClose asking where nobody can answer",
         untitled,
         "DocClose",
         {V("2")},
         QStringLiteral("org.tembra.Tembra.Error.Dialog"),
         {}},
        {"a member of no chart",
         QStringLiteral("/org/tembra/Tembra/Document/999"),
         "GetEventCount",
         {},
         QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
         {}},
        {"no such member",
         chart,
         "Explode",
         {},
         QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
         {}},
    };
    const auto before = Snapshot(dir);
    for (const Case& c : cases) {
        // A call that waits for a box or a dialog never answers: its client gives up with
        // NoReply. The ceiling is generous so that a busy machine's slow answer still counts.
        const QDBusMessage reply =
            QLatin1String(c.member) == QLatin1String("InsertLine")
                ? client.SetProperty(c.chart, c.member, QStringLiteral("five"))
                : client.Call(c.chart, c.member, c.args, 30000);
        EXPECT_NE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.NoReply"))
            << c.what << ": the answer waited for something";
        if (!c.error.isEmpty()) {
            EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage) << c.what;
            EXPECT_TRUE(reply.errorName().startsWith(c.error))
                << c.what << ": " << reply.errorName().toStdString();
            EXPECT_FALSE(reply.errorMessage().isEmpty()) << c.what;
        } else {
            EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
                << c.what << ": " << reply.errorName().toStdString() << " "
                << reply.errorMessage().toStdString();
            EXPECT_EQ(reply.arguments().value(0), c.answer) << c.what;
        }
    }
    EXPECT_EQ(Snapshot(dir), before) << "nothing written, nothing removed";
    for (const char* name : {"x.tbr", "../x.tbr", "notes.tbr"}) {
        EXPECT_FALSE(fs::exists(serviceFolder / name)) << name;
    }
    // The 30 years are told in the message of the string table.
    const QDBusMessage tooWide =
        maker.Call(wide, "FileSaveAs", {V((dir / "wide.tbr").string()), V("new"), V("1")});
    EXPECT_TRUE(tooWide.errorMessage().contains(QStringLiteral("1991/01/01")))
        << tooWide.errorMessage().toStdString();
    // The refused closes kept their charts.
    EXPECT_EQ(maker.Answer(untitled, "GetEventCount"), QVariant(0));
    EndProgram(client);
}

TEST_F(AutomationBusTest, ClosingAChartOpenedByAClientReleasesItsLock) {
    const fs::path saved = files.File("locked.tbr");
    const fs::path lock = files.File("locked.$$$");
    Client client(QStringLiteral("locking"));
    {
        const QString maker = client.NewDocument();
        client.Call(maker, "AppInit");
        ASSERT_EQ(client.Answer(maker, "FileSaveAs", {V(saved.string()), V("new"), V("1")}),
                  I2(-1));
        ASSERT_EQ(client.Answer(maker, "DocClose", {V("0")}), I2(-1));
    }
    WaitUntil([] { return !ServiceRunning(); }, 30000);

    // Opened before AppInit, the file is locked as the user's would be, until the close; opened
    // again, nobody is told of a lock left behind.
    for (const char* close : {"0", "1", "3"}) {
        const QString chart = client.NewDocument();
        ASSERT_EQ(client.Answer(chart, "FileOpen", {V(saved.string())}), I2(-1)) << close;
        EXPECT_TRUE(fs::exists(lock)) << close;
        EXPECT_EQ(client.Answer(chart, "DocClose", {V(close)}), I2(-1)) << close;
        EXPECT_FALSE(fs::exists(lock)) << close;
    }
    // AppInit after the open: the chart is a client's from then on and holds no lock.
    const QString chart = client.NewDocument();
    ASSERT_EQ(client.Answer(chart, "FileOpen", {V(saved.string())}), I2(-1));
    client.Call(chart, "AppInit");
    EXPECT_FALSE(fs::exists(lock));
    EXPECT_EQ(client.Answer(chart, "DocClose", {V("1")}), I2(-1));
    EXPECT_FALSE(fs::exists(lock));
    WaitUntil([] { return !ServiceRunning(); }, 30000);
}

// A client that closes the last chart and at once asks for a new one must reach a program that
// serves it, never one that is ending: the ending call is answered only once the name is gone.
// The bus tells the client of the name's new owner and answers its call in the order the two
// happened, and the client's connection hands both over in that order.
TEST_F(AutomationBusTest, TheCallThatEndsTheProgramIsAnsweredOnlyOnceTheNameIsGone) {
    for (const char* ending : {"DocClose", "AppClose"}) {
        Client client(QStringLiteral("ending"));
        QDBusServiceWatcher watcher(kService, client.Bus(),
                                    QDBusServiceWatcher::WatchForUnregistration);
        std::vector<std::string> heard;
        QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered,
                         [&heard] { heard.emplace_back("name gone"); });
        // Made after the watcher on the same connection: the bus knows of the watch by now.
        const QString chart = client.NewDocument();
        ASSERT_FALSE(chart.isEmpty()) << ending;
        client.Call(chart, "AppInit");

        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, chart, kDoc, QString::fromLatin1(ending));
        if (std::string_view(ending) == "DocClose") {
            call.setArguments({V("0")});
        }
        QDBusPendingCallWatcher answered(client.Bus().asyncCall(call, 30000));
        QObject::connect(&answered, &QDBusPendingCallWatcher::finished,
                         [&heard] { heard.emplace_back("answered"); });
        WaitUntil([&heard] { return heard.size() == 2; }, 30000);
        EXPECT_EQ(answered.reply().type(), QDBusMessage::ReplyMessage) << ending;
        EXPECT_EQ(heard, (std::vector<std::string>{"name gone", "answered"})) << ending;

        // The next call starts a program of its own and is served.
        const QString next = client.NewDocument();
        EXPECT_TRUE(next.startsWith(QStringLiteral("/org/tembra/Tembra/Document/"))) << ending;
        EXPECT_EQ(client.Answer(next, "DocClose", {V("0")}), I2(-1)) << ending;
        WaitUntil([] { return !ServiceRunning(); }, 30000);
        ASSERT_FALSE(ServiceRunning()) << ending;
    }
}

TEST_F(AutomationBusTest, StartedWhereNoScreenCanBeOpenedTheProgramServesOffscreen) {
    // The bus starts programs with its activation environment: a display nobody serves and no
    // platform named.
    const auto activation = [](const QString& platform, const QString& display) {
        QDBusMessage update = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
        qDBusRegisterMetaType<QMap<QString, QString>>();
        QMap<QString, QString> env;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QString());
        update.setArguments({QVariant::fromValue(env)});
        const QDBusMessage reply = QDBusConnection::sessionBus().call(update);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    };
    activation(QString(), QStringLiteral(":97"));
    Client client(QStringLiteral("headless"));
    const QString chart = client.NewDocument();
    activation(QStringLiteral("offscreen"), QString());
    ASSERT_FALSE(chart.isEmpty());
    client.Call(chart, "AppInit");
    const std::string saved = files.File("headless.tbr").string();
    EXPECT_EQ(client.Answer(chart, "FileSaveAs", {V(saved), V("new"), V("1")}), I2(-1));
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_EQ(client.Answer(chart, "AppClose"), I2(-1));
    WaitUntil([] { return !ServiceRunning(); }, 30000);
    EXPECT_FALSE(ServiceRunning());
}

TEST_F(AutomationBusTest, ProgramStartedForClientsEndsWithStatusZeroAndASecondIsRefused) {
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
    EXPECT_EQ(client.Answer(chart, "DocClose", {V("0")}), I2(-1));
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace
} // namespace tembra::test
