// What both pages of the area-name sheet show alike: the item-column count (combo 1054, the
// count is the index + 1) and the style radios (1074 標準スタイル, 1075 拡張スタイル), whose
// click brings the page of that style to the front.
#pragma once

#include <QHBoxLayout>

class QComboBox;
class QRadioButton;
class QWidget;

namespace tembra {

class CAreaNameSheet;

class CAreaNameStyleControls {
public:
    enum : int { IDC_COLUMNS = 1054, IDC_STYLE_STANDARD = 1074, IDC_STYLE_EXTENDED = 1075 };

    // The controls on the page; a chosen count goes into the sheet's values.
    CAreaNameStyleControls(QWidget* page, CAreaNameSheet* sheet);

    QComboBox* Columns() const { return m_columns; }
    QRadioButton* Standard() const { return m_standard; }
    QRadioButton* Extended() const { return m_extended; }
    // The count (label, combo, unit) and the two radios, each as a row.
    QHBoxLayout* ColumnsRow() const { return m_columnsRow; }
    QHBoxLayout* StyleRow() const { return m_styleRow; }

    // Both show the sheet's values without signalling a change.
    void ShowStyle(int style) const;
    void ShowColumns(int columns) const;

private:
    QComboBox* m_columns = nullptr;
    QRadioButton* m_standard = nullptr;
    QRadioButton* m_extended = nullptr;
    QHBoxLayout* m_columnsRow = nullptr;
    QHBoxLayout* m_styleRow = nullptr;
};

} // namespace tembra
