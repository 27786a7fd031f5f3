// The format-name dialog ("レイアウト書式名"): the layout's name, at most 28 CP932 bytes; an
// empty name is refused (61241) and the dialog stays open.
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QDialog>

class QLineEdit;

namespace marquell {

class CLayoutFormatNameDlg : public QDialog {
    Q_OBJECT
public:
    CLayoutFormatNameDlg(LayoutFormatNameRequest& request, QWidget* parent = nullptr);
    QLineEdit* NameField() const { return m_name; }
    void accept() override;

private:
    LayoutFormatNameRequest& m_request;
    QLineEdit* m_name;
};

} // namespace marquell
