#include "render/ui/AreaNameSheet.h"

#include "render/ui/AreaNameP1.h"
#include "render/ui/AreaNameP2.h"

#include <QTabBar>
#include <QTabWidget>

namespace tembra {

CAreaNameSheet::CAreaNameSheet(CAreaNameSet* source, int dateRows, int* documentColumns,
                               const LOGFONT& baseFont, const QString& caption, QWidget* parent)
    : CPropertySheet(caption, parent), m_source(source), m_documentColumns(documentColumns),
      m_baseFont(baseFont) {
    if (source != nullptr) {
        m_values = AreaNameSheetValues::FromSet(*source, dateRows,
                                                documentColumns != nullptr ? *documentColumns : 0);
    } else {
        m_values = AreaNameSheetValues::FromSet(CAreaNameSet(), dateRows, 0);
    }
    m_p1 = new CAreaNameP1(this, nullptr);
    m_p2 = new CAreaNameP2(this, nullptr);
    // Both pages apply the same values: the first one writes them.
    const auto apply = [this] { return Apply(); };
    const auto nothing = [] { return true; };
    if (m_values.style == AreaNameSheetValues::kStyleStandard) {
        AddPage(m_p1, QString::fromUtf8("標準設定"), apply);
        AddPage(m_p2, QString::fromUtf8("拡張設定"), nothing);
    } else {
        AddPage(m_p2, QString::fromUtf8("拡張設定"), apply);
        AddPage(m_p1, QString::fromUtf8("標準設定"), nothing);
    }
    // The pages are switched by their style radios only.
    Tabs()->tabBar()->hide();
    connect(Tabs(), &QTabWidget::currentChanged, this, &CAreaNameSheet::PageActivated);
    m_p1->ShowStyle(m_values.style);
    m_p2->ShowStyle(m_values.style);
    PageActivated(Tabs()->currentIndex());
}

CAreaNameSheet::~CAreaNameSheet() = default;

void CAreaNameSheet::PageActivated(int index) {
    QWidget* page = Tabs()->widget(index);
    if (page == m_p1) {
        m_p1->Activate();
    } else if (page == m_p2) {
        m_extendedShown = true;
        m_p2->Activate();
    }
}

void CAreaNameSheet::SetStyle(int style, bool activate) {
    if (style != m_values.style) {
        m_values.style = style;
        m_p1->ShowStyle(style);
        m_p2->ShowStyle(style);
    }
    if (activate) {
        Tabs()->setCurrentWidget(style == AreaNameSheetValues::kStyleExtended
                                     ? static_cast<QWidget*>(m_p2)
                                     : static_cast<QWidget*>(m_p1));
    }
}

bool CAreaNameSheet::Apply() {
    if (m_source != nullptr) {
        m_values.Apply(*m_source, m_extendedShown, m_documentColumns);
    }
    return true;
}

} // namespace tembra
