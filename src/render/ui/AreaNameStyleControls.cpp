#include "render/ui/AreaNameStyleControls.h"

#include "platform/qt/DialogParts.h"
#include "render/ui/AreaNameSheet.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tembra {

CAreaNameStyleControls::CAreaNameStyleControls(QWidget* page, CAreaNameSheet* sheet) {
    m_columns = new QComboBox(page);
    m_columns->setObjectName(IdName(IDC_COLUMNS));
    for (int i = 1; i <= AreaNameSheetValues::kMaxColumns; ++i) {
        m_columns->addItem(QString::number(i));
    }
    QObject::connect(m_columns, &QComboBox::currentIndexChanged, page, [sheet](int index) {
        if (index >= 0) {
            sheet->Values().columns = index + 1;
        }
    });
    m_standard = new QRadioButton(QString::fromUtf8("標準スタイル"), page);
    m_standard->setObjectName(IdName(IDC_STYLE_STANDARD));
    m_extended = new QRadioButton(QString::fromUtf8("拡張スタイル"), page);
    m_extended->setObjectName(IdName(IDC_STYLE_EXTENDED));
    auto* styles = new QButtonGroup(page);
    styles->addButton(m_standard, AreaNameSheetValues::kStyleStandard);
    styles->addButton(m_extended, AreaNameSheetValues::kStyleExtended);
    QObject::connect(styles, &QButtonGroup::idClicked, page,
                     [sheet](int style) { sheet->SetStyle(style, true); });

    m_columnsRow = new QHBoxLayout;
    m_columnsRow->addWidget(new QLabel(QString::fromUtf8("項目欄列数"), page));
    m_columnsRow->addWidget(m_columns);
    m_columnsRow->addWidget(new QLabel(QString::fromUtf8("列"), page));
    m_columnsRow->addStretch();
    m_styleRow = new QHBoxLayout;
    m_styleRow->addWidget(m_standard);
    m_styleRow->addWidget(m_extended);
    m_styleRow->addStretch();
}

void CAreaNameStyleControls::ShowStyle(int style) const {
    const QSignalBlocker blockStandard(m_standard);
    const QSignalBlocker blockExtended(m_extended);
    (style == AreaNameSheetValues::kStyleExtended ? m_extended : m_standard)->setChecked(true);
}

void CAreaNameStyleControls::ShowColumns(int columns) const {
    const QSignalBlocker block(m_columns);
    m_columns->setCurrentIndex(columns - 1);
}

} // namespace tembra
