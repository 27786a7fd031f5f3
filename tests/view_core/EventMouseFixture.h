// The view of round numbers with a term bar of the test's own and the tools of an event gesture
// script: messages at logical points with the view's own posted messages delivered after each,
// events placed on the chart, the document's saved bytes, and the trace of what was drawn
// inverted (every inverted drawing must come in pairs once a gesture has ended, or the window
// keeps a stain).
#pragma once

#include "ViewMouseFixture.h"
#include "document/YogoBarRecorder.h"
#include "render/EventGeometry.h"
#include "support/ArchiveBytes.h"

#include <map>
#include <tuple>

namespace tembra::test {

// The round page: day d starts at x 500 + 100 (d - 1); row r's middle is at y -125 - 50 r.
inline CPoint DayRow(int day, int row, int dx = 0, int dy = 0) {
    return CPoint(500 + 100 * (day - 1) + dx, -125 - 50 * row + dy);
}

class EventMouseFixture : public ViewMouseFixture {
protected:
    EventMouseFixture() {
        state.SetYogoBar(&bar);
        View();
        host.cursorOver = true;
    }
    ~EventMouseFixture() override { state.SetYogoBar(nullptr); }

    WORD Sub() { return doc.GetOperation().GetState(); }
    BOOL Send(int action, UINT flags, const CPoint& logical) {
        host.pending.reset();
        const BOOL taken = At(action, flags, logical);
        DeliverPosted();
        return taken;
    }
    void Click(const CPoint& p, UINT flags = 0) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, p);
        Send(CMouseEvent::kLeftUp, flags, p);
    }
    void RightClick(const CPoint& p) {
        Send(CMouseEvent::kRightDown, MK_RBUTTON, p);
        Send(CMouseEvent::kRightUp, 0, p);
    }

    // An event of the text on the day and row (its anchor at the date and row point plus the
    // offsets in percent), unselected unless asked.
    CEvent* AddEvent(const std::string& text, int day, int row, bool selected = false,
                     LONG offsetX = 0, LONG offsetY = 0) {
        std::unique_ptr<CEvent> event = doc.GetEvents().CreateEvent();
        event->SetText(text);
        event->SetStartDate(April(day));
        event->SetStartRow(static_cast<WORD>(row));
        event->SetOffset(offsetX, offsetY);
        CEvent* raw = event.get();
        const POSITION at = doc.AddObj(event.release(), FALSE);
        if (selected) {
            raw->Select();
            doc.SelectAt(at);
        }
        return raw;
    }
    // The events of the object list (unselected) and of the selection, in list order.
    std::vector<CEvent*> Events(bool selected) {
        std::vector<CEvent*> out;
        auto& list = selected ? doc.GetSelList() : doc.GetObjList();
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
            CDataHeader* object = list.GetNext(pos);
            if (object->GetType() == kTypeEvent) {
                out.push_back(static_cast<CEvent*>(object));
            }
        }
        return out;
    }
    CPoint Anchor(const CEvent& event) { return GetAnchorPoint(event, View().GetPageLayout()); }
    CRect Rect(const CEvent& event) {
        std::unique_ptr<CDC> dc = host.GetClientDC();
        View().OnPrepareDC(dc.get());
        return GetRect(event, View().GetPageLayout(), dc.get(), TRUE);
    }

    // The bytes of every chart object as saved, list by list.
    Bytes Save() {
        Bytes all;
        const auto add = [&](CObject& object, BYTE list) {
            all.push_back(list);
            const Bytes bytes = Store(object, doc);
            all.insert(all.end(), bytes.begin(), bytes.end());
        };
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            add(*doc.GetNextObj(pos), 1);
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            add(*doc.GetNextSel(pos), 2);
        }
        for (POSITION pos = doc.GetShincyokuList().GetHeadPosition(); pos != nullptr;) {
            add(*doc.GetShincyokuList().GetNext(pos), 3);
        }
        return all;
    }

    std::vector<UINT> Messages() { return ui.MessageIds(); }

    YogoBarRecorder bar;
};

} // namespace tembra::test
