// The drawing grid (209 "グリッドの設定"): the grid switch and the divisions of a day and of a
// row in the shape part of the settings record. The divisions stay stored while the grid is off.
#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace tembra {

class CConfigZukei;

class CGridSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 209;
    enum : int { IDC_ON = 1310, IDC_OFF = 1311, IDC_DAY = 1312, IDC_ROW = 1313 };

    explicit CGridSetDlg(CConfigZukei& config, QWidget* parent = nullptr);

    void accept() override;

private:
    CConfigZukei& m_config;
    QRadioButton* m_on = nullptr;
    QRadioButton* m_off = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_row = nullptr;
};

} // namespace tembra
