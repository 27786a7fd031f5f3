#include "print/LayoutTempFile.h"

#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "model/Utility.h"
#include "print/PrHeader.h"
#include "print/PrNewLine.h"

#include <array>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tembra {

namespace {

struct Partition {
    const char* key;
    int defaultValue;
};
// The grid divisions of the header, footer, left and right strips, in the order written.
constexpr std::array<Partition, 8> kPartitions = {{{"Vpartition", 50},
                                                   {"Hpartition", 6},
                                                   {"VpartitionB", 50},
                                                   {"HpartitionB", 6},
                                                   {"VpartitionL", 6},
                                                   {"HpartitionL", 50},
                                                   {"VpartitionR", 6},
                                                   {"HpartitionR", 50}}};

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

BOOL WriteLayoutLine(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write("\r\n", 2);
    out.flush();
    return out.good() ? TRUE : FALSE;
}

BOOL CPrHeader::WriteLayoutFile(long long windowHandle, const CPrintArea& printArea, int paper,
                                const std::string& layoutName,
                                const std::filesystem::path& targetPath,
                                const std::filesystem::path& sourcePath, BOOL /*flag*/) const {
    const std::optional<LayoutLines> source = ReadLayoutLines(sourcePath);
    if (!source) {
        return FALSE;
    }
    // Both sections are found by their header, in whatever order the source holds them.
    const LayoutLines info =
        GetLayoutSection(*source, LayoutInfoSectionHeader()).value_or(LayoutLines());
    const std::string paperHeader = LayoutPaperSectionHeader(paper);
    const LayoutLines section =
        paperHeader.empty() ? LayoutLines()
                            : GetLayoutSection(*source, paperHeader).value_or(LayoutLines());

    std::ofstream out(targetPath, std::ios::binary | std::ios::trunc);
    if (!out) {
        return FALSE;
    }
    std::vector<std::string> lines;

    std::string value;
    int cursor = 0;
    int discernment = 0;
    if (FindLayoutLine(info, "LayoutDiscernmentFlag", value, cursor)) {
        std::array<int, 1> v{};
        ParseIntList(std::string_view(value), v);
        discernment = v[0];
    }
    lines.push_back(LayoutInfoSectionHeader());
    lines.push_back(FormatLayoutInfoInt("Vertion", kLayoutTempVersion));
    lines.push_back(FormatLayoutInfoInt("MasterFlag", kLayoutTempMasterFlag));
    lines.push_back(FormatLayoutInfoInt("CurrentPaper", paper));
    lines.push_back(FormatLayoutEntry("LayoutName", layoutName));
    lines.push_back(FormatLayoutInfoInt("hWnd_Tembra", windowHandle));
    lines.push_back(FormatLayoutInfoInt("LayoutDiscernmentFlag", discernment));
    lines.emplace_back();

    const CPoint shift = printArea.GetMarginShift();
    const CSize extent = LayoutPaperExtent(paper);
    const CRect header = printArea.GetHeaderRect();
    const CRect edit = printArea.GetEditRect();
    const CRect footer = printArea.GetFooterRect();

    // The entries taken over from the source section are looked up with one forward cursor.
    cursor = 0;
    auto takeOver = [&](const char* key) {
        std::string old;
        return FindLayoutLine(section, key, old, cursor) ? FormatLayoutEntry(key, old)
                                                         : FormatLayoutRect(key, CRect());
    };

    lines.push_back(paperHeader);
    lines.push_back(FormatLayoutRect("PaperArea", CRect(0, 0, extent.cx, extent.cy)));
    lines.push_back(FormatLayoutRect("HeaderArea", FileRect(header, shift)));
    lines.push_back(FormatLayoutRect("FooterArea", FileRect(footer, shift)));
    lines.push_back(takeOver("FooterAreaOld"));
    lines.push_back(FormatLayoutRect(
        "LeftArea", FileRect(CRect(header.left, header.bottom, edit.left, edit.bottom), shift)));
    lines.push_back(takeOver("LeftAreaOld"));
    lines.push_back(FormatLayoutRect(
        "RightArea", FileRect(CRect(edit.right, header.bottom, header.right, edit.bottom), shift)));
    lines.push_back(takeOver("RightAreaOld"));
    lines.push_back(FormatLayoutRect("DateArea", FileRect(printArea.GetDateRect(), shift)));
    lines.push_back(FormatLayoutRect("EditArea", FileRect(edit, shift)));
    lines.push_back(FormatLayoutRect("OffsetLTop", CRect(0, 0, shift.x, Abs(shift.y))));
    lines.push_back(FormatLayoutRect(
        "OffsetRBottom",
        CRect(header.right + shift.x, Abs(footer.bottom + shift.y), extent.cx, extent.cy)));
    for (const Partition& p : kPartitions) {
        std::string old;
        lines.push_back(FindLayoutLine(section, p.key, old, cursor)
                            ? FormatLayoutEntry(p.key, old)
                            : FormatLayoutNumber(p.key, p.defaultValue));
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
