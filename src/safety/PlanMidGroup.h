// A "[MidGroup]" line: the big group it belongs to, its own number and its name (the rest).
#pragma once

#include "safety/PlanTemplateRecord.h"

namespace tembra {

class CPlanMidGroup : public CPlanTemplateRecord {
public:
    void ParseLine(std::string line) override;
    double GetBigGroup() const { return m_bigGroup; }
    double GetNumber() const { return m_number; }
    std::string GetName() const { return m_name; }

private:
    double m_bigGroup = 0.0;
    double m_number = 0.0;
    std::string m_name;
};

} // namespace tembra
