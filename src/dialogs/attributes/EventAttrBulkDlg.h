// The event attribute dialog of the document (218 "行事属性"). In bulk mode (events selected) a
// check box beside each group says whether the group is applied to every selected event;
// otherwise it edits a copy of the document's default block, of which only the day and row
// alignment reach the document.
#pragma once

#include <QDialog>

#include <memory>

namespace tembra {

class CTembraDoc;
class EventAttrControls;
class EventAttrBulkDlgRequest;

class CEventAttrBulkDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 218;
    enum : int { IDC_RESET = 1290 };

    CEventAttrBulkDlg(EventAttrBulkDlgRequest& request, QWidget* parent = nullptr);
    ~CEventAttrBulkDlg() override;

    void accept() override;

private:
    EventAttrBulkDlgRequest& m_request;
    bool m_bulk;
    std::unique_ptr<EventAttrControls> m_controls;
};

} // namespace tembra
