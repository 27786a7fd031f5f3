// The fill dialog offscreen: what 決定 hands back for no choice, a colour and the removal, the
// run's custom colour changed only by the colour dialog's OK, and the sample as it is drawn.
#include "dialogs/attributes/FillSetDlg.h"
#include "dialogs/attributes/ColorButton.h"
#include "dialogs/attributes/FillSample.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"
#include "dialogs/attributes/core/FillPattern.h"

#include "dialogs_attributes/DialogTestSupport.h"
#include "document/AppState.h"
#include "document/AttrDialogRequests.h"
#include "document/EditDialogRequests.h"
#include "platform/ColorRequest.h"
#include "support/ScriptedUi.h"

#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace tembra {
namespace {

using test::Control;

void Ok(QDialog& d) {
    Control<QPushButton>(d, 1)->click();
}

QImage Grab(QWidget& widget) {
    widget.resize(64, 32);
    return widget.grab().toImage();
}

class FillSetDlgTest : public ::testing::Test {
protected:
    FillSetDlgTest() : m_custom(GetAppState()->GetFillCustomColor()) {}
    ~FillSetDlgTest() override { GetAppState()->SetFillCustomColor(m_custom); }
    test::ScopedUi ui;

private:
    COLORREF m_custom;
};

// What the caller is answered: nothing chosen counts as cancelled, so it changes nothing.
TEST_F(FillSetDlgTest, WhatOkHandsBack) {
    struct Case {
        const char* name;
        int button; // 0: none
        int slider;
        int answer;
        int action;
        COLORREF color;
        WORD code;
    };
    const Case cases[] = {
        {"nothing chosen", 0, 4, IDCANCEL, FillSetDlgRequest::kSet, 0, 0},
        {"red 10 %", 2078, 0, IDOK, FillSetDlgRequest::kSet, RGB(255, 0, 0), 200},
        {"light green solid", 1056, 9, IDOK, FillSetDlgRequest::kSet, RGB(192, 255, 192), 99},
        {"removal", kFillRemoveButton, 5, IDOK, FillSetDlgRequest::kClear, 0, 0},
    };
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    for (const Case& c : cases) {
        FillSetDlgRequest request;
        test::WhenShown<CFillSetDlg>([&c](CFillSetDlg& d) {
            EXPECT_EQ(Control<QSlider>(d, CFillSetDlg::IDC_SLIDER)->value(), 2);
            if (c.button != 0) {
                Control<QPushButton>(d, c.button)->click();
            }
            Control<QSlider>(d, CFillSetDlg::IDC_SLIDER)->setValue(c.slider);
            Ok(d);
        });
        EXPECT_EQ(registry.Run(request), c.answer) << c.name;
        if (c.answer == IDOK) {
            EXPECT_EQ(request.action, c.action) << c.name;
        }
        if (c.code != 0) {
            EXPECT_EQ(request.color, c.color) << c.name;
            EXPECT_EQ(FillCode(request.pattern), c.code) << c.name;
        }
    }
}

TEST_F(FillSetDlgTest, TheCustomColourChangesAtTheColourDialogsOkOnly) {
    GetAppState()->SetFillCustomColor(RGB(10, 10, 10));
    std::vector<COLORREF> asked;
    ui->OnDialog("Color", [&asked](DialogRequest& r) {
        asked.push_back(static_cast<ColorRequest&>(r).color);
        return IDCANCEL;
    });
    FillSetDlgRequest request;
    {
        CFillSetDlg dialog(request);
        Control<QPushButton>(dialog, CFillSetDlg::IDC_OTHER_COLOR)->click();
        EXPECT_EQ(GetAppState()->GetFillCustomColor(), RGB(10, 10, 10));
        EXPECT_FALSE(Control<CColorButton>(dialog, kFillCustomButton)->IsSelected());
        ui->OnDialog("Color", [](DialogRequest& r) {
            static_cast<ColorRequest&>(r).color = RGB(1, 2, 3);
            return IDOK;
        });
        Control<QPushButton>(dialog, CFillSetDlg::IDC_OTHER_COLOR)->click();
        EXPECT_TRUE(Control<CColorButton>(dialog, kFillCustomButton)->IsSelected());
        dialog.reject();
    }
    EXPECT_EQ(asked, std::vector<COLORREF>{RGB(10, 10, 10)});
    // Kept although the fill dialog was cancelled; the next one starts from it.
    EXPECT_EQ(GetAppState()->GetFillCustomColor(), RGB(1, 2, 3));
    CFillSetDlg next(request);
    EXPECT_EQ(Control<CColorButton>(next, kFillCustomButton)->GetColor(), RGB(1, 2, 3));
    Control<QPushButton>(next, kFillCustomButton)->click();
    Ok(next);
    EXPECT_EQ(request.color, RGB(1, 2, 3));
}

TEST_F(FillSetDlgTest, TheTargetsFollowTheCallersFlag) {
    for (bool enabled : {false, true}) {
        FillSetDlgRequest request;
        request.wholeRows = enabled;
        CFillSetDlg dialog(request);
        EXPECT_EQ(Control<QRadioButton>(dialog, CFillSetDlg::IDC_BOTH_AREAS)->isEnabled(), enabled);
        if (enabled) {
            Control<QRadioButton>(dialog, CFillSetDlg::IDC_BOTH_AREAS)->click();
        }
        Ok(dialog);
        EXPECT_EQ(request.cellsToo, enabled);
    }
}

TEST_F(FillSetDlgTest, TheSampleIsEmptySolidOrThePatternOnWhite) {
    FillSetDlgRequest request;
    CFillSetDlg dialog(request);
    auto* sample = Control<CFillSample>(dialog, CFillSetDlg::IDC_SAMPLE);
    EXPECT_TRUE(sample->IsEmpty());
    Control<QPushButton>(dialog, 2078)->click();
    Control<QSlider>(dialog, CFillSetDlg::IDC_SLIDER)->setValue(9);
    const QImage solid = Grab(*sample);
    for (QPoint p : {QPoint(0, 0), QPoint(5, 3), QPoint(40, 20)}) {
        EXPECT_EQ(solid.pixelColor(p), QColor(255, 0, 0)) << p.x() << "," << p.y();
    }
    Control<QSlider>(dialog, CFillSetDlg::IDC_SLIDER)->setValue(0);
    const QImage light = Grab(*sample);
    const FillPatternBits bits = FillPattern(0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool set = (bits[static_cast<std::size_t>(y % 8)] & (0x80 >> (x % 8))) != 0;
            EXPECT_EQ(light.pixelColor(x, y), set ? QColor(255, 0, 0) : QColor(Qt::white))
                << x << "," << y;
        }
    }
    Control<QPushButton>(dialog, kFillRemoveButton)->click();
    EXPECT_TRUE(sample->IsEmpty());
    EXPECT_EQ(Grab(*sample).pixelColor(3, 3), sample->palette().color(QPalette::Button));
}

// The caption's pixels inside the colour field are lighter than the field on dark colours and
// darker on light ones.
TEST_F(FillSetDlgTest, CaptionsOnDarkColoursAreWhite) {
    CColorButton button;
    button.SetCaption(QString::fromUtf8("黒黒黒"));
    for (COLORREF color : {RGB(0, 0, 0), RGB(99, 99, 99), RGB(255, 255, 192)}) {
        button.SetColor(color);
        const QImage image = Grab(button);
        const QColor field(GetRValue(color), GetGValue(color), GetBValue(color));
        int lighter = 0;
        int darker = 0;
        for (int y = 5; y < image.height() - 5; ++y) {
            for (int x = 5; x < image.width() - 5; ++x) {
                const int value = image.pixelColor(x, y).value();
                lighter += value > field.value() ? 1 : 0;
                darker += value < field.value() ? 1 : 0;
            }
        }
        EXPECT_GT(CaptionInWhite(color) ? lighter : darker, 0) << color;
        EXPECT_EQ(CaptionInWhite(color) ? darker : lighter, 0) << color;
    }
    EXPECT_TRUE(CaptionInWhite(RGB(99, 99, 99)));
    EXPECT_FALSE(CaptionInWhite(RGB(100, 0, 0)));
}

TEST_F(FillSetDlgTest, TheRequestIsAnsweredByTheDialog) {
    test::KeepingRegistry registry;
    RegisterAttributeDialogs(registry);
    FillSetDlgRequest request;
    test::WhenShown<CFillSetDlg>([](CFillSetDlg& d) {
        Control<QPushButton>(d, 1052)->click();
        Ok(d);
    });
    EXPECT_EQ(registry.Run(request), IDOK);
    EXPECT_EQ(request.color, RGB(0, 255, 255));
}

} // namespace
} // namespace tembra
