#include "shell/CommandBar.h"
#include "shell/FrameToolBar.h"
#include "shell/LayerBar.h"
#include "shell/ModeBar.h"
#include "shell/ProcessColorBar.h"
#include "shell/SizingToolBar.h"
#include "shell/YogoBar.h"
#include "shell/YogoEdit.h"
#include "shell/ZukeiToolBar.h"

#include "document/CommandIds.h"
#include "model/OperationState.h"
#include "model/Utility.h"
#include "platform/ProfileFile.h"
#include "platform/Sjis.h"
#include "platform/qt/Cp932Validator.h"
#include "platform/qt/TextFieldCheck.h"
#include "shell/core/FrameRules.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QWidgetAction>
#include <algorithm>

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

// Selects the entry of the colour unless it is selected. "その他" is redrawn when the custom
// colour the list last showed is not the colour told.
void SelectColor(CColorComboBox* combo, COLORREF color) {
    if (combo == nullptr) {
        return;
    }
    const int index = IndexFromColor(color);
    if (combo->currentIndex() != index) {
        combo->setCurrentIndex(index);
    }
    if (index == CColorComboBox::kCustomIndex && combo->CachedCustomColor() != color) {
        combo->update();
    }
}

int SelectedColorIndex(const QComboBox* combo) {
    return combo == nullptr ? 0 : std::max(combo->currentIndex(), 0);
}

COLORREF SelectedColor(const QComboBox* combo, const CustomColorSource& custom) {
    const int index = SelectedColorIndex(combo);
    if (index == kOtherColorIndex) {
        return custom ? custom() : RGB(0, 0, 0);
    }
    return ColorFromIndex(index);
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
    combo->setEditable(editable);
    Place(id, combo);
    return combo;
}

CColorComboBox* CCommandBar::AddColorCombo(UINT id) {
    auto* combo = new CColorComboBox(this);
    combo->FillColors();
    combo->setCurrentIndex(0);
    Place(id, combo);
    return combo;
}

void CCommandBar::Place(UINT id, QComboBox* combo) {
    combo->setObjectName(QString::number(id));
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
    : CCommandBar(ID_BAR_MAIN, Utf("メインツールバー"), parent, CSize(76, 29)) {
    QComboBox* layers = AddCombo(kLayerComboId, false);
    for (const char* digit :
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"}) {
        layers->addItem(Utf("ﾚｲﾔｰ ") + QString::fromLatin1(digit));
    }
    layers->setCurrentIndex(0);
}

// ---- The term bar --------------------------------------------------------------------------

CYogoEdit::CYogoEdit(QWidget* parent) : QLineEdit(parent) {}

CYogoEdit::DeleteAnswer CYogoEdit::DeleteKeyAnswer(const COperationState* state, bool modified,
                                                   bool selection) {
    if (state == nullptr) {
        return {};
    }
    const LONG operation = state->GetOperation();
    const LONG mode = state->GetMode();
    const bool editsTexts =
        (operation == COperationState::kOpEdit &&
         (mode == COperationState::kModeYogo || mode == COperationState::kModeEvent ||
          mode == COperationState::kModeKoumoku)) ||
        (operation == COperationState::kOpDraw && mode == COperationState::kModeKoumoku);
    if (editsTexts) {
        // The field's text is the selected object's: an untouched, selected text stands for
        // the object; anything else is text editing.
        if (!modified && selection) {
            return {true, false};
        }
        return {};
    }
    if (mode == COperationState::kModeShincyoku) {
        return {state->GetState() == 0, true};
    }
    if (!modified) {
        return {true, false};
    }
    return {};
}

namespace {

Qt::KeyboardModifiers ShortcutModifiers(const QKeyEvent& key) {
    return key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
}

// The chart's undo and its mode keys stay the frame's while the field has the focus.
bool IsChartAccelerator(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = ShortcutModifiers(key);
    switch (key.key()) {
    case Qt::Key_Z:
        return modifiers == Qt::ControlModifier;
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F9:
    case Qt::Key_F10:
        return modifiers == Qt::NoModifier;
    default:
        return false;
    }
}

// The editing keys of a text field: cut, copy, paste and select all work on the field's text.
bool IsEditingKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_X:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_A:
        return ShortcutModifiers(key) == Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

bool CYogoEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (IsChartAccelerator(key)) {
            event->ignore();
            return false;
        }
        if (IsEditingKey(key)) {
            // The field's own, before any shortcut of the frame (the chart's cut, copy, paste
            // and select all act on the chart while it has the focus).
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CYogoEdit::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_enter && m_enter()) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && m_operation) {
        const DeleteAnswer answer = DeleteKeyAnswer(m_operation(), isModified(), hasSelectedText());
        if (answer.sendDelete && m_delete) {
            m_delete();
        }
        if (!answer.passKey) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CYogoEdit::keyReleaseEvent(QKeyEvent* event) {
    if (!isModified() && text() != m_lastText) {
        setModified(true);
        m_lastText = text();
    }
    QLineEdit::keyReleaseEvent(event);
}

int CLayerBar::GetSelectedLayer() const {
    const QComboBox* combo = LayerCombo();
    return combo != nullptr ? std::max(combo->currentIndex(), 0) : 0;
}

void CLayerBar::SelectLayer(int layer) {
    if (QComboBox* combo = LayerCombo(); combo != nullptr && layer >= 0 && layer < combo->count() &&
                                         combo->currentIndex() != layer) {
        combo->setCurrentIndex(layer);
    }
}

bool CLayerBar::HasFocus() const {
    const QComboBox* combo = LayerCombo();
    return combo != nullptr && combo->hasFocus();
}

CYogoBar::CYogoBar(QWidget* parent)
    : CCommandBar(ID_BAR_YOGO, Utf("用語入力バー"), parent, CSize(282, 29)) {
    QComboBox* terms = AddCombo(kYogoComboId, true);
    m_edit = new CYogoEdit(terms);
    terms->setLineEdit(m_edit);
    // 128 bytes of CP932 at most (the combo's text limit; a kanji takes two).
    terms->lineEdit()->setMaxLength(128);
    m_edit->setValidator(new CCp932Validator(128, m_edit));
    terms->setInsertPolicy(QComboBox::NoInsert);
    AddColorCombo(kYogoColorComboId);
}

void CYogoBar::SetColorSource(CustomColorSource custom) {
    m_custom = custom;
    ColorCombo()->SetCustomColorSource(std::move(custom));
}

void CYogoBar::AddYogoHistory(const std::string& text) {
    QComboBox* combo = YogoCombo();
    if (text.empty()) {
        return;
    }
    const QString entry = QString::fromStdString(Sjis::ToUtf8(text));
    if (combo->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        // The list's changes must leave the edit field as the user left it (a combo puts its
        // first entry into an empty field, and another one when its current entry goes).
        const QString typed = combo->currentText();
        const bool modified = combo->lineEdit()->isModified();
        if (combo->count() >= kMaxHistory) {
            combo->removeItem(0);
        }
        combo->addItem(entry);
        if (combo->currentText() != typed) {
            combo->setEditText(typed);
            combo->lineEdit()->setModified(modified);
        }
    }
    combo->lineEdit()->selectAll();
}

void CYogoBar::SetYogoColor(COLORREF color) {
    SelectColor(ColorCombo(), color);
}

bool CYogoBar::IsYogoBarVisible() const {
    return !isHidden();
}

std::string CYogoBar::GetYogoComboText() const {
    return Sjis::FromUtf8(YogoCombo()->currentText().toStdString());
}

bool CYogoBar::RefuseYogoText() {
    return !CheckTextField(YogoCombo());
}

void CYogoBar::FocusYogoCombo(int bits) {
    if ((bits & m_shown) == 0) {
        return;
    }
    QComboBox* combo = YogoCombo();
    combo->lineEdit()->selectAll();
    if (!combo->hasFocus()) {
        combo->setFocus(Qt::OtherFocusReason);
    }
}

void CYogoBar::SetYogoText(const std::string& text) {
    QComboBox* combo = YogoCombo();
    combo->setEditText(QString::fromStdString(Sjis::ToUtf8(text)));
    combo->setFocus(Qt::OtherFocusReason);
    m_edit->setModified(false);
    m_edit->SetLastText(m_edit->text());
}

COLORREF CYogoBar::GetYogoColor() const {
    return SelectedColor(ColorCombo(), m_custom);
}

int CYogoBar::GetYogoColorIndex() const {
    return SelectedColorIndex(ColorCombo());
}

void CYogoBar::SetEditModify(bool modified) {
    YogoCombo()->lineEdit()->setModified(modified);
}

bool CYogoBar::IsEditModified() const {
    return YogoCombo()->lineEdit()->isModified();
}

void CYogoBar::SetYogoComboActive(bool active) {
    YogoCombo()->setEnabled(active);
}

void CYogoBar::SetLastText(const std::string& text) {
    m_edit->SetLastText(QString::fromStdString(Sjis::ToUtf8(text)));
}

void CYogoBar::SyncLastText() {
    m_edit->SetLastText(m_edit->text());
}

std::vector<std::string> CYogoBar::GetYogoHistory() const {
    const QComboBox* combo = YogoCombo();
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i) {
        entries.push_back(Sjis::FromUtf8(combo->itemText(i).toStdString()));
    }
    return entries;
}

void CYogoBar::ClearHistory() {
    QComboBox* combo = YogoCombo();
    const QString typed = combo->currentText();
    const bool modified = m_edit->isModified();
    combo->clear();
    combo->setEditText(typed);
    m_edit->setModified(modified);
}

namespace {

constexpr const char* kHistorySection = "PUBLIC";
// The buffer a history value is read into: 256 bytes and the end mark.
constexpr std::size_t kHistoryBuffer = 257;

} // namespace

void CYogoBar::LoadHistory(const std::filesystem::path& file) {
    std::vector<std::string> entries;
    try {
        const ProfileFile history(file, ProfileFlavor::IniFile);
        for (int n = 0;; ++n) {
            std::string value =
                history.GetString(kHistorySection, std::to_string(n), "", kHistoryBuffer);
            if (value.empty()) {
                break;
            }
            entries.push_back(std::move(value));
        }
    } catch (const std::exception&) {
        // An unreadable file is an empty history from where it failed; the bar is made anyway.
    }
    QComboBox* combo = YogoCombo();
    ClearHistory();
    const QString typed = combo->currentText();
    const bool modified = m_edit->isModified();
    for (const std::string& entry : entries) {
        combo->addItem(QString::fromStdString(Sjis::ToUtf8(entry)));
    }
    combo->setEditText(typed);
    m_edit->setModified(modified);
}

bool CYogoBar::SaveHistory(const std::filesystem::path& file) const {
    try {
        ProfileFile history(file, ProfileFlavor::IniFile);
        ProfileBatch batch(history);
        history.DeleteSection(kHistorySection);
        const std::vector<std::string> entries = GetYogoHistory();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].empty()) {
                history.WriteString(kHistorySection, std::to_string(i), entries[i]);
            }
        }
        return batch.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

CProcessColorBar::CProcessColorBar(QWidget* parent)
    : CCommandBar(ID_BAR_KOUTEI, Utf("工程ツールバー"), parent, CSize(76, 29)) {
    AddColorCombo(kKouteiColorComboId);
}

void CProcessColorBar::SetColorSource(CustomColorSource custom) {
    m_custom = custom;
    ColorCombo()->SetCustomColorSource(std::move(custom));
}

void CProcessColorBar::SetKouteiColor(COLORREF color) {
    SelectColor(ColorCombo(), color);
}

COLORREF CProcessColorBar::GetKouteiColor() const {
    return SelectedColor(ColorCombo(), m_custom);
}

int CProcessColorBar::GetKouteiColorIndex() const {
    return SelectedColorIndex(ColorCombo());
}

CZukeiToolBar::CZukeiToolBar(QWidget* parent)
    : CCommandBar(ID_BAR_ZUKEI, Utf("線画ツールバー"), parent) {}

CSizingToolBar::CSizingToolBar(QWidget* parent)
    : CCommandBar(ID_BAR_CHART, Utf("山積ツールバー"), parent) {}

// ---- The tool palette --------------------------------------------------------------------------

const std::vector<UINT>& CFrameToolBar::Commands() {
    static const std::vector<UINT> commands = {
        ID_MODE_DRAW,      ID_MODE_EDIT,     ID_MODE_COPY,   ID_MODE_MOVE, ID_EDIT_DELETE,
        ID_EDIT_UNDO,      ID_KOUMOKU_RULES, ID_MODE_KOUTEI, ID_MODE_YOGO, ID_MODE_EVENT,
        ID_MODE_SHINCYOKU, ID_MODE_ZUKEI,    ID_MODE_OBJECT, ID_SET_FILL};
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
        {{ID_FILE_NEW, "新規作成"},
         {ID_FILE_OPEN, "開　く"},
         {ID_FILE_SAVE, "上書き保存"},
         {ID_FILE_PRINT, "印　刷"},
         {ID_FILE_PRINT_PREVIEW, "プレビュー"},
         {ID_VIEW_YOGO_LIST, "用語一覧"},
         {ID_SET_INITIAL, "初期設定"},
         {ID_SET_CALENDAR, "カレンダ"},
         {ID_SET_PRINT_HEADER, "印刷ヘッダ"}},
        {{ID_MODE_DRAW, "作図モード"},
         {ID_MODE_EDIT, "編集モード"},
         {ID_MODE_COPY, "複写モード"},
         {ID_MODE_MOVE, "移動モード"},
         {ID_EDIT_UNDO, "ｱﾝﾄﾞｩ/ﾘﾄﾞｩ"},
         {ID_EDIT_DELETE, "消　去"}},
        {{ID_MODE_KOUTEI, "工程線"},
         {ID_MODE_YOGO, "用　語"},
         {ID_MODE_EVENT, "行　事"},
         {ID_MODE_SHINCYOKU, "進捗線"},
         {ID_MODE_OBJECT, "ｵﾌﾞｼﾞｪｸﾄ"},
         {ID_MODE_ZUKEI, "線　画"}},
        {{ID_ZOOM_IN, "拡大(+)"}, {ID_ZOOM_NORMAL, "等倍(･)"}, {ID_ZOOM_OUT, "縮小(-)"}},
        {{ID_KOUTEI_ATTR_BULK, "属性"},
         {ID_YOGO_ATTR_BULK, "属性"},
         {ID_EVENT_ATTR_BULK, "属性"},
         {ID_ZUKEI_ATTR_BULK, "属性"}},
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
            QPushButton* button = nullptr;
            QAction* action = actionFor(b.id);
            if (CModeButton* mode = MakeModeButton(b.id, Utf(b.text), holder)) {
                // The state shows on the button's face; a click runs the command.
                const auto follow = [mode, action] {
                    mode->setEnabled(action->isEnabled());
                    mode->SetCheck(action->isChecked() ? 1 : 0);
                };
                connect(action, &QAction::changed, mode, follow);
                follow();
                m_modeButtons[b.id] = mode;
                button = mode;
            } else {
                button = new QPushButton(Utf(b.text), holder);
                const auto follow = [button, action] {
                    button->setEnabled(action->isEnabled());
                    button->setCheckable(action->isCheckable());
                    button->setChecked(action->isChecked());
                };
                connect(action, &QAction::changed, button, follow);
                follow();
            }
            button->setObjectName(QString::number(b.id));
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QPushButton::clicked, action, [action] { action->trigger(); });
            layout->addWidget(button);
            m_buttons[b.id] = button;
        }
        addWidget(holder);
    }
}

CModeBar::~CModeBar() = default;

CModeButton* CModeBar::MakeModeButton(UINT id, const QString& text, QWidget* parent) {
    // The four edit operations in cyan, the six object modes in the buttons' own green and the
    // term list in yellow; the other buttons show no state.
    struct ModeColors {
        UINT id;
        bool ownColors;
        COLORREF checked;
        COLORREF unchecked;
    };
    static constexpr COLORREF kCyan = RGB(0, 255, 255);
    static constexpr COLORREF kDarkCyan = RGB(0, 128, 128);
    static constexpr ModeColors kModeButtons[] = {
        {ID_MODE_DRAW, false, kCyan, kDarkCyan},
        {ID_MODE_EDIT, false, kCyan, kDarkCyan},
        {ID_MODE_COPY, false, kCyan, kDarkCyan},
        {ID_MODE_MOVE, false, kCyan, kDarkCyan},
        {ID_MODE_KOUTEI, true, 0, 0},
        {ID_MODE_YOGO, true, 0, 0},
        {ID_MODE_EVENT, true, 0, 0},
        {ID_MODE_SHINCYOKU, true, 0, 0},
        {ID_MODE_OBJECT, true, 0, 0},
        {ID_MODE_ZUKEI, true, 0, 0},
        {ID_VIEW_YOGO_LIST, false, RGB(255, 255, 0), RGB(128, 128, 0)},
    };
    const auto* entry = std::find_if(std::begin(kModeButtons), std::end(kModeButtons),
                                     [id](const ModeColors& m) { return m.id == id; });
    if (entry == std::end(kModeButtons)) {
        return nullptr;
    }
    auto* button = new CModeButton(text, parent);
    if (!entry->ownColors) {
        button->SetColors(entry->checked, entry->unchecked);
    }
    return button;
}

CModeButton* CModeBar::ModeButton(UINT id) const {
    auto it = m_modeButtons.find(id);
    return it == m_modeButtons.end() ? nullptr : it->second;
}

QPushButton* CModeBar::Button(UINT id) const {
    auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

} // namespace tembra
