// A benchmark's chart window shown with a client area of a given size: the frame is resized
// until its pane's viewport has that size (the frame's own edges differ by platform).
#pragma once

#include "view/TembraFrame.h"
#include "view/TembraViewWnd.h"

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

} // namespace tembra::bench
