// The tip of the hyperlink under the pointer: shown when the pointer comes onto a link, left alone
// while it moves within the same link (a tip shown anew at every move would flicker and never
// settle), shown again for another link and hidden when the pointer leaves the links or anything
// but a move happens. The window gives the functions that show and hide the tip.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace tembra {

class CTembraToolTip {
public:
    using ShowTip = std::function<void(const std::string& text)>;
    using HideTip = std::function<void()>;

    CTembraToolTip(ShowTip show, HideTip hide) : m_show(std::move(show)), m_hide(std::move(hide)) {}

    // A message of the view: mouseMove for a move of the pointer; id names the link under it
    // (0: none), text is its tip (CP932 as the link holds it).
    void UpdateTip(bool mouseMove, std::uintptr_t id, const std::string& text);

    std::uintptr_t GetShownId() const { return m_shownId; }
    const std::string& GetText() const { return m_text; }

private:
    ShowTip m_show;
    HideTip m_hide;
    std::uintptr_t m_shownId = 0;
    std::string m_text;
};

} // namespace tembra
