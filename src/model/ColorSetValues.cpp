#include "model/ColorSetValues.h"

#include "model/ConfigColor.h"

namespace tembra {

ColorSetValues LoadColorSet(const CConfigColor& color) {
    return ColorSetValues{
        {color.GetEditWork(), color.GetEditBold(), color.GetLinked(), color.GetHolidayMesh()}};
}

void StoreColorSet(const ColorSetValues& values, CConfigColor& color) {
    color.SetEditWork(values.colors[0]);
    color.SetEditBold(values.colors[1]);
    color.SetLinked(values.colors[2]);
    color.SetHolidayMesh(values.colors[3]);
}

} // namespace tembra
