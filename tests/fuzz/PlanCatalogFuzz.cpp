// Feeds arbitrary bytes to the reader of the plan text catalogues ("MANKAN.INI" and "ANKAN.INI",
// which a user may replace by copies of their own) and to the candidate lists the plan text
// dialogs build from them.
//
// Input: a byte that picks the catalogue (even: weekly targets, odd: disasters), a length byte and
// that many bytes (a filter typed into the dialog), then the file.
//
// Besides crashes, leaks and undefined behaviour the target checks what the dialogs rely on:
// every mid group a big group names is found by its position, and every candidate list begins
// with the blank entry and names each text once.
#include "fuzz/FuzzSupport.h"

#include "safety/PlanCandidates.h"
#include "safety/PlanCatalog.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tembra::fuzz {
namespace {

// Enough positions to meet every kind of group; each costs a walk of the catalogue.
constexpr std::size_t kMaxPositions = 6;

void CheckList(const std::vector<std::string>& texts) {
    if (texts.empty() || texts.front() != PlanBlankEntry()) {
        Fail("a candidate list does not begin with the blank entry");
    }
    for (std::size_t i = 1; i < texts.size(); ++i) {
        for (std::size_t j = 1; j < i; ++j) {
            if (SamePlanText(texts[i], texts[j])) {
                Fail("a candidate list names a text twice");
            }
        }
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const PlanCatalogKind kind =
        (input.Byte() & 1) != 0 ? PlanCatalogKind::Disasters : PlanCatalogKind::WeekTargets;
    const std::string filter = input.Text(input.Byte());
    CPlanCatalog catalog(kind);
    if (!catalog.ReadText(input.RestText())) {
        return;
    }
    for (std::size_t big = 0; big < catalog.BigGroups().size() && big < kMaxPositions; ++big) {
        const int bigPos = static_cast<int>(big);
        const std::vector<std::string> mids = catalog.MidGroupNames(bigPos);
        for (std::size_t mid = 0; mid < mids.size() && mid < kMaxPositions; ++mid) {
            const int midPos = static_cast<int>(mid);
            const CPlanMidGroup* found = catalog.FindMidGroup(bigPos, midPos);
            if (found == nullptr || found->GetName() != mids[mid]) {
                Fail("a mid group the big group names is not found at its position");
            }
            if (kind == PlanCatalogKind::WeekTargets) {
                const PlanTargetCandidates targets = ListTargets(catalog, bigPos, midPos, filter);
                CheckList(targets.texts);
                for (std::size_t t = 0; t < targets.texts.size() && t < kMaxPositions; ++t) {
                    CheckList(ListActions(catalog, targets.listed, targets.texts[t], filter));
                }
            } else {
                const PlanDisasterCandidates disasters = ListDisasters(catalog, bigPos, midPos);
                CheckList(disasters.texts);
                for (std::size_t t = 0; t < disasters.texts.size() && t < kMaxPositions; ++t) {
                    CheckList(ListMeasures(disasters.listed, disasters.texts[t]));
                }
            }
        }
    }
    if (catalog.FindMidGroup(-1, 0) != nullptr ||
        catalog.FindMidGroup(static_cast<int>(catalog.BigGroups().size()), 0) != nullptr) {
        Fail("a mid group is found outside the big groups");
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
