// The duty persons of the last roster built, in the user profile's section
// "安全衛生管理\Touban Name List": "Size" (number of persons), "Touban%d" (the name at each place
// of the rota) and "Head" (the head's name; absent without one).
#pragma once

#include "safety/ToubanEntry.h"

#include <string>
#include <vector>

namespace tembra {

// The section name (CP932).
std::string ToubanLastListSection();
// The stored list; a person whose name equals "Head" is the head. A list holding a name the
// profile could not store again (a line break or a zero byte) is refused: message 5008 and an
// empty list.
std::vector<CToubanEntry> LoadLastList();
// Replaces the stored list: the old "Touban%d" values and "Head" go, the list is written anew.
void SaveLastList(const std::vector<CToubanEntry>& entries);

} // namespace tembra
