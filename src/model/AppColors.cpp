#include "model/AppColors.h"

namespace tembra {

std::array<COLORREF, kAppColorCount>& AppCurrentColors() {
    static std::array<COLORREF, kAppColorCount> colors{};
    return colors;
}

} // namespace tembra
