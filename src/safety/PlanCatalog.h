// A plan text catalogue read whole: the weekly targets with their actions ("MANKAN.INI") or the
// foreseeable disasters with their countermeasures ("ANKAN.INI"). The file is CP932 text with
// bracketed section headers in a fixed order; only the next header in that order starts a
// section, any other line is a data line of the current section (lines before the first header
// are ignored). The file is valid when it ends in its last data section and every data section
// has at least one line; a "[NonTitle]" line after the last section makes it invalid.
//
// The catalogues are read only. The user's own copy in the writable folder is read when there is
// one, else the shipped file.
#pragma once

#include "safety/PlanBigGroup.h"
#include "safety/PlanEnforce.h"
#include "safety/PlanMidGroup.h"
#include "safety/PlanTarget.h"
#include "safety/PlanYogo.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

enum class PlanCatalogKind {
    WeekTargets, // MANKAN.INI: [BigGroup] [MidGroup] [Target] [Enforce]
    Disasters,   // ANKAN.INI: [BigGroup] [MidGroup] [Yogo]
};

class CPlanCatalog {
public:
    explicit CPlanCatalog(PlanCatalogKind kind) : m_kind(kind) {}

    // Reads the file's bytes; false (records read so far kept) when it is empty or invalid.
    bool ReadText(std::string_view bytes);
    bool ReadFile(const std::filesystem::path& path);
    // Finds the catalogue (the user's copy, else the shipped one) and reads it; on failure shows
    // message 5144 with the catalogue's two words and returns false.
    bool Load();

    PlanCatalogKind Kind() const { return m_kind; }
    static const char* FileName(PlanCatalogKind kind);
    // The two words of the message: 週間目標 and 実施項目, or 災害 and 対策 (CP932).
    static std::pair<std::string, std::string> Words(PlanCatalogKind kind);

    const std::vector<std::unique_ptr<CPlanBigGroup>>& BigGroups() const { return m_big; }
    const std::vector<std::unique_ptr<CPlanMidGroup>>& MidGroups() const { return m_mid; }
    const std::vector<std::unique_ptr<CPlanTarget>>& Targets() const { return m_targets; }
    const std::vector<std::unique_ptr<CPlanEnforce>>& Actions() const { return m_actions; }
    const std::vector<std::unique_ptr<CPlanYogo>>& Disasters() const { return m_yogo; }

    // The n-th mid group (from 0) of the big group at a position; null when there is none.
    const CPlanMidGroup* FindMidGroup(int bigPos, int midPos) const;
    // The names of the mid groups of the big group at a position, in file order.
    std::vector<std::string> MidGroupNames(int bigPos) const;

private:
    void AddRecord(int section, const std::string& line);

    PlanCatalogKind m_kind;
    std::vector<std::unique_ptr<CPlanBigGroup>> m_big;
    std::vector<std::unique_ptr<CPlanMidGroup>> m_mid;
    std::vector<std::unique_ptr<CPlanTarget>> m_targets;
    std::vector<std::unique_ptr<CPlanEnforce>> m_actions;
    std::vector<std::unique_ptr<CPlanYogo>> m_yogo;
};

} // namespace tembra
