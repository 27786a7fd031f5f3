#include "print/PrhMst03Texts.h"

#include "model/Utility.h"
#include "print/PrHeader.h"
#include "print/PrNewText.h"
#include "print/PrhMst03Pages.h"

namespace tembra {

namespace {

// The input area of the header element when it names an item of one of the ten pages (kinds 0
// and 4 only).
CPrNewText* PlanInputArea(CPrNewElement& element, PrhMst03Code& code) {
    const int kind = element.GetKind();
    if (kind != kPrKindInput && kind != kPrKindNamedInput) {
        return nullptr;
    }
    auto* text = dynamic_cast<CPrNewText*>(&element);
    if (text == nullptr) {
        return nullptr;
    }
    const auto parsed = ParsePrhMst03Code(text->GetText());
    const PrhMst03PageDef* page = parsed ? FindPrhMst03Page(parsed->page) : nullptr;
    // An item the page does not have is left as the layout holds it.
    if (page == nullptr || parsed->item < 1 || parsed->item > page->itemCount) {
        return nullptr;
    }
    code = *parsed;
    return text;
}

} // namespace

CPrhMst03Texts::CPrhMst03Texts() {
    for (const PrhMst03PageDef& def : PrhMst03Pages()) {
        m_pages[static_cast<std::size_t>(def.page - 1)].resize(
            static_cast<std::size_t>(def.itemCount));
    }
}

void CPrhMst03Texts::SetField(int page, int item, const std::string& text) {
    const PrhMst03PageDef* def = FindPrhMst03Page(page);
    if (def == nullptr || item < 1 || item > def->itemCount) {
        return;
    }
    PageItems(page)[static_cast<std::size_t>(item - 1)] = text;
}

std::string CPrhMst03Texts::StoreField(int page, int item) const {
    const PrhMst03PageDef* def = FindPrhMst03Page(page);
    if (def == nullptr || item < 1 || item > def->itemCount) {
        return {};
    }
    return PageItems(page)[static_cast<std::size_t>(item - 1)];
}

std::vector<std::string>& CPrhMst03Texts::PageItems(int page) {
    return m_pages.at(static_cast<std::size_t>(page - 1));
}

const std::vector<std::string>& CPrhMst03Texts::PageItems(int page) const {
    return m_pages.at(static_cast<std::size_t>(page - 1));
}

bool CPrhMst03Texts::IsEditEnabled(int page, int item) const {
    const PrhMst03PageDef* def = FindPrhMst03Page(page);
    if (def == nullptr) {
        return false;
    }
    const int label = def->StepLabelOf(item);
    return label == 0 || !StoreField(page, label).empty();
}

void CPrhMst03Texts::LoadFrom(const CPrHeader& header) {
    for (const auto& element : header.GetElementList()) {
        PrhMst03Code code{};
        if (const CPrNewText* area = PlanInputArea(*element, code)) {
            std::string text = area->GetContents();
            UnescapeNewlines(text);
            SetField(code.page, code.item, text);
        }
    }
}

void CPrhMst03Texts::StoreInto(CPrHeader& header) const {
    for (const auto& element : header.GetElementList()) {
        PrhMst03Code code{};
        if (CPrNewText* area = PlanInputArea(*element, code)) {
            std::string text = StoreField(code.page, code.item);
            EscapeNewlines(text);
            area->SetContents(text);
        }
    }
}

} // namespace tembra
