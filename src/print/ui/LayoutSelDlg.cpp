#include "print/ui/LayoutSelDlg.h"

#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <system_error>

namespace tembra {

namespace {

constexpr UINT kAskDelete = 5114;
constexpr UINT kCannotDelete = 5910;

} // namespace

CLayoutSelDlg::CLayoutSelDlg(QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)),
      m_new(new QPushButton(QString::fromUtf8("新規作成"), this)),
      m_delete(new QPushButton(QString::fromUtf8("削除"), this)),
      m_ok(new QPushButton(QString::fromUtf8("決定"), this)),
      m_cancel(new QPushButton(QString::fromUtf8("取消"), this)) {
    setWindowTitle(QString::fromUtf8("書式ファイルの選択"));
    // The entries line up their names in columns.
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* group = new QGroupBox(QString::fromUtf8("書式一覧"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    m_ok->setDefault(true);
    connect(m_list, &QListWidget::currentRowChanged, this, &CLayoutSelDlg::OnSelectionChanged);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CLayoutSelDlg::OnOk);
    connect(m_ok, &QPushButton::clicked, this, &CLayoutSelDlg::OnOk);
    connect(m_new, &QPushButton::clicked, this, &CLayoutSelDlg::OnNew);
    connect(m_delete, &QPushButton::clicked, this, &CLayoutSelDlg::OnDelete);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 320);
}

void CLayoutSelDlg::Prepare() {
    m_new->setVisible(manageMode != FALSE);
    m_delete->setVisible(manageMode != FALSE);
    m_delete->setEnabled(false);
    Fill();
}

int CLayoutSelDlg::DoModal() {
    Prepare();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CLayoutSelDlg::Fill() {
    const std::string remembered = !fileName.empty() ? fileName : currentLayout;
    m_entries = ListLayoutFiles(layoutFolder, LayoutListForm::Selection);
    m_list->blockSignals(true);
    m_list->clear();
    for (const LayoutFileEntry& entry : m_entries) {
        auto* item = new QListWidgetItem(FromCp932(entry.text), m_list);
        item->setData(Qt::UserRole, QString::fromStdString(entry.fileName));
    }
    m_list->setCurrentRow(FindLayoutEntry(m_entries, Sjis::ToUpperAscii(remembered)));
    m_list->blockSignals(false);
    OnSelectionChanged();
}

void CLayoutSelDlg::OnSelectionChanged() {
    if (manageMode == FALSE) {
        return;
    }
    const int row = m_list->currentRow();
    m_delete->setEnabled(
        row >= 0 && row < static_cast<int>(m_entries.size()) &&
        IsLayoutDeletable(m_entries[static_cast<std::size_t>(row)], currentLayout, layoutsInUse));
}

void CLayoutSelDlg::OnOk() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        return;
    }
    const LayoutFileEntry& entry = m_entries[static_cast<std::size_t>(row)];
    fileName = Sjis::FromUtf8(entry.fileName);
    layoutName = entry.layoutName;
    accept();
}

void CLayoutSelDlg::OnNew() {
    fileName.clear();
    layoutName.clear();
    accept();
}

void CLayoutSelDlg::OnDelete() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        return;
    }
    const std::filesystem::path path =
        layoutFolder / m_entries[static_cast<std::size_t>(row)].fileName;
    const std::string shown = Sjis::FromUtf8(path.string());
    if (Ui().MessageBox(FormatString(LoadString(kAskDelete), {shown}), MB_YESNO | MB_ICONQUESTION,
                        kAskDelete) != IDYES) {
        return;
    }
    std::error_code error;
    if (!std::filesystem::remove(path, error)) {
        Ui().MessageBox(FormatString(LoadString(kCannotDelete), {shown}),
                        MB_OK | MB_ICONEXCLAMATION, kCannotDelete);
    }
    Fill();
}

} // namespace tembra
