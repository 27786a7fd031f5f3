// The layer settings dialog (279 "レイヤー設定"): state and heading of the document's sixteen
// layers, the current layer (its button), and how many objects each holds. 決定 writes them into
// the document; 取消 leaves it untouched.
#pragma once

#include "dialogs/attributes/core/LayerDlgValues.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tembra {

class CLayerButton;

class CLayerSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 279;
    enum : int { IDC_ALL_SHOWN = 1950, IDC_ALL_REFERENCE = 1951, IDC_ALL_HIDDEN = 1952 };
    // The ids of layer n's controls.
    static int ButtonId(int n) { return n == 0 ? 1886 : 1887 + n; }
    static int StateId(int n) { return n == 0 ? 1953 : 1902 + n; }
    static int HeadingId(int n) { return n == 0 ? 1918 : 1919 + n; }
    static int CountId(int n) { return n == 0 ? 1919 : 1934 + n; }

    CLayerSetDlg(CTembraDoc& doc, QWidget* parent = nullptr);

    void accept() override;

private:
    void Take();
    void Show();

    CTembraDoc& m_doc;
    LayerSetValues m_values;
    std::array<CLayerButton*, kLayers> m_buttons{};
    std::array<QComboBox*, kLayers> m_states{};
    std::array<QLineEdit*, kLayers> m_headings{};
    std::array<QLabel*, kLayers> m_counts{};
};

} // namespace tembra
