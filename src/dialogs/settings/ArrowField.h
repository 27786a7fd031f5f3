// A number field with an up-down arrow pair whose presses the dialog handles itself: the arrows
// hold no value of their own, each press only asks the dialog to step the field by +1 or -1.
// The Up and Down keys in the field ask the same. The arrows carry the field's id with ".up" and
// ".down", so tests find them.
#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

namespace tembra {

class CArrowField : public QWidget {
    Q_OBJECT
public:
    CArrowField(int id, QWidget* parent);

    QLineEdit* Field() const { return m_field; }
    // The step the dialog runs on an arrow press (delta +1 or -1).
    void OnStep(std::function<void(int)> step) { m_step = std::move(step); }
    // Shows the value.
    void SetValue(int value);
    // The field's integer, or fallback when its text holds none.
    int Value(int fallback) const;
    // Disables the field, the arrows, or both.
    void EnableField(bool enable);
    void EnableArrows(bool enable);
    // A field only shown: read-only, out of the tab order, without arrows.
    void ShowOnly();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int delta);

    QLineEdit* m_field = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    std::function<void(int)> m_step;
};

} // namespace tembra
