// The serialisable object base CObject, the macros that give a class its run-time class record
// (DECLARE_/IMPLEMENT_DYNAMIC, _DYNCREATE, _SERIAL) and the checked downcast between them.
#pragma once

#include "platform/RuntimeClass.h"
#include "platform/Types.h"

#include <type_traits>

namespace tembra {

class CArchive;

class CObject {
public:
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    // Writes or reads the object's fields (nothing for CObject itself).
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* cls) const;
    bool IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }

    static const CRuntimeClass classCObject;
    static const CRuntimeClass* GetThisClass() { return &classCObject; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In the class body (public afterwards):
#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    using RuntimeClassOwner = class_name;                                                          \
    static const ::tembra::CRuntimeClass class##class_name;                                        \
    static const ::tembra::CRuntimeClass* GetThisClass() {                                         \
        return &class##class_name;                                                                 \
    }                                                                                              \
    const ::tembra::CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static ::tembra::CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

// In the class's .cpp, inside namespace tembra:
#define TEMBRA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                 \
    const ::tembra::CRuntimeClass class_name::class##class_name = {                                \
        #class_name, static_cast<::tembra::UINT>(schema), create, RUNTIME_CLASS(base_class_name)}; \
    const ::tembra::CRuntimeClass* class_name::GetRuntimeClass() const {                           \
        return &class##class_name;                                                                 \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    TEMBRA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, ::tembra::kNoSchema, nullptr)

#define TEMBRA_IMPLEMENT_CREATABLE(class_name, base_class_name, schema)                            \
    ::tembra::CObject* class_name::CreateObject() {                                                \
        return new class_name;                                                                     \
    }                                                                                              \
    TEMBRA_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, &class_name::CreateObject)  \
    static const ::tembra::ClassRegistrar s_register##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    TEMBRA_IMPLEMENT_CREATABLE(class_name, base_class_name, ::tembra::kNoSchema)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                                      \
    TEMBRA_IMPLEMENT_CREATABLE(class_name, base_class_name, schema)

// The object as T when it is one, else null. When T declared its run-time class itself, an
// object whose class record derives from T's is a T and needs no C++ cast to look again (the
// chart's walks ask this of every record); a T that only inherits its base's record is checked
// by dynamic_cast.
template <class T> T* DynamicDowncast(CObject* obj) {
    if (obj == nullptr || !obj->IsKindOf(T::GetThisClass())) {
        return nullptr;
    }
    if constexpr (std::is_same_v<typename T::RuntimeClassOwner, T>) {
        return static_cast<T*>(obj);
    } else {
        return dynamic_cast<T*>(obj);
    }
}
template <class T> const T* DynamicDowncast(const CObject* obj) {
    return DynamicDowncast<T>(const_cast<CObject*>(obj));
}

} // namespace tembra
