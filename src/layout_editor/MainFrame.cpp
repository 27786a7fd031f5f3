#include "layout_editor/MainFrame.h"

#include "layout_editor/LayoutViewWnd.h"
#include "layout_editor/core/CommandIds.h"
#include "layout_editor/core/MenuCmdUI.h"
#include "platform/Sjis.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>

namespace marquell {

namespace {

constexpr const char* kZoomTexts[] = {"1.  25%", "2.  50%", "3.  75%", "4. 100%",
                                      "5. 150%", "6. 200%", "7. 300%", "8. 400%"};
constexpr unsigned kRecentCount = 4;

} // namespace

CMainFrame::CMainFrame(CMarquellDoc& doc, CAppSettings& app, QWidget* parent)
    : QMainWindow(parent), m_viewWnd(new CLayoutViewWnd(doc, app, this)) {
    setCentralWidget(m_viewWnd);
    AddCommandTarget({[this](unsigned id) { return m_viewWnd->View().OnCommand(id); },
                      [this](CMenuCmdUI& cmd) { return m_viewWnd->View().OnUpdateCommand(cmd); }});
    BuildMenus();
    resize(1024, 700);
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

QAction* CMainFrame::Action(unsigned id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
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
        if (action->text() != text) {
            action->setText(text);
        }
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closeQuery && !m_closeQuery()) {
        event->ignore();
        return;
    }
    m_closed = true;
    m_viewWnd->View().OnDestroy();
    event->accept();
}

} // namespace marquell
