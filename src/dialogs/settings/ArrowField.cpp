#include "dialogs/settings/ArrowField.h"

#include "platform/qt/DialogParts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tembra {

CArrowField::CArrowField(int id, QWidget* parent) : QWidget(parent) {
    m_field = new QLineEdit(this);
    m_field->setObjectName(IdName(id));
    m_field->setMaximumWidth(64);
    m_field->installEventFilter(this);
    m_up = new QToolButton(this);
    m_up->setObjectName(IdName(id) + QStringLiteral(".up"));
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(IdName(id) + QStringLiteral(".down"));
    m_down->setArrowType(Qt::DownArrow);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(16, 11);
        arrows->addWidget(arrow);
    }
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_field);
    row->addLayout(arrows);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CArrowField::SetValue(int value) {
    m_field->setText(QString::number(value));
}

int CArrowField::Value(int fallback) const {
    bool ok = false;
    const int value = m_field->text().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

void CArrowField::EnableField(bool enable) {
    m_field->setEnabled(enable);
}

void CArrowField::EnableArrows(bool enable) {
    m_up->setEnabled(enable);
    m_down->setEnabled(enable);
}

void CArrowField::ShowOnly() {
    m_field->setReadOnly(true);
    m_field->setFocusPolicy(Qt::NoFocus);
    EnableArrows(false);
    // The arrows keep their room, so that the fields line up with those of an entered point.
    for (QToolButton* arrow : {m_up, m_down}) {
        QSizePolicy policy = arrow->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        arrow->setSizePolicy(policy);
        arrow->hide();
    }
}

void CArrowField::Step(int delta) {
    if (m_step) {
        m_step(delta);
    }
}

bool CArrowField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyPress && m_up->isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tembra
