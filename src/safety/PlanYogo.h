// A "[Yogo]" line of the disaster catalogue: the disaster, its countermeasure, three mid groups of
// big group 1, one of big group 2 and one of big group 3 (the rest of the line, read as far as the
// number goes).
#pragma once

#include "safety/PlanTemplateRecord.h"

#include <array>

namespace tembra {

class CPlanYogo : public CPlanTemplateRecord {
public:
    void ParseLine(std::string line) override;
    std::string GetDisaster() const { return m_disaster; }
    std::string GetMeasure() const { return m_measure; }
    // Positions 0..2 big group 1, 3 big group 2, 4 big group 3; 0.0 outside.
    double GetMidGroup(int i) const;

private:
    std::string m_disaster;
    std::string m_measure;
    std::array<double, 5> m_midGroups{};
};

} // namespace tembra
