// What the widget tests of this library share: controls by their ids, acting on a modal dialog
// once it shows, and a registry that keeps the handlers the library registers.
#pragma once

#include "platform/qt/DialogRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace tembra::test {

template <class Widget> Widget* Control(const QWidget& dialog, int id) {
    auto* widget = dialog.findChild<Widget*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Acts on the dialog of the class once it is shown.
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

class KeepingRegistry : public IDialogRegistry {
public:
    void Register(const std::string& name, DialogHandler handler) override {
        handlers[name] = std::move(handler);
    }
    QWidget* DialogParent() const override { return nullptr; }
    int Run(DialogRequest& request) { return handlers.at(request.Name())(request); }
    std::map<std::string, DialogHandler> handlers;
};

} // namespace tembra::test
