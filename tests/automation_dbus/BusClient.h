// Clients of the program's service on the test's private session bus: connections of their own
// made with QtDBus, and gdbus processes (one connection per call, as a shell script makes them).
#pragma once

#include "support/qt/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>

#include <gtest/gtest.h>

namespace tembra::test {

inline const QString kService = QStringLiteral("org.tembra.Tembra");
inline const QString kRoot = QStringLiteral("/org/tembra/Tembra");
inline const QString kApp = QStringLiteral("org.tembra.Tembra.Application");
inline const QString kDoc = QStringLiteral("org.tembra.Tembra.Document");

// A string argument, and arguments of other types, as variants.
inline QVariant V(const char* text) {
    return QVariant::fromValue(QDBusVariant(QString::fromUtf8(text)));
}
inline QVariant V(const std::string& text) {
    return V(text.c_str());
}
inline QVariant Variant(const QVariant& value) {
    return QVariant::fromValue(QDBusVariant(value));
}
inline QVariant I2(short value) {
    return QVariant::fromValue(value);
}

inline bool ServiceRunning() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kService).value();
}

// A client with a connection of its own to the bus.
class Client {
public:
    explicit Client(const QString& name)
        : m_name(name), m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)) {}
    ~Client() { Leave(); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // The connection goes with its last reference.
    void Leave() {
        m_bus = QDBusConnection(QString());
        QDBusConnection::disconnectFromBus(m_name);
    }
    QDBusConnection& Bus() { return m_bus; }
    QString UniqueName() const { return m_bus.baseService(); }

    QString NewDocument() {
        const QDBusMessage reply = Send(
            QDBusMessage::createMethodCall(kService, kRoot, kApp, QStringLiteral("NewDocument")),
            60000);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusObjectPath>().path();
    }
    QDBusMessage Call(const QString& chart, const char* member, const QVariantList& args = {},
                      int timeoutMs = 30000) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, chart, kDoc, QString::fromLatin1(member));
        call.setArguments(args);
        return Send(call, timeoutMs);
    }
    // The answer of a call that must succeed.
    QVariant Answer(const QString& chart, const char* member, const QVariantList& args = {}) {
        const QDBusMessage reply = Call(chart, member, args);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
            << member << ": " << reply.errorName().toStdString() << " "
            << reply.errorMessage().toStdString();
        return reply.arguments().value(0);
    }
    QDBusMessage SetProperty(const QString& chart, const char* name, const QVariant& value) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kService, chart, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Set"));
        call.setArguments(
            {kDoc, QString::fromLatin1(name), QVariant::fromValue(QDBusVariant(value))});
        return Send(call, 30000);
    }
    // The reply, the event loop running meanwhile: the service may be this process's own.
    QDBusMessage Send(const QDBusMessage& call, int timeoutMs) {
        const QDBusPendingCall pending = m_bus.asyncCall(call, timeoutMs);
        WaitUntil([&pending] { return pending.isFinished(); }, timeoutMs + 5000);
        return pending.reply();
    }

private:
    QString m_name;
    QDBusConnection m_bus;
};

// What a gdbus process printed and how it ended.
struct GdbusResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// One call by a gdbus process of its own: gdbus call --session --dest org.tembra.Tembra
// --object-path path --method interface.member args...
inline GdbusResult Gdbus(const QString& path, const QString& method, const QStringList& args = {}) {
    QProcess gdbus;
    gdbus.start(QStringLiteral("gdbus"),
                QStringList{QStringLiteral("call"), QStringLiteral("--session"),
                            QStringLiteral("--dest"), kService, QStringLiteral("--object-path"),
                            path, QStringLiteral("--method"), method} +
                    args);
    GdbusResult result;
    if (!gdbus.waitForFinished(90000)) {
        gdbus.kill();
        gdbus.waitForFinished();
        return result;
    }
    result.exitCode = gdbus.exitStatus() == QProcess::NormalExit ? gdbus.exitCode() : -1;
    result.out = QString::fromUtf8(gdbus.readAllStandardOutput()).trimmed();
    result.err = QString::fromUtf8(gdbus.readAllStandardError()).trimmed();
    return result;
}

// gdbus's text of a string variant argument.
inline QString GdbusString(const QString& text) {
    return QStringLiteral("<'%1'>").arg(text);
}

} // namespace tembra::test
