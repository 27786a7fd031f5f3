#include "safety/PlanCandidates.h"

#include "platform/Sjis.h"
#include "safety/PlanCatalog.h"

#include <algorithm>

namespace tembra {

namespace {

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

unsigned char FoldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool Holds(const std::vector<std::string>& texts, std::string_view text) {
    return std::any_of(texts.begin(), texts.end(),
                       [text](const std::string& t) { return SamePlanText(t, text); });
}

void AddOnce(std::vector<std::string>& texts, const std::string& text) {
    if (!Holds(texts, text)) {
        texts.push_back(text);
    }
}

bool PassesFilter(std::string_view key, std::string_view filter) {
    return filter.empty() || key.substr(0, filter.size()) == filter;
}

} // namespace

const std::string& PlanBlankEntry() {
    static const std::string blank = Sjis::FromUtf8("*-------<  空  白  >-------*");
    return blank;
}

bool SamePlanText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (IsLeadByte(ca)) {
            // A double-byte character: both bytes as they are (a trail byte may look like a
            // letter).
            if (ca != cb || i + 1 >= a.size() || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
        } else if (FoldAscii(ca) != FoldAscii(cb)) {
            return false;
        }
    }
    return true;
}

PlanTargetCandidates ListTargets(const CPlanCatalog& catalog, int bigPos, int midPos,
                                 std::string_view filter) {
    PlanTargetCandidates result;
    result.texts.push_back(PlanBlankEntry());
    const CPlanMidGroup* mid = catalog.FindMidGroup(bigPos, midPos);
    if (mid == nullptr) {
        return result;
    }
    const double big = catalog.BigGroups()[static_cast<std::size_t>(bigPos)]->GetNumber();
    const double number = mid->GetNumber();
    const auto offer = [&](const CPlanTarget& target) {
        if (PassesFilter(target.GetKey(), filter)) {
            AddOnce(result.texts, target.GetText());
        }
        result.listed.push_back(&target);
    };
    if (big == 1.0) {
        for (const auto& target : catalog.Targets()) {
            for (int i = 0; i < 3; ++i) {
                if (target->GetMidGroup(i) == number) {
                    offer(*target);
                }
            }
        }
    } else if (big == 2.0 || big == 3.0) {
        const int first = big == 2.0 ? 0 : 3;
        for (const auto& action : catalog.Actions()) {
            for (int i = first; i < first + 3; ++i) {
                if (action->GetMidGroup(i) != number) {
                    continue;
                }
                for (const auto& target : catalog.Targets()) {
                    for (int j = 0; j < CPlanTarget::kActionCount; ++j) {
                        if (target->GetAction(j) == static_cast<double>(action->GetNumber())) {
                            offer(*target);
                            break;
                        }
                    }
                }
            }
        }
    }
    return result;
}

std::vector<std::string> ListActions(const CPlanCatalog& catalog,
                                     const std::vector<const CPlanTarget*>& listed,
                                     std::string_view chosen, std::string_view filter) {
    std::vector<std::string> texts{PlanBlankEntry()};
    for (const CPlanTarget* target : listed) {
        if (target->GetText() != chosen) {
            continue;
        }
        for (const auto& action : catalog.Actions()) {
            bool named = false;
            for (int j = 0; j < CPlanTarget::kActionCount && !named; ++j) {
                named = target->GetAction(j) == static_cast<double>(action->GetNumber());
            }
            if (named && PassesFilter(action->GetKey(), filter)) {
                AddOnce(texts, action->GetText());
            }
        }
    }
    return texts;
}

PlanDisasterCandidates ListDisasters(const CPlanCatalog& catalog, int bigPos, int midPos) {
    PlanDisasterCandidates result;
    result.texts.push_back(PlanBlankEntry());
    const CPlanMidGroup* mid = catalog.FindMidGroup(bigPos, midPos);
    if (mid == nullptr) {
        return result;
    }
    const double big = catalog.BigGroups()[static_cast<std::size_t>(bigPos)]->GetNumber();
    const double number = mid->GetNumber();
    for (const auto& record : catalog.Disasters()) {
        int matches = 0;
        if (big == 1.0) {
            for (int i = 0; i < 3; ++i) {
                matches += record->GetMidGroup(i) == number ? 1 : 0;
            }
        } else if (big == 2.0) {
            matches = record->GetMidGroup(3) == number ? 1 : 0;
        } else if (big == 3.0) {
            matches = record->GetMidGroup(4) == number ? 1 : 0;
        }
        for (int m = 0; m < matches; ++m) {
            AddOnce(result.texts, record->GetDisaster());
            result.listed.push_back(record.get());
        }
    }
    return result;
}

std::vector<std::string> ListMeasures(const std::vector<const CPlanYogo*>& listed,
                                      std::string_view chosen) {
    std::vector<std::string> texts{PlanBlankEntry()};
    for (const CPlanYogo* record : listed) {
        if (record->GetDisaster() == chosen) {
            AddOnce(texts, record->GetMeasure());
        }
    }
    return texts;
}

} // namespace tembra
