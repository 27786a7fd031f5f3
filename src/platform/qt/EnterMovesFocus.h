// Enter in a dialog as the framework's dialogs take it: the dialogs here have no default
// button, so Enter in a field does not close the dialog. Installed as the event filter of a
// dialog's controls: Enter on the 決定 button accepts (presses it), on the 取消 button cancels,
// and on any other watched control moves the focus to the next control. A control may be given
// its own Enter action instead (open the chosen folder; an empty action: Enter does nothing).
#pragma once

#include <QObject>

#include <functional>
#include <initializer_list>
#include <map>

class QAbstractButton;
class QWidget;

namespace tembra {

class CEnterMovesFocus : public QObject {
    Q_OBJECT
public:
    explicit CEnterMovesFocus(QObject* parent) : QObject(parent) {}

    // Watches the controls: installs this filter on each.
    void Watch(std::initializer_list<QWidget*> controls);
    // The buttons Enter presses: 決定 (accept) and 取消 (cancel); either may be null. They are
    // watched too.
    void SetButtons(QAbstractButton* ok, QAbstractButton* cancel);
    // Enter on this control runs the action instead of moving on; the control is watched.
    void SetAction(QWidget* control, std::function<void()> action);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* m_ok = nullptr;
    QAbstractButton* m_cancel = nullptr;
    std::map<const QObject*, std::function<void()>> m_actions;
};

} // namespace tembra
