#include "shell/ToolBars.h"

#include "platform/Sjis.h"
#include "shell/core/FrameRules.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QWidgetAction>

namespace tembra {

namespace {

QString Utf(const char* text) {
    return QString::fromUtf8(text);
}

// A separator as wide as its entry asks, with a line in its middle.
QWidget* MakeSeparator(int width, QWidget* parent) {
    auto* separator = new QWidget(parent);
    separator->setFixedWidth(width);
    auto* line = new QFrame(separator);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* layout = new QHBoxLayout(separator);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->addWidget(line, 0, Qt::AlignHCenter);
    return separator;
}

} // namespace

// ---- CCommandBar --------------------------------------------------------------------------------

CCommandBar::CCommandBar(UINT id, const QString& title, QWidget* parent, CSize minimum)
    : QToolBar(title, parent), m_minimum(minimum) {
    setObjectName(QString::number(id));
    setIconSize(QSize(16, 15));
}

CCommandBar::~CCommandBar() = default;

QComboBox* CCommandBar::AddCombo(UINT id, bool editable) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::number(id));
    combo->setEditable(editable);
    combo->setFocusPolicy(Qt::StrongFocus);
    // The bars' combo font: "ＭＳ 明朝" (its stand-in), 14 pixels, fixed pitch.
    QFont font(Utf("ＭＳ 明朝"));
    font.setPixelSize(14);
    font.setStyleHint(QFont::Serif);
    font.setFixedPitch(true);
    combo->setFont(font);
    auto* action = new QWidgetAction(this);
    action->setDefaultWidget(combo);
    m_combos[id] = action;
    return combo;
}

QComboBox* CCommandBar::Combo(UINT id) const {
    auto it = m_combos.find(id);
    return it == m_combos.end() ? nullptr : static_cast<QComboBox*>(it->second->defaultWidget());
}

BOOL CCommandBar::LayOut(const std::vector<ToolBarItem>& items, const ActionLookup& actionFor) {
    clear();
    if (items.empty()) {
        return FALSE;
    }
    for (const ToolBarItem& item : items) {
        if (item.kind == ToolBarItem::Button) {
            if (QAction* action = actionFor(item.id)) {
                addAction(action);
            }
            continue;
        }
        auto combo = m_combos.find(item.id);
        if (combo != m_combos.end()) {
            combo->second->defaultWidget()->setFixedWidth(item.width);
            addAction(combo->second);
        } else {
            addWidget(MakeSeparator(item.width, this));
        }
    }
    if (isFloating()) {
        const QSize hint = sizeHint();
        const CSize size = KeepBarSize(CSize(hint.width(), hint.height()), false, CPoint(x(), y()),
                                       m_remembered, m_minimum);
        resize(size.cx, size.cy);
    } else {
        const QSize hint = sizeHint();
        m_remembered = CSize(std::max<LONG>(hint.width(), m_minimum.cx),
                             std::max<LONG>(hint.height(), m_minimum.cy));
    }
    update();
    return TRUE;
}

// ---- The bars with combos --------------------------------------------------------------------

CLayerBar::CLayerBar(QWidget* parent)
    : CCommandBar(59392, Utf("メインツールバー"), parent, CSize(76, 29)) {
    QComboBox* layers = AddCombo(kLayerComboId, false);
    for (const char* digit :
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"}) {
        layers->addItem(Utf("ﾚｲﾔｰ ") + QString::fromLatin1(digit));
    }
    layers->setCurrentIndex(0);
}

CYogoBar::CYogoBar(QWidget* parent)
    : CCommandBar(59632, Utf("用語入力バー"), parent, CSize(282, 29)) {
    QComboBox* terms = AddCombo(kYogoComboId, true);
    terms->lineEdit()->setMaxLength(128);
    terms->setInsertPolicy(QComboBox::NoInsert);
    AddCombo(kYogoColorComboId, false);
}

CProcessColorBar::CProcessColorBar(QWidget* parent)
    : CCommandBar(59633, Utf("工程ツールバー"), parent, CSize(76, 29)) {
    AddCombo(kKouteiColorComboId, false);
}

CZukeiToolBar::CZukeiToolBar(QWidget* parent) : CCommandBar(59634, Utf("線画ツールバー"), parent) {}

CSizingToolBar::CSizingToolBar(QWidget* parent)
    : CCommandBar(59636, Utf("山積ツールバー"), parent) {}

// ---- The tool palette --------------------------------------------------------------------------

const std::vector<UINT>& CFrameToolBar::Commands() {
    static const std::vector<UINT> commands = {32922, 32923, 32924, 32925, 32784, 57643, 40058,
                                               32927, 32930, 32926, 32929, 32931, 32928, 33145};
    return commands;
}

CFrameToolBar::CFrameToolBar(QWidget* parent, const ActionLookup& actionFor)
    : QDockWidget(Utf("ツールパレット"), parent) {
    setObjectName(QString::number(kId));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                QDockWidget::DockWidgetClosable);
    m_buttons = new QWidget(this);
    m_grid = new QGridLayout(m_buttons);
    m_grid->setContentsMargins(2, 2, 2, 2);
    m_grid->setSpacing(1);
    for (UINT id : Commands()) {
        auto* tool = new QToolButton(m_buttons);
        tool->setDefaultAction(actionFor(id));
        tool->setAutoRaise(true);
        tool->setIconSize(QSize(16, 15));
        m_tools.push_back(tool);
    }
    setWidget(m_buttons);
    Arrange(185);
}

CFrameToolBar::~CFrameToolBar() = default;

void CFrameToolBar::FloatAt(const QPoint& topLeft, int width) {
    setFloating(true);
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this);
    Arrange(width - frame);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    resize(width, m_grid->sizeHint().height() + title + frame);
    move(topLeft);
}

void CFrameToolBar::resizeEvent(QResizeEvent* event) {
    QDockWidget::resizeEvent(event);
    Arrange(m_buttons->width());
}

void CFrameToolBar::Arrange(int width) {
    const int step = m_tools.front()->sizeHint().width() + m_grid->spacing();
    const int columns = std::max(1, (width - 4) / std::max(step, 1));
    if (columns == m_columns) {
        return;
    }
    m_columns = columns;
    for (QToolButton* tool : m_tools) {
        m_grid->removeWidget(tool);
    }
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        m_grid->addWidget(m_tools[i], static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
}

// ---- The function bar
// ----------------------------------------------------------------------------

CModeBar::CModeBar(QWidget* parent, const ActionLookup& actionFor)
    : QToolBar(Utf("ファンクションバー"), parent) {
    setObjectName(QString::number(kId));
    struct Button {
        UINT id;
        const char* text;
    };
    // The template's buttons, in four framed groups and the four attribute buttons.
    const std::vector<std::vector<Button>> groups = {
        {{57600, "新規作成"},
         {57601, "開　く"},
         {57603, "上書き保存"},
         {57607, "印　刷"},
         {57609, "プレビュー"},
         {32994, "用語一覧"},
         {32948, "初期設定"},
         {32778, "カレンダ"},
         {32941, "印刷ヘッダ"}},
        {{32922, "作図モード"},
         {32923, "編集モード"},
         {32924, "複写モード"},
         {32925, "移動モード"},
         {57643, "ｱﾝﾄﾞｩ/ﾘﾄﾞｩ"},
         {32784, "消　去"}},
        {{32927, "工程線"},
         {32930, "用　語"},
         {32926, "行　事"},
         {32929, "進捗線"},
         {32928, "ｵﾌﾞｼﾞｪｸﾄ"},
         {32931, "線　画"}},
        {{33004, "拡大(+)"}, {33005, "等倍(･)"}, {33006, "縮小(-)"}},
        {{33017, "属性"}, {33018, "属性"}, {33019, "属性"}, {33014, "属性"}},
    };
    // Each group is one widget of the bar, so that a narrow window moves the groups that do not
    // fit into the bar's extension rather than widening the window.
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto* holder = new QFrame(this);
        if (g < 4) { // the template's four static frames
            holder->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        }
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->setSpacing(1);
        for (const Button& b : groups[g]) {
            auto* button = new QPushButton(Utf(b.text), holder);
            button->setObjectName(QString::number(b.id));
            button->setFocusPolicy(Qt::NoFocus);
            QAction* action = actionFor(b.id);
            const auto follow = [button, action] {
                button->setEnabled(action->isEnabled());
                button->setCheckable(action->isCheckable());
                button->setChecked(action->isChecked());
            };
            connect(action, &QAction::changed, button, follow);
            connect(button, &QPushButton::clicked, action, [action] { action->trigger(); });
            follow();
            layout->addWidget(button);
            m_buttons[b.id] = button;
        }
        addWidget(holder);
    }
}

CModeBar::~CModeBar() = default;

QPushButton* CModeBar::Button(UINT id) const {
    auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

} // namespace tembra
