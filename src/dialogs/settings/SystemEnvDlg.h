// The system environment dialog (182 "システム環境"): seven display and operation switches of
// the application defaults. 決定 writes them into the defaults (the command then writes the
// profile and repaints), 取消 leaves the defaults untouched, 初期化 shows the built-in values.
// The controls carry their ids as object names.
#pragma once

#include "dialogs/settings/core/SystemEnvValues.h"

#include <QDialog>

class QCheckBox;

namespace tembra {

class CConfigBase;

class CSystemEnvDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 182;
    enum : int {
        IDC_END_DATE_DEC = 1501,
        IDC_DATE_GUIDE = 1502,
        IDC_ROW_GUIDE = 1503,
        IDC_RIGHT_CLICK = 1504,
        IDC_BLACK_BACK = 1505,
        IDC_HOLIDAY_MESH = 1506,
        IDC_CROSS_CURSOR = 1507,
        IDC_RESET = 1290,
    };

    // Shows *config; 決定 writes it back. With a null pointer the dialog edits nothing.
    explicit CSystemEnvDlg(CConfigBase* config, QWidget* parent = nullptr);
    ~CSystemEnvDlg() override;

    void SetValues(const SystemEnvValues& values);
    SystemEnvValues GetValues() const;

    void accept() override;

private:
    QCheckBox* AddCheck(int id, const char* text);

    CConfigBase* m_config = nullptr;
    QCheckBox* m_endDateDec = nullptr;
    QCheckBox* m_dateGuide = nullptr;
    QCheckBox* m_rowGuide = nullptr;
    QCheckBox* m_rightClick = nullptr;
    QCheckBox* m_blackBack = nullptr;
    QCheckBox* m_holidayMesh = nullptr;
    QCheckBox* m_crossCursor = nullptr;
};

} // namespace tembra
