// The terms of a process: where new terms go, the limit of thirty, removing and replacing them,
// their order whatever their slots, and copying them to another process.
#include "KouteiTestSupport.h"

#include "support/ScriptedUi.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tembra {
namespace {

using test::Days;
using test::KouteiDocument;
using test::Load;
using test::SampleKoutei;
using test::Store;
using test::Term;

// ---- Terms ----------------------------------------------------------------------------------

std::vector<std::string> Texts(const CKoutei& koutei) {
    std::vector<std::string> out;
    for (int i = 0; i < koutei.GetYogoCount(); ++i) {
        out.push_back(koutei.GetYogo(i)->GetText());
    }
    return out;
}

TEST(KouteiYogoTest, NewTermsGoInFrontOrAtTheEnd) {
    CKoutei koutei;
    const std::pair<const char*, BOOL> adds[] = {{"a", TRUE}, {"b", TRUE}, {"c", FALSE}};
    for (const auto& [text, atEnd] : adds) {
        auto term = Term(text);
        EXPECT_TRUE(koutei.AddYogo(term, atEnd));
        EXPECT_TRUE(term == nullptr) << "the process owns an attached term";
    }
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"c", "a", "b"}));

    std::unique_ptr<CYogo> none;
    EXPECT_FALSE(koutei.AddYogo(none, TRUE));
    EXPECT_EQ(koutei.GetYogoCount(), 3);
}

TEST(KouteiYogoTest, AThirtyFirstTermIsRefusedWithAMessage) {
    test::ScopedUi ui;
    CKoutei koutei;
    for (int i = 0; i < CKoutei::kMaxYogo; ++i) {
        auto term = Term("t" + std::to_string(i));
        ASSERT_TRUE(koutei.AddYogo(term, TRUE));
    }
    EXPECT_TRUE(ui->MessageBoxes().empty());

    auto extra = Term("extra");
    EXPECT_FALSE(koutei.AddYogo(extra, FALSE));
    EXPECT_EQ(koutei.GetYogoCount(), 30);
    ASSERT_TRUE(extra != nullptr) << "a refused term stays with the caller";
    EXPECT_EQ(koutei.GetYogo(0)->GetText(), "t0");
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].text, "これ以上用語は付けられません");
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, IDS_YOGO_LIMIT);

    EXPECT_TRUE(koutei.RemoveYogo(29, TRUE));
    EXPECT_EQ(koutei.GetYogoCount(), 29);
    EXPECT_EQ(koutei.GetYogo(29), nullptr);
    EXPECT_TRUE(koutei.AddYogo(extra, TRUE));
    EXPECT_EQ(koutei.GetYogo(29)->GetText(), "extra");
}

TEST(KouteiYogoTest, RemovingClosesTheGap) {
    CKoutei koutei;
    for (const char* text : {"a", "b", "c", "d"}) {
        auto term = Term(text);
        koutei.AddYogo(term, TRUE);
    }
    EXPECT_FALSE(koutei.RemoveYogo(4, TRUE));
    EXPECT_FALSE(koutei.RemoveYogo(-1, TRUE));
    EXPECT_TRUE(koutei.RemoveYogo(1, TRUE));
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"a", "c", "d"}));

    // Without deleting, the term passes to the caller.
    std::unique_ptr<CYogo> kept(koutei.GetYogo(0));
    EXPECT_TRUE(koutei.RemoveYogo(0, FALSE));
    EXPECT_EQ(kept->GetText(), "a");
    std::unique_ptr<CYogo> detached = koutei.DetachYogo(1);
    ASSERT_TRUE(detached != nullptr);
    EXPECT_EQ(detached->GetText(), "d");
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"c"}));
    EXPECT_TRUE(koutei.DetachYogo(1) == nullptr);
}

TEST(KouteiYogoTest, TheCountOnlyShrinksAndSlotsOnlyReplace) {
    CKoutei koutei;
    for (const char* text : {"a", "b", "c"}) {
        auto term = Term(text);
        koutei.AddYogo(term, TRUE);
    }
    EXPECT_TRUE(koutei.SetYogo(1, Term("B")));
    EXPECT_FALSE(koutei.SetYogo(3, Term("D")));
    EXPECT_FALSE(koutei.SetYogo(0, nullptr));
    koutei.SetYogoCount(10);
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"a", "B", "c"}));
    koutei.SetYogoCount(1);
    EXPECT_EQ(Texts(koutei), (std::vector<std::string>{"a"}));
    EXPECT_EQ(koutei.GetYogo(1), nullptr);
}

// A process holds its first few terms' slots itself and the others beside it: every step below
// moves terms across that boundary, and the order must come out as the user made it, also in a
// copy and through a file.
TEST(KouteiYogoTest, TermsKeepTheirOrderWhereverTheirSlotsAre) {
    struct Step {
        const char* what;
        std::function<void(CKoutei&)> apply;
        std::vector<std::string> expected;
    };
    const auto add = [](const char* text, BOOL atEnd) {
        return [text, atEnd](CKoutei& k) {
            auto term = Term(text);
            ASSERT_TRUE(k.AddYogo(term, atEnd));
        };
    };
    const auto detach = [](int index, const char* text) {
        return [index, text](CKoutei& k) {
            std::unique_ptr<CYogo> term = k.DetachYogo(index);
            ASSERT_TRUE(term != nullptr);
            EXPECT_EQ(term->GetText(), text);
        };
    };
    const Step steps[] = {
        {"five at the end",
         [&](CKoutei& k) {
             for (const char* text : {"a", "b", "c", "d", "e"}) {
                 add(text, TRUE)(k);
             }
         },
         {"a", "b", "c", "d", "e"}},
        {"one in front", add("z", FALSE), {"z", "a", "b", "c", "d", "e"}},
        {"the first taken out", detach(0, "z"), {"a", "b", "c", "d", "e"}},
        {"one from the middle taken out", detach(2, "c"), {"a", "b", "d", "e"}},
        {"cut to two", [](CKoutei& k) { k.SetYogoCount(2); }, {"a", "b"}},
        {"two more at the end",
         [&](CKoutei& k) {
             add("f", TRUE)(k);
             add("g", TRUE)(k);
         },
         {"a", "b", "f", "g"}},
        {"the last replaced",
         [](CKoutei& k) { ASSERT_TRUE(k.SetYogo(3, Term("G"))); },
         {"a", "b", "f", "G"}},
        {"one in front again", add("y", FALSE), {"y", "a", "b", "f", "G"}},
    };
    CKoutei koutei;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.apply(koutei);
        EXPECT_EQ(Texts(koutei), step.expected);
        EXPECT_EQ(koutei.GetYogo(koutei.GetYogoCount()), nullptr);
    }

    CKoutei copy;
    copy.CopyFrom(koutei);
    EXPECT_EQ(Texts(copy), Texts(koutei));

    KouteiDocument doc;
    CKoutei loaded;
    Load(Store(koutei, doc), loaded, doc);
    EXPECT_EQ(Texts(loaded), Texts(koutei));
}

TEST(KouteiYogoTest, CopyingReplacesTheTermsTheTargetHad) {
    auto source = SampleKoutei();
    CKoutei target;
    for (const char* text : {"x", "y", "z"}) {
        auto term = Term(text);
        target.AddYogo(term, TRUE);
    }
    target.CopyFrom(*source);
    ASSERT_EQ(Texts(target), Texts(*source));
    EXPECT_NE(target.GetYogo(0), source->GetYogo(0));
    EXPECT_EQ(target.GetSeqNumber(), source->GetSeqNumber());
    EXPECT_EQ(target.GetEndTime(), source->GetEndTime());
    EXPECT_EQ(target.GetLines()->GetBendOffset(), 2);
    EXPECT_EQ(target.GetEndLandNo(), CObSeqNumber(9, 11));
    EXPECT_EQ(target.GetShigenCount(), 1);
    EXPECT_NE(target.GetShigen(), source->GetShigen());
    EXPECT_EQ(target.GetSpareDays(), Days(2));

    target.CopyFrom(target);
    EXPECT_EQ(target.GetYogoCount(), 2);
}

} // namespace
} // namespace tembra
