// One of the pages 1 to 9 of the plan sheet, built from its entry of the pages' table: the
// layout's labels as statics and the user's texts as edits, each edit beside its label (a step
// edit beside its step label, which must hold a text for the edit to be enabled).
#pragma once

#include <QWidget>

#include <map>

namespace tembra {

class CEnterMovesFocus;
class CPrhMst03Edit;
class CPrhMst03Texts;
struct PrhMst03PageDef;

class CPrhMst03Page : public QWidget {
    Q_OBJECT
public:
    CPrhMst03Page(const PrhMst03PageDef& def, CPrhMst03Texts& texts, CEnterMovesFocus& enter,
                  QWidget* parent);

    // The edits' texts into the page's items.
    void Collect();
    // The edit of an item (null for a label or an item the page lacks).
    CPrhMst03Edit* Edit(int item) const;

private:
    const PrhMst03PageDef& m_def;
    CPrhMst03Texts& m_texts;
    std::map<int, CPrhMst03Edit*> m_edits;
};

} // namespace tembra
