// The process defaults dialog (166 "工程属性"): the line, node and number settings new processes
// start from, on the application's settings. 決定 checks every number's range and writes the
// fields back into the same settings; 初期化 shows the built-in defaults.
#pragma once

#include "dialogs/attributes/KouteiBlockControls.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;

namespace tembra {

class CConfigBase;

class CKouteiAttrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 166;
    enum : int { IDC_NODE_COLOR = 1383, IDC_RESET = 1290 };

    // Without settings the dialog is inert: nothing is shown or written.
    explicit CKouteiAttrDlg(CConfigBase* settings, QWidget* parent = nullptr);
    ~CKouteiAttrDlg() override;

    void accept() override;

private:
    void Show(const KouteiAttrFields& fields);

    CConfigBase* m_settings;
    KouteiAttrFields m_fields;
    std::unique_ptr<KouteiBlockControls> m_block;
    QComboBox* m_nodeColor = nullptr;
    std::vector<QLineEdit*> m_numbers; // in the order of KouteiNumberFields
};

} // namespace tembra
