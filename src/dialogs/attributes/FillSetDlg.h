// The fill dialog (421 "塗り潰し設定"): a fill colour from fourteen colour buttons (the last but
// one the run's custom colour, the last the removal of the fill), a density on the slider, a
// live sample, and the target area when the selection reaches the item area.
#pragma once

#include "platform/Types.h"

#include <QDialog>

#include <vector>

class QRadioButton;

namespace tembra {

class CColorButton;
class CFillSample;
class CFillSlider;
class FillSetDlgRequest;

class CFillSetDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 421;
    enum : int {
        IDC_SLIDER = 1137,
        IDC_SAMPLE = 1047,
        IDC_OTHER_COLOR = 1139,
        IDC_PROCESS_ONLY = 2025,
        IDC_BOTH_AREAS = 2026,
    };

    // The target radios take input when the request's rows are whole rows. After 決定 the
    // request holds the removal, or the chosen colour, the density position (its pattern) and
    // whether the item cells get the fill too.
    explicit CFillSetDlg(FillSetDlgRequest& request, QWidget* parent = nullptr);

    void accept() override;
    // After 決定: a colour button was chosen (the removal counts as one), and which.
    bool ColorChosen() const { return m_colorChosen; }
    bool Removed() const { return m_remove; }

private:
    void Choose(CColorButton* button);
    void OtherColor();
    void RefreshSample();

    FillSetDlgRequest& m_request;
    std::vector<CColorButton*> m_buttons;
    CColorButton* m_custom = nullptr;
    CColorButton* m_selected = nullptr;
    bool m_remove = false;
    bool m_colorChosen = false;
    COLORREF m_color = 0;
    CFillSlider* m_slider = nullptr;
    CFillSample* m_sample = nullptr;
    QRadioButton* m_processOnly = nullptr;
    QRadioButton* m_both = nullptr;
};

} // namespace tembra
