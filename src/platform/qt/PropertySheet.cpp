#include "platform/qt/PropertySheet.h"

#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/TextFieldCheck.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tembra {

CPropertySheet::CPropertySheet(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    m_tabs = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString::fromUtf8("決定"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("1"));
    m_cancel = buttons->addButton(QString::fromUtf8("取消"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("2"));
    for (QPushButton* button : {m_ok, m_cancel}) {
        button->setAutoDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    auto* enter = new CEnterMovesFocus(this);
    enter->SetButtons(m_ok, m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

CPropertySheet::~CPropertySheet() = default;

int CPropertySheet::AddPage(QWidget* page, const QString& caption, ApplyStep apply) {
    m_steps.push_back(std::move(apply));
    return m_tabs->addTab(page, caption);
}

void CPropertySheet::accept() {
    // Every page's texts before any page stores its values: a refused text leaves all as it was.
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (!CheckTextFields(m_tabs->widget(i))) {
            return;
        }
    }
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        if (m_steps[i] && !m_steps[i]()) {
            m_tabs->setCurrentIndex(static_cast<int>(i));
            return;
        }
    }
    QDialog::accept();
}

} // namespace tembra
