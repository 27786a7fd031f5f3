// Switches colour matching off on one device context for its lifetime and restores the previous
// switch: for drawing that must keep its exact colours on paper.
#pragma once

#include "render/StyledDraw.h"

namespace tembra {

class ExactColors {
public:
    explicit ExactColors(CDC* dc) : m_dc(dc), m_previous(SetColorMatchEnable(dc, 0)) {}
    ~ExactColors() { SetColorMatchEnable(m_dc, m_previous); }
    ExactColors(const ExactColors&) = delete;
    ExactColors& operator=(const ExactColors&) = delete;

private:
    CDC* m_dc;
    int m_previous;
};

} // namespace tembra
