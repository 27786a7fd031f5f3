// A button that shows a grid pitch: its face in the button colour and the pitch (0.1 mm) as
// "%4.1fmm" in its middle; a pitch of -1 shows nothing.
#pragma once

#include <QPushButton>

namespace marquell {

class CGridSizeButton : public QPushButton {
    Q_OBJECT
public:
    explicit CGridSizeButton(QWidget* parent = nullptr);

    void SetPitch(int pitch);
    int Pitch() const { return m_pitch; }
    // The text shown ("" for none).
    QString PitchText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_pitch = -1;
};

} // namespace marquell
