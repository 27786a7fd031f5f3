// Small fixtures of the print tests: a page layout made from page areas, a document of a chosen
// file version, archive round trips and layout files written from UTF-8 lines.
#pragma once

#include "model/PrintArea.h"
#include "platform/Archive.h"
#include "platform/Document.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"
#include "print/PrLayout.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tembra::test {

inline std::string J(const std::string& utf8) {
    return Sjis::FromUtf8(utf8);
}

// A layout file from UTF-8 lines: CP932 with CR LF.
inline std::string LayoutText(const std::vector<std::string>& utf8) {
    std::string text;
    for (const std::string& line : utf8) {
        text += J(line) + "\r\n";
    }
    return text;
}

// A page layout at a zoom with its page origin and areas given directly.
class TestPrLayout : public IPrLayout {
public:
    int zoom = 100;
    CRect page;
    LOGFONT printFont;
    CRect footer;
    CRect left;
    CRect right;

    // The page of printed areas: the page frame runs from the header's top to the footer's
    // bottom; the side strips lie beside the edit area below the header.
    static TestPrLayout FromArea(const CPrintArea& area) {
        TestPrLayout l;
        const CRect header = area.GetHeaderRect();
        const CRect edit = area.GetEditRect();
        l.footer = area.GetFooterRect();
        l.page = CRect(header.left, header.top, header.right, l.footer.bottom);
        l.left = CRect(header.left, header.bottom, edit.left, edit.bottom);
        l.right = CRect(edit.right, header.bottom, header.right, edit.bottom);
        return l;
    }

    CRect ScaleRect(const CRect& r) const override {
        return {Zoom(r.left), Zoom(r.top), Zoom(r.right), Zoom(r.bottom)};
    }
    int Zoom(int value) const override { return value * zoom / 100; }
    CRect GetRect() const override { return page; }
    const LOGFONT& GetPrintFont() const override { return printFont; }
    CRect GetFixedBodyRect() const override { return footer; }
    CRect GetLeftArea() const override { return left; }
    CRect GetRightArea() const override { return right; }
};

// A document of a file version, optionally with the chart's paper and layout for old files.
class VersionDoc : public CDocument, public IPrHeaderOwner {
public:
    explicit VersionDoc(int version, int paper = 0, std::filesystem::path layout = {})
        : m_version(version), m_paper(paper), m_layout(std::move(layout)) {}
    int GetFileVersion() const override { return m_version; }
    int GetHeaderPaper() const override { return m_paper; }
    std::filesystem::path GetHeaderLayoutPath() const override { return m_layout; }

private:
    int m_version;
    int m_paper;
    std::filesystem::path m_layout;
};

// The bytes an object's Serialize writes for a document.
template <class T> std::vector<BYTE> StoreBytes(T& object, CDocument& doc) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = &doc;
        object.Serialize(ar);
        ar.Close();
    }
    return file.Data();
}

// Reads an object's fields from bytes; the count of bytes left over goes to *left.
template <class T>
void LoadBytes(T& object, const std::vector<BYTE>& bytes, CDocument& doc,
               std::size_t* left = nullptr) {
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = &doc;
    object.Serialize(ar);
    if (left != nullptr) {
        // Asked through the archive, which has read ahead of the records.
        *left = static_cast<std::size_t>(file.GetLength() - ar.GetFile()->GetPosition());
    }
}

} // namespace tembra::test
