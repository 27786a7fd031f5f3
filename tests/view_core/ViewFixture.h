// The chart view over a window of the test's own, on a schedule document of round numbers: the
// page's top-left corner at (0, 0), the date band (0, 0, 3500, -100), the item column
// (0, -100, 500, -1600) and the chart rectangle (500, -100, 3500, -1600); the period of April
// 2010 puts a day 100 units wide from x 500, rows 0 to 29 are 50 high (row r spans y
// -100 - 50r .. -150 - 50r). The window's pixels are as large as a logical unit (254 dpi), so
// device and logical units differ only in the sign of y and the scroll origin.
#pragma once

#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/RecordingDC.h"
#include "support/ScriptedUi.h"
#include "view/core/PrintInfo.h"
#include "view/core/TembraView.h"
#include "view/core/ViewHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace tembra::test {

inline CTime April(int day, int hour = 0) {
    return CTime(2010, 4, day, hour, 0, 0);
}

// The window of a view: what the view asked of it is kept for the test to look at.
class FakeViewHost : public IViewHost {
public:
    struct Posted {
        int action;
        UINT keyFlags;
        CPoint point;
    };

    // A device context of the window whose calls go to the host's log when it goes.
    class ClientDC : public CRecordingDC {
    public:
        ClientDC(FakeViewHost& host)
            : CRecordingDC(Device::Screen, host.dpi, host.client), m_host(host) {}
        ~ClientDC() override {
            // A test that makes allocations fail may fail this one too: the log then lacks the
            // calls, which such a test does not read.
            try {
                for (const Record& r : Records()) {
                    m_host.drawn.push_back(r);
                }
            } catch (const std::bad_alloc&) {
            }
        }

    private:
        FakeViewHost& m_host;
    };

    CSize GetClientSize() const override { return client; }
    std::unique_ptr<CDC> GetClientDC() override { return std::make_unique<ClientDC>(*this); }
    COLORREF GetWorkspaceColor() const override { return RGB(128, 128, 128); }
    void UpdateScrollBars() override { ++scrollBarUpdates; }
    void ResizeParentToFit(const CSize&) override {}

    void InvalidateRect(const CRect* deviceRect, bool) override {
        const CRect r = deviceRect != nullptr ? *deviceRect : CRect(0, 0, client.cx, client.cy);
        invalidated.push_back(deviceRect != nullptr ? std::optional<CRect>(r) : std::nullopt);
        if (pending) {
            CRect joined;
            joined.UnionRect(*pending, r);
            pending = joined;
        } else {
            pending = r;
        }
    }
    void ValidateRect(const CRect& r) override {
        validated.push_back(r);
        if (pending && *pending == r) {
            pending.reset();
        }
    }
    bool GetUpdateRect(CRect& r) const override {
        if (pending) {
            r = *pending;
        }
        return pending.has_value();
    }
    void UpdateWindow() override {
        ++paintsNow;
        pending.reset();
    }
    void SetCapture() override { capture = true; }
    void ReleaseCapture() override { capture = false; }
    bool HasCapture() const override { return capture; }
    void PostMouseEvent(int action, UINT keyFlags, const CPoint& p) override {
        posted.push_back({action, keyFlags, p});
    }
    void PostObjectAction(const std::optional<CMouseEvent>& record) override {
        postedActions.push_back(record);
    }
    // The cursors a window of the program has: the size cursors, the cross and the mode
    // cursors (unknownCursor stands for one that fails to load).
    bool SetCursor(int c) override {
        if (c == unknownCursor) {
            return false;
        }
        cursor = c;
        return true;
    }
    bool IsCursorOverView() const override { return cursorOver; }
    void SetAutoScroll(bool on) override { autoScroll = on; }
    CPoint GetCursorPos() const override { return cursorPos; }
    bool TakePreviewAbort() override {
        ++abortQuestions;
        return abortAnswer;
    }

    bool IsSplitterPane() const override { return splitter; }
    int GetPaneRow() const override { return row; }
    int GetPaneColumn() const override { return column; }
    int GetSplitterRows() const override { return rows; }
    int GetSplitterColumns() const override { return columns; }
    std::vector<SplitterPane> GetOtherPanes() const override { return others; }

    bool IsHalfScroll() const override { return halfScroll; }
    bool GetPrinterDefaults(CPrintInfo& info) override {
        ++defaultsAsked;
        if (printerDefaults) {
            info.m_paperSize = paper;
        }
        return printerDefaults;
    }
    int RunPrintDialog(CPrintInfo& info) override {
        ++dialogs;
        dialogPages = {info.m_nFromPage, info.m_nToPage};
        info.m_paperSize = paper;
        return dialogAnswer;
    }
    bool HasPrinterDevice(CPrintInfo&) override { return printerDevice; }
    void Print() override { ++prints; }
    bool StartPreview() override {
        ++previews;
        return previewStarts;
    }
    void RunPrinterSetup() override { ++setups; }
    IFloatOverview* GetOverview() const override { return nullptr; }
    bool HasDialog(const char* name) const override {
        return std::find(missingDialogs.begin(), missingDialogs.end(), name) ==
               missingDialogs.end();
    }

    // Forgets what was recorded.
    void Clear() {
        invalidated.clear();
        validated.clear();
        drawn.clear();
        posted.clear();
        postedActions.clear();
        pending.reset();
    }
    // Whether the whole window was invalidated since the last Clear.
    bool WholeInvalidated() const {
        for (const auto& r : invalidated) {
            if (!r) {
                return true;
            }
        }
        return false;
    }

    CSize client{600, 400};
    int dpi = 254;
    std::vector<std::optional<CRect>> invalidated;
    std::vector<CRect> validated;
    std::optional<CRect> pending;
    std::vector<CRecordingDC::Record> drawn;
    std::vector<Posted> posted;
    std::vector<std::optional<CMouseEvent>> postedActions;
    int scrollBarUpdates = 0;
    int paintsNow = 0;
    bool capture = false;
    int cursor = kCursorArrow;
    int unknownCursor = -1;
    bool cursorOver = true;
    bool autoScroll = false;
    CPoint cursorPos;
    bool abortAnswer = false;
    int abortQuestions = 0;

    bool splitter = true;
    int row = 0;
    int column = 0;
    int rows = 1;
    int columns = 1;
    std::vector<SplitterPane> others;

    // The requests no dialog answers in this window's application.
    std::vector<std::string> missingDialogs;
    bool halfScroll = false;
    bool printerDefaults = true;
    int dialogAnswer = IDOK;
    bool printerDevice = true;
    CSize paper{4000, 3000};
    int defaultsAsked = 0;
    int dialogs = 0;
    std::pair<UINT, UINT> dialogPages;
    int prints = 0;
    int previews = 0;
    bool previewStarts = true;
    int setups = 0;
};

// The scripted user interface with the main window's command queue and its mode notice: posted
// commands are kept, and a change of mode or operation reaches the views as the shell passes
// it on.
class ViewUi : public ScriptedUi {
public:
    void PostCommand(UINT id) override { commands.push_back(id); }
    void ModeChanged() override {
        ScriptedUi::ModeChanged();
        if (views != nullptr) {
            for (const auto& view : *views) {
                view->OnModeChanged();
            }
        }
    }
    std::vector<UINT> commands;
    const std::vector<std::unique_ptr<CTembraView>>* views = nullptr;
};

// The document of round numbers with the application's state and a scripted user interface of
// the test's own.
class ViewFixture : public ::testing::Test {
protected:
    ViewFixture() {
        ui.views = &views;
        m_previousUi = SetUiServices(&ui);
        m_previousState = SetAppState(&state);
        SetRoundPage(doc);
        doc.GetOperation().SetMode(COperationState::kModeKoutei);
    }
    ~ViewFixture() override {
        views.clear();
        SetAppState(m_previousState);
        SetUiServices(m_previousUi);
    }

    static void SetRoundPage(CTembraDoc& document) {
        CSyokiSet& set = document.GetSyokiSet();
        // The fonts, date rows and attributes of a new chart, then the round page.
        set.SetDefault(&document, 0);
        CPrintArea::StoredFields f;
        f.paper = CRect(0, 0, 3600, -1800);
        f.header = CRect(0, 0, 3500, 0);
        f.page = CRect(0, 0, 3500, -1600);
        f.date = CRect(0, 0, 3500, -100);
        f.edit = CRect(0, -100, 3500, -1600);
        f.items = CRect(0, -100, 500, -1600);
        f.chart = CRect(500, -100, 3500, -1600);
        f.inner = CRect(500, -100, 3500, -1600);
        f.footer = CRect(0, -1600, 3500, -1600);
        f.itemWidth = 500;
        set.GetPageSetting().SetStoredFields(f);
        set.SetStartDate(April(1));
        set.SetEndDate(April(30));
        set.SetMaeYohaku(CTimeSpan());
        set.SetAtoYohaku(CTimeSpan());
        set.SetFirstRow(0);
        set.SetLastRow(29);
        set.SetFixedFirstRow(0);
        set.SetFixedLastRow(0xFFFF);
        set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        set.GetChart().GetLandAttr().m_radius = 10;
        document.GetChartLayers().CreateLayers();
    }

    // A view in a window of its own (a splitter of one pane), updated for the first time.
    CTembraView& MakeView(FakeViewHost& host) {
        views.push_back(std::make_unique<CTembraView>(host));
        CTembraView& view = *views.back();
        view.SetDocument(doc);
        view.OnInitialUpdate();
        host.Clear();
        return view;
    }

    // A process over the days (of April 2010) on a row, unselected, on a layer.
    CKoutei* AddProcess(int startDay, int endDay, int row, int layer = 0, int endRow = -1) {
        CChartPos pos;
        pos.SetStartDate(April(startDay));
        pos.SetEndDate(April(endDay));
        pos.SetStartRow(static_cast<WORD>(row));
        pos.SetEndRow(static_cast<WORD>(endRow < 0 ? row : endRow));
        std::unique_ptr<CKoutei> process = doc.CreateKoutei(&pos);
        process->SetLayer(static_cast<WORD>(layer));
        CKoutei* raw = process.get();
        doc.AddObj(process.release(), FALSE);
        return raw;
    }

    ViewUi ui;
    CAppState state;
    CTembraDoc doc;
    std::vector<std::unique_ptr<CTembraView>> views;

private:
    IUiServices* m_previousUi = nullptr;
    CAppState* m_previousState = nullptr;
};

} // namespace tembra::test
