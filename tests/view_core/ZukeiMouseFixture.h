// The view of round numbers in the shape mode, driven as the window drives it: messages at
// logical points (the view's own posted messages delivered after each), the shape bar's style
// chosen by the test, and what the gestures inverted on the window at hand.
#pragma once

#include "ViewMouseFixture.h"
#include "model/ConfigZukei.h"
#include "shapes/Zukei2.h"
#include "shapes/ZukeiBox.h"

#include <map>
#include <tuple>
#include <vector>

namespace tembra::test {

class ZukeiMouseFixture : public ViewMouseFixture {
protected:
    ZukeiMouseFixture() {
        View();
        SetState(Op::kModeZukei, Op::kOpDraw);
    }

    // The round page: day d starts at x 500 + 100 (d - 1); row r's top edge is at y -100 - 50 r.
    static CPoint P(int day, double row, int dx = 0) {
        return CPoint(500 + 100 * (day - 1) + dx, static_cast<LONG>(-100 - 50 * row));
    }

    void SetStyle(short style) { doc.GetSyokiSet().GetZukei().GetAttr().m_style = style; }
    WORD Sub() { return doc.GetOperation().GetState(); }

    // One message and what the view posted to itself in answer; the window paints what is
    // pending before the next message.
    BOOL Send(int action, UINT flags, const CPoint& logical) {
        host.pending.reset();
        const BOOL taken = At(action, flags, logical);
        DeliverPosted();
        return taken;
    }
    void Press(const CPoint& p, UINT flags = 0) {
        Send(CMouseEvent::kLeftDown, MK_LBUTTON | flags, p);
    }
    void Release(const CPoint& p, UINT flags = 0) { Send(CMouseEvent::kLeftUp, flags, p); }
    void Move(const CPoint& p, UINT flags = 0) { Send(CMouseEvent::kMove, flags, p); }
    void Click(const CPoint& p, UINT flags = 0) {
        Press(p, flags);
        Release(p, flags);
    }
    void RightClick(const CPoint& p) {
        Send(CMouseEvent::kRightDown, MK_RBUTTON, p);
        Send(CMouseEvent::kRightUp, 0, p);
    }
    // A double click as the window delivers it: a click, then the double click and its release.
    void DoubleClick(const CPoint& p) {
        Click(p);
        Send(CMouseEvent::kLeftDoubleClick, MK_LBUTTON, p);
        Release(p);
    }
    // A drag in one motion: the first move starts it, the next one moves it.
    void Drag(const CPoint& from, const CPoint& to, UINT flags = 0) {
        Press(from, flags);
        Move(to, MK_LBUTTON | flags);
        Move(to, MK_LBUTTON | flags);
        Release(to, flags);
    }

    int ShapeCount() { return doc.GetZukeiCount(); }
    CZukei* ShapeAt(int index) {
        POSITION pos = doc.GetShapes().GetHeadZukeiPosition();
        for (int i = 0; pos != nullptr; ++i) {
            CZukei* shape = doc.GetShapes().GetNextZukei(pos);
            if (i == index) {
                return shape;
            }
        }
        return nullptr;
    }

    // A box of the shape list over the days and rows given (its anchors at the days' starts and
    // the rows' top edges), selected when asked, on a layer.
    CZukeiBox* AddBox(int day1, double row1, int day2, double row2, bool selected = false,
                      int layer = 0) {
        auto* shape = new CZukeiBox;
        shape->SetAttr(CZukeiAttr{3, kPlaceOnChart, 0, 0, RGB(0, 0, 255), kHatchNone, 0, 0});
        shape->SetAnchors(April(day1), row1, April(day2), row2);
        shape->SetLayer(static_cast<WORD>(layer));
        doc.GetShapes().AddZukei(shape, FALSE);
        if (selected) {
            shape->Select();
            doc.GetShapes().AddSelZukei(shape);
        }
        return shape;
    }

    // Each inverted drawing the gestures made on the window, drawn an even number of times: the
    // window is left as it was.
    ::testing::AssertionResult EvenXorTrace() const {
        std::map<std::tuple<int, std::vector<long long>>, int> count;
        for (const CRecordingDC::Record& r : host.drawn) {
            if (!IsDrawingOp(r.op) || (r.rop2 != R2_NOT && r.rop2 != R2_XORPEN)) {
                continue;
            }
            std::vector<long long> key{r.args.rect.left, r.args.rect.top, r.args.rect.right,
                                       r.args.rect.bottom};
            for (const CPoint& p : r.args.points) {
                key.push_back(p.x);
                key.push_back(p.y);
            }
            key.insert(key.end(), r.args.values.begin(), r.args.values.end());
            ++count[{static_cast<int>(r.op), key}];
        }
        for (const auto& [key, n] : count) {
            if (n % 2 != 0) {
                return ::testing::AssertionFailure()
                       << "an inverted drawing of op " << std::get<0>(key) << " was made " << n
                       << " times";
            }
        }
        return ::testing::AssertionSuccess();
    }
};

// The two anchors of a two-point shape as (day of April, hour, row).
struct Anchor {
    int day;
    int hour;
    double row;
    bool operator==(const Anchor&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Anchor& a) {
    return out << "(" << a.day << " " << a.hour << "h, row " << a.row << ")";
}
inline Anchor AnchorOf(const CZukeiPoint& point) {
    return {point.GetDate().GetDay(), point.GetDate().GetHour(), point.GetRow()};
}

} // namespace tembra::test
