#include "dialogs/settings/core/NafudaPlate.h"

#include "model/Utility.h"
#include "platform/Sjis.h"
#include "print/PrHeader.h"

namespace tembra {

namespace {

constexpr int kKindTitle = 1;
constexpr int kKindFreeText = 0;
constexpr int kKindInputArea = 4;

bool IsEditable(int kind) {
    return kind == kKindFreeText || kind == kKindInputArea;
}

// The element as a text element, when it is one of the kinds the plate edits.
CPrNewText* AsText(CPrNewElement& element) {
    const int kind = element.GetKind();
    if (kind != kKindTitle && !IsEditable(kind)) {
        return nullptr;
    }
    return dynamic_cast<CPrNewText*>(&element);
}

} // namespace

NafudaPlate LoadNafuda(const CPrHeader& header) {
    NafudaPlate plate;
    plate.layoutName = header.GetLayoutName();
    for (const auto& element : header.GetElementList()) {
        const CPrNewText* text = AsText(*element);
        if (text == nullptr) {
            continue;
        }
        if (text->GetKind() == kKindTitle) {
            plate.chartName = text->GetContents();
            continue;
        }
        NafudaItem item;
        item.line = (text->GetRect().IsRectNull() ? " " : "*") + text->GetText();
        item.contents = text->GetContents();
        UnescapeNewlines(item.contents);
        plate.items.push_back(std::move(item));
    }
    return plate;
}

void StoreNafuda(const NafudaPlate& plate, CPrHeader& header) {
    const std::string chartName = Sjis::Cut(plate.chartName, kNafudaChartNameBytes);
    std::size_t next = 0;
    for (const auto& element : header.GetElementList()) {
        CPrNewText* text = AsText(*element);
        if (text == nullptr) {
            continue;
        }
        if (text->GetKind() == kKindTitle) {
            text->SetContents(chartName);
            continue;
        }
        if (next < plate.items.size()) {
            std::string contents = plate.items[next].contents;
            EscapeNewlines(contents);
            text->SetContents(contents);
        }
        ++next;
    }
}

} // namespace tembra
