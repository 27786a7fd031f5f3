#include "layout_editor/core/PaperData.h"

#include "layout_editor/core/EditorSettings.h"
#include "layout_editor/core/LayoutGeometry.h"
#include "layout_editor/core/LayoutOwner.h"
#include "layout_editor/core/LayoutView.h"
#include "layout_editor/core/PHeadInputArea.h"
#include "layout_editor/core/PHeadLineData.h"
#include "model/LayoutFile.h"
#include "model/Utility.h"
#include "platform/Profile.h"
#include "platform/RegKey.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <unordered_map>

namespace marquell {

IMPLEMENT_SERIAL(CPaperData, CObject, 1)

namespace {

using namespace tembra;

// "固定Ａ" (followed by a paper's section name) and "固定Ｂ" in CP932.
const std::string kFixedA = "\x8C\xC5\x92\xE8\x82\x60";
const std::string kFixedB = "\x8C\xC5\x92\xE8\x82\x61";
constexpr const char* kCurUser = "CurUser";
// The rectangles of the defaults, read into both size records.
constexpr int kDefaultRects[] = {kLayoutPaperArea,    kLayoutHeaderArea, kLayoutFooterArea,
                                 kLayoutDateArea,     kLayoutEditArea,   kLayoutOffsetLTop,
                                 kLayoutOffsetRBottom};

// Four numbers (y downward) as a layout rectangle; an empty one for an empty value.
CRect DefaultRect(const std::string& value) {
    std::array<int, 4> v{};
    ParseIntList(std::string_view(value), v);
    for (int& n : v) {
        n = std::clamp(n, -kLayoutNumberLimit, kLayoutNumberLimit);
    }
    return CRect(v[0], -v[1], v[2], -v[3]);
}

// A base input area of the defaults: "name", l, t, r, b, "face", height, width, vcentre,
// hcentre, colour (the head of an input-area line).
std::unique_ptr<CPHeadInputArea> BaseInputArea(const std::string& value, int index) {
    const LayoutTextEntry e = ParseLayoutInputEntry(value);
    auto area = std::make_unique<CPHeadInputArea>();
    area->SetName(e.name);
    area->SetFrameRect(CRect(e.rect.left, -e.rect.top, e.rect.right, -e.rect.bottom));
    LOGFONT font;
    EnumFontFaces(font, e.faceName, -e.fontHeight, e.fontWidth);
    area->SetFont(font);
    area->SetVCenter(e.vCenter != 0 ? 1 : 0);
    area->SetHCenter(e.hCenter != 0 ? 1 : 0);
    area->SetColor(e.color);
    area->SetBaseIndex(index);
    area->SetArea(kAreaHeader);
    area->SetBaseFlag(1);
    return area;
}

// The old state of an element before it changes in place, and the change recorded.
void RecordChange(ILayoutOwner& owner, std::unique_ptr<CLayoutData> old, CLayoutData& element) {
    owner.UpdateElement(*old);
    owner.UpdateElement(element);
    CLayoutData* raw = old.release();
    if (owner.GetUndoHistory().AddChange(raw, &element) == 0) {
        delete raw;
    }
}

// Changes each selected element of kind T in place, one undo step per element after the history
// is reset; the layout is marked modified when any changed. An element that cannot be copied
// for its undo step is left as it is.
template <class T, class Change>
void ChangeSelected(ILayoutOwner& owner, const CPaperData::ElementList& elements, Change change) {
    owner.GetUndoHistory().Reset();
    bool changed = false;
    for (const auto& element : elements) {
        auto* target = dynamic_cast<T*>(element.get());
        if (target == nullptr || !target->IsSelected()) {
            continue;
        }
        std::unique_ptr<CLayoutData> old = target->Clone();
        if (!old) {
            continue;
        }
        change(*target);
        RecordChange(owner, std::move(old), *target);
        changed = true;
    }
    if (changed) {
        owner.SetModifiedFlag();
    }
}

// The name with the number behind it, cut so that the whole keeps the layout file's limit.
std::string NumberedName(const std::string& name, int n) {
    const std::string suffix = std::to_string(n);
    const std::size_t room =
        kLayoutNameLimit > suffix.size() ? kLayoutNameLimit - suffix.size() : 0;
    return Sjis::Cut(name, room) + suffix;
}

} // namespace

CPaperData::CPaperData() = default;
CPaperData::~CPaperData() = default;

// ---- Defaults -------------------------------------------------------------------------------

void CPaperData::SetDefaults(int paper) {
    const std::string section = kFixedA + LayoutPaperSectionName(paper);
    for (CPHeadSizeData* size : {&m_size, &m_sizeRead}) {
        for (int index : kDefaultRects) {
            size->SetArea(index, DefaultRect(GetRegString(section, LayoutRectKey(index), "")));
        }
        const CRect h = size->GetArea(kLayoutHeaderArea);
        const CRect e = size->GetArea(kLayoutEditArea);
        size->SetArea(kLayoutLeftArea, CRect(h.left, h.bottom, e.left, e.bottom));
        size->SetArea(kLayoutRightArea, CRect(e.right, h.bottom, h.right, e.bottom));
        size->SetArea(kLayoutFooterAreaOld, CRect());
        size->SetArea(kLayoutLeftAreaOld, CRect());
        size->SetArea(kLayoutRightAreaOld, CRect());
        size->SetCurrentArea(kAreaHeader);
        // The side areas stand upright: their divisions are the header's turned.
        const int across = static_cast<int>(GetRegInt(section, "Vpartition", 0));
        const int down = static_cast<int>(GetRegInt(section, "Hpartition", 0));
        size->SetPartitions(kAreaHeader, across, down);
        size->SetPartitions(kAreaFooter, across, down);
        size->SetPartitions(kAreaLeft, down, across);
        size->SetPartitions(kAreaRight, down, across);
    }

    for (int n = 1;; ++n) {
        const std::string value = GetRegString(section, LayoutElementKey(kLayoutInputKey, n), "");
        if (value.empty()) {
            break;
        }
        // Index 4 stands for an area that is no base input area.
        auto area = BaseInputArea(value, n < kNoBaseIndex ? n : 0);
        m_base.push_back(std::make_unique<CPHeadInputArea>(*area));
        m_elements.push_back(std::move(area));
    }
    const bool fromKey = GetProfileInt(kFixedB, kCurUser, 0) == 0;
    for (int n = 1;; ++n) {
        const std::string key = LayoutElementKey(kLayoutInputKey, n);
        const std::string value =
            fromKey ? GetRegString(kFixedB, key, "") : GetProfileString(kFixedB, key, "");
        if (value.empty()) {
            break;
        }
        m_base.push_back(BaseInputArea(value, 0));
    }
}

void CPaperData::RemoveAllElements() {
    m_elements.clear();
    m_base.clear();
}

// ---- Editing --------------------------------------------------------------------------------

void CPaperData::AddElement(ILayoutOwner& owner, std::unique_ptr<CLayoutData> element) {
    if (!element) {
        return;
    }
    owner.GetUndoHistory().Reset();
    m_elements.push_back(std::move(element));
    CLayoutData& added = *m_elements.back();
    owner.UpdateElement(added);
    owner.GetUndoHistory().AddNew(&added);
    owner.SetModifiedFlag();
}

void CPaperData::DeleteAll(ILayoutOwner& owner) {
    Remove(owner, false);
}

void CPaperData::DeleteSelected(ILayoutOwner& owner) {
    Remove(owner, true);
}

void CPaperData::Remove(ILayoutOwner& owner, bool selectedOnly) {
    CLayoutUndoHistory& history = owner.GetUndoHistory();
    history.Reset();
    ElementList kept;
    kept.reserve(m_elements.size());
    bool removed = false;
    for (auto& element : m_elements) {
        if (selectedOnly && !element->IsSelected()) {
            kept.push_back(std::move(element));
            continue;
        }
        owner.UpdateElement(*element);
        CLayoutData* raw = element.release();
        if (history.AddDelete(raw) == 0) {
            delete raw;
        }
        removed = true;
    }
    m_elements.swap(kept);
    if (removed) {
        owner.SetModifiedFlag();
    }
}

void CPaperData::CopySelectedBy(ILayoutOwner& owner, const CPoint& offset) {
    CLayoutUndoHistory& history = owner.GetUndoHistory();
    history.Reset();
    bool added = false;
    // The copies go to the end of the list; only the elements before them are copied.
    const std::size_t count = m_elements.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!m_elements[i]->IsSelected()) {
            continue;
        }
        m_elements[i]->SetSelected(false);
        owner.UpdateElement(*m_elements[i]);
        std::unique_ptr<CLayoutData> copy = m_elements[i]->Clone();
        if (!copy) {
            continue;
        }
        copy->Move(offset);
        copy->SetSelected(true);
        if (auto* input = dynamic_cast<CPHeadInputArea*>(copy.get())) {
            MakeUniqueName(*input);
            if (input->GetBaseIndex() != 0 && input->GetBaseIndex() != kNoBaseIndex) {
                input->SetBaseIndex(0);
            }
        }
        m_elements.push_back(std::move(copy));
        owner.UpdateElement(*m_elements.back());
        history.AddNew(m_elements.back().get());
        added = true;
    }
    if (added) {
        owner.SetModifiedFlag();
    }
}

void CPaperData::MoveSelectedBy(ILayoutOwner& owner, const CPoint& offset) {
    ChangeSelected<CLayoutData>(owner, m_elements,
                                [&](CLayoutData& element) { element.Move(offset); });
}

void CPaperData::TransformSelected(ILayoutOwner& owner, const ILayoutView& view) {
    ChangeSelected<CLayoutData>(owner, m_elements,
                                [&](CLayoutData& element) { element.Transform(view); });
}

void CPaperData::SetFontOfSelected(ILayoutOwner& owner, const LOGFONT& font) {
    // The face and style change; each text keeps its size.
    ChangeSelected<CPHeadMojiData>(owner, m_elements, [&](CPHeadMojiData& text) {
        LOGFONT chosen = font;
        chosen.lfHeight = text.GetFont().lfHeight;
        chosen.lfWidth = text.GetFont().lfWidth;
        text.SetFont(chosen);
    });
}

void CPaperData::SetLineWidthOfSelected(ILayoutOwner& owner, const CEditorSettings& settings,
                                        int kind) {
    ChangeSelected<CPHeadLineData>(owner, m_elements, [&](CPHeadLineData& line) {
        line.SetWidthClass(kind);
        line.SetWidth(settings.GetLineWidth(kind));
    });
}

// ---- Selection ------------------------------------------------------------------------------

void CPaperData::SelectInArea(ILayoutOwner& owner) {
    for (const auto& element : m_elements) {
        if (element->GetArea() == m_size.GetCurrentArea() && !element->IsSelected()) {
            element->SetSelected(true);
            owner.UpdateElement(*element);
        }
    }
}

int CPaperData::Select(ILayoutOwner& owner, const ILayoutView& view, const CRect& rect) {
    const bool click = rect.left == rect.right && rect.top == rect.bottom;
    CRect query = rect;
    BOOL wholeInside = view.IsInsideFrameSelection() ? TRUE : FALSE;
    if (click) {
        const int tolerance = view.GetHitTolerance();
        query = CRect(rect.left - tolerance, rect.top + tolerance, rect.right + tolerance,
                      rect.bottom - tolerance);
        wholeInside = FALSE;
        // A click on a selected element takes that one out of the selection.
        for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it) {
            if ((*it)->IsSelected() && (*it)->HitTest(query, FALSE)) {
                (*it)->SetSelected(false);
                owner.UpdateElement(**it);
                for (const auto& element : m_elements) {
                    if (element->IsSelected()) {
                        owner.UpdateElement(*element);
                    }
                }
                return -1;
            }
        }
    }
    int count = 0;
    const bool keep = view.IsAdditiveSelection();
    for (const auto& element : m_elements) {
        if (!element->IsSelected()) {
            continue;
        }
        if (keep) {
            ++count;
        } else {
            element->SetSelected(false);
        }
        owner.UpdateElement(*element);
    }
    for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it) {
        CLayoutData& element = **it;
        if (element.GetArea() != m_size.GetCurrentArea() || !element.HitTest(query, wholeInside)) {
            continue;
        }
        if (!element.IsSelected()) {
            element.SetSelected(true);
            owner.UpdateElement(element);
            ++count;
        }
        if (click) {
            break;
        }
    }
    return count;
}

int CPaperData::CountInRect(const ILayoutView& view, const CRect& rect) const {
    const BOOL wholeInside = view.IsInsideFrameSelection() ? TRUE : FALSE;
    return static_cast<int>(
        std::count_if(m_elements.begin(), m_elements.end(),
                      [&](const auto& element) { return element->HitTest(rect, wholeInside); }));
}

void CPaperData::DeselectAll(ILayoutOwner& owner) {
    for (const auto& element : m_elements) {
        if (element->IsSelected()) {
            element->SetSelected(false);
            owner.UpdateElement(*element);
        }
    }
}

CPHeadMojiData* CPaperData::FindSelectedText() const {
    for (const auto& element : m_elements) {
        if (auto* text = dynamic_cast<CPHeadMojiData*>(element.get());
            text != nullptr && text->IsSelected()) {
            return text;
        }
    }
    return nullptr;
}

CPHeadLineData* CPaperData::FindSelectedLine() const {
    for (const auto& element : m_elements) {
        if (auto* line = dynamic_cast<CPHeadLineData*>(element.get());
            line != nullptr && line->IsSelected()) {
            return line;
        }
    }
    return nullptr;
}

int CPaperData::CountSelected() const {
    return static_cast<int>(
        std::count_if(m_elements.begin(), m_elements.end(),
                      [](const auto& element) { return element->IsSelected(); }));
}

// ---- Input-area names -----------------------------------------------------------------------

bool CPaperData::IsInputAreaNameUsed(std::string_view name) const {
    return std::any_of(m_elements.begin(), m_elements.end(), [&](const auto& element) {
        const auto* input = dynamic_cast<const CPHeadInputArea*>(element.get());
        return input != nullptr && input->GetName() == name;
    });
}

void CPaperData::MakeUniqueName(CLayoutData& element) const {
    auto* input = dynamic_cast<CPHeadInputArea*>(&element);
    if (input == nullptr) {
        return;
    }
    std::set<std::string, std::less<>> names;
    for (const auto& other : m_elements) {
        if (const auto* area = dynamic_cast<const CPHeadInputArea*>(other.get());
            area != nullptr && area != input) {
            names.insert(area->GetName());
        }
    }
    if (names.find(input->GetName()) == names.end()) {
        return;
    }
    // Among n + 1 numbers one is free.
    for (int n = 1;; ++n) {
        std::string candidate = NumberedName(input->GetName(), n);
        if (names.find(candidate) == names.end()) {
            input->SetName(std::move(candidate));
            return;
        }
    }
}

void CPaperData::MergeInputAreas(std::vector<std::unique_ptr<CPHeadInputArea>> inputs) {
    // The first area of each name, looked up by name: a file's thousands of areas are merged in
    // one pass, not one scan of the list each.
    std::unordered_map<std::string, CPHeadInputArea*> byName;
    for (const auto& element : m_elements) {
        if (auto* input = dynamic_cast<CPHeadInputArea*>(element.get())) {
            byName.emplace(input->GetName(), input);
        }
    }
    for (auto& input : inputs) {
        const auto [at, added] = byName.emplace(input->GetName(), input.get());
        if (!added) {
            *at->second = *input;
            continue;
        }
        m_elements.push_back(std::move(input));
    }
}

void CPaperData::CompleteBaseInputAreas() {
    std::set<std::string, std::less<>> names;
    for (const auto& element : m_elements) {
        if (const auto* input = dynamic_cast<const CPHeadInputArea*>(element.get())) {
            names.insert(input->GetName());
        }
    }
    for (const auto& base : m_base) {
        if (!names.insert(base->GetName()).second) {
            continue;
        }
        auto copy = std::make_unique<CPHeadInputArea>(*base);
        copy->SetFrameRect(CRect());
        copy->SetSelected(false);
        m_elements.push_back(std::move(copy));
    }
}

// ---- Drawing --------------------------------------------------------------------------------

void CPaperData::Draw(CDC* dc, const ILayoutView& view, int mode) const {
    if (dc == nullptr) {
        return;
    }
    m_size.Draw(dc, view, mode);
    if (view.IsGridSnapOn()) {
        int across = 0;
        int down = 0;
        m_size.GetPartitions(m_size.GetCurrentArea(), across, down);
        m_size.DrawPartitionLines(dc, view, across, down);
    }
    // Device pixels from here: y downward.
    const auto deviceRect = [dc](CRect rect) {
        dc->LPtoDP(&rect);
        rect.NormalizeRect();
        return rect;
    };
    CRect clip;
    dc->GetClipBox(&clip);
    clip = deviceRect(clip);
    for (const auto& element : m_elements) {
        CRect extent = deviceRect(view.ToView(element->GetRect()));
        extent.right = std::max(extent.right, extent.left + 1);
        extent.bottom = std::max(extent.bottom, extent.top + 1);
        if (extent.left >= clip.right || clip.left >= extent.right || extent.top >= clip.bottom ||
            clip.top >= extent.bottom) {
            continue;
        }
        if (!view.IsWholePaperShown()) {
            element->Draw(dc, view, mode);
            continue;
        }
        CRect area = deviceRect(view.ToView(m_size.GetAreaRect(element->GetArea())));
        area.left -= 2;
        area.right += 2;
        area.bottom += 2;
        dc->DPtoLP(&area);
        const int saved = dc->SaveDC();
        dc->IntersectClipRect(&area);
        element->Draw(dc, view, mode);
        dc->RestoreDC(saved);
    }
}

// ---- Undo -----------------------------------------------------------------------------------

int CPaperData::RestoreElement(CLayoutData* found, CLayoutData* replacement) {
    if (found == nullptr) {
        if (replacement != nullptr) {
            m_elements.reserve(m_elements.size() + 1);
            m_elements.emplace_back(replacement);
        }
        return 1;
    }
    // Undo and redo run newest first, and new elements stand at the end: look from there.
    const auto it = std::find_if(m_elements.rbegin(), m_elements.rend(),
                                 [found](const auto& element) { return element.get() == found; });
    if (it == m_elements.rend()) {
        return 0;
    }
    const auto at = std::prev(it.base());
    at->release();
    if (replacement != nullptr) {
        replacement->SetSelected(found->IsSelected());
        at->reset(replacement);
    } else {
        m_elements.erase(at);
    }
    return 1;
}

} // namespace marquell
