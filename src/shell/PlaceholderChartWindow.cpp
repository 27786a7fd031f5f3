#include "shell/PlaceholderChartWindow.h"

#include "document/TembraDoc.h"
#include "platform/Sjis.h"

#include <QLabel>

namespace tembra {

CPlaceholderChartWindow::CPlaceholderChartWindow(CTembraDoc& document)
    : m_document(document), m_label(new QLabel) {
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAutoFillBackground(true);
    m_label->setBackgroundRole(QPalette::Base);
    OnTitleChanged();
}

CPlaceholderChartWindow::~CPlaceholderChartWindow() {
    delete m_label.data();
}

QWidget* CPlaceholderChartWindow::Widget() {
    return m_label.data();
}

void CPlaceholderChartWindow::OnTitleChanged() {
    const QString title = QString::fromStdString(Sjis::ToUtf8(m_document.GetTitle()));
    m_label->setText(title);
    m_label->setWindowTitle(title);
}

} // namespace tembra
