#include "exchange/ui/FileOpenDlg.h"

#include "exchange/FilePreview.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>

#include <filesystem>

namespace tembra {

CFileOpenDlg::CFileOpenDlg(bool open, QWidget* parent) : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);

    m_preview = new QLabel(FromCp932(PreviewLabelText(std::nullopt)), this);
    m_preview->setObjectName(QString::number(IDC_PREVIEW));
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(m_preview, grid->rowCount(), 0, 1, grid->columnCount());
    }
    connect(this, &QFileDialog::currentChanged, this, &CFileOpenDlg::Preview);
}

CFileOpenDlg::~CFileOpenDlg() = default;

void CFileOpenDlg::SetInitialName(const QString& folder, const QString& fileName) {
    if (!folder.isEmpty()) {
        setDirectory(folder);
    }
    if (!fileName.isEmpty()) {
        selectFile(fileName);
    }
    m_initialPath = QDir::cleanPath(
        QDir(folder.isEmpty() ? directory().absolutePath() : folder).filePath(fileName));
}

void CFileOpenDlg::Preview(const QString& path) {
    if (QFileInfo(path).isDir()) {
        return;
    }
    const std::optional<std::string> label =
        PreviewLabel(std::filesystem::path(path.toStdString()));
    if (label) {
        m_preview->setText(FromCp932(*label));
    }
}

void CFileOpenDlg::accept() {
    const QStringList files = selectedFiles();
    if (m_refuseSameName && !files.isEmpty() && !m_initialPath.isEmpty() &&
        files.first() == m_initialPath) {
        AfxMessageBox(IDS_SAME_NAME_REFUSED, MB_OK | MB_ICONEXCLAMATION);
        return; // the dialog stays open
    }
    QFileDialog::accept();
}

void CFileOpenDlg::resizeEvent(QResizeEvent* event) {
    QFileDialog::resizeEvent(event);
    AlignPreview();
}

void CFileOpenDlg::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    AlignPreview();
}

void CFileOpenDlg::AlignPreview() {
    // The list of the dialog's files: its detail or its list view, whichever shows.
    QWidget* list = nullptr;
    for (const char* name : {"listView", "treeView"}) {
        auto* view = findChild<QAbstractItemView*>(name);
        if (view != nullptr && view->isVisible()) {
            list = view;
        }
    }
    if (list == nullptr) {
        return;
    }
    const QPoint topLeft = list->mapTo(this, QPoint(0, 0));
    const QRect line = m_preview->geometry();
    m_preview->setContentsMargins(0, 0, 0, 0);
    const int left = topLeft.x() - line.left();
    const int right = line.right() - (topLeft.x() + list->width() - 1);
    m_preview->setContentsMargins(std::max(left, 0), 0, std::max(right, 0), 0);
}

} // namespace tembra
