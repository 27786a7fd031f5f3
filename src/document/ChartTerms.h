// The terms (用語) of a chart's processes: a new term with the defaults, and what the term menu
// and the find and replace dialog do to the terms of the selected processes: their attributes,
// their removal, and the search and replacement of their texts. Each changed process is replaced
// by a changed copy that keeps its number, recorded for undo.
//
// The replacement of a process in the lists, its copy and the selection are the document's, so
// the part works on the document (CTembraDoc&); the undo history, the object mode and the
// settings' term defaults it reaches directly. Files: ChartTerms.cpp.
#pragma once

#include "document/ChartUndo.h"
#include "model/ConfigOperation.h"
#include "model/SyokiSet.h"
#include "model/Yogo.h"
#include "platform/CmdUI.h"
#include "platform/Types.h"

#include <memory>
#include <string_view>

namespace tembra {

class CTembraDoc;

class CChartTerms {
public:
    CChartTerms(CTembraDoc& doc, CChartUndo& undo, const CConfigOperation& operation,
                CSyokiSet& settings)
        : m_doc(doc), m_undo(undo), m_operation(operation), m_syokiSet(settings) {}
    CChartTerms(const CChartTerms&) = delete;
    CChartTerms& operator=(const CChartTerms&) = delete;

    // Message of the creators.
    static constexpr UINT kNoYogoDataMessage = 5024;

    // A new term with the label defaults of "YogoConfig" and the term font, no text; null after
    // message 5024.
    std::unique_ptr<CYogo> CreateYogo();
    // A copy of source; null after message 5024.
    static std::unique_ptr<CYogo> CopyYogo(const CYogo& source);

    // Each value below 0 (decoration 0xFFFF, color CTembraDoc::kUnchangedColor, an empty text,
    // no font) leaves its attribute as it is. In the term mode (operation 1, 2, 3, 6 or 7) the
    // selected terms of each selected process are changed on a copy that replaces it (recorded),
    // staying selected unless the colour changed. A text is cut to 128 bytes on a character
    // boundary and joins the term bar's history. Without a changed process the values become the
    // defaults of new terms.
    void SetYogoAttr(int form, COLORREF color, WORD decoration, int size, std::string_view text,
                     int linkPosition, int ownFont, const LOGFONT* logFont);
    // Check of a term command from the first selected term (term mode) or else the defaults.
    void UpdateYogoAttrUI(CCmdUI* cmdUI);
    // Removes the selected terms of the selected processes, each process replaced by a copy
    // without them (recorded) that leaves the selection.
    void RemoveSelYogo();
    // Finds (mode other than 2) or replaces (mode 2, one undo step) findText in the terms of the
    // selected processes (their selected terms only with selectionOnly) and, without
    // selectionOnly, of the unselected ones: the whole text (wholeMatch) or every occurrence,
    // never inside a double-byte character. Matching terms end selected with the replaced text
    // (cut to 128 bytes on a character boundary), the others unselected; exactly the processes
    // with a match end selected. Returns how many processes matched.
    int FindReplaceYogo(int mode, std::string_view findText, std::string_view replaceText,
                        BOOL wholeMatch, BOOL selectionOnly);

private:
    CTembraDoc& m_doc;
    CChartUndo& m_undo;
    const CConfigOperation& m_operation;
    CSyokiSet& m_syokiSet;
};

} // namespace tembra
