// The main frame's status bar (id 59393): nine panes. Pane 0 carries messages and stretches;
// panes 1 to 4 are the indicators "CAP", "CTRL", "SHIFT" and "ALT", whose text shows while they
// are enabled; panes 5 and 7 are as wide as "99/99 99:99" and panes 6 and 8 as "9999", for the
// date and row texts of the status-bar helpers.
#pragma once

#include "document/CommandIds.h"
#include "view/core/StatusBar.h"

#include <QStatusBar>

#include <array>

class QLabel;

namespace tembra {

class CMainStatusBar : public QStatusBar, public IStatusBar {
    Q_OBJECT
public:
    static constexpr int kId = 59393;
    static constexpr int kPaneCount = 9;
    // The commands of the indicator panes 1 to 4 (CAP has no command of its own here).
    static constexpr std::array<unsigned, 4> kIndicatorIds = {0, ID_INDICATOR_CTRL,
                                                              ID_INDICATOR_SHIFT, ID_INDICATOR_ALT};

    explicit CMainStatusBar(QWidget* parent = nullptr);
    ~CMainStatusBar() override;

    QLabel* Pane(int index) const { return m_panes[static_cast<std::size_t>(index)]; }
    // Shows an indicator's text (pane 1 to 4) while it is enabled.
    void SetIndicator(int pane, bool enabled);

    bool IsVisible() const override { return isVisible(); }
    void SetPaneText(int pane, const std::string& text) override;
    void SetPaneStyle(int pane, PaneStyle style) override;
    void UpdateNow() override;

private:
    std::array<QLabel*, kPaneCount> m_panes{};
};

} // namespace tembra
