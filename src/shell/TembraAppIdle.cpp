// Idle time: the command states, the idle steps of the views and the auto-save timer.
#include "shell/TembraApp.h"
#include "shell/core/ToolBarSets.h"

#include "shell/BitmapDlg.h"
#include "shell/ChartViewWindow.h"
#include "shell/ChartWindowFactory.h"
#include "shell/MainFrame.h"
#include "shell/MainStatusBar.h"
#include "shell/TembraAppInternal.h"
#include "shell/core/FrameRules.h"
#include "shell/core/StartupPlan.h"
#include "view/TembraFrame.h"
#include <QApplication>

#include <QAbstractEventDispatcher>
#include <QTimer>

#include <algorithm>
#include <iostream>

namespace tembra {

using namespace appinternal;

void CTembraApp::StartIdleProcessing() {
    qApp->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] {
                if (!m_idleDue) {
                    return;
                }
                m_idleDue = false;
                if (OnIdle()) {
                    // The splash is still up: idle time again when it may go.
                    const std::int64_t left =
                        kSplashMilliseconds - (m_options.ticks() - m_splashStart);
                    QTimer::singleShot(static_cast<int>(std::max<std::int64_t>(left, 1)), this,
                                       [this] { m_idleDue = true; });
                }
            });
}

bool CTembraApp::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
    case QEvent::Show:
    case QEvent::Close:
    case QEvent::Wheel:
        m_idleDue = true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool CTembraApp::OnIdle() {
    bool more = false;
    if (m_splash) {
        if (m_options.ticks() - m_splashStart >= kSplashMilliseconds) {
            m_splash.reset();
            if (m_mainFrame) {
                m_mainFrame->repaint();
            }
        } else {
            more = true;
        }
    } else {
        for (const auto& chart : m_openCharts) {
            for (const ChartWindow& w : chart->windows) {
                w.window->OnIdleHover();
            }
        }
    }
    UpdateCommandStates();
    return more;
}

void CTembraApp::UpdateCommandStates() {
    if (!m_mainFrame) {
        return;
    }
    // A save under another name retitles its chart's windows and lists the file among the
    // recent ones, as an open does; a change shows as the desktop's modified mark.
    for (const auto& chart : m_openCharts) {
        const std::string& path = chart->document->GetPathName();
        if (path != chart->listedPath) {
            chart->listedPath = path;
            if (!path.empty()) {
                m_recent.Add(path);
                UpdateRecentFileMenu();
            }
        }
        const QString title = WindowTitle(*chart->document);
        const bool modified = chart->document->IsModified() != FALSE;
        for (const ChartWindow& w : chart->windows) {
            if (w.sub != nullptr && w.sub->windowTitle() != title) {
                w.sub->setWindowTitle(title);
            }
            if (w.sub != nullptr && w.sub->isWindowModified() != modified) {
                w.sub->setWindowModified(modified);
            }
        }
    }
    for (const auto& [id, action] : m_mainFrame->Actions()) {
        const CCmdUI state = m_router.Update(id);
        if (action->isEnabled() != state.IsEnabled()) {
            action->setEnabled(state.IsEnabled());
        }
        if (state.IsCheckSet()) {
            action->setCheckable(true);
            if (action->isChecked() != (state.GetCheck() != 0)) {
                action->setChecked(state.GetCheck() != 0);
            }
        } else if (action->isCheckable() && action->isChecked()) {
            action->setChecked(false);
        }
        if (state.IsTextSet()) {
            const QString text = QString::fromStdString(state.GetText());
            if (action->text() != text) {
                action->setText(text);
            }
        }
    }
    // The layer combo has no action: its update handler shows the layer of the selection.
    m_router.Update(kLayerComboId);
    if (CMainStatusBar* bar = m_mainFrame->StatusBar()) {
        bar->SetIndicator(1, false); // the Caps Lock state is not known here
        for (int pane = 2; pane <= 4; ++pane) {
            const UINT id = CMainStatusBar::kIndicatorIds[static_cast<std::size_t>(pane) - 1];
            bar->SetIndicator(pane, m_router.Update(id).IsEnabled());
        }
    }
}

void CTembraApp::OnAutoSaveTimer() {
    const CTime now = CTime::GetCurrentTime();
    if (IsAutoSaveDue(now, m_timeLastAutoSave, m_config.GetAutoSaveTime(),
                      QWidget::mouseGrabber() != nullptr)) {
        if (m_hooks.autoSave) {
            m_hooks.autoSave();
        }
        m_timeLastAutoSave = now;
    }
}

} // namespace tembra
