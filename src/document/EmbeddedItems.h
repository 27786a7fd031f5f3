// The embedded items of other programs in a chart: their block of the document file and the item
// that is current.
//
// Nothing of another program can be embedded on this platform: no item is made, so the item list
// (CChartObjects::GetCntrItems) stays empty and the current item null. What a document file holds
// of items is read as far as it can be (see SerializeCntrItems). The part reaches the list
// through the chart's objects and redraws through the notifier. Files: EmbeddedItems.cpp.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartObjects.h"
#include "platform/Archive.h"
#include "platform/Types.h"

namespace tembra {

class CEmbeddedItems {
public:
    CEmbeddedItems(CChartObjects& objects, CChartNotifier& notifier)
        : m_objects(objects), m_notifier(notifier) {}
    CEmbeddedItems(const CEmbeddedItems&) = delete;
    CEmbeddedItems& operator=(const CEmbeddedItems&) = delete;

    // The item block of the file (its magic 0x0DAF, a count, the items): stored empty. Loading
    // checks the magic (otherwise message 5059 and an archive exception, the item list as it
    // was) and reads the count; a count above 0 comes from a document whose items cannot be
    // read here: the stream stops after the count, which is returned (and kept,
    // GetUnreadCntrItemCount) so that the caller reads nothing that follows. 0 otherwise.
    int SerializeCntrItems(CArchive& ar);
    // The number of items of the document.
    int CountCntrItems() const { return m_objects.GetCntrItems().GetCount(); }
    // The items the last load of the item block could not read; a document that took another's
    // contents takes its count, and one saved whole has none left.
    int GetUnreadCntrItemCount() const { return m_nUnreadCntrItems; }
    void SetUnreadCntrItemCount(int count) { m_nUnreadCntrItems = count; }
    CObject* GetCurrentCntrItem() const { return m_pCurrentCntrItem; }
    BOOL IsCurrentCntrItem(const CObject* item) const {
        return item == m_pCurrentCntrItem ? TRUE : FALSE;
    }
    // Makes the item (one of the item list, or null) current and redraws the old and the new
    // one. While another item is current, keep leaves everything as it is.
    void SetCurrentCntrItem(CObject* item, BOOL keep);
    // For the deletion of the contents: no item is current and none is left unread.
    void Reset() {
        m_pCurrentCntrItem = nullptr;
        m_nUnreadCntrItems = 0;
    }

private:
    CChartObjects& m_objects;
    CChartNotifier& m_notifier;
    CObject* m_pCurrentCntrItem = nullptr;
    int m_nUnreadCntrItems = 0;
};

} // namespace tembra
