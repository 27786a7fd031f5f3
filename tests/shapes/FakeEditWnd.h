// An edit window without a display for the text shape tests: it keeps what the core gives it
// and counts the windows made, installed as the factory for the life of a guard.
#pragma once

#include "shapes/ZukeiEditHost.h"
#include "shapes/ZukeiEditWnd.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::test {

// A host that counts the ends of editing it was asked for.
class FakeEditHost : public IZukeiEditHost {
public:
    void EndStringEdit() override { ++ends; }
    int ends = 0;
};

class FakeEditWnd : public CZukeiEditWnd {
public:
    FakeEditWnd(IZukeiEditHost& parent, DWORD style) : parent(&parent), style(style) {}

    DWORD GetStyle() const override { return style; }
    IZukeiEditHost* GetParent() const override { return parent; }
    std::string GetWindowText() const override { return text; }
    void SetWindowText(std::string_view t) override { text = t; }
    void SetEditFont(const LOGFONT& f) override { font = f; }
    void SetTextColor(COLORREF c) override { color = c; }
    void MoveWindow(const CRect& r) override { rect = r; }
    void EnableWindow(bool e) override { enabled = e; }
    bool IsWindowEnabled() const override { return enabled; }
    void ShowWindow(bool s) override { visible = s; }
    bool IsWindowVisible() const override { return visible; }
    void SetFocus() override {}

    IZukeiEditHost* parent;
    DWORD style;
    std::string text;
    LOGFONT font;
    COLORREF color = 0xFFFFFFFF;
    CRect rect{-99, -99, -99, -99};
    // A new window is as visible and enabled as its style says until it is told otherwise.
    bool enabled = true;
    bool visible = true;
};

// Installs a factory of fake windows (or of none, with failing) until the guard goes.
class ScopedFakeEditWnd {
public:
    explicit ScopedFakeEditWnd(bool failing = false) {
        m_previous = SetZukeiEditWndFactory(
            [this, failing](IZukeiEditHost& parent, DWORD style) -> std::unique_ptr<CZukeiEditWnd> {
                ++made;
                if (failing) {
                    return nullptr;
                }
                return std::make_unique<FakeEditWnd>(parent, style);
            });
    }
    ~ScopedFakeEditWnd() { SetZukeiEditWndFactory(std::move(m_previous)); }
    ScopedFakeEditWnd(const ScopedFakeEditWnd&) = delete;
    ScopedFakeEditWnd& operator=(const ScopedFakeEditWnd&) = delete;

    int made = 0;

private:
    ZukeiEditWndFactory m_previous;
};

} // namespace tembra::test
