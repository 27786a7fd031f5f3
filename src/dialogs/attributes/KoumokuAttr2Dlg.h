// The item attribute dialog of the selection (244 "項目属性"): one text block for the selected
// cells. In selection mode each group has a change box that using the group ticks; only ticked
// groups are written, and the flag word comes back with the mask of the bits they own.
#pragma once

#include "dialogs/attributes/KoumokuControls.h"

#include <QDialog>

#include <map>
#include <memory>

class QCheckBox;

namespace tembra {

class KoumokuAttr2DlgRequest;

class CKoumokuAttr2Dlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 244;
    enum : int {
        IDC_RESET = 1290,
        IDC_CHANGE_FORMAT = 1681,
        IDC_CHANGE_SIZE = 1682,
        IDC_CHANGE_ATTRIB = 1683,
        IDC_CHANGE_COLOR = 1684,
    };

    explicit CKoumokuAttr2Dlg(KoumokuAttr2DlgRequest& request, QWidget* parent = nullptr);
    ~CKoumokuAttr2Dlg() override;

    void accept() override;

private:
    KoumokuAttr2DlgRequest& m_request;
    bool m_selection;
    std::unique_ptr<KoumokuControls> m_controls;
    std::map<unsigned, QCheckBox*> m_changes; // by KoumokuChange bit
};

} // namespace tembra
