// Feeds arbitrary bytes to the readers of the duty rosters: the groups of duty persons in
// "SHIFT.INI" (CP932 INI) and the persons of the last roster built, kept in the user's profile.
//
// Input: a byte that picks the file (even: SHIFT.INI, odd: the user's profile); a length byte
// and that many bytes, a name typed for a new person or a group's new name; then the file.
//
// Besides crashes, leaks and undefined behaviour the target checks that nothing is lost or
// changed on the next write:
// - SHIFT.INI: a file the dialogs take (not Damaged) gives every group back exactly when it is
//   written unchanged, persons, order and heads; a person name CheckDutyName accepts is added
//   and comes back as typed; a group renamed to a name it accepts keeps its persons, and the old
//   name is gone. A refused write leaves the file's bytes as they were.
// - The last roster: a list that loads is stored again and loads back the same.
#include "fuzz/FuzzSupport.h"

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "safety/DutyStaffFile.h"
#include "safety/ToubanLastList.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tembra::fuzz {
namespace {

constexpr std::size_t kMaxGroups = 8;

// The persons as the file gives them back after a write: heads are "1".
std::vector<CToubanEntry> Written(const std::vector<CToubanEntry>& persons) {
    std::vector<CToubanEntry> written;
    for (const CToubanEntry& person : persons) {
        if (!person.m_name.empty()) {
            written.push_back({person.m_name, person.m_isHead != 0 ? 1 : 0});
        }
    }
    return written;
}

bool Same(const std::vector<CToubanEntry>& a, const std::vector<CToubanEntry>& b) {
    return std::ranges::equal(a, b, [](const CToubanEntry& x, const CToubanEntry& y) {
        return x.m_name == y.m_name && (x.m_isHead != 0) == (y.m_isHead != 0);
    });
}

std::vector<std::string> Names(const std::vector<CToubanEntry>& persons) {
    std::vector<std::string> names;
    for (const CToubanEntry& person : persons) {
        names.push_back(person.m_name);
    }
    return names;
}

void RunStaffFile(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path path = TempFolder() / "SHIFT.INI";
    WriteWholeFile(path, bytes);
    CDutyStaffFile file(path);
    if (file.Damaged()) {
        return;
    }
    const std::vector<std::string> groups = file.Groups();
    for (std::size_t g = 0; g < groups.size() && g < kMaxGroups; ++g) {
        const std::string& group = groups[g];
        const std::vector<CToubanEntry> persons = file.Persons(group);
        const std::string before = ReadWholeFile(path);
        if (!file.SaveGroup(group, group, persons)) {
            if (ReadWholeFile(path) != before) {
                Fail("a refused write of a group changed the file");
            }
            continue;
        }
        if (!Same(file.Persons(group), Written(persons))) {
            Fail("a group written back unchanged reads back changed");
        }
        if (!Typeable(name)) {
            continue;
        }
        const std::vector<std::string> names = Names(persons);
        if (CheckDutyName(name, names, -1, DutyNameKind::Person) == DutyNameProblem::None) {
            std::vector<CToubanEntry> added = Written(persons);
            added.push_back({name, 0});
            if (!file.SaveGroup(group, group, added) || !Same(file.Persons(group), added)) {
                Fail("a person name the dialog accepts does not come back as typed");
            }
        }
        const std::vector<std::string> now = file.Groups();
        const auto at = std::ranges::find(now, group);
        const int skip = at == now.end() ? -1 : static_cast<int>(at - now.begin());
        if (CheckDutyName(name, now, skip) == DutyNameProblem::None && name != group) {
            const std::vector<CToubanEntry> kept = file.Persons(group);
            if (!file.SaveGroup(group, name, kept)) {
                Fail("a group name the dialog accepts cannot be written");
            }
            const std::vector<std::string> renamed = file.Groups();
            if (std::ranges::find(renamed, name) == renamed.end() ||
                (!Sjis::EqualsNoCase(name, group) &&
                 std::ranges::find(renamed, group) != renamed.end()) ||
                !Same(file.Persons(name), kept)) {
                Fail("a renamed group does not keep its persons under its new name alone");
            }
            return; // the names checked above are gone
        }
    }
}

void RunLastRoster(std::span<const std::uint8_t> bytes) {
    WriteWholeFile(UserProfilePath(), bytes);
    const std::vector<CToubanEntry> loaded = LoadLastList();
    if (loaded.empty()) {
        return;
    }
    SaveLastList(loaded);
    const std::vector<CToubanEntry> again = LoadLastList();
    // A head is found by name: every person of the head's name reads back as head.
    if (Names(again) != Names(loaded)) {
        Fail("the last roster stored again loads back changed");
    }
}

void Run(const std::uint8_t* data, std::size_t size) {
    PrepareProcess();
    FuzzInput input(data, size);
    const bool profile = (input.Byte() & 1) != 0;
    const std::string name = input.Text(input.Byte());
    if (profile) {
        RunLastRoster(input.Rest());
    } else {
        RunStaffFile(name, input.Rest());
    }
}

} // namespace
} // namespace tembra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tembra::fuzz::Run(data, size);
    return 0;
}
