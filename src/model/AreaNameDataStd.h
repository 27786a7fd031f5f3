// A cell of the area names in the standard style (see AreaNameData.h).
#pragma once

#include "model/AreaNameData.h"
#include "platform/Archive.h"
#include "platform/Types.h"

#include <memory>

namespace tembra {

// A cell of the standard style: 0 the item-column heading, 1 the date heading.
class CAreaNameDataStd : public CAreaNameData {
    DECLARE_SERIAL(CAreaNameDataStd)
public:
    // Left aligned at the bottom, number 0.
    CAreaNameDataStd();
    explicit CAreaNameDataStd(DWORD no);
    CAreaNameDataStd(const CAreaNameDataStd&) = default;
    CAreaNameDataStd& operator=(const CAreaNameDataStd&) = default;

    std::unique_ptr<CAreaNameData> Clone() const override;
    void Serialize(CArchive& ar) override;

    DWORD GetNo() const { return m_no; }
    void SetNo(DWORD no) { m_no = no; }
    AreaLineStyle GetLineStyle() const;

private:
    DWORD m_no = 0;
};

} // namespace tembra
