#include "automation/SettingsChanges.h"

#include "dialogs/settings/core/SyokiSetAutomation.h"
#include "document/TembraDoc.h"

namespace tembra {

namespace {

// The hint the views take for changed initial settings (the settings dialog sends it too).
constexpr LPARAM kSettingsHint = 128;

SyokiSetDate DateOf(const CTime& time) {
    return {time.GetYear(), time.GetMonth(), time.GetDay()};
}

// What the settings dialog's OK does after storing: the undo records knew the old layout, the
// chart is changed, its windows show the new settings.
int Applied(CTembraDoc& doc, int answer) {
    if (answer != 0) {
        doc.GetUndoHistory().Reset();
        doc.SetModifiedFlag(TRUE);
        doc.SetChangedFlag(TRUE);
        doc.SetTitle();
        doc.UpdateAllViews(nullptr, kSettingsHint);
    }
    return answer;
}

} // namespace

int CSyokiSetChanges::PaperChange(CTembraDoc& doc, int paper) {
    return Applied(doc, tembra::PaperChange(doc, paper));
}

int CSyokiSetChanges::KikanChange(CTembraDoc& doc, const CTime& start, const CTime& end) {
    return Applied(doc, tembra::KikanChange(doc, DateOf(start), DateOf(end)));
}

int CSyokiSetChanges::LineChange(CTembraDoc& doc, int rows) {
    return Applied(doc, tembra::LineChange(doc, rows));
}

int CSyokiSetChanges::ChangeNobeToReki(CTembraDoc& doc, const DayConversionValues& values,
                                       const DayConversionCheck&) {
    // The conversion checks the values again against the settings it changes.
    return Applied(doc, tembra::ChangeNobeToReki(doc, values));
}

} // namespace tembra
