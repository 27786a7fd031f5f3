#include "automation/dbus/AutomationBus.h"

#include "automation/AutomationCallUi.h"
#include "automation/AutomationMethod.h"
#include "automation/SettingsChanges.h"
#include "automation/TembraDocAutomation.h"
#include "automation/dbus/AutomationCharts.h"
#include "document/TembraDoc.h"

#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMetaObject>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>

namespace tembra {

namespace {

// How often a call waiting for the user's dialog looks again.
constexpr int kUserBusyRetryMs = 200;

constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
constexpr const char* kIntrospectable = "org.freedesktop.DBus.Introspectable";

// A restored user interface at the end of the call, however it ends.
class CallUiScope {
public:
    explicit CallUiScope(IUiServices& callUi) : m_previous(SetUiServices(&callUi)) {}
    ~CallUiScope() { SetUiServices(m_previous); }
    CallUiScope(const CallUiScope&) = delete;
    CallUiScope& operator=(const CallUiScope&) = delete;

private:
    IUiServices* m_previous;
};

// The type of a member's answer on the bus ("" for none).
QLatin1String AnswerSignature(AutoResult::Kind kind) {
    switch (kind) {
    case AutoResult::Kind::I2:
        return QLatin1String("n");
    case AutoResult::Kind::I4:
        return QLatin1String("i");
    case AutoResult::Kind::Text:
        return QLatin1String("s");
    case AutoResult::Kind::None:
        break;
    }
    return QLatin1String("");
}

QString DocumentInterfaceXml() {
    QString xml = QStringLiteral("<interface name=\"%1\">\n").arg(CAutomationBus::kDocInterface);
    for (const AutomationMethod& m : AutomationMethods()) {
        xml += QStringLiteral("<method name=\"%1\">\n")
                   .arg(QLatin1String(m.name.data(), static_cast<qsizetype>(m.name.size())));
        for (int i = 0; i < m.arguments; ++i) {
            xml += QStringLiteral("<arg name=\"a%1\" type=\"v\" direction=\"in\"/>\n").arg(i);
        }
        if (m.answer != AutoResult::Kind::None) {
            xml += QStringLiteral("<arg type=\"%1\" direction=\"out\"/>\n")
                       .arg(AnswerSignature(m.answer));
        }
        xml += QStringLiteral("</method>\n");
    }
    xml += QStringLiteral("<property name=\"MaeYohaku\" type=\"i\" access=\"readwrite\"/>\n"
                          "<property name=\"AtoYohaku\" type=\"i\" access=\"readwrite\"/>\n"
                          "<property name=\"InsertLine\" type=\"n\" access=\"readwrite\"/>\n"
                          "</interface>\n");
    return xml;
}

QVariant Unwrapped(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        return value.value<QDBusVariant>().variant();
    }
    return value;
}

// An argument as the members read it: its text when it is a string, else nothing.
AutoArg ToArg(const QVariant& value) {
    const QVariant inner = Unwrapped(value);
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
    const QVariant inner = Unwrapped(value);
    bool ok = false;
    const long long number = inner.toLongLong(&ok);
    if (!ok || inner.metaType() == QMetaType::fromType<QString>()) {
        return std::nullopt;
    }
    return number;
}

// A file path the service cannot read against a folder of the caller's: a relative one.
bool IsRelativePath(const AutoArg& arg) {
    return arg.has_value() && !arg->empty() && !std::filesystem::path(*arg).is_absolute();
}

} // namespace

CAutomationBus::CAutomationBus(IAutomationCharts& charts, ISettingsChanges& settings,
                               bool forClients, int quietMs)
    : m_charts(charts), m_settings(settings), m_forClients(forClients), m_quietMs(quietMs),
      m_bus(QStringLiteral("tembra-none")) {
    m_quiet.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, [this] { OnQuiet(); });
    m_userBusy.setSingleShot(true);
    connect(&m_userBusy, &QTimer::timeout, this, &CAutomationBus::ServeNext);
}

CAutomationBus::~CAutomationBus() {
    if (m_bus.isConnected()) {
        m_bus.unregisterService(QString::fromLatin1(kService));
        m_bus.unregisterObject(QString::fromLatin1(kRootPath), QDBusConnection::UnregisterTree);
    }
}

CAutomationBus::StartResult CAutomationBus::Start(QDBusConnection bus) {
    if (!bus.isConnected()) {
        return StartResult::NoBus;
    }
    // The objects are there before the name: the bus hands the calls that started this program
    // over the moment the name is taken, and they must find what they call.
    if (!bus.registerVirtualObject(QString::fromLatin1(kRootPath), this,
                                   QDBusConnection::SubPath)) {
        return StartResult::NameTaken;
    }
    // Without queueing: a second program gets no place in line behind the first.
    const auto reply = bus.interface()->registerService(
        QString::fromLatin1(kService), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(QString::fromLatin1(kRootPath), QDBusConnection::UnregisterTree);
        return StartResult::NameTaken;
    }
    m_bus = bus;
    m_sinceCall.start();
    WatchQuiet();
    return StartResult::Started;
}

bool CAutomationBus::IsClientChart(const CTembraDoc* doc) const {
    return std::any_of(m_clientCharts.begin(), m_clientCharts.end(),
                       [doc](const auto& entry) { return entry.second.doc == doc; });
}

void CAutomationBus::ChartClosed(const CTembraDoc* doc) {
    for (auto it = m_clientCharts.begin(); it != m_clientCharts.end(); ++it) {
        if (it->second.doc != doc) {
            continue;
        }
        // A member of this chart may be running: its entry goes when the call ends.
        if (m_serving) {
            it->second.doc = nullptr;
        } else {
            m_clientCharts.erase(it);
        }
        break;
    }
    std::erase(m_pendingCloses, doc);
    std::erase(m_pendingHandOvers, doc);
    // The chart is still counted while it closes.
    QMetaObject::invokeMethod(this, &CAutomationBus::WatchQuiet, Qt::QueuedConnection);
}

QString CAutomationBus::introspect(const QString& path) const {
    const QString documents = QString::fromLatin1(kDocumentPath);
    if (path == QLatin1String(kRootPath)) {
        return QStringLiteral("<interface name=\"%1\">\n"
                              "<method name=\"NewDocument\">\n"
                              "<arg type=\"o\" direction=\"out\"/>\n"
                              "</method>\n</interface>\n<node name=\"Document\"/>\n")
            .arg(kAppInterface);
    }
    if (path == documents.chopped(1)) {
        QString nodes;
        for (const auto& [number, chart] : m_clientCharts) {
            if (chart.doc != nullptr) {
                nodes += QStringLiteral("<node name=\"%1\"/>\n").arg(number);
            }
        }
        return nodes;
    }
    if (path.startsWith(documents)) {
        bool ok = false;
        const auto found = m_clientCharts.find(path.mid(documents.size()).toInt(&ok));
        if (ok && found != m_clientCharts.end() && found->second.doc != nullptr) {
            return DocumentInterfaceXml();
        }
    }
    return {};
}

bool CAutomationBus::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    if (message.type() != QDBusMessage::MethodCallMessage) {
        return false;
    }
    // Served from the main loop in arrival order, one call at a time.
    message.setDelayedReply(true);
    m_calls.push_back(message);
    m_sinceCall.restart();
    m_quiet.stop();
    QMetaObject::invokeMethod(this, &CAutomationBus::ServeNext, Qt::QueuedConnection);
    return true;
}

void CAutomationBus::ServeNext() {
    // Inside a member's question the next call waits for the question, and for its call.
    if (m_serving || m_calls.empty()) {
        return;
    }
    // A dialog of the user's may hold what the call would change: it waits for the dialog.
    if (m_charts.UserBusy()) {
        m_userBusy.start(kUserBusyRetryMs);
        return;
    }
    const QDBusMessage message = m_calls.front();
    m_calls.pop_front();
    m_serving = true;
    QDBusMessage reply;
    {
        CAutomationCallUi callUi(Ui(), m_charts.UserThere());
        const CallUiScope scope(callUi);
        m_callUi = &callUi;
        reply = Serve(message);
        // What a close shows is the call's too.
        RunPendingCloses();
        if (const QDBusMessage refusal = Refusal(message);
            refusal.type() == QDBusMessage::ErrorMessage) {
            reply = refusal;
        }
        m_callUi = nullptr;
    }
    // Charts that closed while the call was served.
    std::erase_if(m_clientCharts, [](const auto& entry) { return entry.second.doc == nullptr; });
    m_serving = false;
    // Calls that came meanwhile were made to this program: they are served first. The call that
    // ends the program is answered only once the name is gone, so that whatever its client calls
    // next starts a new program rather than reaching this one as it ends.
    bool ending = false;
    if (m_quitAsked && m_calls.empty()) {
        m_quitAsked = false;
        ending = NothingHeld();
    }
    if (ending) {
        LeaveBus();
    }
    // The caller may have left meanwhile: the reply goes nowhere then.
    m_bus.send(reply);
    m_sinceCall.restart();
    if (ending) {
        m_charts.Quit(0);
        return;
    }
    WatchQuiet();
    if (!m_calls.empty()) {
        QMetaObject::invokeMethod(this, &CAutomationBus::ServeNext, Qt::QueuedConnection);
    }
}

QDBusMessage CAutomationBus::Serve(const QDBusMessage& message) {
    const QString path = message.path();
    if (message.interface() == QLatin1String(kIntrospectable)) {
        return message.createReply(QStringLiteral("<node>\n%1</node>\n").arg(introspect(path)));
    }
    if (path == QLatin1String(kRootPath)) {
        return ServeApplication(message);
    }
    const QString documents = QString::fromLatin1(kDocumentPath);
    bool ok = false;
    const int number = path.startsWith(documents) ? path.mid(documents.size()).toInt(&ok) : 0;
    if (!ok) {
        return message.createErrorReply(QDBusError::UnknownObject,
                                        QStringLiteral("No such object: %1").arg(path));
    }
    return ServeChart(number, message);
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
    if (!m_callUi->Messages().empty() || !m_callUi->Dialogs().empty()) {
        // What the new chart would have shown is the answer: nobody learns its path, so it goes.
        m_pendingCloses.push_back(doc);
        return message.createReply();
    }
    const int number = m_nextNumber++;
    ClientChart& chart = m_clientCharts[number];
    chart.doc = doc;
    chart.automation = std::make_unique<CTembraDocAutomation>(
        *doc, static_cast<IAutomationHost&>(*this), m_settings);
    chart.changesAfterCall = doc->GetModifyCount();
    return message.createReply(QVariant::fromValue(
        QDBusObjectPath(QString::fromLatin1(kDocumentPath) + QString::number(number))));
}

QDBusMessage CAutomationBus::ServeChart(int number, const QDBusMessage& message) {
    const auto found = m_clientCharts.find(number);
    if (found == m_clientCharts.end() || found->second.doc == nullptr) {
        return message.createErrorReply(QDBusError::UnknownObject,
                                        QStringLiteral("No such chart: %1").arg(message.path()));
    }
    ClientChart& chart = found->second;
    const CTembraDoc& doc = *chart.doc;
    // A change since the last call is the user's, made in the chart's window; a saved chart
    // holds none.
    if (!doc.IsModified()) {
        chart.userChanged = false;
    } else if (doc.GetModifyCount() != chart.changesAfterCall) {
        chart.userChanged = true;
    }
    const QDBusMessage reply = message.interface() == QLatin1String(kPropertiesInterface)
                                   ? ServeProperty(chart, message)
                                   : ServeDocument(chart, message);
    // The member may have closed other charts; this one stays until the call ends.
    if (chart.doc != nullptr) {
        chart.changesAfterCall = chart.doc->GetModifyCount();
    }
    return reply;
}

QDBusMessage CAutomationBus::ServeDocument(ClientChart& chart, const QDBusMessage& message) {
    const std::string member = message.member().toStdString();
    const AutomationMethod* method = FindAutomationMethod(member);
    if (method == nullptr) {
        return message.createErrorReply(QDBusError::UnknownMethod, message.member());
    }
    std::vector<AutoArg> args;
    for (const QVariant& value : message.arguments()) {
        args.push_back(ToArg(value));
    }
    // The service's working folder is none of the caller's business: a path names its file
    // whole, or nothing is read or written.
    if (method->path >= 0 && static_cast<std::size_t>(method->path) < args.size() &&
        IsRelativePath(args[static_cast<std::size_t>(method->path)])) {
        return message.createErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("%1: the path must be absolute: %2")
                .arg(message.member(),
                     QString::fromStdString(*args[static_cast<std::size_t>(method->path)])));
    }
    AutoResult result;
    chart.automation->Invoke(member, args, result);
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

QDBusMessage CAutomationBus::Refusal(const QDBusMessage& message) const {
    const auto& messages = m_callUi->Messages();
    if (!messages.empty()) {
        QStringList texts;
        for (const CAutomationCallUi::Message& m : messages) {
            texts << QString::fromStdString(m.text);
        }
        const UINT id = messages.front().id;
        return message.createErrorReply(QString::fromLatin1(kMessageError) +
                                            (id != 0 ? QString::number(id) : QString()),
                                        texts.join(QLatin1Char('\n')));
    }
    const auto& dialogs = m_callUi->Dialogs();
    if (!dialogs.empty()) {
        QStringList names;
        for (const std::string& name : dialogs) {
            names << QString::fromStdString(name);
        }
        return message.createErrorReply(
            QString::fromLatin1(kDialogError),
            QStringLiteral("%1 would open the dialog %2; a call opens none")
                .arg(message.member(), names.join(QStringLiteral(", "))));
    }
    return {};
}

bool CAutomationBus::UserChanged(const ClientChart& chart) const {
    const CTembraDoc& doc = *chart.doc;
    return doc.IsModified() &&
           (chart.userChanged || doc.GetModifyCount() != chart.changesAfterCall);
}

void CAutomationBus::RunPendingCloses() {
    const std::vector<CTembraDoc*> handOvers = std::move(m_pendingHandOvers);
    m_pendingHandOvers.clear();
    for (CTembraDoc* doc : handOvers) {
        // No client drives it any more: the user's own chart.
        std::erase_if(m_clientCharts, [doc](const auto& entry) { return entry.second.doc == doc; });
    }
    // Each close takes its chart's path along (ChartClosed).
    while (!m_pendingCloses.empty()) {
        CTembraDoc* doc = m_pendingCloses.front();
        m_pendingCloses.erase(m_pendingCloses.begin());
        m_charts.CloseChart(*doc);
    }
}

bool CAutomationBus::NothingHeld() const {
    return m_clientCharts.empty() && !m_charts.UserHoldsCharts();
}

void CAutomationBus::LeaveBus() {
    // The name goes at once, before the program has ended: the next call starts a new program,
    // and one already on its way here is refused rather than left unanswered. Giving the name up
    // waits for the bus, so a message sent after it reaches its client after the name went.
    m_ended = true;
    m_quiet.stop();
    m_bus.unregisterService(QString::fromLatin1(kService));
    m_bus.unregisterObject(QString::fromLatin1(kRootPath), QDBusConnection::UnregisterTree);
}

void CAutomationBus::End() {
    LeaveBus();
    m_charts.Quit(0);
}

void CAutomationBus::WatchQuiet() {
    if (!m_forClients || m_ended || m_serving || !m_calls.empty() || m_charts.ChartCount() > 0) {
        m_quiet.stop();
        return;
    }
    m_quiet.start(static_cast<int>(std::max<qint64>(0, m_quietMs - m_sinceCall.elapsed())));
}

void CAutomationBus::OnQuiet() {
    if (m_serving || !m_calls.empty() || m_charts.ChartCount() > 0) {
        return;
    }
    if (m_sinceCall.elapsed() < m_quietMs) {
        WatchQuiet();
        return;
    }
    End();
}

// ---- The host of the member being served ----------------------------------------------------

void CAutomationBus::CloseIdleDocuments(CTembraDoc& doc) {
    m_charts.CloseIdleCharts(doc);
}

bool CAutomationBus::CloseDocument(CTembraDoc& doc, int option) {
    // Asking the user is what the client asked for with option 2.
    std::optional<CAutomationQuestion> question;
    if (option == 2) {
        question.emplace(static_cast<IAutomationHost&>(*this));
    }
    const bool closing = m_charts.PrepareClose(doc, option);
    if (closing &&
        std::find(m_pendingCloses.begin(), m_pendingCloses.end(), &doc) == m_pendingCloses.end()) {
        m_pendingCloses.push_back(&doc);
    }
    return closing;
}

bool CAutomationBus::OtherDocumentsOpen(const CTembraDoc&) const {
    // The served chart is one of them.
    return m_charts.ChartCount() > 1;
}

void CAutomationBus::CloseApplication(CTembraDoc&) {
    // Every chart of the clients goes without a question, except one the user changed in its
    // window: that one stays, the user's.
    for (auto& [number, chart] : m_clientCharts) {
        if (chart.doc == nullptr || std::find(m_pendingCloses.begin(), m_pendingCloses.end(),
                                              chart.doc) != m_pendingCloses.end()) {
            continue;
        }
        auto& pending = UserChanged(chart) ? m_pendingHandOvers : m_pendingCloses;
        if (std::find(pending.begin(), pending.end(), chart.doc) == pending.end()) {
            pending.push_back(chart.doc);
        }
    }
    m_quitAsked = true;
}

void CAutomationBus::BeginQuestion() {
    if (m_callUi != nullptr) {
        m_callUi->BeginQuestion();
    }
}

void CAutomationBus::EndQuestion() {
    if (m_callUi != nullptr) {
        m_callUi->EndQuestion();
    }
}

} // namespace tembra
