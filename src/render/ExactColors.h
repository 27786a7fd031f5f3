// Switches colour matching on printers off for its lifetime and restores the previous switch:
// for drawing that must keep its exact colours on paper.
#pragma once

#include "render/StyledDraw.h"

namespace tembra {

class ExactColors {
public:
    ExactColors() : m_previous(SetColorMatchEnable(0)) {}
    ~ExactColors() { SetColorMatchEnable(m_previous); }
    ExactColors(const ExactColors&) = delete;
    ExactColors& operator=(const ExactColors&) = delete;

private:
    int m_previous;
};

} // namespace tembra
