// Dialog 215 "線画属性変更" of the command 属性一括 with selected shapes: a copy of the first
// selected shape's attributes and seven boxes (線種設定 … 位置関係設定) loaded from the caller's
// mask. A change of a field ticks its group's box, a click on a box does nothing else; 初期化
// reloads the values the dialog opened with and leaves the boxes. 決定 writes every value into
// the copy and the mask from the boxes; the document applies only the groups of the mask. The
// radius (1 to 100) is checked only while 角丸半径設定 is ticked.
#pragma once

#include <QDialog>

class QCheckBox;

namespace tembra {

class CZukeiAttrPanel;
class ZukeiAttrChangeDlgRequest;

class CZukeiAttrChangeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 215;
    enum : int { IDC_APPLY = 1640, IDC_RESET = 1430 }; // 1640 to 1646 in the mask's order

    explicit CZukeiAttrChangeDlg(ZukeiAttrChangeDlgRequest& request, QWidget* parent = nullptr);

    void accept() override;

private:
    ZukeiAttrChangeDlgRequest& m_request;
    CZukeiAttrPanel* m_panel = nullptr;
    QCheckBox* m_apply[7] = {};
};

} // namespace tembra
