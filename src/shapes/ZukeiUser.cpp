#include "shapes/ZukeiUser.h"

#include <new>

namespace tembra {

IMPLEMENT_SERIAL(CZukeiUser, CZukei, 1)

CZukeiUser::CZukeiUser() {
    CZukeiUser::SetKind();
}

void CZukeiUser::Serialize(CArchive& ar) {
    CZukei::Serialize(ar);
}

void CZukeiUser::SetKind() {
    CDataHeader::SetKind(kZukeiUser);
}

int CZukeiUser::GetElementCount() const {
    return 0;
}

std::unique_ptr<CZukei> CZukeiUser::Clone() const {
    std::unique_ptr<CZukeiUser> copy;
    try {
        copy = std::make_unique<CZukeiUser>();
    } catch (const std::bad_alloc&) {
        ReportNoShapeData();
        return nullptr;
    }
    static_cast<CDataHeader&>(*copy) = *this;
    CopyAttrTo(*copy);
    return copy;
}

} // namespace tembra
