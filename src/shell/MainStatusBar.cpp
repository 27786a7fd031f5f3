#include "shell/MainStatusBar.h"

#include "platform/Sjis.h"

#include <QFontMetrics>
#include <QLabel>

namespace tembra {

namespace {

const char* const kIndicatorTexts[] = {"", "CAP", "CTRL", "SHIFT", "ALT"};

} // namespace

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QString::number(kId));
    setSizeGripEnabled(true);
    const QFontMetrics metrics(font());
    for (int i = 0; i < kPaneCount; ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QStringLiteral("pane%1").arg(i));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panes[static_cast<std::size_t>(i)] = pane;
        const int margins = 2 * (pane->frameWidth() + pane->margin()) + 6;
        if (i == 0) {
            addWidget(pane, 1);
            continue;
        }
        QString widest;
        if (i <= 4) {
            widest = QString::fromLatin1(kIndicatorTexts[i]);
        } else {
            widest = i % 2 == 1 ? QStringLiteral("99/99 99:99") : QStringLiteral("9999");
        }
        pane->setFixedWidth(metrics.horizontalAdvance(widest) + margins);
        pane->setAlignment(Qt::AlignCenter);
        addPermanentWidget(pane);
    }
}

CMainStatusBar::~CMainStatusBar() = default;

void CMainStatusBar::SetIndicator(int pane, bool enabled) {
    QLabel* label = Pane(pane);
    const QString text = enabled ? QString::fromLatin1(kIndicatorTexts[pane]) : QString();
    if (label->text() != text) {
        label->setText(text);
    }
    label->setEnabled(enabled);
}

void CMainStatusBar::SetPaneText(int pane, const std::string& text) {
    if (pane < 0 || pane >= kPaneCount) {
        return;
    }
    const QString utf = QString::fromStdString(Sjis::ToUtf8(text));
    if (Pane(pane)->text() != utf) {
        Pane(pane)->setText(utf);
    }
}

void CMainStatusBar::SetPaneStyle(int pane, PaneStyle style) {
    if (pane < 0 || pane >= kPaneCount) {
        return;
    }
    QLabel* label = Pane(pane);
    label->setFrameStyle(QFrame::Panel | (style == kPopOut ? QFrame::Raised : QFrame::Sunken));
    label->setEnabled(style != kDisabled);
}

void CMainStatusBar::UpdateNow() {
    repaint();
}

} // namespace tembra
