// Tests write Japanese expectations as UTF-8 literals; records and files hold CP932.
#pragma once

#include "platform/Sjis.h"

#include <string>

namespace tembra::test {

inline std::string J(const char* utf8) {
    return Sjis::FromUtf8(utf8);
}

} // namespace tembra::test
