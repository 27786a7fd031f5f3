// The tool-bar customisation (ツールバー編集): which buttons each of the six user bars shows and in
// which order, edited in the application's sets in place. 更新 shows the bars as edited and
// stays open, 決定 saves all six sets, 取消 puts back the sets the dialog opened on (and the
// bars, once 更新 showed others); nothing is saved then.
#pragma once

#include "dialogs/settings/core/ToolBarListEditor.h"
#include "shell/core/ToolBarSets.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tembra {

class IDialogRegistry;

class CToolbarSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 246;
    enum : int {
        IDC_AVAILABLE = 1001, // 使用できるボタン
        IDC_SET = 1002,       // 作成ツールバー
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_UP = 1005,
        IDC_DOWN = 1006,
        IDC_FIRST_TAB = 1011, // the tab of bar n is IDC_FIRST_TAB + n - 1
        IDC_RESET_SHORT = 1021,
        IDC_RESET_MEDIUM = 1022,
        IDC_RESET_LONG = 1023,
        IDC_APPLY = 1024, // 更新
        IDC_LABEL = 1030,
    };
    static constexpr const char* kRequestName = "ToolBarSettings";

    // recreateBars re-creates the main frame's bars from the sets.
    CToolbarSetDlg(CToolBarSets& sets, std::function<void()> recreateBars,
                   QWidget* parent = nullptr);
    ~CToolbarSetDlg() override;

    // Answers "ToolBarSettings" over the application's sets and frame.
    static void Register(IDialogRegistry& registry, CToolBarSets& sets,
                         std::function<void()> recreateBars);

    int CurrentBar() const { return m_bar; }

    void accept() override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowBar(int bar);
    void StoreList();
    void Refill();
    void UpdateButtons();
    void Reset(CToolBarSets::Preset preset);
    void Apply();

    CToolBarSets& m_sets;
    std::function<void()> m_recreateBars;
    std::array<std::vector<int>, CToolBarSets::kStoredSetCount> m_copies;
    std::unique_ptr<CToolBarListEditor> m_editor;
    int m_bar = 0;
    bool m_applied = false;
    bool m_addArmed = false;
    bool m_removeArmed = false;
    QLabel* m_label = nullptr;
    QListWidget* m_available = nullptr;
    QListWidget* m_set = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
};

} // namespace tembra
