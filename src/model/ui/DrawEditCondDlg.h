// The drawing and editing conditions dialog (dialog 146 "作図・編集条件"): six pairs of radio
// buttons and the two term-target checks over one CConfigOperation, either the application's
// defaults or a document's own. The controls carry their template ids as object names.
#pragma once

#include "model/DrawEditCondValues.h"
#include "platform/Types.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QRadioButton;

namespace tembra {

class CConfigOperation;

class CDrawEditCondDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 146;
    enum : int {
        IDC_TEMP_OFF = 1379,
        IDC_TEMP_ON = 1380,
        IDC_MULTI_CTRL = 1448,
        IDC_MULTI_ALWAYS = 1449,
        IDC_WAKUNAI_OFF = 1626,
        IDC_WAKUNAI_ON = 1627,
        IDC_HOLIDAY_OFF = 1273,
        IDC_HOLIDAY_ON = 1274,
        IDC_YOGO_ALONE = 1634,
        IDC_YOGO_PAIR = 1635,
        IDC_ATTACH_LINE = 1774,
        IDC_ATTACH_NODE = 1775,
        IDC_EVENT_BASE_MOVE = 1206,
        IDC_EVENT_BASE_FIXED = 1207,
        IDC_RESET = 1290,
    };

    // Shows *operation; OK writes it back. With a null pointer the dialog edits nothing.
    CDrawEditCondDlg(CConfigOperation* operation, QWidget* parent = nullptr);
    ~CDrawEditCondDlg() override;

    void SetValues(const DrawEditCondValues& values);
    DrawEditCondValues GetValues() const;

    void accept() override;

private:
    struct Pair {
        QRadioButton* off;
        QRadioButton* on;
    };
    // The radio pair of one value, in a group box of its own.
    Pair AddPair(QGridLayout* grid, int row, int column, const char* title, int offId,
                 const char* offText, int onId, const char* onText);

    CConfigOperation* m_operation = nullptr;
    Pair m_temp{};
    Pair m_multi{};
    Pair m_wakunai{};
    Pair m_holiday{};
    Pair m_yogo{};
    Pair m_event{};
    QCheckBox* m_line = nullptr;
    QCheckBox* m_node = nullptr;
};

} // namespace tembra
