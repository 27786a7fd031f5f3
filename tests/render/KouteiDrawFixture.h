// Drawing processes through the recording device context on the round-number chart of
// ChartFixture: a day 100 units wide from 1 April 2010 at x 0, a row 50 high with the middle of
// row r at y -50r - 25, node marks of size 10, corners of 10, arrow heads 12 long at 30 degrees,
// bars 18 high. A normal line is 3 wide. Term and resource fonts are 30 high and 15 wide.
// Processes are added to the fixture; the colours of the edit modes come from application
// settings of the fixture's own.
#pragma once

#include "render/KouteiDraw.h"

#include "model/ConfigBase.h"
#include "model/Koutei.h"
#include "model/Yogo.h"
#include "platform/RecordingDC.h"
#include "render/ChartFixture.h"
#include "render/ChartTestDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tembra {

inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

namespace test {

using Device = CRecordingDC::Device;

inline constexpr COLORREF kEditWork = RGB(1, 2, 3);
inline constexpr COLORREF kEditBold = RGB(4, 5, 6);
inline constexpr COLORREF kLinked = RGB(7, 8, 9);
inline constexpr COLORREF kGrey = RGB(192, 192, 192);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kOwn = RGB(10, 20, 30);

// A segment drawn, its ends ordered so that segments compare whatever their direction.
using Segment = std::pair<CPoint, CPoint>;

inline Segment Ordered(CPoint a, CPoint b) {
    if (std::tie(b.x, b.y) < std::tie(a.x, a.y)) {
        std::swap(a, b);
    }
    return {a, b};
}

inline std::vector<Segment> Segments(const CRecordingDC& dc) {
    std::vector<Segment> out;
    for (const auto& line : test::DrawnLines(dc)) {
        out.push_back(Ordered(line.from, line.to));
    }
    std::sort(out.begin(), out.end(), [](const Segment& a, const Segment& b) {
        return std::tie(a.first.x, a.first.y, a.second.x, a.second.y) <
               std::tie(b.first.x, b.first.y, b.second.x, b.second.y);
    });
    return out;
}

// The drawn segments that lie on the vertical x.
inline std::vector<Segment> SegmentsAt(const CRecordingDC& dc, int x) {
    std::vector<Segment> out;
    for (const Segment& s : Segments(dc)) {
        if (s.first.x == x && s.second.x == x) {
            out.push_back(s);
        }
    }
    return out;
}

// The application settings the colours come from, installed for one test.
class ScopedAppConfig {
public:
    ScopedAppConfig() {
        m_config.GetColor().SetEditWork(kEditWork);
        m_config.GetColor().SetEditBold(kEditBold);
        m_config.GetColor().SetLinked(kLinked);
        m_previous = SetAppConfig(&m_config);
    }
    ~ScopedAppConfig() { SetAppConfig(m_previous); }
    CConfigBase& Get() { return m_config; }

private:
    CConfigBase m_config;
    CConfigBase* m_previous = nullptr;
};

class KouteiDrawTest : public ChartFixture {
protected:
    KouteiDrawTest() {
        LOGFONT font;
        font.lfHeight = -30;
        font.lfWidth = 15;
        font.SetFaceName("Gothic");
        CConfigChart& chart = doc.set.GetChart();
        for (CElemAttr* attr : {&chart.GetYogoAttr(), &chart.GetShigenAttr()}) {
            attr->SetLogFont(font);
            attr->m_lineSpace = 10;
        }
        chart.SetKakomiAngle(45);
        doc.shigenNames.push_back(std::make_unique<CShigenName>(1, 0, "Worker"));
        doc.shigenNames.push_back(std::make_unique<CShigenName>(2, 0, "Crane"));
        doc.print.SetHolidayLine(3);
        doc.print.SetArcRay(9);
        Bind();
    }

    CKoutei& Process(int startDay, int startRow, int endDay, int endRow,
                     WORD shapeWord = kLineShapeStraight, WORD startSize = 100,
                     WORD endSize = 100) {
        auto koutei = std::make_unique<CKoutei>();
        koutei->SetStartDate(April(startDay));
        koutei->SetEndDate(April(endDay));
        koutei->SetStartRow(static_cast<WORD>(startRow));
        koutei->SetEndRow(static_cast<WORD>(endRow));
        CKouteiAttr& attr = koutei->GetLines()->GetAttr();
        attr.m_style = shapeWord;
        attr.m_color = kOwn;
        attr.m_hatch = CKouteiLines::kNoHatch;
        koutei->GetStartLand()->SetSize(startSize);
        koutei->GetEndLand()->SetSize(endSize);
        processes.push_back(std::move(koutei));
        return *processes.back();
    }
    // A process that the document lists among its objects.
    CKoutei& Listed(int startDay, int startRow, int endDay, int endRow,
                    WORD shapeWord = kLineShapeStraight, WORD startSize = 100, WORD endSize = 100) {
        CKoutei& koutei =
            Process(startDay, startRow, endDay, endRow, shapeWord, startSize, endSize);
        doc.objects.push_back(&koutei);
        return koutei;
    }
    static CYogo& Term(CKoutei& koutei, const std::string& text, WORD dateKind, WORD place,
                       WORD style = 0) {
        auto term = std::make_unique<CYogo>();
        term->SetText(text);
        term->SetDateKind(dateKind);
        CElemAttr& attr = term->GetAttr();
        attr.m_fontHeigh = 1;
        attr.m_fontWidth = 1;
        attr.m_form = place;
        attr.m_attrb = style;
        attr.m_color = RGB(0, 0, 200);
        CYogo* added = term.get();
        EXPECT_TRUE(koutei.AddYogo(term, TRUE));
        return *added;
    }
    static void Resources(CKoutei& koutei, COLORREF color) {
        koutei.GetShigen()->AddShigenData(std::make_unique<CShigenData>(1, 3));
        koutei.GetShigen()->AddShigenData(std::make_unique<CShigenData>(2, 12));
        CElemAttr& attr = koutei.GetShigen()->GetAttr();
        attr.m_fontHeigh = 1;
        attr.m_fontWidth = 1;
        attr.m_color = color;
    }

    static std::unique_ptr<CRecordingDC> Dc(Device device = Device::Screen) {
        auto dc = std::make_unique<CRecordingDC>(device);
        dc->SetMapMode(MM_LOMETRIC);
        return dc;
    }
    std::unique_ptr<CRecordingDC> Drawn(CKoutei& koutei, int mode = kKouteiDrawNormal,
                                        Device device = Device::Screen) {
        auto dc = Dc(device);
        Draw(koutei, dc.get(), layout, mode);
        return dc;
    }

    ScopedAppConfig app;
    std::vector<std::unique_ptr<CKoutei>> processes;
};

} // namespace test
} // namespace tembra
