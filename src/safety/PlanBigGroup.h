// A "[BigGroup]" line: the big-group number and its name (the rest of the line).
#pragma once

#include "safety/PlanTemplateRecord.h"

namespace tembra {

class CPlanBigGroup : public CPlanTemplateRecord {
public:
    void ParseLine(std::string line) override;
    double GetNumber() const { return m_number; }
    std::string GetName() const { return m_name; }

private:
    double m_number = 0.0;
    std::string m_name;
};

} // namespace tembra
