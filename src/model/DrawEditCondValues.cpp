#include "model/DrawEditCondValues.h"

#include "model/ConfigOperation.h"

namespace tembra {

namespace {

constexpr LONG kLineBits = 0x0F;
constexpr LONG kNodeBits = 0xF0;

} // namespace

DrawEditCondValues LoadDrawEditCond(const CConfigOperation& operation) {
    DrawEditCondValues v;
    v.kouTempStyle = operation.GetKouTempStyle();
    v.multiEdit = operation.GetMultiEdit();
    v.wakunai = operation.GetWakunai();
    v.holidayAuto = operation.GetHolidayAuto();
    v.withYogo = operation.GetWithYogo();
    v.eventBaseMove = operation.GetEventBaseMove();
    v.attachToLine = (operation.GetYogoAttach() & kLineBits) != 0;
    v.attachToNode = (operation.GetYogoAttach() & kNodeBits) != 0;
    return v;
}

void StoreDrawEditCond(const DrawEditCondValues& v, CConfigOperation& operation) {
    operation.SetKouTempStyle(v.kouTempStyle);
    operation.SetMultiEdit(v.multiEdit);
    operation.SetWakunai(v.wakunai);
    operation.SetHolidayAuto(v.holidayAuto);
    operation.SetWithYogo(v.withYogo);
    operation.SetEventBaseMove(v.eventBaseMove);
    LONG attach = operation.GetYogoAttach() & ~(kLineBits | kNodeBits);
    if (v.attachToLine) {
        attach |= kLineBits;
    }
    if (v.attachToNode) {
        attach |= kNodeBits;
    }
    operation.SetYogoAttach(attach);
}

} // namespace tembra
