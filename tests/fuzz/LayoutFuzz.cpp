// Feeds arbitrary bytes to the readers of the print layout files (*.LYT): the lines, sections and
// values, the element lines, the numbers of the file information and of a paper's section, the
// page areas, the elements of a paper, the print header built from them, the one-paper copy
// the program writes for the layout editor, read back, and the layout editor's own document.
//
// Input: a byte that picks the paper (0..5 the papers of the format, 6 and 7 none of them), a
// flags byte (bit 0: the header keeps its input areas' texts; bit 1: upright paper; bits 2 and 3:
// the layout editor's move goes far beyond the format's limit, and back; bits 4 and 5: the area
// whose elements move), then the file.
//
// Besides crashes, leaks and undefined behaviour the target checks that element texts and names
// are cut to their fields on a character boundary and numbers to the format's limit, and that the
// copy for the layout editor, read back, gives every element of the header with its kind, area,
// name and text, that the layout editor writes what it read so that it reads back the same, and
// that its document, after the elements of an area moved, keeps them within the format's limit
// and saves a file that opens and saves again as it was.
#include "fuzz/FuzzSupport.h"

#include "layout_editor/core/LayoutFileData.h"
#include "layout_editor/core/MarquellDoc.h"

#include "model/LayoutFile.h"
#include "model/PrintArea.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "print/PrNewLine.h"
#include "print/PrNewText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tembra::fuzz {
namespace {

bool IsCut(const std::string& text, std::size_t limit) {
    return text.size() <= limit && Sjis::CutLength(text, text.size()) == text.size();
}

bool IsInLimit(const CRect& rect) {
    for (const LONG v : {rect.left, rect.top, rect.right, rect.bottom}) {
        if (v < -kLayoutNumberLimit || v > kLayoutNumberLimit) {
            return false;
        }
    }
    return true;
}

void CheckText(const LayoutTextEntry& e) {
    if (!IsCut(e.contents, kLayoutTextLimit) || !IsCut(e.name, kLayoutNameLimit) ||
        !IsCut(e.faceName, kLayoutNameLimit)) {
        Fail("an element text is not cut to its field on a character boundary");
    }
    if (!IsInLimit(e.rect)) {
        Fail("an element position is beyond the format's limit");
    }
}

// A paper's section as both programs read it: every element family to its first missing number.
void ReadSection(const LayoutFileIndex& index, int paper) {
    const LayoutSection* section = index.Paper(paper);
    if (section == nullptr) {
        return;
    }
    const LayoutPaperSection read = ParseLayoutPaperSection(*section);
    for (const auto* family : {&read.texts, &read.inputs}) {
        for (const LayoutTextEntry& e : *family) {
            CheckText(e);
        }
    }
    for (const LayoutLineEntry& e : read.lines) {
        if (!IsInLimit(e.rect)) {
            Fail("a line position is beyond the format's limit");
        }
    }
}

// A whole file as the layout editor reads and writes it. Writing may leave out what no field
// can hold (a lead byte that would take the closing quote), but what it writes reads back as it
// was: a second write gives the same bytes.
void RoundTripWholeFile(const LayoutFileIndex& index) {
    const auto write = [](const LayoutFileContents& contents) {
        std::ostringstream out;
        if (!WriteLayoutFileContents(out, contents)) {
            Fail("a layout read from a file cannot be written");
        }
        return out.str();
    };
    const std::string first = write(ParseLayoutFile(index));
    const LayoutFileContents back = ParseLayoutFile(LayoutFileIndex(SplitLayoutLines(first)));
    if (write(back) != first) {
        Fail("a layout written by the editor does not read back as it was");
    }
}

// The whole file through the layout editor's document: its papers built from the file (input
// areas merged by name, base input areas completed before writing) are written, read again and
// written again: the two writes are the same bytes.
void RoundTripEditorDocument(const LayoutLines& lines) {
    const auto write = [](marquell::CLayoutFileData& layout) {
        std::ostringstream out;
        if (!layout.WriteLayoutFile(out, false)) {
            Fail("the layout editor cannot write a layout it read");
        }
        return out.str();
    };
    marquell::CLayoutFileData layout;
    layout.ReadLayoutFile(lines);
    const std::string first = write(layout);
    marquell::CLayoutFileData back;
    back.ReadLayoutFile(SplitLayoutLines(first));
    if (write(back) != first) {
        Fail("a layout written by the layout editor does not read back as it was");
    }
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The document saves to a fresh file of the temporary folder; its bytes.
std::string SaveDocument(marquell::CMarquellDoc& doc, const char* name) {
    const std::filesystem::path target = TempFolder() / name;
    std::error_code error;
    std::filesystem::remove(target, error);
    std::string path = target.string();
    if (!doc.SaveWithBackup(path)) {
        Fail("the layout editor cannot save a layout it opened");
    }
    return FileBytes(target);
}

// Whether the file holds a section of a layout: its file information or a paper.
bool HasLayoutSection(const LayoutFileIndex& index) {
    if (index.Info() != nullptr) {
        return true;
    }
    for (int p = 0; p < kLayoutPaperCount; ++p) {
        if (index.Paper(p) != nullptr) {
            return true;
        }
    }
    return false;
}

// The layout editor's read-edit-write: the document opens the file, the elements of one area of
// its current paper move (a little, or far beyond the format's limit), it saves; what it saved
// opens and saves, and opens and saves again to the same bytes (the first save may still change
// what the file's temporary-edit flag implies). A file with no section of a layout (the empty
// one among them) is refused, and the document keeps the layout it had.
void EditThroughTheDocument(const std::filesystem::path& path, const LayoutFileIndex& index,
                            std::uint8_t flags) {
    marquell::CMarquellDoc doc;
    const std::string before = SaveDocument(doc, "before.LYT");
    if (!doc.OnOpenDocument(path.string())) {
        if (HasLayoutSection(index)) {
            Fail("the layout editor does not open a layout file that exists");
        }
        if (SaveDocument(doc, "refused.LYT") != before) {
            Fail("a file the layout editor refuses changes the layout it had");
        }
        return;
    }
    if (!HasLayoutSection(index)) {
        Fail("the layout editor opens a file with no section of a layout");
    }
    const LONG step = (flags & 4) != 0 ? 2 * kLayoutNumberLimit : 150;
    const LONG shift = (flags & 8) != 0 ? -step : step;
    const CRect from(0, 0, 10, -10);
    CRect to = from;
    to.OffsetRect(shift, shift);
    doc.MoveAreaElements((flags >> 4) & 3, from, to);
    for (const auto& element : doc.GetCurrentPaper().GetElements()) {
        if (!IsInLimit(element->GetFrameRect())) {
            Fail("the layout editor moves an element beyond the format's limit");
        }
    }
    SaveDocument(doc, "edited.LYT");
    marquell::CMarquellDoc second;
    if (!second.OnOpenDocument((TempFolder() / "edited.LYT").string())) {
        Fail("the layout editor does not open what it saved");
    }
    const std::string secondBytes = SaveDocument(second, "second.LYT");
    marquell::CMarquellDoc third;
    if (!third.OnOpenDocument((TempFolder() / "second.LYT").string())) {
        Fail("the layout editor does not open what it saved");
    }
    if (SaveDocument(third, "third.LYT") != secondBytes) {
        Fail("a layout saved by the layout editor does not open and save as it was");
    }
}

void ReadNumbers(const std::filesystem::path& path, int paper) {
    static_cast<void>(ReadLayoutMasterFlag(path));
    static_cast<void>(GetLayoutDiscernmentFlag(path));
    CPoint offset;
    static_cast<void>(GetLayoutOffset(paper, offset, path));
    for (int area = -1; area <= kLayoutAreaCount; ++area) {
        CRect rect;
        static_cast<void>(GetLayoutArea(paper, area, rect, path));
    }
    std::array<int, 4> values{};
    static_cast<void>(ReadLayoutInts(LayoutPaperSectionName(paper), "PaperArea", values,
                                     LayoutValueSource(path)));
    static_cast<void>(
        ReadLayoutInts(LayoutInfoSectionName(), "CurrentPaper", values, LayoutValueSource(path)));
}

// A text as the copy writes it and reads it back: escaped, and unescaped only where it is a
// text (a lead byte that would take the closing quote or a line feed is dropped there). An
// element's name (an input area's key) is never unescaped: "\n" in a name stays two bytes.
std::string AsWritten(const std::string& text, bool isName) {
    std::string back;
    static_cast<void>(ParseLayoutQuoted("\"" + EscapeLayoutText(text) + "\"", back,
                                        isName ? kLayoutNameLimit : kLayoutTextLimit, !isName));
    return back;
}

void CheckSameElements(const CPrHeader& header, const CPrHeader& back) {
    const auto& a = header.GetElementList();
    const auto& b = back.GetElementList();
    if (a.size() != b.size()) {
        Fail("the layout editor's copy does not hold every element");
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i]->GetKind() != b[i]->GetKind() || a[i]->GetArea() != b[i]->GetArea()) {
            Fail("an element changes its kind or area in the layout editor's copy");
        }
        const auto* textA = dynamic_cast<const CPrNewText*>(a[i].get());
        const auto* textB = dynamic_cast<const CPrNewText*>(b[i].get());
        if ((textA == nullptr) != (textB == nullptr)) {
            Fail("an element changes its class in the layout editor's copy");
        }
        if (textA != nullptr && (AsWritten(textA->GetText(), true) != textB->GetText() ||
                                 AsWritten(textA->GetContents(), false) != textB->GetContents())) {
            Fail("an element text changes in the layout editor's copy");
        }
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const int paper = input.Byte() % 8;
    const std::uint8_t flags = input.Byte();
    const std::filesystem::path path = TempFolder() / "layout.LYT";
    WriteWholeFile(path, input.Rest());

    const std::optional<LayoutLines> lines = ReadLayoutLines(path);
    if (!lines) {
        Fail("a layout file that exists does not open");
    }
    std::string value;
    static_cast<void>(GetLayoutValue(*lines, LayoutInfoSectionHeader(), "LayoutName", value));
    const LayoutFileIndex index(*lines);
    for (int p = 0; p < kPaperKindCount; ++p) {
        ReadSection(index, p);
    }
    RoundTripWholeFile(index);
    RoundTripEditorDocument(*lines);
    EditThroughTheDocument(path, index, flags);
    ReadNumbers(path, paper);

    LayoutPaperElements elements;
    if (!ReadLayoutPaperElements(path, paper, elements)) {
        Fail("a layout file that exists does not open");
    }
    for (const auto* family : {&elements.texts, &elements.inputs}) {
        for (const LayoutTextEntry& e : *family) {
            CheckText(e);
        }
    }

    // Read twice: the second read hands the first one's input texts on.
    CPrHeader header;
    static_cast<void>(ReadLayoutIntoHeader(header, paper, path, FALSE));
    static_cast<void>(ReadLayoutIntoHeader(header, paper, path, (flags & 1) != 0));

    CPrintArea area;
    static_cast<void>(area.SetPaper(paper, (flags & 2) != 0 ? 1 : 0, path, 0));
    const std::filesystem::path copy = TempFolder() / "copy.LYT";
    if (!header.WriteLayoutFile(0x1234, area, paper, elements.layoutName, copy, path, FALSE)) {
        Fail("the layout editor's copy cannot be written");
    }
    if (paper < kPaperKindCount) {
        CPrHeader back;
        static_cast<void>(ReadLayoutIntoHeader(back, paper, copy, FALSE));
        CheckSameElements(header, back);
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
