#include "shapes/ZukeiEditWnd.h"

#include <new>
#include <utility>

namespace tembra {

namespace {

ZukeiEditWndFactory& Factory() {
    static ZukeiEditWndFactory factory;
    return factory;
}

} // namespace

ZukeiEditWndFactory SetZukeiEditWndFactory(ZukeiEditWndFactory factory) {
    ZukeiEditWndFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}

std::unique_ptr<CZukeiEditWnd> CreateZukeiEditWnd(IZukeiEditHost& parent, DWORD style) {
    if (!Factory()) {
        return nullptr;
    }
    try {
        return Factory()(parent, style);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace tembra
