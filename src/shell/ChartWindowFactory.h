// Where the chart windows of the main frame come from: for each document shown, the factory makes
// the widget that goes into an MDI child window (the chart view and its child frame). The frame
// shows the widget, routes commands through the window's view first, and lets it re-evaluate the
// object under the cursor when the program idles.
#pragma once

#include "shell/core/CommandRouter.h"

#include <memory>

class QWidget;

namespace tembra {

class CTembraDoc;

class IChartWindow {
public:
    virtual ~IChartWindow() = default;
    // The widget of the MDI child; owned by the chart window.
    virtual QWidget* Widget() = 0;
    virtual CTembraDoc& Document() = 0;
    // The view's commands, asked before the document's; null for a window without a view.
    virtual ICommandTarget* Commands() = 0;
    // The program is idle: the object under the cursor may have changed.
    virtual void OnIdleHover() = 0;
    // The document's mode or operation changed: a mouse gesture running under the old one ends.
    virtual void OnModeChanged() = 0;
    // The document's title changed.
    virtual void OnTitleChanged() = 0;
};

class IChartWindowFactory {
public:
    virtual ~IChartWindowFactory() = default;
    virtual std::unique_ptr<IChartWindow> CreateChartWindow(CTembraDoc& document) = 0;
};

} // namespace tembra
