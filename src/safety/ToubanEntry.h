// One duty person of the work site's rota: the name as typed (CP932) and the head flag, nonzero
// for the person on duty on the rota's first day.
#pragma once

#include <string>

namespace tembra {

class CToubanEntry {
public:
    std::string m_name;
    int m_isHead = 0;

    bool operator==(const CToubanEntry&) const = default;
};

} // namespace tembra
