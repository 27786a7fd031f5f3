#include "shell/core/FramePositions.h"

#include "platform/NumberText.h"

#include <algorithm>
#include <vector>

namespace tembra {

namespace {

// The numbers of a "%d,%d,..." scan: as many as match from the start, at most max.
std::vector<int> ScanList(std::string_view text, std::size_t max) {
    std::vector<int> numbers;
    std::size_t pos = 0;
    while (numbers.size() < max) {
        if (!numbers.empty()) {
            if (pos >= text.size() || text[pos] != ',') {
                break;
            }
            ++pos;
        }
        const std::optional<int> n = NumberText::ScanInt(text, pos);
        if (!n) {
            break;
        }
        numbers.push_back(*n);
    }
    return numbers;
}

std::string Join(std::initializer_list<long long> numbers) {
    std::string text;
    for (long long n : numbers) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(n);
    }
    return text;
}

} // namespace

std::optional<WindowPlacement> FramePositions::ParseWindowPos(std::string_view text) {
    const std::vector<int> n = ScanList(text, 10);
    if (n.size() != 10) {
        return std::nullopt;
    }
    WindowPlacement p;
    p.flags = static_cast<UINT>(n[0]);
    p.showCmd = static_cast<UINT>(n[1]);
    p.minPosition = CPoint(n[2], n[3]);
    p.maxPosition = CPoint(n[4], n[5]);
    p.normalPosition = CRect(n[6], n[7], n[8], n[9]);
    return p;
}

std::string FramePositions::FormatWindowPos(const WindowPlacement& p) {
    return Join({p.flags, p.showCmd, p.minPosition.x, p.minPosition.y, p.maxPosition.x,
                 p.maxPosition.y, p.normalPosition.left, p.normalPosition.top,
                 p.normalPosition.right, p.normalPosition.bottom});
}

int FramePositions::ParsePaletteShown(std::string_view text) {
    const std::vector<int> n = ScanList(text, 3);
    return n.size() == 3 ? n[2] : 1;
}

std::string FramePositions::FormatPalettePos(const CPoint& topLeft, bool shown) {
    return Join({topLeft.x, topLeft.y, shown ? 1 : 0});
}

FloatWndPosition FramePositions::ParseFloatWndPos(std::string_view text) {
    std::vector<int> n = ScanList(text, 5);
    n.resize(5, 0);
    return {CRect(n[0], n[1], n[2], n[3]), n[4]};
}

std::string FramePositions::FormatFloatWndPos(const FloatWndPosition& p) {
    return Join({p.rect.left, p.rect.top, p.rect.right, p.rect.bottom, p.shown});
}

CRect FramePositions::KeepOnScreens(const CRect& rect, std::span<const CRect> screens,
                                    const CRect& primary) {
    for (const CRect& screen : screens) {
        if (rect.left < screen.right && screen.left < rect.right && rect.top < screen.bottom &&
            screen.top < rect.bottom) {
            return rect;
        }
    }
    const int width = std::min(rect.Width(), primary.Width());
    const int height = std::min(rect.Height(), primary.Height());
    return CRect(primary.left, primary.top, primary.left + width, primary.top + height);
}

CRect FramePositions::PlaceFloatWnd(const CRect& stored, int cx, int cy) {
    const CRect standard(cx / 20, cy / 5, cx / 20 + cx / 4, cy / 5 + cy / 4);
    CRect r = stored.IsRectEmpty() ? standard : stored;
    const auto fit = [](LONG& low, LONG& high, LONG screen, LONG standardLow, LONG standardHigh) {
        if (low < 0) {
            low = 0;
        } else if (high > screen) {
            high = screen;
        }
        if (high - low < screen / 16) {
            low = standardLow;
            high = standardHigh;
        }
    };
    fit(r.left, r.right, cx, standard.left, standard.right);
    fit(r.top, r.bottom, cy, standard.top, standard.bottom);
    return r;
}

} // namespace tembra
