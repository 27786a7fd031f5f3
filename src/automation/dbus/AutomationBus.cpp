#include "automation/dbus/AutomationBus.h"

#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "automation/dbus/AutomationCharts.h"
#include "document/TembraDoc.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QMetaObject>
#include <QVariantMap>

#include <array>
#include <optional>
#include <string_view>

namespace tembra {

namespace {

// The document interface: each method's name, its number of variant arguments and the type of
// its answer ("" for none).
struct MethodEntry {
    const char* name;
    int arguments;
    const char* answer;
};
constexpr std::array<MethodEntry, 23> kMethods{{
    {"FileSaveAs", 3, "n"},       {"HeaderItemSet", 2, "n"},    {"FileOpen", 1, "n"},
    {"AppClose", 0, "n"},         {"AppInit", 0, ""},           {"HeaderItemGet", 1, "s"},
    {"DocClose", 1, "n"},         {"GetFirstKoutei", 0, "s"},   {"GetNextKoutei", 0, "s"},
    {"GetFirstEvent", 0, "s"},    {"GetNextEvent", 0, "s"},     {"GetKouteiCount", 0, "i"},
    {"GetEventCount", 0, "i"},    {"ChangeNobeToReki", 5, "n"}, {"TakeInData", 4, "n"},
    {"RegularizeData", 0, "n"},   {"AdjustTakeInData", 0, "n"}, {"AddKoumokuData", 3, "n"},
    {"ModifyKeisenType", 4, "n"}, {"ClearLine", 2, "n"},        {"PaperChange", 1, "n"},
    {"KikanChange", 2, "n"},      {"LineChange", 1, "n"},
}};

constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
constexpr const char* kIntrospectable = "org.freedesktop.DBus.Introspectable";

QString DocumentInterfaceXml() {
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(CAutomationBus::kDocInterface);
    for (const MethodEntry& m : kMethods) {
        xml += QStringLiteral("<method name=\"%1\">\n").arg(m.name);
        for (int i = 0; i < m.arguments; ++i) {
            xml += QStringLiteral("<arg name=\"a%1\" type=\"v\" direction=\"in\"/>\n").arg(i);
        }
        if (*m.answer != '\0') {
            xml += QStringLiteral("<arg type=\"%1\" direction=\"out\"/>\n").arg(m.answer);
        }
        xml += QStringLiteral("</method>\n");
    }
    xml += QStringLiteral("<property name=\"MaeYohaku\" type=\"i\" access=\"readwrite\"/>\n"
                          "<property name=\"AtoYohaku\" type=\"i\" access=\"readwrite\"/>\n"
                          "<property name=\"InsertLine\" type=\"n\" access=\"readwrite\"/>\n"
                          "</interface>\n");
    return xml;
}

// An argument as the members read it: its text when it is a string, else nothing.
AutoArg ToArg(const QVariant& value) {
    QVariant inner = value;
    if (inner.metaType() == QMetaType::fromType<QDBusVariant>()) {
        inner = inner.value<QDBusVariant>().variant();
    }
    if (inner.metaType() != QMetaType::fromType<QString>()) {
        return std::nullopt;
    }
    return inner.toString().toStdString();
}

QVariant ToVariant(const AutoResult& result) {
    switch (result.kind) {
    case AutoResult::Kind::I2:
        return QVariant::fromValue(static_cast<short>(result.number));
    case AutoResult::Kind::I4:
        return QVariant::fromValue(static_cast<int>(result.number));
    case AutoResult::Kind::Text:
        return QString::fromStdString(result.text);
    case AutoResult::Kind::None:
        break;
    }
    return {};
}

// A whole number from a property value of any integer type.
std::optional<long long> ToNumber(const QVariant& value) {
    QVariant inner = value;
    if (inner.metaType() == QMetaType::fromType<QDBusVariant>()) {
        inner = inner.value<QDBusVariant>().variant();
    }
    bool ok = false;
    const long long number = inner.toLongLong(&ok);
    if (!ok || inner.metaType() == QMetaType::fromType<QString>()) {
        return std::nullopt;
    }
    return number;
}

} // namespace

CAutomationBus::CAutomationBus(IAutomationCharts& charts, ISettingsChanges& settings,
                               bool forClients)
    : m_charts(charts), m_settings(settings), m_forClients(forClients),
      m_bus(QStringLiteral("tembra-none")) {}

CAutomationBus::~CAutomationBus() {
    if (m_bus.isConnected()) {
        m_bus.unregisterObject(QString::fromLatin1(kRootPath), QDBusConnection::UnregisterTree);
        m_bus.unregisterService(QString::fromLatin1(kService));
    }
}

CAutomationBus::StartResult CAutomationBus::Start(QDBusConnection bus) {
    if (!bus.isConnected()) {
        return StartResult::NoBus;
    }
    // Without queueing: a second program gets no place in line behind the first.
    const auto reply = bus.interface()->registerService(
        QString::fromLatin1(kService), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        return StartResult::NameTaken;
    }
    if (!bus.registerVirtualObject(QString::fromLatin1(kRootPath), this,
                                   QDBusConnection::SubPath)) {
        bus.unregisterService(QString::fromLatin1(kService));
        return StartResult::NameTaken;
    }
    m_bus = bus;
    m_watcher = new QDBusServiceWatcher(this);
    m_watcher->setConnection(m_bus);
    m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString& owner) { OnOwnerGone(owner); });
    return StartResult::Started;
}

bool CAutomationBus::IsClientChart(const CTembraDoc* doc) const {
    for (const auto& [number, chart] : m_clientCharts) {
        if (chart.doc == doc) {
            return true;
        }
    }
    return false;
}

QString CAutomationBus::introspect(const QString& path) const {
    if (path == QLatin1String(kRootPath)) {
        QString xml = QStringLiteral("<interface name=\"%1\">\n"
                                     "<method name=\"NewDocument\">\n"
                                     "<arg type=\"o\" direction=\"out\"/>\n"
                                     "</method>\n</interface>\n")
                          .arg(kAppInterface);
        return xml;
    }
    if (path.startsWith(QLatin1String(kDocumentPath))) {
        return DocumentInterfaceXml();
    }
    return {};
}

bool CAutomationBus::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    if (message.type() != QDBusMessage::MethodCallMessage) {
        return false;
    }
    // Served on the main thread in arrival order, one call at a time.
    message.setDelayedReply(true);
    QMetaObject::invokeMethod(
        this, [this, message] { Serve(message); }, Qt::QueuedConnection);
    return true;
}

void CAutomationBus::Serve(const QDBusMessage& message) {
    m_caller = message.service();
    QDBusMessage reply;
    const QString path = message.path();
    bool chartCall = false;
    if (message.interface() == QLatin1String(kIntrospectable)) {
        reply = message.createReply(QStringLiteral("<node>\n%1</node>\n").arg(introspect(path)));
    } else if (path == QLatin1String(kRootPath)) {
        reply = ServeApplication(message);
    } else {
        chartCall = true;
        bool ok = false;
        const int number = path.mid(int(std::string_view(kDocumentPath).size())).toInt(&ok);
        const auto found = ok ? m_clientCharts.find(number) : m_clientCharts.end();
        if (found == m_clientCharts.end() || !m_charts.IsOpen(found->second.doc)) {
            if (found != m_clientCharts.end()) {
                m_clientCharts.erase(found);
            }
            reply = message.createErrorReply(QDBusError::UnknownObject,
                                             QStringLiteral("No such chart: %1").arg(path));
        } else if (found->second.owner != m_caller) {
            reply = message.createErrorReply(QDBusError::AccessDenied,
                                             QStringLiteral("The chart belongs to another client"));
        } else {
            ClientChart& chart = found->second;
            reply = message.interface() == QLatin1String(kPropertiesInterface)
                        ? ServeProperty(chart, message)
                        : ServeDocument(chart, message);
            chart.modifiedByClient = chart.doc->IsModified() != FALSE;
        }
    }
    m_bus.send(reply);
    RunPendingCloses();
    // A program the bus started for a call on a chart it does not hold (closed since, or another
    // program's) has nobody to serve.
    if (m_forClients && chartCall) {
        QuitWhenIdle();
    }
}

QDBusMessage CAutomationBus::ServeApplication(const QDBusMessage& message) {
    if (message.member() != QLatin1String("NewDocument")) {
        return message.createErrorReply(QDBusError::UnknownMethod, message.member());
    }
    CTembraDoc* doc = m_charts.NewChart();
    if (doc == nullptr) {
        return message.createErrorReply(QDBusError::Failed,
                                        QStringLiteral("The chart could not be made"));
    }
    const int number = m_nextNumber++;
    ClientChart& chart = m_clientCharts[number];
    chart.doc = doc;
    chart.owner = m_caller;
    chart.automation = std::make_unique<CTembraDocAutomation>(
        *doc, static_cast<IAutomationHost&>(*this), m_settings);
    m_watcher->addWatchedService(m_caller);
    return message.createReply(QVariant::fromValue(
        QDBusObjectPath(QString::fromLatin1(kDocumentPath) + QString::number(number))));
}

QDBusMessage CAutomationBus::ServeDocument(ClientChart& chart, const QDBusMessage& message) {
    std::vector<AutoArg> args;
    for (const QVariant& value : message.arguments()) {
        args.push_back(ToArg(value));
    }
    AutoResult result;
    if (!chart.automation->Invoke(message.member().toStdString(), args, result)) {
        return message.createErrorReply(QDBusError::UnknownMethod, message.member());
    }
    const QVariant answer = ToVariant(result);
    return answer.isValid() ? message.createReply(answer) : message.createReply();
}

QDBusMessage CAutomationBus::ServeProperty(ClientChart& chart, const QDBusMessage& message) {
    CTembraDocAutomation& a = *chart.automation;
    const QList<QVariant> args = message.arguments();
    const auto valueOf = [&a](const QString& name) -> QVariant {
        if (name == QLatin1String("MaeYohaku")) {
            return QVariant::fromValue(static_cast<int>(a.GetMaeYohaku()));
        }
        if (name == QLatin1String("AtoYohaku")) {
            return QVariant::fromValue(static_cast<int>(a.GetAtoYohaku()));
        }
        if (name == QLatin1String("InsertLine")) {
            return QVariant::fromValue(a.GetInsertLine());
        }
        return {};
    };
    const QString member = message.member();
    if (member == QLatin1String("GetAll")) {
        QVariantMap all;
        for (const char* name : {"MaeYohaku", "AtoYohaku", "InsertLine"}) {
            all.insert(QString::fromLatin1(name), valueOf(QString::fromLatin1(name)));
        }
        return message.createReply(QVariant::fromValue(all));
    }
    if (args.size() < 2) {
        return message.createErrorReply(QDBusError::InvalidArgs, member);
    }
    const QString name = args[1].toString();
    if (!valueOf(name).isValid()) {
        return message.createErrorReply(QDBusError::UnknownProperty, name);
    }
    if (member == QLatin1String("Get")) {
        return message.createReply(QVariant::fromValue(QDBusVariant(valueOf(name))));
    }
    if (member != QLatin1String("Set") || args.size() < 3) {
        return message.createErrorReply(QDBusError::UnknownMethod, member);
    }
    const std::optional<long long> number = ToNumber(args[2]);
    if (!number) {
        return message.createErrorReply(QDBusError::InvalidArgs,
                                        QStringLiteral("%1 takes a number").arg(name));
    }
    if (name == QLatin1String("MaeYohaku")) {
        a.SetMaeYohaku(static_cast<long>(*number));
    } else if (name == QLatin1String("AtoYohaku")) {
        a.SetAtoYohaku(static_cast<long>(*number));
    } else {
        a.SetInsertLine(static_cast<short>(*number));
    }
    return message.createReply();
}

CAutomationBus::ClientChart* CAutomationBus::FindChart(const CTembraDoc* doc) {
    for (auto& [number, chart] : m_clientCharts) {
        if (chart.doc == doc) {
            return &chart;
        }
    }
    return nullptr;
}

bool CAutomationBus::UserChanged(const CTembraDoc* doc) {
    const ClientChart* chart = FindChart(doc);
    return chart != nullptr && doc->IsModified() && !chart->modifiedByClient;
}

void CAutomationBus::OnOwnerGone(const QString& owner) {
    m_watcher->removeWatchedService(owner);
    for (auto it = m_clientCharts.begin(); it != m_clientCharts.end();) {
        if (it->second.owner != owner) {
            ++it;
            continue;
        }
        CTembraDoc* doc = it->second.doc;
        const bool keep = !m_charts.IsOpen(doc) || UserChanged(doc);
        it = m_clientCharts.erase(it);
        // A chart the user worked on in its window is the user's now.
        if (!keep) {
            m_charts.CloseChart(*doc, 0);
        }
    }
    if (m_forClients) {
        QuitWhenIdle();
    }
}

void CAutomationBus::CloseLater(CTembraDoc* doc, int option) {
    for (const auto& pending : m_pendingCloses) {
        if (pending.first == doc) {
            return;
        }
    }
    m_pendingCloses.emplace_back(doc, option);
}

void CAutomationBus::RunPendingCloses() {
    const auto closes = std::move(m_pendingCloses);
    m_pendingCloses.clear();
    for (const auto& [doc, option] : closes) {
        for (auto it = m_clientCharts.begin(); it != m_clientCharts.end(); ++it) {
            if (it->second.doc == doc) {
                m_clientCharts.erase(it);
                break;
            }
        }
        if (m_charts.IsOpen(doc)) {
            m_charts.CloseChart(*doc, option);
        }
    }
    if (!closes.empty() && (m_quitAsked || m_forClients)) {
        QuitWhenIdle();
    }
}

void CAutomationBus::QuitWhenIdle() {
    if (m_clientCharts.empty() && !m_charts.UserHoldsCharts()) {
        m_charts.Quit(0);
    }
}

// ---- The host of the member being served ----------------------------------------------------

void CAutomationBus::CloseIdleDocuments(CTembraDoc& doc) {
    m_charts.CloseIdleCharts(doc);
}

void CAutomationBus::CloseDocument(CTembraDoc& doc, int option) {
    CloseLater(&doc, option);
}

bool CAutomationBus::OtherDocumentsOpen(const CTembraDoc& doc) const {
    for (const auto& [number, chart] : m_clientCharts) {
        if (chart.doc != &doc && chart.owner == m_caller) {
            return true;
        }
    }
    return false;
}

void CAutomationBus::CloseApplication(CTembraDoc&) {
    // The caller's charts go without a question, except one the user changed in its window.
    for (const auto& [number, chart] : m_clientCharts) {
        if (chart.owner == m_caller) {
            CloseLater(chart.doc, UserChanged(chart.doc) ? 2 : 0);
        }
    }
    m_quitAsked = true;
}

} // namespace tembra
