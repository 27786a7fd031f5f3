// The view of round numbers with the mouse at hand: events at logical points of the chart (the
// fixture's pixels are logical units with y turned over), spies in the edit function slots, a
// selected shape to have a selection, and the application's settings of the test's own.
#pragma once

#include "ViewFixture.h"
#include "model/ConfigBase.h"
#include "shapes/ZukeiBox.h"

#include <algorithm>
#include <map>
#include <string>

namespace tembra::test {

class ViewMouseFixture : public ViewFixture {
protected:
    using Slot = CTembraView::EditSlot;
    using Op = COperationState;

    // The window shows the whole page, unscrolled: client pixels are logical units with y
    // turned over.
    ViewMouseFixture() {
        m_previousConfig = SetAppConfig(&config);
        host.client = CSize(3500, 1600);
    }
    ~ViewMouseFixture() override { SetAppConfig(m_previousConfig); }

    CTembraView& View() {
        if (views.empty()) {
            MakeView(host);
            host.cursorPos = CPoint(1000, 500);
        }
        return *views.front();
    }
    static CPoint Device(const CPoint& logical) { return CPoint(logical.x, -logical.y); }

    // A mouse message at a logical point; the dispatcher's answer.
    BOOL At(int action, UINT flags, const CPoint& logical) {
        return View().ObjectActionAt(action, flags, Device(logical));
    }
    // The messages the view posted to itself, delivered in order.
    void DeliverPosted() {
        while (!host.posted.empty()) {
            const FakeViewHost::Posted p = host.posted.front();
            host.posted.erase(host.posted.begin());
            View().ObjectActionAt(p.action, p.keyFlags, p.point);
        }
    }

    // Every slot of the dispatch tables gets a spy that notes its call and answers `answer`
    // (the two item-area functions that run before the tables are emptied, so that every
    // message reaches the tables).
    void SpyOnAllSlots(BOOL answer = TRUE) {
        View().SetEditFunction(Slot::ItemCellInput, {});
        View().SetEditFunction(Slot::TrackItemArea, {});
        for (int i = 0; i < static_cast<int>(Slot::ItemCellInput); ++i) {
            const auto slot = static_cast<Slot>(i);
            View().SetEditFunction(slot, [this, slot, answer](CDC*) {
                calls.push_back(slot);
                partitionSeen.push_back(doc.GetSyokiSet().GetZukei().GetPartitionFlag());
                return answer;
            });
        }
    }

    // The inverted drawings on the window that were not drawn a second time: each feedback a
    // gesture inverts must be inverted again before it ends, or a trace stays on the screen.
    // Drawings are told apart by call, arguments, raster operation and pen (its colour only
    // where the operation mixes it in).
    static bool Inverts(const CRecordingDC::Record& r) {
        return IsDrawingOp(r.op) &&
               (r.rop2 == R2_NOT || r.rop2 == R2_XORPEN || r.rop2 == R2_NOTXORPEN);
    }
    int UnevenInversions() const {
        std::map<std::string, int> counts;
        for (const CRecordingDC::Record& r : host.drawn) {
            if (!Inverts(r)) {
                continue;
            }
            std::string key = std::to_string(r.dc) + '/' + std::to_string(static_cast<int>(r.op)) +
                              '/' + std::to_string(r.rop2) + '/' + std::to_string(r.pen.style) +
                              '/' + std::to_string(r.pen.width);
            if (r.rop2 != R2_NOT) {
                key += '/' + std::to_string(r.pen.color);
            }
            for (const CPoint& p : r.args.points) {
                key += ':' + std::to_string(p.x) + ',' + std::to_string(p.y);
            }
            const CRect& rect = r.args.rect;
            key += '|' + std::to_string(rect.left) + ',' + std::to_string(rect.top) + ',' +
                   std::to_string(rect.right) + ',' + std::to_string(rect.bottom) + '|' +
                   r.args.text;
            for (const long long v : r.args.values) {
                key += ';' + std::to_string(v);
            }
            ++counts[key];
        }
        return static_cast<int>(std::count_if(
            counts.begin(), counts.end(), [](const auto& entry) { return entry.second % 2 != 0; }));
    }
    bool AnyInverted() const { return std::any_of(host.drawn.begin(), host.drawn.end(), Inverts); }

    void SetState(LONG mode, LONG operation, WORD subState = 0) {
        CConfigOperation& state = doc.GetOperation();
        state.SetMode(mode);
        state.SetOperation(operation);
        state.SetState(subState);
    }
    LONG Operation() { return doc.GetOperation().GetOperation(); }
    LONG Mode() { return doc.GetOperation().GetMode(); }

    // A shape of the shape list, selected when asked, over days 6 to 9 and rows 2 to 5.
    CZukeiBox* AddShape(bool selected) {
        auto* shape = new CZukeiBox;
        shape->SetAttr(CZukeiAttr{1, kPlaceOnChart, 1, -3, RGB(0, 0, 255), kHatchNone, 0, 0});
        shape->SetAnchors(April(6), 2, April(9), 5);
        doc.GetZukeiList().AddTail(shape);
        if (selected) {
            shape->Select();
            doc.GetSelList().AddTail(shape);
        }
        return shape;
    }

    CConfigBase config;
    FakeViewHost host;
    std::vector<Slot> calls;
    std::vector<WORD> partitionSeen;

private:
    CConfigBase* m_previousConfig = nullptr;
};

} // namespace tembra::test
