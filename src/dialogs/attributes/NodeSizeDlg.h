// The node size dialog (230 "ノードサイズの設定"): the node size of the selected processes in
// percent, 1 to 1000, typed or set by the buttons 1/2, ×1, ×2, ×3.
#pragma once

#include <QDialog>

class QLineEdit;

namespace tembra {

class NodeSizeDlgRequest;

class CNodeSizeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 230;
    enum : int {
        IDC_SIZE = 1700,
        IDC_HALF = 1701,
        IDC_ONE = 1702,
        IDC_TWO = 1705,
        IDC_THREE = 1706
    };

    explicit CNodeSizeDlg(NodeSizeDlgRequest& request, QWidget* parent = nullptr);

    void accept() override;

private:
    NodeSizeDlgRequest& m_request;
    QLineEdit* m_size = nullptr;
};

} // namespace tembra
