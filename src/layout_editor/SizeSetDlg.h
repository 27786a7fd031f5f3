// The size settings dialog ("サイズ設定"): for each paper the heights of the print header,
// footer, date row and process row, the four margins and the process area's side margins
// (0.1 mm). Leaving a field checks the sums (CSizeSetData::LeaveField) unless the focus went to
// Cancel or reset or a refusal is still open; OK checks them again without a message. Enter in a
// field moves to the next one; only the OK button closes. In temporary-edit mode the paper
// cannot be changed.
#pragma once

#include "layout_editor/core/EditorRequests.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace marquell {

class CSizeSetDlg : public QDialog {
    Q_OBJECT
public:
    CSizeSetDlg(SizeSetRequest& request, QWidget* parent = nullptr);

    QLineEdit* Field(int field) const { return m_fields[field]; }
    QComboBox* PaperList() const { return m_paper; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ResetButton() const { return m_reset; }
    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int FieldOf(const QObject* object) const;
    // All ten fields read into the values (a range error stops at its field).
    bool ReadValues();
    void ShowValues();
    void OnPaperChanged(int paper);
    // The check of a field that was left; false after a refusal.
    bool RunPendingCheck();

    CSizeSetData& m_data;
    QComboBox* m_paper;
    QLineEdit* m_fields[kSizeFieldCount];
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_reset;
    int m_pending = -1;
    bool m_errorShown = false;
    int m_errorField = -1;
};

} // namespace marquell
