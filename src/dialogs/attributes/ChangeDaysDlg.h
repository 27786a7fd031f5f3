// The duration change dialog of calendar-date charts (144 "日数変更"): the end date and the
// duration of one process (a copy the caller owns), kept consistent over the calendar while
// either is edited, the spare days, and whether linked processes follow. 決定 writes end, spare
// days and duration into the copy.
#pragma once

#include "dialogs/attributes/core/ChangeDaysMath.h"

#include <QDialog>

#include <array>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QToolButton;

namespace tembra {

class CTembraDoc;

class CChangeDaysDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 144;
    static constexpr int kElapsedIdd = 221;
    enum : int {
        IDC_YEAR = 1639,
        IDC_MONTH = 1438,
        IDC_DAY = 1166,
        IDC_HOUR = 1437,
        IDC_MINUTE = 1165,
        IDC_SPIN_YEAR = 1643,
        IDC_SPIN_MONTH = 1441,
        IDC_SPIN_DAY = 1170,
        IDC_SPIN_HOUR = 2004,
        IDC_SPIN_MINUTE = 2005,
        IDC_DAYS = 1361,
        IDC_HOURS = 1362,
        IDC_MINUTES = 1363,
        IDC_ELAPSED = 1460,
        IDC_WORKING = 1296,
        IDC_SPARE_SWITCH = 1662,
        IDC_SPARE_DAYS = 1661,
        IDC_LINK = 1447,
    };

    // daysOnly: the hours and minutes stay disabled.
    CChangeDaysDlg(bool daysOnly, CKoutei* koutei, const CTembraDoc* doc,
                   QWidget* parent = nullptr);
    ~CChangeDaysDlg() override;

    bool GetLink() const { return m_values.link; }
    const ChangeDaysValues& Values() const { return m_values; }

    void accept() override;
    void reject() override;

protected:
    // The elapsed-day dialog: no year and no count mode; the end shown as elapsed month and day.
    CChangeDaysDlg(bool daysOnly, CKoutei* koutei, const CTembraDoc* doc, bool elapsed,
                   QWidget* parent);

private:
    void Build();
    // The controls into m_values; false after a range message.
    bool Take();
    void Show();
    void Enable();
    void Refill();
    void EndLeft();
    void DurationLeft();
    void Step(int field, int step);

    CKoutei* m_koutei;
    const CTembraDoc* m_doc;
    bool m_daysOnly;
    bool m_elapsed;
    std::unique_ptr<ChangeDaysMath> m_math;
    ChangeDaysValues m_values;
    CTime m_base; // elapsed day 1
    int m_monthDays = 30;
    std::array<QLineEdit*, 5> m_end{};
    std::array<std::array<QToolButton*, 2>, 5> m_spins{};
    std::array<QLineEdit*, 3> m_duration{};
    QButtonGroup* m_count = nullptr;
    QCheckBox* m_spareSwitch = nullptr;
    QLineEdit* m_spare = nullptr;
    QCheckBox* m_link = nullptr;
};

} // namespace tembra
