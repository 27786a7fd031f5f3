// The terms and resources of a process on the chart of KouteiDrawFixture.h: leader lines of
// free terms, simplified and hyperlinked texts, upright runs, and the resource lines and their
// colours on screen and paper.
#include "KouteiDrawFixture.h"
#include "platform/Sjis.h"
#include "render/KouteiLabels.h"

#include <string>

namespace tembra {
namespace {

using test::April;
using test::Device;
using test::kBlack;
using test::kEditWork;
using test::KouteiDrawTest;
using test::kOwn;
using test::RowY;

// ---- Terms and resources ------------------------------------------------------------------------

// A term at place 4 (5) hangs on the middle of the line by a leader to its lower left (right)
// corner, underlining the label 3 units (a tenth of the font height) below it.
TEST_F(KouteiDrawTest, LeaderLinesOfFreeTerms) {
    for (const WORD place : {kYogoPlaceLeaderLeft, kYogoPlaceLeaderRight}) {
        for (const int mode : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "place " << place << ", mode " << mode);
            CKoutei& koutei = Process(3, 4, 13, 4);
            CYogo& term = Term(koutei, "Lead", kYogoOnLine, place);
            term.GetAttr().SetOffset(-200);
            term.GetAttr().SetOffsetY(200);
            if (mode == 1) {
                koutei.SelectYogo(0);
            }
            CRect rect;
            ASSERT_EQ(
                CalcYogoRect(koutei, layout, nullptr, 0,
                             BuildYogoStackTable(koutei, layout, nullptr,
                                                 doc.set.GetChart().GetYogoAttr().GetLogFont())
                                 .get(),
                             nullptr, nullptr, &rect),
                1);
            auto dc = Dc();
            DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal,
                           COperationState::kModeKoutei);
            const auto lines = test::DrawnLines(*dc);
            ASSERT_EQ(lines.size(), 2u) << dc->Dump();
            const bool left = place == kYogoPlaceLeaderLeft;
            const CPoint near(left ? rect.left : rect.right, rect.bottom - 3);
            const CPoint far(left ? rect.right : rect.left, rect.bottom - 3);
            // From the middle of the line (8 April, x 700) on the line.
            EXPECT_EQ(lines[0].from, CPoint(700, RowY(4)));
            EXPECT_EQ(lines[0].to, near);
            EXPECT_EQ(lines[1].from, near);
            EXPECT_EQ(lines[1].to, far);
            for (const auto& line : lines) {
                EXPECT_EQ(line.pen.LineStyle(), static_cast<UINT>(PS_SOLID));
                EXPECT_EQ(line.pen.width, 1);
                EXPECT_EQ(line.pen.color, mode == 0 ? kBlack : kEditWork);
            }
        }
    }
}

TEST_F(KouteiDrawTest, SimplifiedTextsShowOnlyTheirFrame) {
    layout.SetSimpleText(TRUE);
    CKoutei& koutei = Process(3, 4, 13, 4);
    Term(koutei, "Text", kYogoOnLine, 1).SetHyperlink("http://example");
    auto dc = Dc();
    DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
    EXPECT_TRUE(dc->Find(DcOp::TextOut).empty());
    const auto frames = dc->Find(DcOp::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].pen.color, RGB(0, 0, 200));
    EXPECT_TRUE(frames[0].brush.IsNull());
    // The hyperlink mark stays.
    const auto marks = dc->Find(DcOp::Polygon);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].brush.color, RGB(255, 0, 0));
}

TEST_F(KouteiDrawTest, HyperlinkMarkOnScreenOnly) {
    for (const Device device : {Device::Screen, Device::Printer}) {
        CKoutei& koutei = Process(3, 4, 13, 4);
        Term(koutei, "Text", kYogoOnLine, 1, kLabelFrame).SetHyperlink("http://example");
        auto dc = Dc(device);
        DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
        EXPECT_EQ(dc->Find(DcOp::Polygon).size(), device == Device::Screen ? 1u : 0u);
        EXPECT_EQ(dc->Find(DcOp::TextOut).size(), 1u);
        EXPECT_EQ(dc->Find(DcOp::Rectangle).size(), 1u) << "the frame of style flag 2";
    }
}

// Vertical text whose single-byte runs stand upright: each run below the one before.
TEST_F(KouteiDrawTest, UprightRunsStackDownward) {
    CKoutei& koutei = Process(3, 4, 13, 4);
    const std::string text = "AB" + Sjis::FromUtf8("漢字") + "C";
    Term(koutei, text, kYogoOnLine, 1, kLabelVertical | kLabelUprightSingleByte);
    auto dc = Dc();
    DrawYogoLabels(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
    const auto texts = dc->Find(DcOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].args.text, "AB");
    EXPECT_EQ(texts[1].args.text, Sjis::FromUtf8("漢字"));
    EXPECT_EQ(texts[2].args.text, "C");
    EXPECT_EQ(texts[0].font.lfEscapement, 0);
    EXPECT_EQ(texts[1].font.lfEscapement, 901);
    EXPECT_EQ(texts[2].font.lfEscapement, 0);
    // "AB" stands 30 high; the two turned double-byte characters take the font width (15) a
    // byte.
    EXPECT_EQ(texts[1].args.points[0].y, texts[0].args.points[0].y - 30);
    EXPECT_EQ(texts[2].args.points[0].y, texts[1].args.points[0].y - 60);
}

TEST_F(KouteiDrawTest, ResourceLines) {
    for (const int display : {1, 2}) {
        SCOPED_TRACE(display);
        layout.SetShigenDispMode(display);
        CKoutei& koutei = Process(3, 4, 13, 4);
        Resources(koutei, kBlack);
        auto dc = Dc();
        DrawShigenLabel(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
        std::vector<std::string> lines;
        for (const auto& text : test::DrawnTexts(*dc)) {
            lines.push_back(text.text);
        }
        const std::vector<std::string> expected =
            display == 1 ? std::vector<std::string>{"[Worker  3]", "[Crane  12]"}
                         : std::vector<std::string>{"[ 3]", "[12]"};
        EXPECT_EQ(lines, expected);
    }
    // Not shown: nothing.
    layout.SetShigenDispMode(0);
    CKoutei& koutei = Process(3, 4, 13, 4);
    Resources(koutei, kBlack);
    auto dc = Dc();
    DrawShigenLabel(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
    EXPECT_TRUE(dc->Drawings().empty());
    // In feedback only while resources are edited.
    layout.SetShigenDispMode(1);
    for (const LONG objectMode : {COperationState::kModeKoutei, COperationState::kModeShigen}) {
        auto feedback = Dc();
        DrawShigenLabel(koutei, feedback.get(), layout, kKouteiDrawFeedback, objectMode);
        EXPECT_EQ(feedback->Drawings().empty(), objectMode == COperationState::kModeKoutei);
    }
}

TEST_F(KouteiDrawTest, ResourceColoursOnScreenAndPaper) {
    struct Case {
        const char* name;
        COLORREF own;
        bool blackBack;
        Device device;
        bool selected;
        COLORREF shown;
    };
    const std::vector<Case> cases = {
        {"red", RGB(255, 0, 0), false, Device::Screen, false, RGB(128, 0, 0)},
        {"green", RGB(0, 255, 0), false, Device::Screen, false, RGB(0, 128, 0)},
        {"blue", RGB(0, 0, 255), false, Device::Screen, false, RGB(0, 0, 128)},
        {"yellow", RGB(255, 255, 0), false, Device::Screen, false, RGB(128, 128, 0)},
        {"magenta", RGB(255, 0, 255), false, Device::Screen, false, RGB(128, 0, 128)},
        {"cyan", RGB(0, 255, 255), false, Device::Screen, false, RGB(0, 128, 128)},
        {"black", kBlack, false, Device::Screen, false, RGB(0, 0, 128)},
        // A black background: yellow (the primitives show black as white there).
        {"black on black", kBlack, true, Device::Screen, false, RGB(255, 255, 0)},
        {"any other colour", kOwn, false, Device::Screen, false, kBlack},
        {"paper", RGB(255, 0, 0), false, Device::Printer, false, RGB(255, 0, 0)},
        {"selected", RGB(255, 0, 0), false, Device::Screen, true, kEditWork},
    };
    layout.SetShigenDispMode(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.Get().SetSystemWord(CConfigBase::kSysBlackBack, c.blackBack ? 1 : 0);
        CKoutei& koutei = Process(3, 4, 13, 4);
        Resources(koutei, c.own);
        if (c.selected) {
            koutei.GetShigen()->Select();
        }
        auto dc = Dc(c.device);
        DrawShigenLabel(koutei, dc.get(), layout, kKouteiDrawNormal, COperationState::kModeKoutei);
        const auto texts = test::DrawnTexts(*dc);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].color, c.shown);
    }
}

} // namespace
} // namespace tembra
