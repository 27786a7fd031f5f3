// What the dialog tests share: a control found by its template id (the object name every dialog
// gives its controls), and acting on a modal dialog once it shows.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace tembra::test {

template <class Widget> Widget* Control(const QWidget& dialog, int id) {
    auto* widget = dialog.findChild<Widget*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Acts on the dialog of the class once it is shown (looking again while another dialog runs
// first).
template <class Dialog> void WhenShown(std::function<void(Dialog&)> act, int tries = 200) {
    QTimer::singleShot(0, [act, tries] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                act(*dialog);
                return;
            }
        }
        if (tries > 0) {
            WhenShown<Dialog>(act, tries - 1);
        } else {
            ADD_FAILURE() << "the dialog is not shown";
        }
    });
}

} // namespace tembra::test
