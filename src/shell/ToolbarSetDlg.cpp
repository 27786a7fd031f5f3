#include "shell/ToolbarSetDlg.h"

#include "model/OptionDialogRequest.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/DialogRegistry.h"
#include "platform/qt/EnterMovesFocus.h"
#include "shell/ButtonImages.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace tembra {

namespace {

// The tab button and the label of each bar.
struct BarNames {
    const char* tab;
    const char* label;
};
constexpr std::array<BarNames, CToolBarSets::kStoredSetCount> kBars{{
    {"メイン", "[メインツールバー]"},
    {"項目", "[項目ツールバー]"},
    {"用語", "[用語ツールバー]"},
    {"行事", "[行事ツールバー]"},
    {"工程", "[工程ツールバー]"},
    {"線画", "[線画ツールバー]"},
}};

constexpr int kRowHeight = 22;
constexpr int kNumberRole = Qt::UserRole;

bool IsComboPlace(int set, int n) {
    const auto table = CToolBarSets::CommandTable(set);
    if (n < 1 || n > static_cast<int>(table.size())) {
        return false;
    }
    const UINT id = table[static_cast<std::size_t>(n) - 1].id;
    return id == kLayerComboPlace || id == kYogoComboPlace || id == kColorComboPlace;
}

// An item of either list: the button's image framed like a button, then its name; a separator
// shows only its name.
class CButtonItemDelegate : public QStyledItemDelegate {
public:
    CButtonItemDelegate(const int& bar, QObject* parent)
        : QStyledItemDelegate(parent), m_bar(bar) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
        const int n = index.data(kNumberRole).toInt();
        const QRect rect = option.rect;
        const auto table = CToolBarSets::CommandTable(m_bar);
        const bool button = n >= 1 && static_cast<std::size_t>(n) <= table.size();
        if (button) {
            const QPoint at(rect.left() + 3, rect.top() + 3);
            const ToolBarCommand& command = table[static_cast<std::size_t>(n) - 1];
            painter->drawPixmap(at, ButtonImage(m_bar, command).pixmap(16, 15));
            const QRect frame(at.x() - 1, at.y() - 1, 18, 17);
            painter->setPen(palette.color(QPalette::Light));
            painter->drawLine(frame.topLeft(), frame.topRight());
            painter->drawLine(frame.topLeft(), frame.bottomLeft());
            painter->setPen(palette.color(QPalette::Dark));
            painter->drawLine(frame.bottomLeft(), frame.bottomRight());
            painter->drawLine(frame.topRight(), frame.bottomRight());
        }
        painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                                 : palette.color(QPalette::Text));
        painter->drawText(rect.adjusted(24, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    const int& m_bar;
};

QString ItemText(int bar, int n) {
    if (n < 1 || n == CToolBarListEditor::kSeparatorItem) {
        return QString::fromUtf8("  区切り");
    }
    return QString::fromStdString(CToolBarSets::ButtonName(bar, n));
}

void FillList(QListWidget* list, int bar, const std::vector<int>& numbers, int selection) {
    const QSignalBlocker block(list);
    list->clear();
    for (const int n : numbers) {
        auto* item = new QListWidgetItem(ItemText(bar, n), list);
        item->setData(kNumberRole, n);
    }
    list->setCurrentRow(selection);
}

QPushButton* Button(const char* text, int id, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(IdName(id));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CToolbarSetDlg::CToolbarSetDlg(CToolBarSets& sets, std::function<void()> recreateBars,
                               QWidget* parent)
    : QDialog(parent), m_sets(sets), m_recreateBars(std::move(recreateBars)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("ツールバー編集"));
    for (int bar = 1; bar <= CToolBarSets::kStoredSetCount; ++bar) {
        m_copies[static_cast<std::size_t>(bar) - 1] = sets.GetToolBarArray(bar);
    }
    m_label = new QLabel(this);
    m_label->setObjectName(IdName(IDC_LABEL));
    m_available = new QListWidget(this);
    m_set = new QListWidget(this);
    m_available->setObjectName(IdName(IDC_AVAILABLE));
    m_set->setObjectName(IdName(IDC_SET));
    for (QListWidget* list : {m_available, m_set}) {
        list->setItemDelegate(new CButtonItemDelegate(m_bar, list));
        list->setMinimumSize(220, 330);
        list->installEventFilter(this);
    }
    m_add = Button("追加→", IDC_ADD, this);
    m_remove = Button("←削除", IDC_REMOVE, this);
    m_up = Button("移動 ↑", IDC_UP, this);
    m_down = Button("移動 ↓", IDC_DOWN, this);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton* button : {m_add, m_remove, m_up, m_down}) {
        middle->addWidget(button);
    }
    middle->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QString::fromUtf8("使用できるボタン"), this), 0, 0);
    lists->addWidget(new QLabel(QString::fromUtf8("作成ツールバー"), this), 0, 2);
    lists->addWidget(m_available, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(m_set, 1, 2);

    auto* tabs = new QHBoxLayout;
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_available, m_set, m_add, m_remove, m_up, m_down});
    for (int bar = 1; bar <= CToolBarSets::kStoredSetCount; ++bar) {
        QPushButton* tab =
            Button(kBars[static_cast<std::size_t>(bar) - 1].tab, IDC_FIRST_TAB + bar - 1, this);
        connect(tab, &QPushButton::clicked, this, [this, bar] { ShowBar(bar); });
        tabs->addWidget(tab);
        enter->Watch({tab});
    }
    auto* batch = new QGroupBox(QString::fromUtf8("一括変更"), this);
    auto* resets = new QHBoxLayout(batch);
    const std::array<std::pair<int, CToolBarSets::Preset>, 3> presets{{
        {IDC_RESET_SHORT, CToolBarSets::kPresetShort},
        {IDC_RESET_MEDIUM, CToolBarSets::kPresetMedium},
        {IDC_RESET_LONG, CToolBarSets::kPresetLong},
    }};
    const std::array<const char*, 3> presetNames{"初期化(短)", "初期化(中)", "初期化(長)"};
    for (std::size_t i = 0; i < presets.size(); ++i) {
        QPushButton* reset = Button(presetNames[i], presets[i].first, batch);
        const CToolBarSets::Preset preset = presets[i].second;
        connect(reset, &QPushButton::clicked, this, [this, preset] { Reset(preset); });
        resets->addWidget(reset);
        enter->Watch({reset});
    }
    QPushButton* apply = Button("更新", IDC_APPLY, this);
    enter->Watch({apply});
    connect(apply, &QPushButton::clicked, this, [this] { Apply(); });

    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_editor->Add()) {
            Refill();
        }
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_editor->Remove()) {
            Refill();
        }
    });
    connect(m_up, &QPushButton::clicked, this, [this] {
        if (m_editor->MoveUp()) {
            Refill();
        }
    });
    connect(m_down, &QPushButton::clicked, this, [this] {
        if (m_editor->MoveDown()) {
            Refill();
        }
    });
    connect(m_available, &QListWidget::currentRowChanged, this, [this](int row) {
        m_editor->SelectAvailable(row);
        UpdateButtons();
    });
    connect(m_set, &QListWidget::currentRowChanged, this, [this](int row) {
        m_editor->SelectSet(row);
        UpdateButtons();
    });
    connect(m_available, &QListWidget::itemDoubleClicked, m_add, &QPushButton::click);
    connect(m_set, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_editor->Remove()) {
            Refill();
        }
    });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(batch);
    bottom->addStretch();
    bottom->addWidget(apply);
    bottom->addWidget(MakeOkCancel(this, enter));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabs);
    layout->addWidget(m_label);
    layout->addLayout(lists);
    layout->addLayout(bottom);
    ShowBar(1);
}

CToolbarSetDlg::~CToolbarSetDlg() = default;

void CToolbarSetDlg::StoreList() {
    if (m_bar != 0 && m_editor) {
        m_sets.SetToolBarArray(m_bar, m_editor->Set());
    }
}

void CToolbarSetDlg::ShowBar(int bar) {
    StoreList();
    m_bar = bar;
    m_label->setText(QString::fromUtf8(kBars[static_cast<std::size_t>(bar) - 1].label));
    m_editor = std::make_unique<CToolBarListEditor>(
        static_cast<int>(CToolBarSets::CommandTable(bar).size()),
        [bar](int n) { return IsComboPlace(bar, n); });
    m_editor->Load(m_sets.GetToolBarArray(bar));
    m_addArmed = false;
    m_removeArmed = false;
    Refill();
    m_up->setEnabled(false);
}

void CToolbarSetDlg::Refill() {
    FillList(m_available, m_bar, m_editor->Available(), m_editor->AvailableSelection());
    FillList(m_set, m_bar, m_editor->Set(), m_editor->SetSelection());
    UpdateButtons();
}

void CToolbarSetDlg::UpdateButtons() {
    m_add->setEnabled(m_addArmed && m_editor->AvailableSelection() >= 0);
    m_remove->setEnabled(m_removeArmed && m_editor->CanRemove());
    m_up->setEnabled(m_editor->CanMoveUp());
    m_down->setEnabled(m_editor->CanMoveDown());
}

bool CToolbarSetDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_available) {
            m_addArmed = true;
        } else if (watched == m_set) {
            m_removeArmed = true;
        }
        UpdateButtons();
    }
    return QDialog::eventFilter(watched, event);
}

void CToolbarSetDlg::Reset(CToolBarSets::Preset preset) {
    m_sets.ApplyPreset(preset);
    const int bar = m_bar;
    m_bar = 0; // the lists show the old set: nothing to store
    ShowBar(bar);
}

void CToolbarSetDlg::Apply() {
    StoreList();
    m_applied = true;
    if (m_recreateBars) {
        m_recreateBars();
    }
}

void CToolbarSetDlg::accept() {
    StoreList();
    m_sets.SaveToolBarSettings();
    QDialog::accept();
}

void CToolbarSetDlg::reject() {
    for (int bar = 1; bar <= CToolBarSets::kStoredSetCount; ++bar) {
        m_sets.SetToolBarArray(bar, m_copies[static_cast<std::size_t>(bar) - 1]);
    }
    if (m_applied && m_recreateBars) {
        m_recreateBars();
    }
    QDialog::reject();
}

void CToolbarSetDlg::Register(IDialogRegistry& registry, CToolBarSets& sets,
                              std::function<void()> recreateBars) {
    registry.Register(kRequestName, [&registry, &sets, recreateBars](DialogRequest&) {
        CToolbarSetDlg dialog(sets, recreateBars, registry.DialogParent());
        return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    });
}

} // namespace tembra
