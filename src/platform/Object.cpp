#include "platform/Object.h"

namespace tembra {

const CRuntimeClass CObject::classCObject = {"CObject", kNoSchema, nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* cls) const {
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

} // namespace tembra
