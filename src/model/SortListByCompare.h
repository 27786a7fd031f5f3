// Orders a list of objects by a comparison that answers negative, zero or positive (as the
// event alignment orders its events along the alignment axis). The order is complete and
// stable: objects the comparison finds equal keep the order they had.
#pragma once

#include <algorithm>
#include <iterator>

namespace tembra {

// list: a std::list or a random-access container; compare(a, b) < 0 when a goes before b. The
// caller's context travels inside compare.
template <class List, class Compare> void SortListByCompare(List& list, Compare compare) {
    const auto before = [&compare](const auto& a, const auto& b) { return compare(a, b) < 0; };
    if constexpr (requires { list.sort(before); }) {
        list.sort(before);
    } else {
        std::stable_sort(std::begin(list), std::end(list), before);
    }
}

} // namespace tembra
