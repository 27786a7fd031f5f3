// The embedded items of other programs: their block of the document file and the current item.
//
// Nothing of another program can be embedded on this platform, so no item is ever made here and
// the block is always stored empty. A document written on Windows may hold items: each record
// begins with the framework's own client-item data, whose length nothing in the file gives, so
// the records cannot be told apart from what follows them. Rather than guess (and misread what
// comes after), the load stops at the count and hands it back to the caller, which reads no
// further.
#include "document/EmbeddedItems.h"
#include "platform/Exception.h"
#include "platform/Ui.h"

namespace tembra {

namespace {

// The item block:
//   field    width            value
//   magic    16-bit unsigned  0x0DAF
//   count    16-bit unsigned  items that follow
//   items    -                each item's own record
constexpr WORD kCntrItemMagic = 0x0DAF;
constexpr UINT IDS_BAD_ITEM_MAGIC = 5059;

} // namespace

int CEmbeddedItems::SerializeCntrItems(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kCntrItemMagic << WORD{0};
        return 0;
    }
    WORD magic = 0;
    ar >> magic;
    if (magic != kCntrItemMagic) {
        AfxMessageBox(IDS_BAD_ITEM_MAGIC);
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    }
    WORD count = 0;
    ar >> count;
    m_nUnreadCntrItems = count;
    return count;
}

void CEmbeddedItems::SetCurrentCntrItem(CObject* item, BOOL keep) {
    if (item == m_pCurrentCntrItem) {
        return;
    }
    // Only an item of the list can be current.
    if (item != nullptr && m_objects.GetCntrItems().Find(item) == nullptr) {
        return;
    }
    if (m_pCurrentCntrItem != nullptr && keep) {
        return;
    }
    // Closing the other item's server would come here; no server runs on this platform.
    CObject* previous = m_pCurrentCntrItem;
    if (previous != nullptr) {
        m_notifier.RedrawObject(previous);
    }
    m_pCurrentCntrItem = item;
    if (item != nullptr) {
        m_notifier.RedrawObject(item);
    }
}

} // namespace tembra
