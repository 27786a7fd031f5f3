// What follows an edit of the print header's texts (the name plate or the plan sheet), whichever
// dialog made it, and its undo and redo.
//
// The undo history, the changed marks and the header are reached directly; the title and the
// views are the document's (CTembraDoc&). Files: PrHeaderEdit.cpp.
#pragma once

#include "document/ChartNotifier.h"
#include "document/ChartUndo.h"
#include "print/PrHeader.h"

#include <memory>

namespace tembra {

class CTembraDoc;

class CPrHeaderEdit {
public:
    CPrHeaderEdit(CTembraDoc& doc, CChartUndo& undo, CChartNotifier& notifier, CPrHeader& header)
        : m_doc(doc), m_undo(undo), m_notifier(notifier), m_prHeader(header) {}
    CPrHeaderEdit(const CPrHeaderEdit&) = delete;
    CPrHeaderEdit& operator=(const CPrHeaderEdit&) = delete;

    // After the print header's texts were edited: the edit becomes the one undo step, holding
    // the header as it was before (before; without it the history is only emptied), the document
    // is marked modified and changed, its title composed again and every view redraws the
    // header.
    void AfterHeaderEdit(std::unique_ptr<CPrHeader> before = nullptr);
    // Undo and redo of a header edit: the saved header and the document's change places; the
    // title and the views follow.
    int ExchangeHeader(CPrHeader& saved);

private:
    CTembraDoc& m_doc;
    CChartUndo& m_undo;
    CChartNotifier& m_notifier;
    CPrHeader& m_prHeader;
};

} // namespace tembra
