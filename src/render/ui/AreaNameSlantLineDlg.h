// The diagonal of one slant cell of the area names (欄名称線設定（斜め分割）), shown or hidden.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tembra {

class CAreaNameDataSlant;

class CAreaNameSlantLineDlg : public QDialog {
    Q_OBJECT
public:
    enum : int { IDD = 223, IDC_HIDE_SLANT = 2031 };

    CAreaNameSlantLineDlg(const CAreaNameDataSlant& cell, QWidget* parent);
    ~CAreaNameSlantLineDlg() override;

    // A hidden line gets the type -1, a shown one 0 (solid).
    void StoreInto(CAreaNameDataSlant& cell) const;

private:
    QCheckBox* m_slant = nullptr;
};

} // namespace tembra
