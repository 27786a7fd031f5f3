#include "safety/PlanCatalog.h"

#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <array>
#include <fstream>
#include <iterator>

namespace tembra {

namespace {

constexpr UINT kInvalidCatalogMessage = 5144;
constexpr UINT kWordTarget = 5500;
constexpr UINT kWordAction = 5501;
constexpr UINT kWordDisaster = 5504;
constexpr UINT kWordMeasure = 5505;

// The headers of each kind in their order; the last entry follows the last data section.
constexpr std::array<const char*, 5> kTargetHeaders{"[BigGroup]", "[MidGroup]", "[Target]",
                                                    "[Enforce]", "[NonTitle]"};
constexpr std::array<const char*, 4> kDisasterHeaders{"[BigGroup]", "[MidGroup]", "[Yogo]",
                                                      "[NonTitle]"};

} // namespace

const char* CPlanCatalog::FileName(PlanCatalogKind kind) {
    return kind == PlanCatalogKind::WeekTargets ? "MANKAN.INI" : "ANKAN.INI";
}

std::pair<std::string, std::string> CPlanCatalog::Words(PlanCatalogKind kind) {
    if (kind == PlanCatalogKind::WeekTargets) {
        return {LoadString(kWordTarget), LoadString(kWordAction)};
    }
    return {LoadString(kWordDisaster), LoadString(kWordMeasure)};
}

void CPlanCatalog::AddRecord(int section, const std::string& line) {
    // Sections are numbered from 1 in the order of the headers.
    const auto parse = [&line](auto& list, auto record) {
        record->ParseLine(line);
        list.push_back(std::move(record));
    };
    switch (section) {
    case 1:
        parse(m_big, std::make_unique<CPlanBigGroup>());
        break;
    case 2:
        parse(m_mid, std::make_unique<CPlanMidGroup>());
        break;
    case 3:
        if (m_kind == PlanCatalogKind::WeekTargets) {
            parse(m_targets, std::make_unique<CPlanTarget>());
        } else {
            parse(m_yogo, std::make_unique<CPlanYogo>());
        }
        break;
    case 4:
        if (m_kind == PlanCatalogKind::WeekTargets) {
            parse(m_actions, std::make_unique<CPlanEnforce>());
        }
        break;
    default:
        break;
    }
}

bool CPlanCatalog::ReadText(std::string_view bytes) {
    if (bytes.empty()) {
        return false;
    }
    const bool targets = m_kind == PlanCatalogKind::WeekTargets;
    const std::size_t headerCount = targets ? kTargetHeaders.size() : kDisasterHeaders.size();
    const auto header = [&](std::size_t i) {
        return targets ? kTargetHeaders[i] : kDisasterHeaders[i];
    };
    const int lastSection = static_cast<int>(headerCount) - 1;
    int section = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string line(bytes.substr(pos, end - pos));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        pos = next;
        if (static_cast<std::size_t>(section) < headerCount && line == header(section)) {
            ++section;
            continue;
        }
        if (section >= 1 && section <= lastSection) {
            AddRecord(section, line);
        }
    }
    if (section != lastSection) {
        return false;
    }
    if (m_big.empty() || m_mid.empty()) {
        return false;
    }
    return targets ? !m_targets.empty() && !m_actions.empty() : !m_yogo.empty();
}

bool CPlanCatalog::ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ReadText(bytes);
}

bool CPlanCatalog::Load() {
    const std::string name = FileName(m_kind);
    // The user's copy, when there is one, is the catalogue; else the shipped one.
    std::optional<std::filesystem::path> path = Paths::WritableDataDir() / name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(*path, error)) {
        path = Paths::ShippedFile(name);
    }
    if (path && ReadFile(*path)) {
        return true;
    }
    const auto [first, second] = Words(m_kind);
    AfxMessageBox(FormatString(LoadString(kInvalidCatalogMessage), {first, second}), MB_OK);
    return false;
}

const CPlanMidGroup* CPlanCatalog::FindMidGroup(int bigPos, int midPos) const {
    if (bigPos < 0 || static_cast<std::size_t>(bigPos) >= m_big.size()) {
        return nullptr;
    }
    const double big = m_big[static_cast<std::size_t>(bigPos)]->GetNumber();
    int n = 0;
    for (const auto& mid : m_mid) {
        if (mid->GetBigGroup() == big && n++ == midPos) {
            return mid.get();
        }
    }
    return nullptr;
}

std::vector<std::string> CPlanCatalog::MidGroupNames(int bigPos) const {
    std::vector<std::string> names;
    if (bigPos < 0 || static_cast<std::size_t>(bigPos) >= m_big.size()) {
        return names;
    }
    const double big = m_big[static_cast<std::size_t>(bigPos)]->GetNumber();
    for (const auto& mid : m_mid) {
        if (mid->GetBigGroup() == big) {
            names.push_back(mid->GetName());
        }
    }
    return names;
}

} // namespace tembra
