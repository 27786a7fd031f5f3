#include "print/ui/LayoutCopyDlg.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/EnterMovesFocus.h"
#include "print/ui/LayoutCopyNameDlg.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <system_error>

namespace tembra {

namespace {

namespace fs = std::filesystem;

constexpr UINT kSameFolder = 5122;
constexpr UINT kNotReady = 5126;
constexpr UINT kCannotCopy = 5911;

// A path as the dialog shows it: without a trailing separator (the root stays "/").
QString Shown(const fs::path& path) {
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return QString::fromStdString(text);
}

bool IsReady(const fs::path& root) {
    std::error_code error;
    return fs::is_directory(root, error);
}

} // namespace

std::vector<LayoutCopyDrive> CLayoutCopyDlg::MachineDrives() {
    std::vector<LayoutCopyDrive> drives;
    const auto add = [&](const QString& path) {
        const fs::path root = path.toStdString();
        for (const LayoutCopyDrive& drive : drives) {
            if (drive.root == root) {
                return;
            }
        }
        drives.push_back({path.toStdString(), root});
    };
    add(QDir::rootPath());
    add(QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        add(volume.rootPath());
    }
    return drives;
}

CLayoutCopyDlg::CLayoutCopyDlg(fs::path destination, std::vector<LayoutCopyDrive> drives,
                               QWidget* parent)
    : QDialog(parent), m_destination(std::move(destination)), m_driveList(std::move(drives)),
      m_drives(new QComboBox(this)), m_folders(new QListWidget(this)),
      m_layouts(new QListWidget(this)), m_sourceLabel(new QLabel(this)),
      m_copy(new QPushButton(QString::fromUtf8("書式の複写"), this)),
      m_close(new QPushButton(QString::fromUtf8("閉じる"), this)) {
    setWindowTitle(QString::fromUtf8("書式ファイルの複写   ［複写先：") + Shown(m_destination) +
                   QString::fromUtf8("］"));
    m_ask = [this](bool master, int& outcome, std::string& name) {
        CLayoutCopyNameDlg dialog(master ? 1 : 0, &outcome, &name, this);
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    };
    m_layouts->setSelectionMode(QAbstractItemView::MultiSelection);
    m_layouts->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const LayoutCopyDrive& drive : m_driveList) {
        m_drives->addItem(QStringLiteral("[-%1-]").arg(QString::fromStdString(drive.label)));
    }
    auto* left = new QVBoxLayout;
    left->addWidget(m_sourceLabel);
    left->addWidget(m_drives);
    left->addWidget(m_folders);
    auto* group = new QGroupBox(QString::fromUtf8("複写元 書式一覧"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_layouts);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left);
    lists->addWidget(group, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    for (QPushButton* button : {m_copy, m_close}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_drives, &QComboBox::activated, this, &CLayoutCopyDlg::SelectDrive);
    connect(m_folders, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OpenFolderEntry(m_folders->row(item)); });
    connect(m_layouts, &QListWidget::itemSelectionChanged, this,
            [this]() { m_copy->setEnabled(!m_layouts->selectedItems().isEmpty()); });
    connect(m_copy, &QPushButton::clicked, this, &CLayoutCopyDlg::CopySelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    // Enter closes from the close button and opens the folder chosen in the folder list; on
    // any other control it does nothing (no button is the default).
    auto* enter = new CEnterMovesFocus(this);
    enter->SetButtons(m_close, nullptr);
    enter->SetAction(m_folders, [this] { OpenFolderEntry(m_folders->currentRow()); });
    resize(620, 380);
    if (!m_driveList.empty()) {
        SelectDrive(0);
    }
    m_copy->setEnabled(false);
}

void CLayoutCopyDlg::SelectDrive(int index) {
    if (index < 0 || index >= static_cast<int>(m_driveList.size())) {
        return;
    }
    const fs::path& root = m_driveList[static_cast<std::size_t>(index)].root;
    while (!IsReady(root)) {
        if (AfxMessageBox(kNotReady, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
            // Back to the drive that was ready last.
            if (m_driveIndex >= 0) {
                m_drives->setCurrentIndex(m_driveIndex);
                m_source = m_driveList[static_cast<std::size_t>(m_driveIndex)].root;
                FillLists();
            }
            return;
        }
    }
    m_driveIndex = index;
    m_drives->setCurrentIndex(index);
    m_source = root;
    FillLists();
}

void CLayoutCopyDlg::FillLists() {
    m_sourceLabel->setText(Shown(m_source));
    m_folders->clear();
    for (const std::string& entry : FolderEntries(m_source)) {
        m_folders->addItem(QString::fromStdString(entry));
    }
    m_entries = ListLayoutFiles(m_source, LayoutListForm::Copy);
    m_layouts->clear();
    for (const LayoutFileEntry& entry : m_entries) {
        auto* item = new QListWidgetItem(FromCp932(entry.text), m_layouts);
        item->setData(Qt::UserRole, QString::fromStdString(entry.fileName));
    }
    m_copy->setEnabled(false);
}

void CLayoutCopyDlg::OpenFolderEntry(int row) {
    if (row < 0 || row >= m_folders->count()) {
        return;
    }
    if (const auto folder =
            EnterFolderEntry(m_source, m_folders->item(row)->text().toStdString())) {
        m_source = *folder;
        FillLists();
    }
}

void CLayoutCopyDlg::CopySelected() {
    if (IsSameFolder(m_source, m_destination)) {
        AfxMessageBox(kSameFolder, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    for (int row = 0; row < m_layouts->count(); ++row) {
        QListWidgetItem* item = m_layouts->item(row);
        if (!item->isSelected()) {
            continue;
        }
        const fs::path source = m_source / item->data(Qt::UserRole).toString().toStdString();
        switch (CopyLayoutFile(source, m_destination, m_ask)) {
        case LayoutCopyResult::Copied:
            item->setSelected(false);
            break;
        case LayoutCopyResult::Failed:
            Ui().MessageBox(
                FormatString(LoadString(kCannotCopy), {Sjis::FromUtf8(source.string())}),
                MB_OK | MB_ICONEXCLAMATION, kCannotCopy);
            break;
        case LayoutCopyResult::Skipped:
            break;
        }
    }
}

} // namespace tembra
