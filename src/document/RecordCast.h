// Records by their kind codes. The codes are fields read from the file, so a damaged file can
// give any record the codes of another: the class is checked as well before a record is used as
// the class its codes name.
#pragma once

#include "model/DataHeader.h"
#include "model/Event.h"
#include "model/KoumokuData.h"
#include "model/Koutei.h"
#include "model/Shincyoku.h"
#include "platform/Archive.h"

namespace tembra {

inline CKoutei* AsKoutei(CDataHeader* object) {
    return object != nullptr && object->GetType() == kTypeKoutei && object->GetKind() == kKindKoutei
               ? DynamicDowncast<CKoutei>(object)
               : nullptr;
}

inline const CKoutei* AsKoutei(const CDataHeader* object) {
    return AsKoutei(const_cast<CDataHeader*>(object));
}

inline CEvent* AsEvent(CDataHeader* object) {
    return object != nullptr && object->GetType() == kTypeEvent && object->GetKind() == kKindEvent
               ? DynamicDowncast<CEvent>(object)
               : nullptr;
}

inline CKoumokuData* AsKoumokuData(CDataHeader* object) {
    return object != nullptr && object->GetType() == kTypeKoumoku
               ? DynamicDowncast<CKoumokuData>(object)
               : nullptr;
}

inline CShincyoku* AsShincyoku(CDataHeader* object) {
    return object != nullptr && object->GetType() == kTypeShincyoku
               ? DynamicDowncast<CShincyoku>(object)
               : nullptr;
}

} // namespace tembra
