// What the widget tests of this library share: controls by their ids, acting on a modal dialog
// once it shows, and a registry that keeps the handlers the library registers.
#pragma once

#include "platform/qt/DialogRegistry.h"
#include "support/qt/DialogControls.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace tembra::test {

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
