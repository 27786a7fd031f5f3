#include "safety/PlanBigGroup.h"
#include "safety/PlanEnforce.h"
#include "safety/PlanMidGroup.h"
#include "safety/PlanTarget.h"
#include "safety/PlanTemplateRecord.h"
#include "safety/PlanYogo.h"

#include <cstdlib>

namespace tembra {

CPlanTemplateRecord::~CPlanTemplateRecord() = default;

std::string CPlanTemplateRecord::TakeField(std::string_view& rest) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
        return {};
    }
    std::string field(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
    return field;
}

double CPlanTemplateRecord::ToReal(std::string_view field) {
    const std::string text(field);
    return std::atof(text.c_str());
}

int CPlanTemplateRecord::ToInt(std::string_view field) {
    const std::string text(field);
    return std::atoi(text.c_str());
}

void CPlanBigGroup::ParseLine(std::string line) {
    std::string_view rest = line;
    m_number = ToReal(TakeField(rest));
    m_name = rest;
}

void CPlanMidGroup::ParseLine(std::string line) {
    std::string_view rest = line;
    m_bigGroup = ToReal(TakeField(rest));
    m_number = ToReal(TakeField(rest));
    m_name = rest;
}

void CPlanTarget::ParseLine(std::string line) {
    std::string_view rest = line;
    for (double& mid : m_midGroups) {
        mid = ToReal(TakeField(rest));
    }
    m_text = TakeField(rest);
    m_key = TakeField(rest);
    for (int& action : m_actions) {
        action = ToInt(TakeField(rest));
    }
}

double CPlanTarget::GetMidGroup(int i) const {
    return i >= 0 && i < 3 ? m_midGroups[static_cast<std::size_t>(i)] : 0.0;
}

double CPlanTarget::GetAction(int i) const {
    return i >= 0 && i < kActionCount ? m_actions[static_cast<std::size_t>(i)] : 0.0;
}

void CPlanEnforce::ParseLine(std::string line) {
    std::string_view rest = line;
    m_number = ToInt(TakeField(rest));
    m_text = TakeField(rest);
    m_key = TakeField(rest);
    for (double& mid : m_midGroups) {
        mid = ToReal(TakeField(rest));
    }
}

double CPlanEnforce::GetMidGroup(int i) const {
    return i >= 0 && i < 6 ? m_midGroups[static_cast<std::size_t>(i)] : 0.0;
}

void CPlanYogo::ParseLine(std::string line) {
    std::string_view rest = line;
    m_disaster = TakeField(rest);
    m_measure = TakeField(rest);
    for (int i = 0; i < 4; ++i) {
        m_midGroups[static_cast<std::size_t>(i)] = ToReal(TakeField(rest));
    }
    m_midGroups[4] = ToReal(rest);
}

double CPlanYogo::GetMidGroup(int i) const {
    return i >= 0 && i < 5 ? m_midGroups[static_cast<std::size_t>(i)] : 0.0;
}

} // namespace tembra
