// The embedded-item block of the document file and the document's current item.
#include "DocTestSupport.h"

#include "document/TembraDoc.h"
#include "platform/Exception.h"
#include "platform/MemFile.h"
#include "support/ArchiveBytes.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>

namespace tembra {
namespace {

using test::Bytes;
using test::ByteWriter;
using test::RecordingView;
using test::ScopedAppState;

// An item as far as the document's lists see it.
class Item : public CObject {};

class DocCntrItemsTest : public testing::Test {
protected:
    DocCntrItemsTest() { doc.AddView(&view); }

    ScopedAppState app;
    test::ScopedUi ui;
    RecordingView view;
    CTembraDoc doc;
};

TEST_F(DocCntrItemsTest, TheBlockIsStoredEmpty) {
    const Bytes bytes =
        test::Store([this](CArchive& ar) { doc.GetEmbeddedItems().SerializeCntrItems(ar); }, doc);
    EXPECT_EQ(bytes, (Bytes{0xAF, 0x0D, 0x00, 0x00}));
    EXPECT_EQ(doc.GetEmbeddedItems().CountCntrItems(), 0);

    test::Load(
        bytes,
        [this](CArchive& ar) { EXPECT_EQ(doc.GetEmbeddedItems().SerializeCntrItems(ar), 0); }, doc);
    EXPECT_EQ(doc.GetEmbeddedItems().GetUnreadCntrItemCount(), 0);
    EXPECT_TRUE(ui->MessageBoxes().empty());
}

TEST_F(DocCntrItemsTest, AWrongMagicFailsTheLoadWithItsMessage) {
    doc.GetCntrItems().AddTail(new Item);
    const Bytes bytes = ByteWriter().Word(0x0DAE).Word(0).Get();
    try {
        test::Load(
            bytes, [this](CArchive& ar) { doc.GetEmbeddedItems().SerializeCntrItems(ar); }, doc);
        ADD_FAILURE() << "the load went on";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::generic);
    }
    ASSERT_EQ(ui->MessageBoxes().size(), 1u);
    EXPECT_EQ(ui->MessageBoxes()[0].stringId, 5059u);
    EXPECT_EQ(doc.GetEmbeddedItems().CountCntrItems(), 1) << "the item list is as it was";
}

// Items written on Windows cannot be delimited: the block's count is handed back and nothing
// after it is read, so what follows is still in the stream for the caller to leave alone.
TEST_F(DocCntrItemsTest, ItemsThatCannotBeReadStopTheStreamAtTheirCount) {
    const Bytes bytes = ByteWriter().Word(0x0DAF).Word(1).Word(0x1234).Word(0x5678).Get();
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = &doc;
    EXPECT_EQ(doc.GetEmbeddedItems().SerializeCntrItems(ar), 1);
    EXPECT_EQ(doc.GetEmbeddedItems().GetUnreadCntrItemCount(), 1);
    EXPECT_EQ(doc.GetEmbeddedItems().CountCntrItems(), 0);
    EXPECT_TRUE(ui->MessageBoxes().empty());
    WORD next = 0;
    ar >> next;
    EXPECT_EQ(next, 0x1234) << "nothing past the count was taken";
    ar.Close();

    doc.DeleteContents();
    EXPECT_EQ(doc.GetEmbeddedItems().GetUnreadCntrItemCount(), 0);
}

TEST_F(DocCntrItemsTest, OnlyAnItemOfTheListBecomesCurrent) {
    auto* first = new Item;
    auto* second = new Item;
    doc.GetCntrItems().AddTail(first);
    doc.GetCntrItems().AddTail(second);

    Item stranger;
    doc.GetEmbeddedItems().SetCurrentCntrItem(&stranger, FALSE);
    EXPECT_EQ(doc.GetEmbeddedItems().GetCurrentCntrItem(), nullptr);

    doc.GetEmbeddedItems().SetCurrentCntrItem(first, FALSE);
    EXPECT_TRUE(doc.GetEmbeddedItems().IsCurrentCntrItem(first));
    EXPECT_EQ(view.CountFor(first), 1);

    // Kept: another current item leaves everything as it is.
    doc.GetEmbeddedItems().SetCurrentCntrItem(second, TRUE);
    EXPECT_TRUE(doc.GetEmbeddedItems().IsCurrentCntrItem(first));
    EXPECT_EQ(view.CountFor(second), 0);

    doc.GetEmbeddedItems().SetCurrentCntrItem(second, FALSE);
    EXPECT_TRUE(doc.GetEmbeddedItems().IsCurrentCntrItem(second));
    EXPECT_EQ(view.CountFor(first), 2) << "the old one is redrawn";
    EXPECT_EQ(view.CountFor(second), 1);

    doc.ClearAllSelections(FALSE);
    EXPECT_EQ(doc.GetEmbeddedItems().GetCurrentCntrItem(), nullptr);

    doc.GetEmbeddedItems().SetCurrentCntrItem(first, FALSE);
    doc.DeleteContents();
    EXPECT_EQ(doc.GetEmbeddedItems().GetCurrentCntrItem(), nullptr);
    EXPECT_EQ(doc.GetEmbeddedItems().CountCntrItems(), 0);
}

} // namespace
} // namespace tembra
