#include "dialogs/settings/core/SystemEnvValues.h"

#include "model/ConfigBase.h"

namespace tembra {

namespace {

constexpr WORD kDateGuideBit = 1;
constexpr WORD kRowGuideBit = 2;

WORD Flag(bool on) {
    return on ? 1 : 0;
}

} // namespace

SystemEnvValues LoadSystemEnv(const CConfigBase& config) {
    SystemEnvValues v;
    v.endDateDec = config.GetEndDateDec() != 0;
    v.dateGuide = (config.GetCursorDate() & kDateGuideBit) != 0;
    v.rowGuide = (config.GetCursorDate() & kRowGuideBit) != 0;
    v.rightClick = config.GetRightClick() != 0;
    v.blackBack = config.GetBlackBack() != 0;
    v.holidayMesh = config.GetHolidayMesh() != 0;
    v.crossCursor = config.GetCrossCursor() != 0;
    return v;
}

void StoreSystemEnv(const SystemEnvValues& v, CConfigBase& config) {
    config.SetSystemWord(CConfigBase::kSysEndDateDec, Flag(v.endDateDec));
    config.SetSystemWord(
        CConfigBase::kSysCursorDate,
        static_cast<WORD>((v.dateGuide ? kDateGuideBit : 0) | (v.rowGuide ? kRowGuideBit : 0)));
    config.SetSystemWord(CConfigBase::kSysRightClick, Flag(v.rightClick));
    config.SetSystemWord(CConfigBase::kSysBlackBack, Flag(v.blackBack));
    config.SetSystemWord(CConfigBase::kSysHolidayMesh, Flag(v.holidayMesh));
    config.SetSystemWord(CConfigBase::kSysCrossCursor, Flag(v.crossCursor));
}

} // namespace tembra
