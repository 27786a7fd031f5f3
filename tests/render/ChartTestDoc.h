// A chart as the layout's painters read it, for the tests of the ruled lines and the date rows:
// the settings record on the shipped layout file's A4 page, a working calendar, an item table
// with cells, and print settings. On screen at 100 % the date band is (0, 0, 2770, -120), the
// item area (0, -120, 500, -1600) and the chart rectangle (530, -120, 2740, -1600).
//
// Also the readers of what a recording device context logged: segments, texts and rectangles.
#pragma once

#include "model/Calendar.h"
#include "model/ConfigPrint.h"
#include "model/KoumokuData.h"
#include "model/PrintArea.h"
#include "model/SyokiSet.h"
#include "platform/RecordingDC.h"
#include "render/DrawSettings.h"
#include "render/PageLayout.h"
#include "render/StyledDraw.h"
#include "support/FakeLayoutDocument.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tembra::test {

using ChartTestDoc = FakeLayoutDocument;

inline CTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return CTime(year, month, day, hour, minute, 0);
}

// A segment of a line drawn with a visible pen, with the pen.
struct DrawnLine {
    CPoint from;
    CPoint to;
    PenData pen;
    int mapMode = MM_TEXT;
};

inline std::vector<DrawnLine> DrawnLines(const CRecordingDC& dc) {
    std::vector<DrawnLine> out;
    for (const auto& r : dc.Find(DcOp::LineTo)) {
        if (!r.pen.IsNull()) {
            out.push_back({r.args.points[0], r.args.points[1], r.pen, r.mapMode});
        }
    }
    return out;
}

// A text drawn, with the font, colour and alignment in force.
struct DrawnText {
    std::string text; // CP932
    CPoint at;
    UINT align = 0;
    COLORREF color = 0;
    LONG fontWidth = 0;
};

inline std::vector<DrawnText> DrawnTexts(const CRecordingDC& dc) {
    std::vector<DrawnText> out;
    for (const auto& r : dc.Find(DcOp::TextOut)) {
        out.push_back({r.args.text, r.args.points[0], r.textAlign, r.textColor, r.font.lfWidth});
    }
    return out;
}

// The date font of the rows, its width the one the estimates use.
inline LOGFONT DateFont(int width, int height = -40) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfCharSet = SHIFTJIS_CHARSET;
    return font;
}

// The fixture: the chart document, its layout at 100 % on screen and a recording screen in
// MM_LOMETRIC; the drawing settings and switches are the program's defaults before and after.
class ChartTestBase : public testing::Test {
protected:
    static inline const std::filesystem::path kMaster =
        std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";

    void SetUp() override {
        ResetDrawing();
        ASSERT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, kMaster, -1));
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        doc.set.SetFixedFirstRow(0);
        doc.set.SetFixedLastRow(0xFFFF);
        Period(Day(2010, 4, 1), Day(2010, 4, 30));
        Rows(0, 29);
    }
    void TearDown() override { ResetDrawing(); }
    static void ResetDrawing() { SetDrawSettings(DrawSettings{}); }

    void Period(CTime first, CTime last) {
        doc.set.SetStartDate(first);
        doc.set.SetEndDate(last);
    }
    void Rows(int first, int last) {
        doc.set.SetFirstRow(static_cast<WORD>(first));
        doc.set.SetLastRow(static_cast<WORD>(last));
    }
    // Binds the layout to the document as it now is, at a zoom index (3: 100 %).
    void Bind(int zoomIndex = 3) {
        layout.Init(&doc);
        layout.SetZoomIndex(zoomIndex);
        layout.RecalcLayout();
    }
    static void BlackBack(bool on) {
        DrawSettings s = GetDrawSettings();
        s.blackBack = on;
        SetDrawSettings(s);
    }

    // A device whose surface holds the whole page (an A4 printer's printable part is narrower
    // than the landscape chart).
    std::unique_ptr<CRecordingDC> Device(CRecordingDC::Device device = CRecordingDC::Device::Screen,
                                         int dpi = 0) const {
        const bool printer =
            device == CRecordingDC::Device::Printer || device == CRecordingDC::Device::MonoPrinter;
        const int resolution = dpi > 0 ? dpi : printer ? 600 : 96;
        const CSize size(resolution * 12, resolution * 8);
        auto dc = std::make_unique<CRecordingDC>(device, resolution, size);
        dc->SetMapMode(MM_LOMETRIC);
        return dc;
    }

    // Draws with the font selected, as the date header does, and returns the device.
    template <class Paint>
    std::unique_ptr<CRecordingDC>
    DrawRow(const LOGFONT& font, Paint paint,
            CRecordingDC::Device device = CRecordingDC::Device::Screen) {
        auto dc = Device(device);
        CFont made;
        made.CreateFontIndirect(&font);
        CFont* old = dc->SelectObject(&made);
        paint(dc.get());
        dc->SelectObject(old);
        return dc;
    }

    ScopedPaths paths;
    ScopedUi ui;
    ChartTestDoc doc;
    CPageLayout layout;
};

// A chart of the given period and rows on the A4 page, bound to a layout; a recording screen
// in the 0.1 mm mapping. The drawing settings start from the program's defaults and are left
// so.
class ChartTest : public ::testing::Test {
protected:
    ChartTest() {
        SetDrawSettings(DrawSettings{});
        const auto master = std::filesystem::path(TEMBRA_SOURCE_DIR) / "data" / "MASTER01.LYT";
        EXPECT_TRUE(doc.set.GetPageSetting().SetPaper(kPaperA4, 0, master, -1));
        doc.set.SetNobeMonthSpan(CTimeSpan(30, 0, 0, 0));
        Period(Day(2000, 1, 1), Day(2000, 1, 31));
        Rows(0, 29);
        doc.table.SetLevelCount(3);
    }
    ~ChartTest() override { SetDrawSettings(DrawSettings{}); }

    void Period(const CTime& start, const CTime& end) {
        doc.set.SetStartDate(start);
        doc.set.SetEndDate(end);
    }
    void Rows(int first, int last) {
        doc.set.SetFirstRow(static_cast<WORD>(first));
        doc.set.SetLastRow(static_cast<WORD>(last));
    }
    // Binds the layout to the document as it now is.
    void Bind() { layout.Init(&doc); }
    // A fresh recording device context: a screen, or a printer with the layout printing.
    std::unique_ptr<CRecordingDC> Screen() {
        auto dc = std::make_unique<CRecordingDC>(CRecordingDC::Device::Screen);
        dc->SetMapMode(MM_LOMETRIC);
        return dc;
    }

    ScopedPaths paths;
    ScopedUi ui;
    ChartTestDoc doc;
    CPageLayout layout;
};

} // namespace tembra::test
