// The user shape (kind 15) of older charts: a shape record with no drawing, geometry or hit test
// of its own. It is stored as the shape's common part alone (58 bytes with the record header),
// so it loads and saves unchanged; it is never drawn and never hit. Nothing gives it members in a
// file or in memory.
#pragma once

#include "shapes/Zukei.h"

#include <memory>

namespace tembra {

class CZukeiUser : public CZukei {
    DECLARE_SERIAL(CZukeiUser)
public:
    // Kind 15.
    CZukeiUser();

    // The CZukei part only.
    void Serialize(CArchive& ar) override;

    using CDataHeader::SetKind;
    void SetKind() override;
    // No members.
    int GetElementCount() const override;
    // A user shape with the same header, attributes and page, so that copies, cuts and undo
    // keep the record.
    std::unique_ptr<CZukei> Clone() const override;
};

} // namespace tembra
