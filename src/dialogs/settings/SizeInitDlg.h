// The initial sizes dialog (181 "サイズ初期設定"): the node radius, the process shapes, the
// arrows, the term line spacing and the three process line widths of a settings record. It is
// opened on the working copy of the initial-settings dialogs; 決定 checks every range and writes
// the eleven words into the record, 取消 leaves it untouched. The controls carry their ids as
// object names.
#pragma once

#include "dialogs/settings/core/SizeInitFields.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace tembra {

class CSyokiSet;

class CSizeInitDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 181;
    // The field of SizeInitField f is IDC_FIRST_FIELD + f.
    static constexpr int IDC_FIRST_FIELD = 1300;
    static constexpr int IDC_RESET = 1290;

    explicit CSizeInitDlg(CSyokiSet& settings, QWidget* parent = nullptr);
    ~CSizeInitDlg() override;

    // Runs the dialog: IDOK after the record was written, else IDCANCEL.
    int DoModal();
    void accept() override;

private:
    void Show(const SizeInitValues& values);
    // 初期化: the sizes of the user's profile, shown only.
    void Reset();

    CSyokiSet& m_settings;
    std::array<QLineEdit*, kSizeFieldCount> m_fields{};
};

} // namespace tembra
