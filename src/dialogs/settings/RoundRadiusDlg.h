// The corner radius of rounded boxes in 0.1 mm, 1 to 100, with its own arrows: 213
// "角丸四角の角丸半径変更" for the selected boxes and 207 "角丸四角の角丸半径設定" for the
// default of new boxes. The value is written back only by 決定.
#pragma once

#include "platform/Types.h"

#include <QDialog>

namespace tembra {

class CArrowField;

class CRoundRadiusDlg : public QDialog {
    Q_OBJECT
public:
    enum : int { IDD_CHANGE = 213, IDD_SET = 207, IDC_RADIUS = 1201 };
    static constexpr int kMinRadius = 1;
    static constexpr int kMaxRadius = 100;

    // templateId is IDD_CHANGE or IDD_SET; radius is read now and written on 決定.
    CRoundRadiusDlg(int templateId, WORD& radius, QWidget* parent = nullptr);

    void accept() override;

private:
    WORD& m_radius;
    CArrowField* m_field = nullptr;
};

} // namespace tembra
