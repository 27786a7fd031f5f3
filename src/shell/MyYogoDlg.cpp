#include "shell/MyYogoDlg.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/TextFieldCheck.h"
#include "shell/YogoGroupNameDlg.h"
#include "shell/core/MyYogoCandidates.h"
#include "shell/core/MyYogoWidth.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace tembra {

namespace {

constexpr UINT IDS_NEW_GROUP_NAME = 1066;
constexpr UINT IDS_DELETE_GROUP = 1067;
constexpr UINT IDS_DELETE_WARNING = 1068;

QPushButton* Button(const char* text, int id, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(IdName(id));
    button->setAutoDefault(false);
    return button;
}

void PointAt(const QWidget* widget) {
    if (widget != nullptr && widget->isVisible()) {
        QCursor::setPos(widget->mapToGlobal(widget->rect().center()));
    }
}

} // namespace

CMyYogoDlg::CMyYogoDlg(std::filesystem::path file, Services services, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_file(std::move(file)), m_services(std::move(services)) {
    Build();
}

CMyYogoDlg::~CMyYogoDlg() = default;

// ---- Building -----------------------------------------------------------------------------------

void CMyYogoDlg::Build() {
    setObjectName(IdName(IDD));
    setModal(false);

    auto* left = new QWidget(this);
    m_groups = new QComboBox(left);
    m_groups->setObjectName(IdName(IDC_GROUP));
    m_search = new QLineEdit(left);
    m_search->setObjectName(IdName(IDC_SEARCH));
    m_search->setValidator(new CCp932Validator(kMaxTermBytes, m_search));
    m_replace = new QRadioButton(QString::fromUtf8("置換"), left);
    m_replace->setObjectName(IdName(IDC_REPLACE));
    m_replace->setChecked(true);
    m_append = new QRadioButton(QString::fromUtf8("追加"), left);
    m_append->setObjectName(IdName(IDC_APPEND));
    auto* sendMode = new QButtonGroup(left);
    sendMode->addButton(m_replace, 0);
    sendMode->addButton(m_append, 1);
    QPushButton* clear = Button("ｸﾘｱ", IDC_CLEAR, left);
    m_terms = new QListWidget(left);
    m_terms->setObjectName(IdName(IDC_TERMS));
    m_openPanel = Button("登録→", IDC_OPEN_PANEL, left);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QString::fromUtf8("検索:"), left));
    searchRow->addWidget(m_search);
    auto* sendRow = new QHBoxLayout;
    sendRow->addWidget(new QLabel(QString::fromUtf8("送信方法："), left));
    sendRow->addWidget(m_replace);
    sendRow->addWidget(m_append);
    sendRow->addWidget(clear);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_groups);
    leftLayout->addLayout(searchRow);
    leftLayout->addLayout(sendRow);
    leftLayout->addWidget(m_terms, 1);
    leftLayout->addWidget(m_openPanel);

    m_panel = BuildPanel();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(left, 1);
    layout->addWidget(m_panel, 0);
    m_panel->hide();
    setFixedWidth(kCollapsedWidth);

    connect(m_groups, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading) {
            RefreshList(false);
        }
    });
    connect(m_search, &QLineEdit::textChanged, this, [this] {
        if (!m_expanded && !m_loading) {
            RefreshList(false);
        }
    });
    connect(clear, &QPushButton::clicked, this, [this] { OnClear(); });
    connect(m_terms, &QListWidget::itemSelectionChanged, this, [this] { OnTermSelected(); });
    connect(m_openPanel, &QPushButton::clicked, this, [this] { Expand(); });
}

QWidget* CMyYogoDlg::BuildPanel() {
    auto* panel = new QWidget(this);
    m_closePanel = Button("←閉", IDC_CLOSE_PANEL, panel);
    m_store = Button("更新", IDC_STORE, panel);
    QPushButton* add = Button("<<", IDC_ADD, panel);
    add->setToolTip(QString::fromUtf8("追加"));
    QPushButton* remove = Button(">>", IDC_REMOVE, panel);
    remove->setToolTip(QString::fromUtf8("消去"));

    auto* groupBox = new QGroupBox(QString::fromUtf8("グループ"), panel);
    QPushButton* newGroup = Button("新規作成", IDC_NEW_GROUP, groupBox);
    QPushButton* renameGroup = Button("名称変更", IDC_RENAME_GROUP, groupBox);
    QPushButton* deleteGroup = Button("削除", IDC_DELETE_GROUP, groupBox);
    auto* groupLayout = new QHBoxLayout(groupBox);
    groupLayout->addWidget(newGroup);
    groupLayout->addWidget(renameGroup);
    groupLayout->addWidget(deleteGroup);

    m_fromHistory = new QRadioButton(QString::fromUtf8("用語履歴"), panel);
    m_fromHistory->setObjectName(IdName(IDC_FROM_HISTORY));
    m_fromHistory->setChecked(true);
    m_fromChart = new QRadioButton(QString::fromUtf8("工程表内文字列"), panel);
    m_fromChart->setObjectName(IdName(IDC_FROM_CHART));
    auto* kinds = new QGroupBox(QString::fromUtf8("参照候補の選択"), panel);
    m_kindTerms = new QCheckBox(QString::fromUtf8("用語"), kinds);
    m_kindTerms->setObjectName(IdName(IDC_KIND_TERMS));
    m_kindTerms->setChecked(true);
    m_kindEvents = new QCheckBox(QString::fromUtf8("行事"), kinds);
    m_kindEvents->setObjectName(IdName(IDC_KIND_EVENTS));
    m_kindItems = new QCheckBox(QString::fromUtf8("項目"), kinds);
    m_kindItems->setObjectName(IdName(IDC_KIND_ITEMS));
    auto* kindLayout = new QHBoxLayout(kinds);
    kindLayout->addWidget(m_kindTerms);
    kindLayout->addWidget(m_kindEvents);
    kindLayout->addWidget(m_kindItems);
    m_candidateText = new QLineEdit(panel);
    m_candidateText->setObjectName(IdName(IDC_CANDIDATE_TEXT));
    m_candidateText->setValidator(new CCp932Validator(kMaxTermBytes, m_candidateText));
    m_candidates = new QListWidget(panel);
    m_candidates->setObjectName(IdName(IDC_CANDIDATES));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_closePanel);
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(m_store);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_fromHistory);
    sourceRow->addWidget(m_fromChart);
    auto* right = new QVBoxLayout;
    right->addWidget(groupBox);
    right->addLayout(sourceRow);
    right->addWidget(kinds);
    right->addWidget(m_candidateText);
    right->addWidget(m_candidates, 1);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addLayout(right, 1);

    connect(m_closePanel, &QPushButton::clicked, this, [this] { Collapse(); });
    connect(m_store, &QPushButton::clicked, this, [this] { OnStore(); });
    connect(add, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(remove, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(newGroup, &QPushButton::clicked, this, [this] { OnNewGroup(); });
    connect(renameGroup, &QPushButton::clicked, this, [this] { OnRenameGroup(); });
    connect(deleteGroup, &QPushButton::clicked, this, [this] { OnDeleteGroup(); });
    for (QAbstractButton* source : std::initializer_list<QAbstractButton*>{
             m_fromHistory, m_fromChart, m_kindTerms, m_kindEvents, m_kindItems}) {
        connect(source, &QAbstractButton::clicked, this, [this] { RefreshCandidates(); });
    }
    connect(m_candidates, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* item = m_candidates->currentItem()) {
            m_candidateText->setText(item->text());
        }
    });
    return panel;
}

// ---- Opening and the place ----------------------------------------------------------------------

void CMyYogoDlg::Open() {
    const std::string stored = GetProfileString("Settings", kPositionKey);
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int shown = 0;
    if (std::sscanf(stored.c_str(), "%d,%d,%d,%d,%d", &left, &top, &width, &height, &shown) == 5) {
        setGeometry(left, top, kCollapsedWidth, std::max(height, minimumSizeHint().height()));
    } else {
        resize(kCollapsedWidth, std::max(420, minimumSizeHint().height()));
        const QWidget* over = parentWidget();
        const QRect area = over != nullptr ? over->geometry()
                           : QGuiApplication::primaryScreen() != nullptr
                               ? QGuiApplication::primaryScreen()->availableGeometry()
                               : QRect(0, 0, 800, 600);
        move(area.center() - rect().center());
    }
    RefreshList(true);
}

void CMyYogoDlg::SavePosition() {
    if (m_expanded) {
        Collapse();
    }
    const QRect g = geometry();
    char text[80];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d", g.left(), g.top(), kCollapsedWidth,
                  g.height(), isVisible() ? 1 : 0);
    WriteProfileString("Settings", kPositionKey, text);
}

// ---- The lists ----------------------------------------------------------------------------------

void CMyYogoDlg::LoadTerms(const std::string& group, bool reloadGroups) {
    m_loading = true;
    if (reloadGroups) {
        m_groups->clear();
        for (const std::string& name : m_file.Groups()) {
            m_groups->addItem(FromCp932(name));
        }
    }
    m_terms->clear();
    if (m_groups->count() > 0) {
        std::string name = group.empty() ? ToCp932(m_groups->itemText(0)) : group;
        m_group = name;
        const int index = m_groups->findText(FromCp932(name));
        m_groups->setCurrentIndex(index);
        for (const std::string& term : m_file.Terms(name, ToCp932(m_search->text()))) {
            m_terms->addItem(FromCp932(term));
        }
    } else {
        m_group.clear();
    }
    m_loading = false;
}

void CMyYogoDlg::RefreshList(bool reloadGroups) {
    const int index = m_groups->currentIndex();
    LoadTerms(index >= 0 ? ToCp932(m_groups->itemText(index)) : std::string(), reloadGroups);
}

std::vector<std::string> CMyYogoDlg::ListedTerms() const {
    std::vector<std::string> terms;
    for (int i = 0; i < m_terms->count(); ++i) {
        terms.push_back(ToCp932(m_terms->item(i)->text()));
    }
    return terms;
}

void CMyYogoDlg::SaveGroup(const std::string& oldName, const std::string& newName) {
    if (!m_file.SaveGroup(oldName, newName, ListedTerms())) {
        AfxMessageBox(Sjis::FromUtf8("MY用語ファイルに書き込めません。"), MB_OK | MB_ICONSTOP);
    }
    m_group = newName;
    LoadTerms(newName, true);
}

int CMyYogoDlg::SendMode() const {
    return m_append->isChecked() ? 1 : 0;
}

void CMyYogoDlg::OnTermSelected() {
    if (m_loading || m_expanded) {
        return;
    }
    QListWidgetItem* item = m_terms->currentItem();
    if (item != nullptr && item->isSelected() && m_services.send) {
        m_services.send(SendMode(), ToCp932(item->text()));
    }
}

// ---- Commands -----------------------------------------------------------------------------------

void CMyYogoDlg::OnStore() {
    if (m_groups->currentIndex() < 0) {
        return;
    }
    SaveGroup(m_group, m_group);
}

void CMyYogoDlg::OnAdd() {
    if (m_groups->count() == 0) {
        return;
    }
    // The text as typed: blanks at its ends are the term's fault to report, not to drop.
    if (!CheckTextField(m_candidateText)) {
        return;
    }
    const std::string text = ToCp932(m_candidateText->text());
    if (text.empty()) {
        return;
    }
    const std::vector<std::string> listed = ListedTerms();
    if (const std::string fault = CMyYogoFile::TermFault(text, listed); !fault.empty()) {
        AfxMessageBox(fault, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (std::ranges::find(listed, text) != listed.end()) {
        return;
    }
    // The list stays in the file's order.
    int row = 0;
    while (row < m_terms->count() &&
           CMyYogoFile::Less(listed[static_cast<std::size_t>(row)], text)) {
        ++row;
    }
    m_loading = true;
    m_terms->insertItem(row, FromCp932(text));
    m_loading = false;
}

void CMyYogoDlg::OnRemove() {
    QListWidgetItem* item = m_terms->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    m_candidateText->setText(item->text());
    m_loading = true;
    delete m_terms->takeItem(m_terms->row(item));
    m_loading = false;
}

std::optional<std::string> CMyYogoDlg::AskGroupName(const std::string& start,
                                                    const std::string& current) {
    CYogoGroupNameDlg dialog(start, this);
    // Refused where it is typed: the name dialog stays open on a name the file cannot hold or
    // one in use.
    dialog.SetCheck([&](const std::string& name) {
        if (name.empty() || name == current) {
            return true;
        }
        if (const std::string fault = CMyYogoFile::GroupNameFault(name); !fault.empty()) {
            AfxMessageBox(fault, MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        // Names that differ only in ASCII case are one section of the file.
        if (m_file.HasGroup(name) && !CMyYogoFile::EqualFolded(name, current)) {
            AfxMessageBox(CMyYogoFile::kNameTakenMessage, MB_OK);
            return false;
        }
        return true;
    });
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const std::string name = dialog.Name();
    if (name.empty() || name == current) {
        return std::nullopt;
    }
    return name;
}

void CMyYogoDlg::OnNewGroup() {
    const std::optional<std::string> name = AskGroupName(LoadString(IDS_NEW_GROUP_NAME), {});
    if (!name) {
        return;
    }
    if (!m_file.AddGroup(*name)) {
        AfxMessageBox(Sjis::FromUtf8("MY用語ファイルに書き込めません。"), MB_OK | MB_ICONSTOP);
        return;
    }
    LoadTerms(*name, true);
}

void CMyYogoDlg::OnRenameGroup() {
    if (m_groups->currentIndex() < 0) {
        return;
    }
    const std::string current = m_group;
    const std::optional<std::string> name = AskGroupName(current, current);
    if (name) {
        SaveGroup(current, *name);
    }
}

void CMyYogoDlg::OnDeleteGroup() {
    if (m_groups->currentIndex() < 0) {
        return;
    }
    const std::string group = m_group;
    if (AfxMessageBox(FormatString(LoadString(IDS_DELETE_GROUP), {group}),
                      MB_OKCANCEL | MB_ICONQUESTION) != IDOK ||
        AfxMessageBox(IDS_DELETE_WARNING, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        return;
    }
    m_file.DeleteGroup(group);
    m_group.clear();
    m_loading = true;
    m_groups->removeItem(m_groups->currentIndex());
    m_loading = false;
    LoadTerms({}, true);
}

void CMyYogoDlg::OnClear() {
    if (m_services.send) {
        m_services.send(0, std::string());
    }
}

// ---- The registration panel ---------------------------------------------------------------------

void CMyYogoDlg::Expand() {
    m_expanded = true;
    m_panel->show();
    ApplyWidth();
    m_loading = true;
    m_search->clear();
    m_loading = false;
    RefreshList(false);
    m_openPanel->hide();
    PointAt(m_closePanel);
    RefreshCandidates();
    if (m_groups->count() == 0) {
        OnNewGroup();
    }
}

void CMyYogoDlg::Collapse() {
    m_expanded = false;
    m_panel->hide();
    ApplyWidth();
    m_openPanel->show();
    PointAt(m_openPanel);
}

void CMyYogoDlg::ApplyWidth() {
    const int width = m_expanded ? kExpandedWidth : kCollapsedWidth;
    const QRect g = geometry();
    const CRect window(g.left(), g.top(), g.right() + 1, g.bottom() + 1);
    QRect desktop(0, 0, 1 << 20, 1 << 20);
    if (const QScreen* screen = this->screen()) {
        desktop = screen->availableGeometry();
    }
    const CRect r = CMyYogoWidth::Apply(
        window, width, m_expanded,
        CRect(desktop.left(), desktop.top(), desktop.right() + 1, desktop.bottom() + 1),
        m_remembered);
    setFixedWidth(width);
    setGeometry(r.left, r.top, r.Width(), r.Height());
}

void CMyYogoDlg::RefreshCandidates() {
    CWaitCursor wait;
    std::vector<std::string> list;
    if (m_fromHistory->isChecked()) {
        if (m_services.history) {
            for (std::string& entry : m_services.history()) {
                if (!entry.empty()) {
                    list.push_back(std::move(entry));
                }
            }
        }
    } else if (const CTembraDoc* doc =
                   m_services.activeDocument ? m_services.activeDocument() : nullptr) {
        MyYogoCandidateKinds kinds;
        kinds.terms = m_kindTerms->isChecked();
        kinds.events = m_kindEvents->isChecked();
        kinds.items = m_kindItems->isChecked();
        AddChartCandidates(*doc, kinds, list);
    }
    m_candidates->setUpdatesEnabled(false);
    m_candidates->blockSignals(true);
    m_candidates->clear();
    CMyYogoFile::Sort(list);
    for (const std::string& text : list) {
        m_candidates->addItem(FromCp932(text));
    }
    m_candidates->blockSignals(false);
    m_candidates->setUpdatesEnabled(true);
}

} // namespace tembra
