// The print header of one chart document: the print options in force for the chart (its
// CConfigPrint part), the texts of its period and creation-date items, the name and kind of the
// print layout it was built from, and the free layout elements printed in the header, footer and
// side strips of the page. The document owns exactly one and stores it in its file.
//
// It is filled from the application's default print settings and the chart's layout file
// (InitFromSettings), copied between documents (CopyFrom), handed to the layout editor through
// the temporary layout file (WriteLayoutFile) and drawn on every printed page (DrawElements).
#pragma once

#include "model/ConfigPrint.h"
#include "platform/Archive.h"
#include "print/PrHeaderBase.h"
#include "print/PrNewElement.h"
#include "print/PrNewText.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CDC;
class CDocument;
class CPrintArea;
class IPrLayout;

// What the print header asks of the document that owns it when it loads a file older than
// 31000, whose header must first be filled from the chart's layout: the paper of the chart's
// settings and the path of the chart's layout file. The document implements it; a header loaded
// without such a document starts from A4 and no layout file.
class IPrHeaderOwner {
public:
    virtual ~IPrHeaderOwner() = default;
    virtual int GetHeaderPaper() const = 0;
    virtual std::filesystem::path GetHeaderLayoutPath() const = 0;
};

class CPrHeader : public CObject, public CConfigPrint {
    DECLARE_SERIAL(CPrHeader)
public:
    using ElementList = std::vector<std::unique_ptr<CPrNewElement>>;

    CPrHeader();
    ~CPrHeader() override;
    CPrHeader(const CPrHeader&) = delete;
    CPrHeader& operator=(const CPrHeader&) = delete;

    // Stores or loads the header in the form of the archive document's file version; older
    // layouts are migrated on loading (see the .cpp). The document pointer becomes the
    // archive's document.
    void Serialize(CArchive& ar) override;

    // Resets the options from the application's defaults ("Select" excepted), clears the period
    // and creation-date texts and their flags and the local-layout flag, and rebuilds the
    // elements, the layout name and the layout kind from the paper's section of the layout
    // file. With keepInputs the input areas pass their texts (when not empty) and colours on to
    // the new input areas of the same name. FALSE when the file cannot be opened: the elements,
    // layout name and kind stay as they were (the options are reset all the same).
    BOOL InitFromSettings(CDocument* document, int paper, const std::filesystem::path& layoutPath,
                          BOOL keepInputs);
    // Becomes a copy of another header: options and texts, the local-layout flag, layout name
    // and kind, the document pointer and a deep copy of every element (each of its own class).
    // The old fixed headers are not copied.
    void CopyFrom(const CPrHeader& other);

    // The chart's title: with layout kind 1 the contents of the input area named "010001",
    // otherwise those of the first element of kind 1; empty when there is none.
    std::string GetTitleText() const;
    // Sets the contents of the first element of kind 1 (the layout kind is not consulted).
    void SetTitleText(const std::string& text);
    // The first element of a kind; for kind 4 the first element of any kind named "010001".
    CPrNewElement* FindElement(int kind) const;
    // The first input area of kind 0 or 4 with that name.
    CPrNewText* FindInputArea(std::string_view name) const;
    // The first element of any kind whose name (the text of an input area) equals text.
    CPrNewText* FindElementByText(std::string_view text) const;
    void RemoveAllElements();
    void AddElement(std::unique_ptr<CPrNewElement> element);
    const ElementList& GetElementList() const { return m_elements; }
    ElementList& GetElementList() { return m_elements; }

    // Draws every element in list order, by area: header always, footer and side strips only
    // when the layout has them.
    void DrawElements(CDC* dc, const IPrLayout& layout) const;

    // Writes the one-paper temporary layout file for the layout editor from the file
    // information and the paper's section of sourcePath, the page areas and this header's
    // elements. windowHandle is written as "hWnd_Tembra"; the last flag is not read. FALSE when
    // the source cannot be read, the target cannot be created or a line cannot be written (a
    // target written in part stays on disk).
    BOOL WriteLayoutFile(long long windowHandle, const CPrintArea& printArea, int paper,
                         const std::string& layoutName, const std::filesystem::path& targetPath,
                         const std::filesystem::path& sourcePath, BOOL flag) const;

    // Moves the texts of the old fixed headers into the elements built from the layout.
    void MigrateOldHeader();

    const std::string& GetLayoutName() const { return m_layoutName; }
    void SetLayoutName(const std::string& name) { m_layoutName = name; }
    short GetLayoutKind() const { return m_layoutKind; }
    void SetLayoutKind(short kind) { m_layoutKind = kind; }
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* document) { m_pDocument = document; }
    // The old fixed headers (0 and 1) as loaded from a file older than 31000.
    CPrHeaderBase& GetHeaderBase(int index) { return m_oldHeaders[index == 1 ? 1 : 0]; }
    const CPrHeaderBase& GetHeaderBase(int index) const { return m_oldHeaders[index == 1 ? 1 : 0]; }

private:
    void Store(CArchive& ar, int version);
    void Load(CArchive& ar, int version);
    // The options InitFromSettings takes from the application's defaults.
    void CopyDefaultOptions();
    void ClearItemTexts();

    std::string m_layoutName;
    short m_layoutKind = 0;
    std::array<CPrHeaderBase, 2> m_oldHeaders;
    ElementList m_elements;
    CDocument* m_pDocument = nullptr;
};

// Rebuilds the header's elements from one paper's section of a layout file: the layout name and
// kind from "[ファイル情報]", then the fixed texts, input areas and lines in file order, each
// rectangle with y negated and, when not all zero, moved by the section's margin corner
// ("OffsetLTop") toward the top-left. With keepInputs the old input areas hand their texts (when
// not empty) and colours to the new ones of the same name, except that a layout of kind 1 keeps
// the file's texts of its fixed items ("070002", "070003", "070006", "070007", "070008",
// "080002", "080003", "080006", "090002", "090018"). FALSE, the header untouched, when the file
// cannot be opened; a file without the paper's section leaves no elements.
BOOL ReadLayoutIntoHeader(CPrHeader& header, int paper, const std::filesystem::path& path,
                          BOOL keepInputs);

} // namespace tembra
