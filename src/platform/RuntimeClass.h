// The run-time class record of the serialisable classes (name, schema, how to create one, base
// class) and the registry that finds a creatable class by the name a file stores.
#pragma once

#include "platform/Types.h"

#include <string_view>

namespace tembra {

class CObject;

// A schema flag: the class reads every schema and asks GetObjectSchema which one it got.
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;
// The schema of a class that is not serialisable.
constexpr UINT kNoSchema = 0xFFFF;

struct CRuntimeClass {
    const char* m_lpszClassName;
    UINT m_wSchema;                    // kNoSchema when not serialisable
    CObject* (*m_pfnCreateObject)();   // null when not creatable by name
    const CRuntimeClass* m_pBaseClass; // null for CObject

    // A new object of the class, or null when it is not creatable.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    bool IsSerializable() const { return m_pfnCreateObject != nullptr && m_wSchema != kNoSchema; }

    // The registered class of that name (case-sensitive), or null.
    static const CRuntimeClass* FromName(std::string_view name);
    // Enters a class into the registry; done by IMPLEMENT_SERIAL / IMPLEMENT_DYNCREATE.
    static void Register(const CRuntimeClass* cls);
};

// Registers a class during static initialisation. A class's registration sits in its .cpp, so
// the class is known by name once anything of that file is linked into the program.
struct ClassRegistrar {
    explicit ClassRegistrar(const CRuntimeClass* cls) { CRuntimeClass::Register(cls); }
};

} // namespace tembra
