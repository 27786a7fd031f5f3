// The layer settings and the layer move dialogs through their widgets: counts and buttons, the
// current layer, the bulk choices, 決定 and 取消, Enter, and the destination table with the
// destination's state beside each row; the output layer dialog as the insert's request.
#include "dialogs/attributes/LayerOutputDlg.h"
#include "dialogs/attributes/LayerSetDlg.h"
#include "dialogs/attributes/RegisterAttributeDialogs.h"

#include "DialogTestSupport.h"
#include "controls/LayerButton.h"
#include "document/DocFileRequests.h"
#include "document/LayerDialogRequests.h"
#include "model/Event.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <numeric>

namespace tembra {
namespace {

using test::Control;

class LayerDlgTest : public ::testing::Test {
protected:
    LayerDlgTest() {
        doc.OnNewDocument();
        RegisterAttributeDialogs(registry);
    }
    void AddObjects(WORD layer, int count) {
        for (int i = 0; i < count; ++i) {
            auto* event = new CEvent;
            event->SetLayer(layer);
            doc.GetObjList().AddTail(event);
        }
    }
    static CLayerButton* Button(const QWidget& d, int n) {
        return Control<CLayerButton>(d, CLayerSetDlg::ButtonId(n));
    }
    static QComboBox* State(const QWidget& d, int n) {
        return Control<QComboBox>(d, CLayerSetDlg::StateId(n));
    }
    static void Choose(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    test::ScopedUi ui;
    test::KeepingRegistry registry;
    CTembraDoc doc;
};

TEST_F(LayerDlgTest, AnEmptyChartShowsZeroOnEveryRowAndOnlyTheCurrentButtonLit) {
    doc.SetCurrentLayer(3);
    CLayerSetDlg dialog(doc);
    for (int n = 0; n < kLayers; ++n) {
        EXPECT_EQ(Control<QLabel>(dialog, CLayerSetDlg::CountId(n))->text(), "     0") << n;
        EXPECT_EQ(Button(dialog, n)->GetState(), n == 3 ? 1 : 0) << n;
        EXPECT_EQ(Button(dialog, n)->text(), QString::number(n, 16).toUpper());
    }
}

TEST_F(LayerDlgTest, TheCurrentLayerFollowsItsButtonAndStaysShown) {
    AddObjects(0, 12);
    doc.GetChartLayers().SetLayerVisible(5, 3);
    CLayerSetDlg dialog(doc);
    EXPECT_EQ(Control<QLabel>(dialog, CLayerSetDlg::CountId(0))->text(), "    12");
    // The current row snaps back to 表示.
    Choose(State(dialog, 0), 2);
    EXPECT_EQ(State(dialog, 0)->currentIndex(), 0);

    Button(dialog, 5)->click();
    EXPECT_EQ(Button(dialog, 5)->GetState(), 1);
    EXPECT_EQ(State(dialog, 5)->currentText(), QString::fromUtf8("表示"));
    EXPECT_EQ(Button(dialog, 0)->GetState(), 2);
    Choose(State(dialog, 0), 1);
    Button(dialog, 7)->click();
    EXPECT_EQ(State(dialog, 0)->currentIndex(), 1) << "the former keeps its choice";
    EXPECT_EQ(Button(dialog, 5)->GetState(), 0);

    // 一括 非表示 hides all but the current one.
    Control<QPushButton>(dialog, CLayerSetDlg::IDC_ALL_HIDDEN)->click();
    for (int n = 0; n < kLayers; ++n) {
        EXPECT_EQ(State(dialog, n)->currentIndex(), n == 7 ? 0 : 2) << n;
    }
    Control<QPushButton>(dialog, CLayerSetDlg::IDC_ALL_REFERENCE)->click();
    EXPECT_EQ(State(dialog, 0)->currentIndex(), 1);
    EXPECT_EQ(State(dialog, 7)->currentIndex(), 0);
}

TEST_F(LayerDlgTest, CancelLeavesTheDocumentAndOkWritesStatesHeadingsAndTheCurrentLayer) {
    doc.GetChartLayers().SetLayerName(1, "old");
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        CLayerSetDlg dialog(doc);
        Button(dialog, 2)->click();
        Choose(State(dialog, 0), 1);
        Choose(State(dialog, 1), 2);
        Control<QLineEdit>(dialog, CLayerSetDlg::HeadingId(1))->setText(QString::fromUtf8("基礎"));
        Control<QLineEdit>(dialog, CLayerSetDlg::HeadingId(15))->setText("F");
        Control<QPushButton>(dialog, ok ? 1 : 2)->click();
        if (!ok) {
            EXPECT_EQ(doc.GetCurrentLayer(), 0);
            EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(0), 1);
            EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(1), 1);
            EXPECT_EQ(doc.GetChartLayers().GetLayerName(1), "old");
            continue;
        }
        EXPECT_EQ(doc.GetCurrentLayer(), 2);
        EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(0), 2);
        EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(1), 3);
        EXPECT_EQ(doc.GetChartLayers().IsLayerVisible(2), 1);
        EXPECT_EQ(doc.GetChartLayers().GetLayerName(1), "\x8a\xee\x91\x62"); // 基礎 in CP932
        EXPECT_EQ(doc.GetChartLayers().GetLayerName(15), "F");
    }
}

TEST_F(LayerDlgTest, EnterInAHeadingMovesOn) {
    CLayerSetDlg dialog(doc);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* heading = Control<QLineEdit>(dialog, CLayerSetDlg::HeadingId(4));
    heading->setFocus();
    QTest::keyClick(heading, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(heading->hasFocus());
}

TEST_F(LayerDlgTest, TheMoveTableStartsAsEachLayerToItselfAndShowsTheDestinationsState) {
    AddObjects(2, 1);
    doc.GetChartLayers().SetLayerVisible(6, 2);
    doc.GetChartLayers().SetLayerVisible(9, 3);
    doc.GetChartLayers().SetLayerName(2, "two");
    LayerMoveRequest request;
    request.document = &doc;
    ui->OnDialog("LayerMove", [this](DialogRequest& r) { return registry.Run(r); });
    test::WhenShown<CLayerMoveDlg>([](CLayerMoveDlg& d) {
        const auto stateText = [&d](int n) {
            return Control<QLabel>(d, CLayerMoveDlg::StateTextId(n))->text();
        };
        EXPECT_EQ(stateText(6), QString::fromUtf8(" 参考"));
        EXPECT_EQ(stateText(9), QString::fromUtf8("非表示"));
        EXPECT_EQ(Control<QLineEdit>(d, CLayerMoveDlg::HeadingId(2))->text(), "two");
        // The buttons take no clicks and still show which layers hold objects.
        auto* filled = Control<CLayerButton>(d, CLayerMoveDlg::ButtonId(2));
        EXPECT_FALSE(filled->isEnabled());
        EXPECT_EQ(filled->GetState(), 2);
        EXPECT_EQ(Control<CLayerButton>(d, CLayerMoveDlg::ButtonId(3))->GetState(), 0);
        QImage face(filled->size(), QImage::Format_RGB32);
        filled->render(&face);
        EXPECT_EQ(face.pixelColor(5, 5), QColor(0, 255, 255)) << "the state colour stays";
        auto* destination = Control<QComboBox>(d, CLayerMoveDlg::DestinationId(2));
        Choose(destination, 9);
        EXPECT_EQ(stateText(2), QString::fromUtf8("非表示"));
        Choose(destination, 6);
        EXPECT_EQ(stateText(2), QString::fromUtf8(" 参考"));
        Control<QPushButton>(d, 1)->click();
    });
    ASSERT_EQ(Ui().RunDialog(request), IDOK);
    std::array<int, kLayers> expected{};
    std::iota(expected.begin(), expected.end(), 0);
    expected[2] = 6;
    EXPECT_EQ(request.map, expected);

    // Untouched, OK gives the identity; the move then records nothing.
    test::WhenShown<CLayerMoveDlg>([](CLayerMoveDlg& d) { Control<QPushButton>(d, 1)->click(); });
    LayerMoveRequest untouched;
    untouched.document = &doc;
    ASSERT_EQ(Ui().RunDialog(untouched), IDOK);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(untouched.map, expected);
    doc.GetChartLayers().MoveLayers(untouched.map);
    EXPECT_FALSE(doc.GetUndoHistory().CanUndo());

    // Without a document there is nothing to show.
    LayerMoveRequest orphan;
    EXPECT_EQ(Ui().RunDialog(orphan), IDCANCEL);
}

TEST_F(LayerDlgTest, TheOutputDialogHasItsCaptionAndCancelLeavesTheTable) {
    OutputLayerRequest request;
    request.document = &doc;
    std::iota(request.map.begin(), request.map.end(), 0);
    const auto before = request.map;
    ui->OnDialog("OutputLayer", [this](DialogRequest& r) { return registry.Run(r); });
    test::WhenShown<CLayerOutputDlg>([](CLayerOutputDlg& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("出力レイヤー指定"));
        Choose(Control<QComboBox>(d, CLayerMoveDlg::DestinationId(0)), 4);
        Control<QPushButton>(d, 2)->click();
    });
    EXPECT_EQ(Ui().RunDialog(request), IDCANCEL);
    EXPECT_EQ(request.map, before);
}

} // namespace
} // namespace tembra
