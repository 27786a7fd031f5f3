// The view of round numbers for gestures on processes, driven through the dispatcher as the
// window drives it (messages at client points, the view's own posted messages delivered after
// each), with a straight process and a gate line to place and the document's saved bytes to
// compare where a gesture must leave it as it was.
#pragma once

#include "ViewMouseFixture.h"
#include "support/ArchiveBytes.h"

#include <vector>

namespace tembra::test {

// The round page: day d starts at x 500 + 100 (d - 1); row r's middle is at y -125 - 50 r.
inline CPoint Pt(int day, int row, int dx = 0) {
    return CPoint(500 + 100 * (day - 1) + dx, -125 - 50 * row);
}

class ProcessMouseTest : public ViewMouseFixture {
protected:
    ProcessMouseTest() { View(); }

    // The bytes of every object as it would be saved, list by list, with the list each is in.
    Bytes Save() {
        Bytes all;
        const auto add = [&](CObject& object, BYTE list) {
            all.push_back(list);
            const Bytes bytes = test::Store(object, doc);
            all.insert(all.end(), bytes.begin(), bytes.end());
        };
        for (POSITION pos = doc.GetHeadObjPosition(); pos != nullptr;) {
            add(*doc.GetNextObj(pos), 1);
        }
        for (POSITION pos = doc.GetHeadSelPosition(); pos != nullptr;) {
            add(*doc.GetNextSel(pos), 2);
        }
        for (POSITION pos = doc.GetZukeiList().GetHeadPosition(); pos != nullptr;) {
            add(*doc.GetZukeiList().GetNext(pos), 3);
        }
        return all;
    }
    WORD Sub() { return doc.GetOperation().GetState(); }

    // One message and what the view posted to itself in answer.
    BOOL Send(int action, UINT flags, const CPoint& logical) {
        // The window paints what is pending before the next message.
        host.pending.reset();
        const BOOL taken = At(action, flags, logical);
        DeliverPosted();
        return taken;
    }
    void Click(const CPoint& p, UINT flags = 0) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, p);
        Send(CMouseEvent::kLeftUp, flags, p);
    }
    void Drag(const CPoint& from, const CPoint& to, UINT flags = 0) {
        // The first move starts the drag, the next one moves it.
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, from);
        Send(CMouseEvent::kMove, MK_LBUTTON | flags, to);
        Send(CMouseEvent::kMove, MK_LBUTTON | flags, to);
        Send(CMouseEvent::kLeftUp, flags, to);
    }

    bool Selected(const CKoutei* process) { return doc.FindSel(process) != nullptr; }
    CKoutei* SelectedProcess(int index = 0) {
        POSITION pos = doc.GetHeadSelPosition();
        for (int i = 0; pos != nullptr; ++i) {
            CDataHeader* object = doc.GetNextSel(pos);
            if (i == index) {
                return static_cast<CKoutei*>(object);
            }
        }
        return nullptr;
    }
    void SelectWhole(CKoutei* process) {
        process->Select();
        doc.SelectAt(doc.FindObj(process));
    }
    static void SetHoliday(CKoutei* process, WORD on) {
        CKouteiAttr attr = process->GetLines()->GetAttr();
        attr.m_holiday = on;
        process->GetLines()->SetAttr(attr);
    }

    // Straight on row 2 from the 3rd to the 6th.
    CKoutei* Straight() { return AddProcess(3, 6, 2); }
    // A gate line from the 10th, row 5, bending at row 7, to the 14th, row 9.
    CKoutei* Gate() {
        CKoutei* gate = AddProcess(10, 14, 5, 0, 9);
        gate->SetLineShape(6);
        gate->GetLines()->SetBendOffset(2);
        return gate;
    }
};

} // namespace tembra::test
