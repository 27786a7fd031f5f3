#include "layout_editor/core/BaseInputAreaNameData.h"

#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/TextValues.h"
#include "model/LayoutFile.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"

#include <algorithm>

namespace marquell {

namespace {

using namespace tembra;

constexpr UINT kAlreadyListed = 61243;
// "固定Ｂ" in CP932.
const std::string kFixedB = "\x8C\xC5\x92\xE8\x82\x61";
constexpr const char* kCurUser = "CurUser";

// The rest of a base input area's line after its quoted name: an empty rectangle, "ＭＳ 明朝",
// height 24, width 12, both centrings on, colour 0.
std::string EntryRest() {
    return Sjis::FromUtf8(", 0, 0, 0, 0, \"ＭＳ 明朝\", 24, 12, 1, 1, 0");
}

} // namespace

void CBaseInputAreaNameData::Load() {
    m_names.clear();
    const bool fromKey = GetProfileInt(kFixedB, kCurUser, 0) == 0;
    for (int n = 1;; ++n) {
        const std::string key = LayoutElementKey(kLayoutInputKey, n);
        const std::string value =
            fromKey ? GetRegString(kFixedB, key, "") : GetProfileString(kFixedB, key, "");
        if (value.empty()) {
            break;
        }
        std::string name;
        ParseQuotedText(ParsePos(std::string_view(value)), name, kNameLimit);
        m_names.push_back(std::move(name));
    }
}

UINT CBaseInputAreaNameData::Add(const std::string& name) {
    if (name.empty()) {
        return 0;
    }
    const std::string kept = Sjis::Cut(name, kNameLimit);
    if (const UINT refused = CheckInputAreaName(kept); refused != 0) {
        return refused;
    }
    const bool listed = std::any_of(m_names.begin(), m_names.end(), [&](const std::string& entry) {
        return Sjis::EqualsNoCase(entry, kept);
    });
    if (listed) {
        return kAlreadyListed;
    }
    m_names.push_back(kept);
    return 0;
}

void CBaseInputAreaNameData::Remove(std::size_t index) {
    if (index < m_names.size()) {
        m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void CBaseInputAreaNameData::Store() const {
    WriteProfileInt(kFixedB, kCurUser, 1);
    int n = 1;
    for (const std::string& name : m_names) {
        const std::string value = "\"" + name + "\"" + EntryRest();
        WriteProfileString(kFixedB, LayoutElementKey(kLayoutInputKey, n).c_str(), value.c_str());
        ++n;
    }
    for (;; ++n) {
        const std::string key = LayoutElementKey(kLayoutInputKey, n);
        if (GetProfileString(kFixedB, key, "").empty()) {
            break;
        }
        WriteProfileString(kFixedB, key.c_str(), nullptr);
    }
}

} // namespace marquell
