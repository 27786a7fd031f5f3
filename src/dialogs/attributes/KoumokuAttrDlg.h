// The item defaults dialog (164 "項目属性"): the text attributes new item cells start from, on
// the application's settings. 決定 writes them back into the same settings; 初期化 shows the
// built-in defaults.
#pragma once

#include "dialogs/attributes/KoumokuControls.h"

#include <QDialog>

#include <memory>

namespace tembra {

class CConfigBase;

class CKoumokuAttrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 164;
    enum : int { IDC_RESET = 1290 };

    // Without settings the dialog is inert.
    explicit CKoumokuAttrDlg(CConfigBase* settings, QWidget* parent = nullptr);
    ~CKoumokuAttrDlg() override;

    void accept() override;

private:
    CConfigBase* m_settings;
    std::unique_ptr<KoumokuControls> m_controls;
};

} // namespace tembra
