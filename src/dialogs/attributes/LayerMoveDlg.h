// The layer batch move dialog (282 "レイヤーデータ一括移動"): a destination layer for the
// objects of each of the sixteen layers, with the state of that destination beside it and the
// layers that hold objects marked on their (disabled) buttons. 決定 leaves the destinations in
// the caller's table; 取消 leaves it untouched.
#pragma once

#include "dialogs/attributes/core/LayerDlgValues.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;

namespace tembra {

class CLayerButton;

class CLayerMoveDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 282;
    using Table = std::array<int, kLayers>;
    // The ids of row n's controls.
    static int HeadingId(int n) { return 1977 + n; }
    static int ButtonId(int n) { return n == 0 ? 1886 : 1887 + n; }
    static int DestinationId(int n) { return n == 0 ? 1887 : 1903 + n; }
    static int StateTextId(int n) { return 1954 + n; }

    CLayerMoveDlg(const CTembraDoc& doc, Table* table, QWidget* parent = nullptr);

    void accept() override;

private:
    void Show();

    Table* m_table;
    LayerMoveValues m_values;
    std::array<CLayerButton*, kLayers> m_buttons{};
    std::array<QComboBox*, kLayers> m_destinations{};
    std::array<QLabel*, kLayers> m_stateTexts{};
};

} // namespace tembra
