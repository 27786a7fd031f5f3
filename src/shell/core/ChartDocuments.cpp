#include "shell/core/ChartDocuments.h"

#include "document/TembraDoc.h"

namespace tembra {

bool IsEmptyChart(CTembraDoc& document) {
    return document.GetObjCount() + document.GetSelCount() +
               document.GetKoumokuCells().GetKoumokuColCount() +
               document.GetShincyokuList().GetCount() + document.GetZukeiCount() +
               document.GetEmbeddedItems().CountCntrItems() ==
           0;
}

std::vector<CTembraDoc*> DocumentsToClose(const std::vector<CTembraDoc*>& documents,
                                          const CTembraDoc* opened) {
    std::vector<CTembraDoc*> closing;
    for (CTembraDoc* document : documents) {
        if (document != opened && !document->IsModified() && IsEmptyChart(*document)) {
            closing.push_back(document);
        }
    }
    return closing;
}

} // namespace tembra
