// A "[Target]" line of the weekly-target catalogue: three mid groups of big group 1, the target
// text, its search key and fifteen action numbers, every field ended by a comma.
#pragma once

#include "safety/PlanTemplateRecord.h"

#include <array>

namespace tembra {

class CPlanTarget : public CPlanTemplateRecord {
public:
    static constexpr int kActionCount = 15;

    void ParseLine(std::string line) override;
    std::string GetText() const { return m_text; }
    std::string GetKey() const { return m_key; }
    // 0.0 for a position outside 0..2 (0..14).
    double GetMidGroup(int i) const;
    double GetAction(int i) const;

private:
    std::array<double, 3> m_midGroups{};
    std::string m_text;
    std::string m_key;
    std::array<int, kActionCount> m_actions{};
};

} // namespace tembra
