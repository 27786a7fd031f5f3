// The process attribute dialog of the selection (216 "工程属性"): one line and node block for
// the selected processes. In selection mode each group has a change box that using the group
// ticks, and only ticked groups are written; "日数変更" hands over to the duration change.
// Outside selection mode it edits the document's defaults whole.
#pragma once

#include "dialogs/attributes/KouteiBlockControls.h"

#include <QDialog>

#include <map>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tembra {

class KouteiAttr2DlgRequest;

class CKouteiAttr2Dlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 216;
    enum : int {
        IDC_NODE_SIZE = 1700,
        IDC_DURATION = 1693,
        IDC_RESET = 1290,
        IDC_CHANGE_TYPE = 1682,
        IDC_CHANGE_WIDTH = 1683,
        IDC_CHANGE_COLOR = 1684,
        IDC_CHANGE_HOLIDAY = 1685,
        IDC_CHANGE_STYLE = 1686,
        IDC_CHANGE_SUBSTYLE = 1687,
        IDC_CHANGE_SHAPE = 1688,
        IDC_CHANGE_SIZE = 1689,
        IDC_CHANGE_HATCH = 1690,
    };

    // Edits the request's blocks, in selection mode when they came from a selected process;
    // 決定 writes them back, "日数変更" sets its changeDaysAsked and cancels.
    explicit CKouteiAttr2Dlg(KouteiAttr2DlgRequest& request, QWidget* parent = nullptr);
    ~CKouteiAttr2Dlg() override;

    void accept() override;

private:
    void Show(const KouteiAttrFields& fields);
    void Tick(unsigned change);
    unsigned Changes() const;

    KouteiAttr2DlgRequest& m_request;
    bool m_selection;
    KouteiAttrFields m_fields;
    std::unique_ptr<KouteiBlockControls> m_block;
    QLineEdit* m_size = nullptr;
    std::map<unsigned, QCheckBox*> m_changes; // by KouteiChange bit
};

} // namespace tembra
