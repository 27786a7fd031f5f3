// The name plate of a print header as the name-plate dialog (171 "名　札(印刷ヘッダ)") edits
// it: the chart name (the contents of the title elements, kind 1) and the contents of the free
// text and input-area elements (kinds 0 and 4), listed by name. The texts are CP932; a
// contents text holds its line breaks as CR LF here and as backslash-n in the header.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tembra {

class CPrHeader;

struct NafudaItem {
    // "*" when the element is drawn (its rectangle is not all zero), else " "; then its name.
    std::string line;
    // The contents with CR LF line breaks.
    std::string contents;
};

struct NafudaPlate {
    std::string chartName;
    std::string layoutName;
    // The editable elements in list order.
    std::vector<NafudaItem> items;
};

// The chart name is at most this many CP932 bytes.
inline constexpr std::size_t kNafudaChartNameBytes = 128;

NafudaPlate LoadNafuda(const CPrHeader& header);
// Every title element gets the chart name (cut to kNafudaChartNameBytes on a character
// boundary); the editable elements, in order, get the items' contents with the line breaks
// escaped and the trailing ones dropped. An item beyond the elements is ignored.
void StoreNafuda(const NafudaPlate& plate, CPrHeader& header);

} // namespace tembra
