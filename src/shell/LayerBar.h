// The main tool bar with the layer combo, as the document sees it (ILayerBarObserver).
#pragma once

#include "document/LayerBarObserver.h"
#include "shell/CommandBar.h"

namespace tembra {

class CLayerBar : public CCommandBar, public ILayerBarObserver {
    Q_OBJECT
public:
    explicit CLayerBar(QWidget* parent);
    QComboBox* LayerCombo() const { return Combo(kLayerComboId); }

    // The combo's entry is the layer number.
    int GetSelectedLayer() const override;
    void SelectLayer(int layer) override;
    bool HasFocus() const override;
};

} // namespace tembra
