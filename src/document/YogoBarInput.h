// The term bar's input as a part of the document: a term that the bar or the term lists ask for
// begins term input over a process line about to be drawn, and the two marks that tell the bar's
// updates whether its edit mark and its input state changed since the last update
// (YogoBarInput.cpp).
//
// Term input drops every selection through the document and empties the undo history, so it works
// on the CTembraDoc that holds it.
#pragma once

#include "platform/Types.h"

namespace tembra {

class CChartUndo;
class CTembraDoc;

class CYogoBarInput {
public:
    CYogoBarInput(CTembraDoc& doc, CChartUndo& undo) : m_doc(doc), m_undo(undo) {}
    CYogoBarInput(const CYogoBarInput&) = delete;
    CYogoBarInput& operator=(const CYogoBarInput&) = delete;

    // The term bar's input asks for a term: in the process mode drawing with nothing going on
    // and nothing saved, the term mode is entered for one term (process mode and draw saved for
    // the return) unless terms go with processes; every selection is dropped and the undo
    // history emptied. Any other state: nothing.
    void BeginTermInput();
    // A text came into the term input bar from the term lists: a process line about to be drawn
    // (process mode, draw operation, nothing begun, no temporary switch saved) gives way to the
    // term mode, the views are updated and the undo history emptied. Anything else is kept.
    void OnYogoTextInput();
    // Remembers CTembraDoc::CanDelete at an update of "消　去" for the term bar's edit mark: TRUE
    // when it changed since the last update.
    bool NoteCanDelete(BOOL can) {
        const bool changed = can != m_bCouldDelete;
        m_bCouldDelete = can;
        return changed;
    }
    // Remembers whether the term bar's input was made active at an update of its state: TRUE when
    // that changed (or was never told).
    bool NoteYogoComboActive(bool active) {
        const int now = active ? 1 : 0;
        const bool changed = now != m_nYogoComboActive;
        m_nYogoComboActive = now;
        return changed;
    }

private:
    CTembraDoc& m_doc;
    CChartUndo& m_undo;
    // Whether the term bar's input was last made active (-1: not yet).
    int m_nYogoComboActive = -1;
    // CanDelete at the last update of "消　去", for the term bar's edit mark.
    BOOL m_bCouldDelete = FALSE;
};

} // namespace tembra
