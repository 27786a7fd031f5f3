// What the base input-area names dialog edits: the user's list of the names every paper offers
// as base input areas, kept in the user profile's section "固定Ｂ" ("CurUser" 1 once the list
// was saved here, "InputArea1", "InputArea2", ... one name each in the form the papers read:
// "\"name\", 0, 0, 0, 0, \"ＭＳ 明朝\", 24, 12, 1, 1, 0"). Until the list was saved the names
// come from the editor's own key. The list takes effect at the next start.
#pragma once

#include "layout_editor/core/LayoutBase.h"

#include <cstddef>
#include <string>
#include <vector>

namespace marquell {

class CBaseInputAreaNameData {
public:
    // The longest name a list entry keeps (bytes of CP932).
    static constexpr std::size_t kNameLimit = 127;

    // The list as saved: from the user profile once "CurUser" is set, else from the editor's
    // key; up to the first empty value, the first quoted text of each.
    void Load();
    const std::vector<std::string>& GetNames() const { return m_names; }

    // "追加": an empty name adds nothing; a name the layout file cannot keep is refused with
    // 61251, one the list holds (whole names, ASCII letters in either case) with 61243; else it
    // is appended. Returns the refusal or 0.
    UINT Add(const std::string& name);
    // "削除" of the entry at index (nothing outside the list).
    void Remove(std::size_t index);
    // OK: "CurUser" 1, the names under "InputArea1" ... "InputAreaN", and the keys after them
    // deleted one by one while they hold a value.
    void Store() const;

private:
    std::vector<std::string> m_names;
};

} // namespace marquell
