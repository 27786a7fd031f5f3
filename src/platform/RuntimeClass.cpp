#include "platform/RuntimeClass.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

namespace tembra {

namespace {

std::map<std::string, const CRuntimeClass*, std::less<>>& ClassRegistry() {
    static std::map<std::string, const CRuntimeClass*, std::less<>> registry;
    return registry;
}

} // namespace

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->m_pBaseClass) {
        if (cls == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
    const auto& registry = ClassRegistry();
    auto it = registry.find(name);
    return it != registry.end() ? it->second : nullptr;
}

void CRuntimeClass::Register(const CRuntimeClass* cls) {
    auto [it, inserted] = ClassRegistry().emplace(cls->m_lpszClassName, cls);
    if (!inserted && it->second != cls) {
        // Files would be read into the wrong class: stop before anything is loaded.
        std::fprintf(stderr, "two classes are registered as %s\n", cls->m_lpszClassName);
        std::abort();
    }
}

} // namespace tembra
