// The layer bar's combo (control 1665, "レイヤーＮｏ．") as the document sees it: the layer it
// shows is the layer new objects go to or the selection is moved to. The shell's bar implements
// it and registers with the application's state (CAppState answers for a missing bar: layer 0,
// no focus, nothing done).
#pragma once

namespace tembra {

class ILayerBarObserver {
public:
    virtual ~ILayerBarObserver() = default;
    // The selected entry, which is the layer number (0 to 15).
    virtual int GetSelectedLayer() const = 0;
    virtual void SelectLayer(int layer) = 0;
    // True while the combo has the keyboard focus (its selection is then the user's).
    virtual bool HasFocus() const = 0;
};

} // namespace tembra
