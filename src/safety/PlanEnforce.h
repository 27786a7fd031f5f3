// An "[Enforce]" line of the weekly-target catalogue: the action number, its text and search key,
// three mid groups of big group 2 and three of big group 3, every field ended by a comma.
#pragma once

#include "safety/PlanTemplateRecord.h"

#include <array>

namespace tembra {

class CPlanEnforce : public CPlanTemplateRecord {
public:
    void ParseLine(std::string line) override;
    int GetNumber() const { return m_number; }
    std::string GetText() const { return m_text; }
    std::string GetKey() const { return m_key; }
    // Positions 0..2 the mid groups of big group 2, 3..5 those of big group 3; 0.0 outside.
    double GetMidGroup(int i) const;

private:
    int m_number = 0;
    std::string m_text;
    std::string m_key;
    std::array<double, 6> m_midGroups{};
};

} // namespace tembra
