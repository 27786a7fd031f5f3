// The lines of one grid cell of the area names (欄名称線設定（縦横分割）): the right and the
// bottom line, each shown or hidden.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tembra {

class CAreaNameDataGrid;

class CAreaNameGridLineDlg : public QDialog {
    Q_OBJECT
public:
    enum : int { IDD = 412, IDC_HIDE_RIGHT = 1070, IDC_HIDE_BOTTOM = 1001 };

    CAreaNameGridLineDlg(const CAreaNameDataGrid& cell, QWidget* parent);
    ~CAreaNameGridLineDlg() override;

    // A hidden line gets the type -1, a shown one 0 (solid).
    void StoreInto(CAreaNameDataGrid& cell) const;

private:
    QCheckBox* m_right = nullptr;
    QCheckBox* m_bottom = nullptr;
};

} // namespace tembra
