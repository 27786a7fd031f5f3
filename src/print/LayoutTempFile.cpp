#include "print/LayoutTempFile.h"

#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "print/PrHeader.h"
#include "print/PrNewLine.h"

#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

namespace {

LONG Abs(LONG v) {
    return v < 0 ? -v : v;
}

// The file form of a rectangle held in memory: moved by the margin shift, y as absolute values.
CRect FileRect(CRect rect, const CPoint& shift) {
    rect.OffsetRect(shift.x, shift.y);
    return {rect.left, Abs(rect.top), rect.right, Abs(rect.bottom)};
}

// Element rectangles that are all zero stay zero.
CRect ElementFileRect(const CRect& rect, const CPoint& shift) {
    return rect.IsRectNull() ? rect : FileRect(rect, shift);
}

LayoutTextEntry TextEntry(const CPrNewText& text, const CPoint& shift) {
    LayoutTextEntry e;
    e.name = text.GetText();
    e.contents = text.GetContents();
    e.rect = ElementFileRect(text.GetRect(), shift);
    e.faceName = std::string(text.GetFont().FaceName());
    e.fontHeight = Abs(text.GetFont().lfHeight);
    // The format keeps the width as half the height.
    e.fontWidth = e.fontHeight / 2;
    e.vCenter = text.GetVCenter();
    e.hCenter = text.GetHCenter();
    e.color = text.GetColor();
    e.kind = text.GetKind();
    e.area = text.GetArea();
    return e;
}

} // namespace

BOOL CPrHeader::WriteLayoutFile(long long windowHandle, const CPrintArea& printArea, int paper,
                                const std::string& layoutName,
                                const std::filesystem::path& targetPath,
                                const std::filesystem::path& sourcePath, BOOL /*flag*/) const {
    const std::optional<LayoutFileIndex> source = LayoutFileIndex::Read(sourcePath);
    if (!source) {
        return FALSE;
    }
    // Both sections are found by their header, in whatever order the source holds them.
    const LayoutFileInfo info = ParseLayoutFileInfo(source->Info());
    const std::string paperHeader = LayoutPaperSectionHeader(paper);
    const LayoutSection* section = source->Paper(paper);

    std::ofstream out(targetPath, std::ios::binary | std::ios::trunc);
    if (!out) {
        return FALSE;
    }
    std::vector<std::string> lines;
    lines.push_back(LayoutInfoSectionHeader());
    lines.push_back(FormatLayoutInfoInt("Vertion", kLayoutTempVersion));
    lines.push_back(FormatLayoutInfoInt("MasterFlag", kLayoutTempMasterFlag));
    lines.push_back(FormatLayoutInfoInt("CurrentPaper", paper));
    lines.push_back(FormatLayoutEntry("LayoutName", layoutName));
    lines.push_back(FormatLayoutInfoInt("hWnd_Tembra", windowHandle));
    lines.push_back(FormatLayoutInfoInt("LayoutDiscernmentFlag", info.discernmentFlag));
    lines.emplace_back();

    const CPoint shift = printArea.GetMarginShift();
    const CSize extent = LayoutPaperExtent(paper);
    const CRect header = printArea.GetHeaderRect();
    const CRect edit = printArea.GetEditRect();
    const CRect footer = printArea.GetFooterRect();

    // The entries the editor keeps for itself are taken over verbatim from the source section,
    // wherever they stand in it.
    auto sourceValue = [&](std::string_view key) -> const std::string* {
        return section != nullptr ? section->Find(key) : nullptr;
    };
    auto takeOver = [&](int rect) {
        const char* key = LayoutRectKey(rect);
        const std::string* old = sourceValue(key);
        return old != nullptr ? FormatLayoutEntry(key, *old) : FormatLayoutRect(key, CRect());
    };

    lines.push_back(paperHeader);
    lines.push_back(
        FormatLayoutRect(LayoutRectKey(kLayoutPaperArea), CRect(0, 0, extent.cx, extent.cy)));
    lines.push_back(FormatLayoutRect(LayoutRectKey(kLayoutHeaderArea), FileRect(header, shift)));
    lines.push_back(FormatLayoutRect(LayoutRectKey(kLayoutFooterArea), FileRect(footer, shift)));
    lines.push_back(takeOver(kLayoutFooterAreaOld));
    lines.push_back(FormatLayoutRect(
        LayoutRectKey(kLayoutLeftArea),
        FileRect(CRect(header.left, header.bottom, edit.left, edit.bottom), shift)));
    lines.push_back(takeOver(kLayoutLeftAreaOld));
    lines.push_back(FormatLayoutRect(
        LayoutRectKey(kLayoutRightArea),
        FileRect(CRect(edit.right, header.bottom, header.right, edit.bottom), shift)));
    lines.push_back(takeOver(kLayoutRightAreaOld));
    lines.push_back(
        FormatLayoutRect(LayoutRectKey(kLayoutDateArea), FileRect(printArea.GetDateRect(), shift)));
    lines.push_back(FormatLayoutRect(LayoutRectKey(kLayoutEditArea), FileRect(edit, shift)));
    lines.push_back(
        FormatLayoutRect(LayoutRectKey(kLayoutOffsetLTop), CRect(0, 0, shift.x, Abs(shift.y))));
    lines.push_back(FormatLayoutRect(
        LayoutRectKey(kLayoutOffsetRBottom),
        CRect(header.right + shift.x, Abs(footer.bottom + shift.y), extent.cx, extent.cy)));
    for (int p = 0; p < kLayoutPartitionCount; ++p) {
        const char* key = LayoutPartitionKey(p);
        const std::string* old = sourceValue(key);
        lines.push_back(old != nullptr ? FormatLayoutEntry(key, *old)
                                       : FormatLayoutNumber(key, LayoutPartitionDefault(p)));
    }

    // All fixed texts, then all input areas (kinds mixed, in list order), then all lines. A
    // text of any kind but the fixed text's is written as an input area with its kind as held,
    // and every line element as a line: an element of a kind the copy does not know (a damaged
    // layout or chart file) is handed on, never dropped.
    int n = 0;
    for (const auto& element : m_elements) {
        const auto* text = dynamic_cast<const CPrNewText*>(element.get());
        if (text != nullptr && element->GetKind() == kPrKindFixedText) {
            lines.push_back(FormatLayoutTextEntry(++n, TextEntry(*text, shift)));
        }
    }
    n = 0;
    for (const auto& element : m_elements) {
        const auto* text = dynamic_cast<const CPrNewText*>(element.get());
        if (text != nullptr && element->GetKind() != kPrKindFixedText) {
            lines.push_back(FormatLayoutInputEntry(++n, TextEntry(*text, shift)));
        }
    }
    n = 0;
    for (const auto& element : m_elements) {
        if (const auto* line = dynamic_cast<const CPrNewLine*>(element.get())) {
            LayoutLineEntry e;
            e.rect = ElementFileRect(line->GetRect(), shift);
            e.style = line->GetStyle();
            e.width = line->GetWidth();
            e.color = line->GetColor();
            e.area = line->GetArea();
            lines.push_back(FormatLayoutLineEntry(++n, e));
        }
    }

    for (const std::string& line : lines) {
        if (!WriteLayoutLine(out, line)) {
            return FALSE;
        }
    }
    out.close();
    return out.fail() ? FALSE : TRUE;
}

} // namespace tembra
