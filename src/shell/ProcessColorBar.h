// The process tool bar with the process-colour combo.
#pragma once

#include "document/KouteiBarObserver.h"
#include "shell/CommandBar.h"

namespace tembra {

// The process bar as the document sees it (IKouteiBarObserver): its colour combo.
class CProcessColorBar : public CCommandBar, public IKouteiBarObserver {
    Q_OBJECT
public:
    explicit CProcessColorBar(QWidget* parent);
    CColorComboBox* ColorCombo() const {
        return static_cast<CColorComboBox*>(Combo(kKouteiColorComboId));
    }
    void SetColorSource(CustomColorSource custom);

    void SetKouteiColor(COLORREF color) override;
    COLORREF GetKouteiColor() const override;
    int GetKouteiColorIndex() const override;

private:
    CustomColorSource m_custom;
};

} // namespace tembra
