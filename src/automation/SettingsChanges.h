// The changes of a chart's initial settings that clients ask for: paper, period and rows of a
// calendar-date chart, and the turn of an elapsed-day chart into a calendar-date one. Each answers
// 1 when it changed the settings, 0 when the change was refused (nothing stored).
#pragma once

#include "dialogs/attributes/core/DayConversionCheck.h"
#include "platform/Time.h"

namespace tembra {

class CTembraDoc;

class ISettingsChanges {
public:
    virtual ~ISettingsChanges() = default;

    // Paper 0..5.
    virtual int PaperChange(CTembraDoc& doc, int paper) = 0;
    // The period start..end, the margins already applied.
    virtual int KikanChange(CTembraDoc& doc, const CTime& start, const CTime& end) = 0;
    // Rows 1..150.
    virtual int LineChange(CTembraDoc& doc, int rows) = 0;
    // Values the conversion check has taken, with its answer.
    virtual int ChangeNobeToReki(CTembraDoc& doc, const DayConversionValues& values,
                                 const DayConversionCheck& check) = 0;
};

// The changes through the initial settings' own rules, without their dialog (the settings models
// of the dialogs' core): every value that depends on the change is recomputed as the dialog
// would.
class CSyokiSetChanges : public ISettingsChanges {
public:
    int PaperChange(CTembraDoc& doc, int paper) override;
    int KikanChange(CTembraDoc& doc, const CTime& start, const CTime& end) override;
    int LineChange(CTembraDoc& doc, int rows) override;
    int ChangeNobeToReki(CTembraDoc& doc, const DayConversionValues& values,
                         const DayConversionCheck& check) override;
};

} // namespace tembra
