#include "model/SeqNumber.h"

#include "platform/Archive.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <vector>

namespace tembra {
namespace {

constexpr DWORD kLowMax = 0xFFFFFFFFu;

TEST(SeqNumberTest, ResetThenNumbersCountUp) {
    CSeqNumberCtrl ctrl;
    ctrl.Set(9, 9);
    ctrl.Reset();
    EXPECT_TRUE(ctrl.IsNull());
    EXPECT_EQ(ctrl.Next(), CObSeqNumber(0, 1));
    EXPECT_EQ(ctrl.Next(), CObSeqNumber(0, 2));
    EXPECT_EQ(ctrl, CObSeqNumber(0, 2));
}

TEST(SeqNumberTest, LowPartCarriesIntoHighPart) {
    struct Case {
        CObSeqNumber from;
        CObSeqNumber next;
    };
    const std::vector<Case> cases = {
        {{0, 7}, {0, 8}},
        {{0, kLowMax}, {1, 0}},
        {{3, kLowMax - 1}, {3, kLowMax}},
        {{65534, kLowMax}, {65535, 0}},
    };
    test::ScopedUi ui;
    for (const Case& c : cases) {
        CSeqNumberCtrl ctrl;
        ctrl.Set(c.from.GetHigh(), c.from.GetLow());
        EXPECT_EQ(ctrl.Next(), c.next) << c.from.GetHigh() << "," << c.from.GetLow();
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST(SeqNumberTest, ExhaustedCounterRefusesInsteadOfRepeating) {
    test::ScopedUi ui;
    CSeqNumberCtrl ctrl;
    ctrl.Set(65535, kLowMax - 1);
    EXPECT_EQ(ctrl.Next(), CObSeqNumber(65535, kLowMax));
    // The last number has been handed out: no further one, and never the same one again.
    EXPECT_EQ(ctrl.Next(), std::nullopt);
    EXPECT_EQ(ctrl.Next(), std::nullopt);
    EXPECT_EQ(ctrl, CObSeqNumber(65535, kLowMax));
    ASSERT_EQ(ui->MessageBoxes().size(), 2u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5060u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "ｵﾍﾟﾚｰｼｮﾝ回数が限界を越えました\n");
}

TEST(SeqNumberTest, SixBytesHighPartFirst) {
    CSeqNumberCtrl ctrl;
    ctrl.Set(0x0102, 0x03040506);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ctrl.Serialize(ar);
    }
    EXPECT_EQ(file.Data(), (std::vector<BYTE>{0x02, 0x01, 0x06, 0x05, 0x04, 0x03}));

    CMemFile input(file.Data());
    CArchive ar(&input, CArchive::load);
    CObSeqNumber back;
    back.Serialize(ar);
    EXPECT_EQ(back, CObSeqNumber(0x0102, 0x03040506));
}

} // namespace
} // namespace tembra
