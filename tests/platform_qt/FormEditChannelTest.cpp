// The report of a finished temporary layout edit over the user's local socket, and the watch on
// a process started detached.
#include "platform/qt/FormEditChannel.h"
#include "platform/qt/ProcessWatch.h"

#include "support/TempDir.h"

#include "support/qt/WaitUntil.h"
#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace tembra {
namespace {

class FormEditChannelTest : public testing::Test {
protected:
    FormEditChannelTest() {
        ::chmod(dir.Path().c_str(), 0700);
        folder = QString::fromStdString(dir.Path().string());
    }
    // A peer that writes its bytes and goes before the server's loop has run.
    void Write(qint64 number, const QByteArray& bytes) {
        QLocalSocket socket;
        socket.connectToServer(FormEditSocketPath(folder, number));
        ASSERT_TRUE(socket.waitForConnected(3000));
        socket.write(bytes);
        ASSERT_TRUE(socket.waitForBytesWritten(3000));
        socket.disconnectFromServer();
    }

    test::TempDir dir;
    QString folder;
};

TEST_F(FormEditChannelTest, EveryWaitHasANumberOfItsOwn) {
    CFormEditServer first(folder);
    CFormEditServer second(folder);
    ASSERT_TRUE(first.Listen());
    ASSERT_TRUE(second.Listen());
    EXPECT_GT(first.Number(), 0);
    EXPECT_LT(first.Number(), 0x80000000LL);
    EXPECT_NE(first.Number(), second.Number());
    EXPECT_EQ(first.SocketPath(), FormEditSocketPath(folder, first.Number()));
    EXPECT_TRUE(QFileInfo::exists(first.SocketPath()));
}

TEST_F(FormEditChannelTest, TheDoneLineNamesTheFile) {
    CFormEditServer server(folder);
    ASSERT_TRUE(server.Listen());
    QSignalSpy done(&server, &CFormEditServer::Done);
    EXPECT_TRUE(
        SendFormEditDone(folder, server.Number(), QStringLiteral("/tmp/書式/LAYTEMP0.LY$")));
    test::WaitUntil([&] { return done.count() == 1; });
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done[0][0].toString(), QStringLiteral("/tmp/書式/LAYTEMP0.LY$"));
    // Nobody listens under another number.
    EXPECT_FALSE(SendFormEditDone(folder, server.Number() + 1, QStringLiteral("/x")));
    EXPECT_FALSE(SendFormEditDone(folder, 0, QStringLiteral("/x")));
}

TEST_F(FormEditChannelTest, OnlyWholeDoneLinesCount) {
    CFormEditServer server(folder);
    ASSERT_TRUE(server.Listen());
    QSignalSpy done(&server, &CFormEditServer::Done);
    Write(server.Number(), "HELLO /a\nFORMEDIT_DONE /b\nFORMEDIT_DONE /c");
    server.ReadPending();
    // What the peer wrote before it went is there without the loop.
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done[0][0].toString(), QStringLiteral("/b"));
    // The peer's going is heard: the line it left unfinished is not reported then either.
    test::WaitUntil([&] { return server.OpenConnections() == 0; });
    EXPECT_EQ(server.OpenConnections(), 0u);
    EXPECT_EQ(done.count(), 1);
}

TEST_F(FormEditChannelTest, APeerThatNeverEndsItsLineIsCutOff) {
    CFormEditServer server(folder);
    ASSERT_TRUE(server.Listen());
    QSignalSpy done(&server, &CFormEditServer::Done);
    QLocalSocket flood;
    flood.connectToServer(server.SocketPath());
    ASSERT_TRUE(flood.waitForConnected(3000));
    const QByteArray chunk(16 * 1024, 'x');
    // More than any path, without an end of line: the server hangs up rather than keep it all.
    for (int i = 0; i < 64 && flood.state() == QLocalSocket::ConnectedState; ++i) {
        flood.write(chunk);
        flood.waitForBytesWritten(1000);
        // The server reads on this thread's loop.
        QCoreApplication::processEvents();
    }
    test::WaitUntil([&] { return flood.state() == QLocalSocket::UnconnectedState; });
    ASSERT_EQ(flood.state(), QLocalSocket::UnconnectedState);
    // The next peer is heard as before.
    EXPECT_TRUE(SendFormEditDone(folder, server.Number(), QStringLiteral("/b")));
    test::WaitUntil([&] { return done.count() == 1; });
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done[0][0].toString(), QStringLiteral("/b"));
}

TEST(ProcessWatchTest, TheEndOfADetachedProcessIsTold) {
    for (const char* seconds : {"0.3", "0"}) {
        SCOPED_TRACE(seconds);
        QProcess process;
        process.setProgram(QStringLiteral("sleep"));
        process.setArguments({QString::fromLatin1(seconds)});
        qint64 pid = 0;
        ASSERT_TRUE(process.startDetached(&pid));
        if (QString::fromLatin1(seconds) == QStringLiteral("0")) {
            // Gone before it is watched (where nobody reaps it, it stays a zombie: watched
            // all the same).
            test::WaitUntil([pid] { return ::kill(static_cast<pid_t>(pid), 0) != 0; }, 10000);
        }
        CProcessWatch watch;
        QSignalSpy finished(&watch, &CProcessWatch::Finished);
        watch.Watch(pid);
        test::WaitUntil([&] { return finished.count() == 1; }, 10000);
        ASSERT_EQ(finished.count(), 1);
    }
}

} // namespace
} // namespace tembra
