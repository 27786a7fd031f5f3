// The item attribute dialog of the selection (244 "項目属性"): one text block for the selected
// cells. In selection mode each group has a change box that using the group ticks; only ticked
// groups are written, and the mask of the flag bits they own is kept beside the flag word.
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
    // After 決定: the bits of the flag word the ticked groups own (AppliedItemFlags applies
    // only those to each cell); 0 when the word came back as 65535.
    WORD FlagMask() const { return m_flagMask; }

private:
    KoumokuAttr2DlgRequest& m_request;
    bool m_selection;
    std::unique_ptr<KoumokuControls> m_controls;
    std::map<unsigned, QCheckBox*> m_changes; // by KoumokuChange bit
    WORD m_flagMask = 0;
};

} // namespace tembra
