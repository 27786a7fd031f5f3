// The default event attribute dialog (148 "行事属性"): the event block and the "Revice" word of
// a settings object (the application's, for the option command). Without settings nothing is
// shown and nothing written.
#pragma once

#include <QDialog>

#include <memory>

namespace tembra {

class CConfigBase;
class EventAttrControls;

class CEventAttrDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 148;
    enum : int { IDC_RESET = 1290 };

    CEventAttrDlg(CConfigBase* config, QWidget* parent = nullptr);
    ~CEventAttrDlg() override;

    void accept() override;

private:
    CConfigBase* m_config;
    std::unique_ptr<EventAttrControls> m_controls;
};

} // namespace tembra
