#include "print/ui/LayoutWaitDlg.h"

#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"
#include "platform/qt/UserRuntimeFolder.h"
#include "print/LayoutTempFile.h"
#include "print/PrHeader.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QVBoxLayout>

#include <system_error>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT kCopyNotWritten = 5163;
constexpr UINT kEditorNotStarted = 5090;

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) {
        return true;
    }
    // Two paths that cannot be resolved are not the same file: both would come back empty.
    const fs::path first = fs::weakly_canonical(a, error);
    if (error || first.empty()) {
        return false;
    }
    const fs::path second = fs::weakly_canonical(b, error);
    return !error && first == second;
}

} // namespace

CLayoutWaitDlg::CLayoutWaitDlg(const CPrHeader& header, const CPrintArea& printArea,
                               std::string layoutName, const CConfigPath& caller, QWidget* parent)
    : QDialog(parent), m_header(header), m_printArea(printArea),
      m_layoutName(std::move(layoutName)), m_tempPath(ConfigPathToFs(caller.GetLayoutTempPath())),
      m_sourcePath(ConfigPathToFs(caller.GetFolder() + caller.GetLayoutFileName())),
      m_program(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("marquell"))) {
    setWindowTitle(QString::fromUtf8("待機中"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromUtf8("レイアウトエディタ起動中"), this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    setMinimumSize(240, 80);
    connect(&m_watch, &CProcessWatch::Finished, this, &CLayoutWaitDlg::OnEditorEnded);
}

qint64 CLayoutWaitDlg::GetNumber() const {
    return m_server ? m_server->Number() : 0;
}

int CLayoutWaitDlg::DoModal() {
    m_started = false;
    m_ended = false;
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CLayoutWaitDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        // Painted first, then the editor started from the loop of the wait.
        QMetaObject::invokeMethod(this, &CLayoutWaitDlg::StartEditor, Qt::QueuedConnection);
    }
}

void CLayoutWaitDlg::StartEditor() {
    if (m_folder.isEmpty()) {
        const RuntimeFolder folder = FindUserRuntimeFolder();
        if (!folder.refusal.isEmpty()) {
            AfxMessageBox(Sjis::FromUtf8(folder.refusal.toStdString()), MB_OK | MB_ICONEXCLAMATION);
        }
        m_folder = folder.path;
    }
    if (m_folder.isEmpty()) {
        AfxMessageBox(kEditorNotStarted, MB_OK | MB_ICONSTOP);
        End(Rejected);
        return;
    }
    m_server = std::make_unique<CFormEditServer>(m_folder);
    connect(m_server.get(), &CFormEditServer::Done, this, &CLayoutWaitDlg::OnDone);
    if (!m_server->Listen()) {
        AfxMessageBox(kEditorNotStarted, MB_OK | MB_ICONSTOP);
        End(Rejected);
        return;
    }
    if (!m_header.WriteLayoutFile(m_server->Number(), m_printArea, m_printArea.GetPaper(),
                                  m_layoutName, m_tempPath, m_sourcePath, FALSE)) {
        AfxMessageBox(kCopyNotWritten, MB_OK | MB_ICONSTOP);
        End(Rejected);
        return;
    }
    // The editor runs on by itself: it outlives a wait given up.
    QProcess process;
    process.setProgram(m_program);
    process.setArguments({QString::fromStdString(m_tempPath.string())});
    if (!process.startDetached(&m_pid)) {
        m_pid = 0;
        AfxMessageBox(kEditorNotStarted, MB_OK | MB_ICONSTOP);
        End(Rejected);
        return;
    }
    m_watch.Watch(m_pid);
}

void CLayoutWaitDlg::OnDone(const QString& path) {
    // Only this wait's copy ends it.
    if (m_ended || !SameFile(fs::path(path.toStdString()), m_tempPath)) {
        return;
    }
    End(ReadLayoutMasterFlag(m_tempPath) == kLayoutEditedMasterFlag ? Accepted : Rejected);
}

void CLayoutWaitDlg::OnEditorEnded() {
    // What the editor wrote before it went counts first.
    if (m_server) {
        m_server->ReadPending();
    }
    End(Rejected);
}

void CLayoutWaitDlg::End(int result) {
    if (m_ended) {
        return;
    }
    m_ended = true;
    // The end may come from the server's own report: it goes once that is over.
    if (m_server) {
        m_server->disconnect(this);
        m_server.release()->deleteLater();
    }
    done(result);
}

void CLayoutWaitDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void CLayoutWaitDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) != 0) {
        End(Rejected);
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace tembra
