// The selection of the QKR ASCII import (dialog 241 "QKRｱｽｷｰﾌｧｲﾙ読み込み選択"): the parts of the
// file to take in, one check box each. Processes and events need the calendar: ticking either
// ticks it, and clearing it while either is ticked is refused (message 5093). Enter takes the
// choice only on "決定", gives up on "取消" and moves on to the next control elsewhere.
#pragma once

#include "platform/Types.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;

namespace tembra {

class DialogRequest;

// "カレンダー情報を外せません。\n工程データまたは行事データにはカレンダー情報が必要です。"
constexpr UINT IDS_QKR_CALENDAR_NEEDED = 5093;

class CQkrImportSelDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 241;
    enum : int {
        IDC_CALENDAR = 1047,
        IDC_HEADER = 1269,
        IDC_ITEMS = 1373,
        IDC_PROCESSES = 1376,
        IDC_EVENTS = 1211,
    };

    // Each box ticked when its bit of flags is set; OK writes the ticked bits into flags.
    CQkrImportSelDlg(DWORD& flags, QWidget* parent = nullptr);
    ~CQkrImportSelDlg() override;

    QCheckBox* CheckBox(int id) const;
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

    // The dialog for a selection request.
    static int Run(DialogRequest& request, QWidget* parent);

private:
    struct Box {
        int id;
        const char* label;
        DWORD bit;
    };
    static const std::array<Box, 5> kBoxes;
    void CalendarChanged();
    void NeedsCalendar(bool checked);

    DWORD& m_flags;
    std::array<QCheckBox*, 5> m_boxes{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tembra
