// The candidate lists of the plan text dialogs: the texts a chosen mid group offers (targets or
// disasters), and the texts that go with a chosen one (actions or countermeasures). Each list
// begins with the blank entry, which stands for an empty frame line; a text is listed once, two
// texts that differ only in the case of ASCII letters counting as the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class CPlanCatalog;
class CPlanTarget;
class CPlanYogo;

// The first entry of every candidate list (CP932).
const std::string& PlanBlankEntry();
// Equal but for the case of ASCII letters; the bytes of a double-byte character compare exactly.
bool SamePlanText(std::string_view a, std::string_view b);

struct PlanTargetCandidates {
    std::vector<std::string> texts;
    // Every target that matched the mid group, filtered out or not, once per match.
    std::vector<const CPlanTarget*> listed;
};

struct PlanDisasterCandidates {
    std::vector<std::string> texts;
    std::vector<const CPlanYogo*> listed;
};

// The targets of the mid group at midPos of the big group at bigPos whose search key begins with
// the filter (an empty filter lets every one through).
PlanTargetCandidates ListTargets(const CPlanCatalog& catalog, int bigPos, int midPos,
                                 std::string_view filter);
// The actions of the listed targets whose text is the chosen one, target by target, each in
// "[Enforce]" order, filtered by their search keys.
std::vector<std::string> ListActions(const CPlanCatalog& catalog,
                                     const std::vector<const CPlanTarget*>& listed,
                                     std::string_view chosen, std::string_view filter);
PlanDisasterCandidates ListDisasters(const CPlanCatalog& catalog, int bigPos, int midPos);
// The countermeasures of every listed record of the chosen disaster text.
std::vector<std::string> ListMeasures(const std::vector<const CPlanYogo*>& listed,
                                      std::string_view chosen);

} // namespace tembra
