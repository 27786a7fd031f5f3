#include "layout_editor/MainFrame.h"

#include "layout_editor/EditorButtons.h"
#include "layout_editor/LayoutViewWnd.h"
#include "layout_editor/PaperFontBar.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/MenuCmdUI.h"
#include "platform/FontCatalog.h"
#include "platform/Profile.h"
#include "platform/Sjis.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDataStream>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QtEndian>

#include <cstdio>

namespace marquell {

namespace {

constexpr const char* kZoomTexts[] = {"1.  25%", "2.  50%", "3.  75%", "4. 100%",
                                      "5. 150%", "6. 200%", "7. 300%", "8. 400%"};
constexpr unsigned kRecentCount = 4;

// Commands no menu carries: the help index and context help of the standard tool bar (the
// editor has no help; their buttons stay disabled), and the key panes.
constexpr unsigned ID_HELP_INDEX = 57666;
constexpr unsigned ID_CONTEXT_HELP = 57669;
constexpr unsigned ID_PAPER_FONT_BAR_SWITCH = 40005;

// The buttons of the bars (0 a separator).
const std::vector<unsigned> kStandardButtons = {ID_FILE_NEW,
                                                ID_FILE_OPEN,
                                                ID_FILE_SAVE,
                                                0,
                                                ID_FILE_PRINT,
                                                ID_FILE_PRINT_SETUP,
                                                ID_FILE_PRINT_PREVIEW,
                                                0,
                                                ID_FORMAT_NAME,
                                                ID_SIZE_SET,
                                                ID_GRID_SET,
                                                0,
                                                ID_ZOOM_IN,
                                                ID_ZOOM_RESET,
                                                ID_ZOOM_OUT,
                                                0,
                                                ID_AREA_HEADER,
                                                ID_AREA_FOOTER,
                                                ID_AREA_LEFT,
                                                ID_AREA_RIGHT,
                                                0,
                                                ID_HELP_INDEX,
                                                ID_CONTEXT_HELP};
const std::vector<unsigned> kInputButtons = {ID_MODE_TEXT,
                                             ID_MODE_INPUT,
                                             ID_MODE_LINE,
                                             ID_MODE_BOX,
                                             0,
                                             ID_MODE_EDIT,
                                             ID_MODE_COPY,
                                             ID_MODE_MOVE,
                                             ID_MODE_TRANSFORM,
                                             ID_DELETE,
                                             0,
                                             ID_EDIT_UNDO,
                                             0,
                                             0,
                                             ID_WIDTH_THIN,
                                             ID_WIDTH_NORMAL,
                                             ID_WIDTH_BOLD,
                                             0,
                                             0,
                                             ID_CENTER_VERTICAL,
                                             ID_CENTER_HORIZONTAL,
                                             0,
                                             ID_GRID_SNAP};
const std::vector<unsigned> kPaletteButtons = {
    ID_MODE_EDIT, ID_MODE_COPY,  ID_MODE_MOVE, ID_MODE_TRANSFORM, ID_EDIT_UNDO,
    ID_MODE_TEXT, ID_MODE_INPUT, ID_MODE_LINE, ID_MODE_BOX,       ID_DELETE};

// The entries of the view's context menu.
struct MenuEntry {
    unsigned id;
    const char* text;
};
constexpr MenuEntry kContextMenu[] = {
    {ID_MODE_TEXT, "固定文字"},  {ID_MODE_INPUT, "文字入力領域"}, {ID_MODE_LINE, "直線"},
    {ID_MODE_BOX, "四角"},       {ID_MODE_EDIT, "編集ﾓｰﾄﾞ"},      {ID_MODE_TRANSFORM, "変形ﾓｰﾄﾞ"},
    {ID_MODE_COPY, "複写"},      {ID_MODE_MOVE, "移動"},          {ID_DELETE, "消去"},
    {ID_SIZE_SET, "サイズ設定"}, {ID_GRID_SET, "グリッドの設定"},
};

// The panes of the status bar after the prompt.
constexpr const char* kKeyPanes[] = {"CAP", "CTRL", "SHIFT", "ALT"};
// The width of the position panes: eleven letters "a".
constexpr const char* kPositionPaneText = "aaaaaaaaaaa";

// The profile.
constexpr const char* kSettings = "Settings";
constexpr const char* kWindowPos = "WindowPos";
constexpr const char* kPalettePos = "ToolPalettePos";
constexpr const char* kBarState = "ControlBars\\State";
constexpr const char* kBarStateKey = "State";
constexpr const char* kBarSummary = "ControlBars\\State-Summary";
constexpr const char* kBarSummaryKey = "Bars";
// Placement flag of a window to be restored maximised.
constexpr unsigned kRestoreToMaximized = 2;
// Where the tool palette floats when no bar state was saved (from the client area's corner once
// the window is shown), and its width.
constexpr int kPaletteX = 10;
constexpr int kPaletteY = 10;
constexpr int kPaletteWidth = 138;

// The numbers of a profile text "n,n,...".
std::vector<int> Numbers(const std::string& text) {
    std::vector<int> numbers;
    for (const QString& part : QString::fromStdString(text).split(QLatin1Char(','))) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok) {
            return {};
        }
        numbers.push_back(value);
    }
    return numbers;
}

void WriteSetting(const char* section, const char* key, const std::string& value) {
    tembra::WriteProfileString(section, key, value.c_str());
}

} // namespace

CMainFrame::CMainFrame(CMarquellDoc& doc, CAppSettings& app, QWidget* parent)
    : QMainWindow(parent), m_viewWnd(new CLayoutViewWnd(doc, app, this)), m_doc(doc) {
    setCentralWidget(m_viewWnd);
    setAcceptDrops(true);
    AddCommandTarget({[this](unsigned id) { return m_viewWnd->View().OnCommand(id); },
                      [this](CMenuCmdUI& cmd) { return m_viewWnd->View().OnUpdateCommand(cmd); }});
    AddCommandTarget({[this](unsigned id) { return OnFrameCommand(id); },
                      [this](CMenuCmdUI& cmd) { return OnUpdateFrameCommand(cmd); }});
    BuildMenus();
    BuildStatusBar();
    BuildBars();
    RestoreBars();
    resize(1024, 700);
    m_viewWnd->SetPaneHandler([this](int pane, const std::string& text) {
        if (pane >= 0 && pane < kPaneCount) {
            m_panes[static_cast<std::size_t>(pane)]->setText(
                QString::fromStdString(tembra::Sjis::ToUtf8(text)));
            m_panes[static_cast<std::size_t>(pane)]->repaint();
        }
    });
    m_viewWnd->SetContextMenuHandler([this](const QPoint& at) {
        QMenu* menu = BuildContextMenu();
        menu->exec(at);
        delete menu;
    });
    m_viewWnd->SetBeforeMouseMove([this]() { m_paperFontBar->NormalizeHeight(m_viewWnd->View()); });
    m_paperFontBar->Connect(m_viewWnd->View());
    // The states follow whenever the program has handled what came and waits for more.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &CMainFrame::UpdateCommands);
    }
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::AddCommandTarget(CommandTarget target) {
    m_targets.push_back(std::move(target));
}

void CMainFrame::SetRecentFiles(std::function<std::vector<std::string>()> files) {
    m_recentFiles = std::move(files);
}

void CMainFrame::SetCloseQuery(std::function<bool()> query) {
    m_closeQuery = std::move(query);
}

void CMainFrame::SetDropHandler(std::function<void(const QStringList&)> handler) {
    m_dropHandler = std::move(handler);
}

QAction* CMainFrame::Action(unsigned id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QToolBar* CMainFrame::Bar(unsigned id) const {
    const auto it = m_bars.find(id);
    return it == m_bars.end() ? nullptr : it->second;
}

std::vector<unsigned> CMainFrame::BarCommands(unsigned id) const {
    const auto it = m_barCommands.find(id);
    return it == m_barCommands.end() ? std::vector<unsigned>() : it->second;
}

QAction* CMainFrame::AddAction(QMenu* menu, unsigned id, const char* text, const char* shortcut) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    if (shortcut != nullptr) {
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    }
    connect(action, &QAction::triggered, this, [this, id]() { RunCommand(id); });
    m_actions[id] = action;
    m_texts[id] = action->text();
    return action;
}

QAction* CMainFrame::BarAction(unsigned id) {
    if (QAction* action = Action(id)) {
        return action;
    }
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, id]() { RunCommand(id); });
    m_actions[id] = action;
    m_texts[id] = QString();
    return action;
}

void CMainFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromUtf8("ファイル(&F)"));
    AddAction(file, ID_FILE_NEW, "新規作成(&N)", "Ctrl+N");
    AddAction(file, ID_FILE_OPEN, "開く(&O)...", "Ctrl+O");
    AddAction(file, ID_FILE_SAVE, "上書き保存(&S)", "Ctrl+S");
    AddAction(file, ID_FILE_SAVE_AS, "名前を付けて保存(&A)...");
    file->addSeparator();
    AddAction(file, ID_FILE_PRINT, "印刷(&P)...", "Ctrl+P");
    AddAction(file, ID_FILE_PRINT_PREVIEW, "印刷プレビュー(&V)");
    AddAction(file, ID_FILE_PRINT_SETUP, "プリンタの設定(&R)...");
    file->addSeparator();
    for (unsigned i = 0; i < kRecentCount; ++i) {
        AddAction(file, ID_FILE_MRU_FILE1 + i, "")->setVisible(false);
    }
    file->addSeparator();
    AddAction(file, ID_APP_EXIT, "アプリケーションの終了(&X)");

    QMenu* edit = menuBar()->addMenu(QString::fromUtf8("編集(&E)"));
    AddAction(edit, ID_EDIT_UNDO, "アンドゥ／リドゥ(&U)", "Ctrl+Z");
    edit->addSeparator();
    AddAction(edit, ID_EDIT_CUT, "切り取り(&T)", "Ctrl+X");
    AddAction(edit, ID_EDIT_COPY, "写し取り(&C)", "Ctrl+C");
    AddAction(edit, ID_EDIT_PASTE, "貼り付け(&P)", "Ctrl+V");
    edit->addSeparator();
    AddAction(edit, ID_DELETE, "消去(&D)", "Del");
    AddAction(edit, ID_DELETE_ALL, "全消去");
    AddAction(edit, ID_SELECT_ALL, "全選択／解除(&A)");
    edit->addSeparator();
    AddAction(edit, ID_CHANGE_TEXT, "固定文字変更");
    AddAction(edit, ID_CHANGE_INPUT_NAME, "入力領域名変更");

    QMenu* mode = menuBar()->addMenu(QString::fromUtf8("モード(&M)"));
    AddAction(mode, ID_MODE_TEXT, "固定文字");
    AddAction(mode, ID_MODE_INPUT, "文字入力領域");
    AddAction(mode, ID_MODE_LINE, "直線");
    AddAction(mode, ID_MODE_BOX, "四角");
    mode->addSeparator();
    AddAction(mode, ID_MODE_EDIT, "編集ﾓｰﾄﾞ");
    AddAction(mode, ID_MODE_COPY, "複　写");
    AddAction(mode, ID_MODE_MOVE, "移　動");
    AddAction(mode, ID_MODE_TRANSFORM, "変形ﾓｰﾄﾞ");

    QMenu* attribute = menuBar()->addMenu(QString::fromUtf8("属性(&A)"));
    AddAction(attribute, ID_CENTER_VERTICAL, "文字・入力縦センタリング");
    AddAction(attribute, ID_CENTER_HORIZONTAL, "文字・入力横センタリング");
    QMenu* widths = attribute->addMenu(QString::fromUtf8("線の太さ"));
    AddAction(widths, ID_WIDTH_NORMAL, "1. 標準");
    AddAction(widths, ID_WIDTH_THIN, "2. 細い");
    AddAction(widths, ID_WIDTH_BOLD, "3. 太い");

    QMenu* view = menuBar()->addMenu(QString::fromUtf8("表示(&V)"));
    AddAction(view, ID_VIEW_TOOLBAR, "ツールバー");
    AddAction(view, ID_VIEW_INPUT_BAR, "レイアウト入力バー");
    AddAction(view, ID_VIEW_PALETTE, "ツールパレット");
    AddAction(view, ID_VIEW_PAPER_FONT_BAR, "用紙・フォントバー");
    AddAction(view, ID_PAPER_FONT_BAR_SWITCH, "用紙・フォントバーの表示／非表示");
    view->addSeparator();
    AddAction(view, ID_ZOOM_IN, "拡大");
    AddAction(view, ID_ZOOM_RESET, "等倍");
    AddAction(view, ID_ZOOM_OUT, "縮小");
    QMenu* zoom = view->addMenu(QString::fromUtf8("倍率"));
    for (int i = 0; i < 8; ++i) {
        AddAction(zoom, kZoomCommands[i], kZoomTexts[i]);
    }
    view->addSeparator();
    AddAction(view, ID_AREA_HEADER, "ヘッダー(&T)");
    AddAction(view, ID_AREA_FOOTER, "フッター(&B)");
    AddAction(view, ID_AREA_LEFT, "左領域(L)");
    AddAction(view, ID_AREA_RIGHT, "右領域(&R)");
    view->addSeparator();
    AddAction(view, ID_DEFAULT_TEXT, "デフォルト文字表示(&D)");
    AddAction(view, ID_WHOLE_PAPER, "全体表示(&A)");

    QMenu* settings = menuBar()->addMenu(QString::fromUtf8("設定(&S)"));
    AddAction(settings, ID_SIZE_SET, "サイズ設定");
    AddAction(settings, ID_GRID_SET, "グリッドの設定");
    AddAction(settings, ID_GRID_SNAP, "グリッド合わせ");
    settings->addSeparator();
    AddAction(settings, ID_FORMAT_NAME, "書式名の入力");
    AddAction(settings, ID_BASE_INPUT_NAMES, "基本文字入力領域名設定");
    settings->addSeparator();
    AddAction(settings, ID_INIT_SET_RUNNING, "初期設定");

    QMenu* option = menuBar()->addMenu(QString::fromUtf8("オプション(&O)"));
    AddAction(option, ID_INIT_SET_STORED, "初期設定");

    QMenu* help = menuBar()->addMenu(QString::fromUtf8("ヘルプ(&H)"));
    AddAction(help, ID_APP_ABOUT, "バージョン情報(&A)...");

    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    }
}

void CMainFrame::BuildBars() {
    const auto makeBar = [this](unsigned id, const char* title,
                                const std::vector<unsigned>& buttons) {
        auto* bar = new QToolBar(QString::fromUtf8(title), this);
        bar->setObjectName(QString::number(id));
        bar->setIconSize(QSize(16, 16));
        for (const unsigned command : buttons) {
            if (command == 0) {
                bar->addSeparator();
                continue;
            }
            QAction* action = BarAction(command);
            action->setIcon(EditorButtonImage(command));
            bar->addAction(action);
        }
        m_bars[id] = bar;
        m_barCommands[id] = buttons;
        return bar;
    };
    addToolBar(Qt::TopToolBarArea, makeBar(kStandardBar, "ツールバー", kStandardButtons));
    addToolBar(Qt::TopToolBarArea, makeBar(kInputBar, "レイアウト入力バー", kInputButtons));
    m_paperFontBar = new CPaperFontBar(this);
    m_paperFontBar->setObjectName(QString::number(kPaperFontBar));
    m_paperFontBar->Fill(tembra::FontCatalog());
    m_bars[kPaperFontBar] = m_paperFontBar;
    // The paper/font bar's boxes are wide: a row of its own.
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_paperFontBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, makeBar(kPalette, "ツールパレット", kPaletteButtons));
    for (const auto& [id, bar] : m_bars) {
        static_cast<void>(id);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setFloatable(true);
        bar->setMovable(true);
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    for (int i = 0; i < kPaneCount; ++i) {
        auto* pane = new QLabel(bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMargin(0);
        m_panes[static_cast<std::size_t>(i)] = pane;
    }
    bar->addWidget(m_panes[0], 1);
    for (int i = 1; i <= 4; ++i) {
        m_panes[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(kKeyPanes[i - 1]));
        m_panes[static_cast<std::size_t>(i)]->setEnabled(false);
        bar->addPermanentWidget(m_panes[static_cast<std::size_t>(i)]);
    }
    const int width =
        QFontMetrics(bar->font()).horizontalAdvance(QString::fromLatin1(kPositionPaneText));
    for (int i = 5; i <= 6; ++i) {
        m_panes[static_cast<std::size_t>(i)]->setFixedWidth(width);
        bar->addPermanentWidget(m_panes[static_cast<std::size_t>(i)]);
    }
}

void CMainFrame::RestoreBars() {
    // The palette's visibility; its place comes with the bars' state.
    const std::vector<int> palette = Numbers(tembra::GetProfileString(kSettings, kPalettePos, ""));
    m_paletteShown = palette.size() == 3 ? palette[2] != 0 : true;
    Bar(kPalette)->setVisible(m_paletteShown);
    const std::string saved = tembra::GetProfileString(kBarState, kBarStateKey, "");
    if (tembra::GetProfileInt(kBarSummary, kBarSummaryKey, 0) == 0) {
        FloatPalette();
        m_paletteUnplaced = saved.empty();
    }
    if (!saved.empty()) {
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(saved)));
    }
    m_inputBarShown = !Bar(kInputBar)->isHidden();
    m_paletteShown = !Bar(kPalette)->isHidden();
    if (m_paletteUnplaced) {
        // It shows when the window does, by it; a message before would find it at the corner.
        Bar(kPalette)->hide();
    }
}

// A tool bar floats only by the main window's saved state: the palette's entry of the state
// (its name, shown flag, position, size, then its packed frame) is given a floating frame.
void CMainFrame::FloatPalette() {
    QByteArray state = saveState();
    QByteArray name;
    {
        QDataStream out(&name, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_0);
        out << QString::number(kPalette);
    }
    const qsizetype at = state.indexOf(name);
    constexpr qsizetype kFlagsPosSize = 1 + 4 + 4;
    if (at < 0 || at + name.size() + kFlagsPosSize + 8 > state.size()) {
        return;
    }
    QToolBar* bar = Bar(kPalette);
    const int height = std::max(1, bar->sizeHint().height());
    // The frame packed as the state keeps it: width and x in the first word (x offset by
    // 0x7FFF, a floating flag in the lowest bit), height and y in the second.
    const quint32 geom0 =
        ((static_cast<quint32>(kPaletteWidth) << 16 | static_cast<quint32>(kPaletteX + 0x7FFF))
         << 1) |
        1U;
    const quint32 geom1 =
        static_cast<quint32>(height) << 16 | static_cast<quint32>(kPaletteY + 0x7FFF);
    char* words = state.data() + at + name.size() + kFlagsPosSize;
    qToBigEndian(geom0, words);
    qToBigEndian(geom1, words + 4);
    restoreState(state);
}

void CMainFrame::ShowWithPlacement(int showCommand) {
    const std::vector<int> placement = Numbers(tembra::GetProfileString(kSettings, kWindowPos, ""));
    int command = showCommand;
    if (placement.size() == 10) {
        setGeometry(
            QRect(QPoint(placement[6], placement[7]), QPoint(placement[8] - 1, placement[9] - 1)));
        if (showCommand == kShowNormal) {
            command = placement[1];
            if ((static_cast<unsigned>(placement[0]) & kRestoreToMaximized) != 0 &&
                command == kShowMinimized) {
                command = kShowMaximized;
            }
        }
    }
    switch (command) {
    case kShowMinimized:
        showMinimized();
        break;
    case kShowMaximized:
        showMaximized();
        break;
    default:
        show();
        break;
    }
    if (m_paletteUnplaced) {
        PlacePaletteByWindow();
        m_paletteUnplaced = false;
    }
}

void CMainFrame::PlacePaletteByWindow() {
    QToolBar* bar = Bar(kPalette);
    if (!bar->isFloating()) {
        return;
    }
    // Over the editor's own window, never over another program's at the screen's corner.
    const QWidget* client = centralWidget() != nullptr ? centralWidget() : this;
    bar->move(client->mapToGlobal(QPoint(kPaletteX, kPaletteY)));
    bar->setVisible(m_paletteShown);
    m_palettePlacedAt = bar->pos();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    QToolBar* bar = Bar(kPalette);
    if (!m_palettePlacedAt || bar == nullptr) {
        return;
    }
    if (!bar->isFloating() || bar->pos() != *m_palettePlacedAt) {
        // The user has put it somewhere: it stays there.
        m_palettePlacedAt.reset();
        return;
    }
    PlacePaletteByWindow();
}

void CMainFrame::SaveProfile() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    const unsigned flags = isMaximized() ? kRestoreToMaximized : 0;
    const int command = isMinimized()   ? kShowMinimized
                        : isMaximized() ? kShowMaximized
                                        : kShowNormal;
    char text[160];
    std::snprintf(text, sizeof(text), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", flags,
                  static_cast<unsigned>(command), -1, -1, -1, -1, normal.left(), normal.top(),
                  normal.right() + 1, normal.bottom() + 1);
    WriteSetting(kSettings, kWindowPos, text);

    QToolBar* palette = Bar(kPalette);
    const QPoint corner =
        palette->isWindow() ? palette->geometry().topLeft() : palette->mapToGlobal(QPoint(0, 0));
    std::snprintf(text, sizeof(text), "%d,%d,%d", corner.x(), corner.y(),
                  palette->isHidden() ? 0 : 1);
    WriteSetting(kSettings, kPalettePos, text);

    WriteSetting(kBarState, kBarStateKey, saveState().toBase64().toStdString());
    tembra::WriteProfileInt(kBarSummary, kBarSummaryKey, static_cast<int>(m_bars.size()));
}

QToolBar* CMainFrame::BarOfCommand(unsigned id) const {
    switch (id) {
    case ID_VIEW_TOOLBAR:
        return Bar(kStandardBar);
    case ID_VIEW_INPUT_BAR:
        return Bar(kInputBar);
    case ID_VIEW_PALETTE:
        return Bar(kPalette);
    case ID_VIEW_PAPER_FONT_BAR:
        return Bar(kPaperFontBar);
    default:
        return nullptr;
    }
}

bool CMainFrame::OnFrameCommand(unsigned id) {
    QToolBar* bar = BarOfCommand(id);
    if (bar == nullptr) {
        return false;
    }
    bar->setVisible(bar->isHidden());
    m_inputBarShown = !Bar(kInputBar)->isHidden();
    m_paletteShown = !Bar(kPalette)->isHidden();
    return true;
}

bool CMainFrame::OnUpdateFrameCommand(CMenuCmdUI& cmd) {
    if (QToolBar* bar = BarOfCommand(cmd.m_nID)) {
        cmd.SetCheck(bar->isHidden() ? 0 : 1);
        return true;
    }
    if (cmd.m_nID == ID_HELP_INDEX || cmd.m_nID == ID_CONTEXT_HELP ||
        cmd.m_nID == ID_PAPER_FONT_BAR_SWITCH) {
        cmd.Enable(FALSE);
        return true;
    }
    return false;
}

QMenu* CMainFrame::BuildContextMenu() {
    UpdateCommands();
    auto* menu = new QMenu(this);
    for (const MenuEntry& entry : kContextMenu) {
        QAction* item = menu->addAction(QString::fromUtf8(entry.text));
        if (const QAction* action = Action(entry.id)) {
            item->setEnabled(action->isEnabled());
            item->setCheckable(action->isCheckable());
            item->setChecked(action->isChecked());
        }
        const unsigned id = entry.id;
        connect(item, &QAction::triggered, this, [this, id]() { RunCommand(id); });
    }
    return menu;
}

void CMainFrame::RunCommand(unsigned id) {
    UpdateCommands();
    if (QAction* action = Action(id); action != nullptr && !action->isEnabled()) {
        return;
    }
    for (const CommandTarget& target : m_targets) {
        if (target.command && target.command(id)) {
            break;
        }
    }
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    if (m_closed) {
        return;
    }
    const std::vector<std::string> recent =
        m_recentFiles ? m_recentFiles() : std::vector<std::string>();
    for (const auto& [id, action] : m_actions) {
        CMenuCmdUI cmd(id);
        for (const CommandTarget& target : m_targets) {
            if (target.update && target.update(cmd)) {
                break;
            }
        }
        action->setEnabled(cmd.IsEnableSet() ? cmd.IsEnabled() : true);
        if (cmd.IsCheckSet()) {
            action->setCheckable(true);
            action->setChecked(cmd.GetCheck() != 0);
        }
        QString text = m_texts[id];
        if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + kRecentCount) {
            const std::size_t index = id - ID_FILE_MRU_FILE1;
            action->setVisible(index < recent.size());
            if (index < recent.size()) {
                text = QStringLiteral("&%1 %2").arg(index + 1).arg(
                    QDir::toNativeSeparators(QString::fromStdString(recent[index])));
            }
        }
        if (cmd.IsTextSet()) {
            text = QString::fromStdString(tembra::Sjis::ToUtf8(cmd.GetText()));
        }
        if (!text.isEmpty() && action->text() != text) {
            action->setText(text);
        }
    }
    m_paperFontBar->UpdateFromView(m_viewWnd->View(), m_doc.IsTemporaryEdit());
    // The key panes show while their key is held; CAPS LOCK is not followed.
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    m_panes[2]->setEnabled((keys & Qt::ControlModifier) != 0);
    m_panes[3]->setEnabled((keys & Qt::ShiftModifier) != 0);
    m_panes[4]->setEnabled((keys & Qt::AltModifier) != 0);
}

void CMainFrame::SyncBarsToView() {
    m_paperFontBar->SyncView(m_viewWnd->View());
}

void CMainFrame::HideBarsForPreview() {
    Bar(kInputBar)->hide();
    Bar(kPalette)->hide();
    Bar(kPaperFontBar)->hide();
}

void CMainFrame::ShowBarsAfterPreview() {
    Bar(kInputBar)->setVisible(m_inputBarShown);
    Bar(kPalette)->setVisible(m_paletteShown);
    Bar(kPaperFontBar)->show();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            files << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    if (!files.isEmpty() && m_dropHandler) {
        m_dropHandler(files);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveProfile();
    if (m_closeQuery && !m_closeQuery()) {
        event->ignore();
        return;
    }
    m_closed = true;
    m_viewWnd->View().OnDestroy();
    event->accept();
}

} // namespace marquell
