#include "layout_editor/core/LayoutFileData.h"

#include "layout_editor/core/PHeadBoxData.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"
#include "model/Utility.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>

namespace marquell {

namespace {

using namespace tembra;

// Between the layout (y negated) and the file (y as a distance downward).
CRect FromFile(const CRect& r) {
    return CRect(r.left, -r.top, r.right, -r.bottom);
}

LONG FileY(LONG y) {
    return static_cast<LONG>(std::min<long long>(std::llabs(y), INT_MAX));
}

CRect ToFile(const CRect& r) {
    return CRect(r.left, FileY(r.top), r.right, FileY(r.bottom));
}

LOGFONT FontOf(const LayoutTextEntry& e) {
    LOGFONT font;
    EnumFontFaces(font, e.faceName, -e.fontHeight, e.fontWidth);
    return font;
}

void ReadTextFields(CPHeadMojiData& text, const LayoutTextEntry& e) {
    text.SetFrameRect(FromFile(e.rect));
    text.SetFont(FontOf(e));
    text.SetVCenter(e.vCenter);
    text.SetHCenter(e.hCenter);
    text.SetColor(e.color);
    text.SetArea(e.area);
}

LayoutTextEntry TextEntry(const CPHeadMojiData& text) {
    LayoutTextEntry e;
    e.rect = ToFile(text.GetFrameRect());
    e.faceName = std::string(text.GetFont().FaceName());
    e.fontHeight =
        static_cast<int>(std::min<long long>(std::llabs(text.GetFont().lfHeight), INT_MAX));
    // The file keeps the width as half the height.
    e.fontWidth = e.fontHeight / 2;
    e.vCenter = text.GetVCenter();
    e.hCenter = text.GetHCenter();
    e.color = text.GetColor();
    e.area = text.GetArea();
    return e;
}

LayoutLineEntry LineEntry(const CPHeadLineData& line, const CRect& ends) {
    LayoutLineEntry e;
    e.rect = ToFile(ends);
    e.style = line.GetStyle();
    e.width = line.GetWidth();
    e.color = line.GetColor();
    e.area = line.GetArea();
    return e;
}

} // namespace

void CLayoutFileData::SetCurrentPaperIndex(int paper) {
    m_currentPaper = static_cast<short>(paper >= 0 && paper < kPaperCount ? paper : 0);
}

void CLayoutFileData::ResetPaper(int paper) {
    CPaperData& data = GetPaper(paper);
    data.RemoveAllElements();
    data.SetDefaults(paper);
}

void CLayoutFileData::InitNew() {
    m_layoutName.clear();
    m_version = kNewVersion;
    m_masterFlag = kOrdinaryLayout;
    m_currentPaper = 0;
    m_discernmentFlag = 0;
    for (int paper = 0; paper < kPaperCount; ++paper) {
        ResetPaper(paper);
    }
}

void CLayoutFileData::Clear() {
    m_layoutName.clear();
    m_version = 0;
    m_masterFlag = kOrdinaryLayout;
    m_currentPaper = 0;
    m_discernmentFlag = 0;
    for (CPaperData& paper : m_papers) {
        paper.RemoveAllElements();
    }
}

void CLayoutFileData::ReadLayoutFile(std::istream& in) {
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ReadLayoutFile(SplitLayoutLines(bytes));
}

void CLayoutFileData::ReadLayoutFile(const LayoutLines& lines) {
    for (int paper = 0; paper < kPaperCount; ++paper) {
        ResetPaper(paper);
    }
    const LayoutFileContents contents = ParseLayoutFile(LayoutFileIndex(lines));
    const LayoutFileInfo& info = contents.info;
    m_version = info.version;
    m_masterFlag = info.masterFlag;
    SetCurrentPaperIndex(info.currentPaper);
    m_layoutName = info.layoutName;
    m_windowHandle =
        info.masterFlag == kTemporaryLayout && info.windowHandle ? *info.windowHandle : 0;
    m_discernmentFlag = info.discernmentFlag;
    for (int paper = 0; paper < kPaperCount; ++paper) {
        const auto& section = contents.papers[static_cast<std::size_t>(paper)];
        if (!section) {
            continue;
        }
        // A paper without a paper rectangle keeps its defaults, its lists emptied before they
        // were applied again.
        if (section->rects[kLayoutPaperArea].IsRectNull()) {
            ResetPaper(paper);
            continue;
        }
        ReadPaper(GetPaper(paper), *section);
    }
}

void CLayoutFileData::ReadPaper(CPaperData& paper, const LayoutPaperSection& section) {
    for (CPHeadSizeData* size : {&paper.GetSize(), &paper.GetSizeAsRead()}) {
        for (int i = 0; i < kLayoutRectCount; ++i) {
            size->SetArea(i, FromFile(section.rects[static_cast<std::size_t>(i)]));
        }
    }
    for (int i = 0; i < kLayoutPartitionCount; ++i) {
        paper.GetSize().SetPartition(i, section.partitions[static_cast<std::size_t>(i)]);
    }
    for (const LayoutTextEntry& e : section.texts) {
        auto text = std::make_unique<CPHeadMojiData>();
        ReadTextFields(*text, e);
        text->SetText(e.contents);
        paper.GetElements().push_back(std::move(text));
    }
    std::vector<std::unique_ptr<CPHeadInputArea>> inputs;
    inputs.reserve(section.inputs.size());
    for (const LayoutTextEntry& e : section.inputs) {
        auto input = std::make_unique<CPHeadInputArea>();
        ReadTextFields(*input, e);
        input->SetName(e.name);
        input->SetDefaultText(e.contents);
        input->SetBaseIndex(e.kind);
        input->SetBaseFlag(e.kind != kNoBaseIndex ? 1 : 0);
        inputs.push_back(std::move(input));
    }
    paper.MergeInputAreas(std::move(inputs));
    for (const LayoutLineEntry& e : section.lines) {
        auto line = std::make_unique<CPHeadLineData>();
        line->SetFrameRect(FromFile(e.rect));
        line->SetStyle(e.style);
        line->SetWidth(e.width);
        line->SetColor(e.color);
        line->SetArea(e.area);
        paper.GetElements().push_back(std::move(line));
    }
}

BOOL CLayoutFileData::WriteLayoutFile(std::ostream& out, bool modified) {
    LayoutFileContents contents;
    LayoutFileInfo& info = contents.info;
    info.version = m_version;
    info.masterFlag = m_masterFlag;
    if (m_masterFlag == kMasterLayout) {
        info.masterFlag = kOrdinaryLayout;
    } else if (m_masterFlag == kTemporaryLayout && modified) {
        info.masterFlag = kChangedTemporaryLayout;
    }
    info.currentPaper = m_currentPaper;
    info.layoutName = m_layoutName;
    if (m_masterFlag == kTemporaryLayout) {
        info.windowHandle = m_windowHandle;
    }
    info.discernmentFlag = m_discernmentFlag;

    for (int index = 0; index < kPaperCount; ++index) {
        CPaperData& paper = GetPaper(index);
        paper.CompleteBaseInputAreas();
        LayoutPaperSection& section = contents.papers[static_cast<std::size_t>(index)].emplace();
        for (int i = 0; i < kLayoutRectCount; ++i) {
            section.rects[static_cast<std::size_t>(i)] = ToFile(paper.GetSize().GetArea(i));
        }
        for (int i = 0; i < kLayoutPartitionCount; ++i) {
            section.partitions[static_cast<std::size_t>(i)] = paper.GetSize().GetPartition(i);
        }
        std::vector<const CPHeadBoxData*> boxes;
        for (const auto& element : paper.GetElements()) {
            switch (element->GetType()) {
            case kTypeText:
                if (const auto* text = dynamic_cast<const CPHeadMojiData*>(element.get())) {
                    LayoutTextEntry e = TextEntry(*text);
                    e.contents = text->GetText();
                    section.texts.push_back(std::move(e));
                }
                break;
            case kTypeInput:
                if (const auto* input = dynamic_cast<const CPHeadInputArea*>(element.get())) {
                    LayoutTextEntry e = TextEntry(*input);
                    e.name = input->GetName();
                    e.contents = input->GetDefaultText();
                    e.kind = input->GetFileIndex();
                    section.inputs.push_back(std::move(e));
                }
                break;
            case kTypeLine:
                if (const auto* line = dynamic_cast<const CPHeadLineData*>(element.get())) {
                    section.lines.push_back(LineEntry(*line, line->GetFrameRect()));
                }
                break;
            case kTypeBox:
                if (const auto* box = dynamic_cast<const CPHeadBoxData*>(element.get())) {
                    boxes.push_back(box);
                }
                break;
            default:
                break;
            }
        }
        for (const CPHeadBoxData* box : boxes) {
            const CRect& r = box->GetFrameRect();
            for (const CRect& side :
                 {CRect(r.left, r.top, r.right, r.top), CRect(r.right, r.top, r.right, r.bottom),
                  CRect(r.left, r.bottom, r.right, r.bottom),
                  CRect(r.left, r.top, r.left, r.bottom)}) {
                section.lines.push_back(LineEntry(*box, side));
            }
        }
    }
    return WriteLayoutFileContents(out, contents);
}

} // namespace marquell
