// An input area of a layout: a named field that the main program fills in when it prints. Its
// inherited text is its name; it adds the default text shown in its place on request, the
// base-name index (n for the n-th base input area of the paper's machine-wide defaults, 0 for
// every other) and the base flag (set for every area the program makes; clear only for one read
// from a file with the index 4, which it is written back with).
#pragma once

#include "layout_editor/core/PHeadMojiData.h"

#include <string>

namespace marquell {

// The base-name index a file gives an input area that is no base input area.
constexpr int kNoBaseIndex = 4;

class CPHeadInputArea : public CPHeadMojiData {
    DECLARE_SERIAL(CPHeadInputArea)
public:
    CPHeadInputArea() : CPHeadMojiData(kTypeInput) {}
    CPHeadInputArea(const CPHeadInputArea&) = default;
    CPHeadInputArea& operator=(const CPHeadInputArea&) = default;

    const std::string& GetName() const { return GetText(); }
    void SetName(std::string name) { SetText(std::move(name)); }
    const std::string& GetDefaultText() const { return m_defaultText; }
    void SetDefaultText(std::string text) { m_defaultText = std::move(text); }
    int GetBaseIndex() const { return m_baseIndex; }
    void SetBaseIndex(int index) { m_baseIndex = index; }
    int GetBaseFlag() const { return m_baseFlag; }
    void SetBaseFlag(int flag) { m_baseFlag = flag; }
    // Field 14 of its line in a layout file: the base-name index, or 4 while the base flag is
    // clear.
    int GetFileIndex() const { return m_baseFlag == 0 ? kNoBaseIndex : m_baseIndex; }

    // Its frame (solid in the editor's input-area colour, or a cyan dash-dot frame while
    // selected), then its default text when the view shows default texts, else its name, laid
    // out as a fixed text in the same colour.
    void Draw(CDC* dc, const ILayoutView& view, int mode) const override;
    // The rectangle together with its name and its default text as they are laid out.
    CRect GetRect() const override;

protected:
    std::unique_ptr<CLayoutData> MakeCopy() const override;

private:
    std::string m_defaultText;
    int m_baseIndex = 0;
    int m_baseFlag = 1;
};

} // namespace marquell
