// What the input-area name dialog edits: the name and default text of one input area of the
// current paper, the names of the paper's base input areas the name box offers, and the base
// name the view last chose. The checks of OK and the taking of the values are here; the dialog
// shows them.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <string>
#include <vector>

namespace marquell {

class CPaperData;
class CPHeadInputArea;
class ILayoutOwner;

class CInputAreaNameData {
public:
    // The fields start from the area's name and default text; chosenBase is the view's.
    CInputAreaNameData(CPaperData& paper, ILayoutOwner& owner, CPHeadInputArea& area,
                       int& chosenBase);

    std::string name;        // CP932
    std::string defaultText; // CP932, lines separated by CR LF

    // The names of the paper's base input areas, in list order.
    std::vector<std::string> BaseNames() const;
    // The name can be edited unless the area was read as no base input area (base flag 0).
    bool IsNameEditable() const;
    // The base name the view remembers; choosing one of the list remembers its position.
    int GetChosenBase() const { return m_chosenBase; }
    void ChooseBase(int index) { m_chosenBase = index; }

    // The checks of OK, in order: 61216 an empty name, 61251 one that shows nothing or that the
    // layout file cannot keep, 61251 a default text the layout file cannot keep, 61248 an area of a
    // fixed base name (index other than 0 and 4), 61213 a name an unselected input area of the
    // paper already shows (one with a rectangle). 0 when the name may be taken: then the unselected
    // areas of that name without a rectangle (a base input area's placeholder) leave the paper, the
    // last edit's history with them.
    UINT Check();
    // The area takes the name (and the index of a base input area of that name) and the text.
    void Apply();

private:
    CPaperData& m_paper;
    ILayoutOwner& m_owner;
    CPHeadInputArea& m_area;
    int& m_chosenBase;
};

} // namespace marquell
