// A benchmark's chart window shown with a client area of a given size: the frame is resized
// until its pane's viewport has that size (the frame's own edges differ by platform); and a mouse
// message sent to a pane's viewport at a client pixel, as the window system delivers it.
#pragma once

#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSize>

namespace tembra::bench {

inline void ShowAtClientSize(CTembraFrame& frame, const QSize& client) {
    frame.resize(client);
    frame.show();
    CTembraViewWnd& pane = *frame.Pane(0, 0);
    for (int i = 0; i < 2; ++i) {
        frame.resize(frame.size() + (client - pane.viewport()->size()));
    }
}

inline void SendMouse(CTembraViewWnd& pane, QEvent::Type type, const QPoint& at,
                      Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget* port = pane.viewport();
    QMouseEvent event(type, at, port->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(port, &event);
}

} // namespace tembra::bench
