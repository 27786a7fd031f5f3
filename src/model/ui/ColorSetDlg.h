// The colour settings dialog (dialog 138 "色設定"): the colours of selected objects, locked
// objects, relation lines and holiday hatching. A radio chooses which one 色変更 changes through
// the colour request ("Color"). The controls carry their template ids as object names.
#pragma once

#include "model/ColorSetValues.h"
#include "platform/Types.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QLabel;

namespace tembra {

class CConfigColor;

class CColorSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 138;
    enum : int {
        IDC_SELECTED = 1292,
        IDC_LOCKED = 1293,
        IDC_RELATION = 1294,
        IDC_HATCH = 1295,
        IDC_CHANGE = 1141,
        IDC_RESET = 1290,
    };

    // Shows *color; OK writes it back. With a null pointer the dialog edits nothing.
    CColorSetDlg(CConfigColor* color, QWidget* parent = nullptr);
    ~CColorSetDlg() override;

    void SetValues(const ColorSetValues& values);
    const ColorSetValues& GetValues() const { return m_values; }
    // 0 to 3: the colour 色変更 changes.
    int Chosen() const;

    void accept() override;

private:
    // Asks for the chosen colour, preset with it; keeps it unless the colour dialog says OK.
    void ChangeChosen();
    void ShowSwatches();

    CConfigColor* m_color = nullptr;
    ColorSetValues m_values;
    QButtonGroup* m_radios = nullptr;
    std::array<QLabel*, 4> m_swatches{};
};

} // namespace tembra
