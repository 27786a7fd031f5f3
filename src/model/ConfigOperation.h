// The drawing and editing conditions ("OperationConfig"): the settings of how chart objects are
// drawn and edited. The application's settings hold one as the user's defaults; every document
// holds one of its own, which also carries the document's editing state (operation, object mode,
// sub-state). The settings below are all that this part reads, writes and copies: the editing
// state beside them is never touched by Copy, Read or Write.
#pragma once

#include "model/ConfigKeys.h"
#include "model/OperationState.h"
#include "platform/Types.h"

namespace tembra {

class CConfigOperation : public COperationState {
public:
    static constexpr const char* kSection = "OperationConfig";

    // The settings take their built-in defaults.
    CConfigOperation();
    CConfigOperation(const CConfigOperation&) = default;
    CConfigOperation& operator=(const CConfigOperation&) = default;
    virtual ~CConfigOperation() = default;

    // Copies the eight settings only.
    virtual CConfigOperation& Copy(const CConfigOperation& source);
    // Resets the eight settings to their defaults; then, when asked, reads them in the order
    // "GuideMode", "Wakunai", "EventBaseMove", "WithYogo", "KouTempStyle", "MultiEdit",
    // "HolidayAuto", "YogoAttach". Returns TRUE.
    virtual BOOL Read(BOOL fromProfile);
    // Writes the eight keys in the same order (the mask is not looked at).
    virtual BOOL Write(UINT mask);

    LONG GetWakunai() const { return m_settings.wakunai; }
    void SetWakunai(LONG v) { m_settings.wakunai = v; }
    LONG GetEventBaseMove() const { return m_settings.eventBaseMove; }
    void SetEventBaseMove(LONG v) { m_settings.eventBaseMove = v; }
    LONG GetWithYogo() const { return m_settings.withYogo; }
    void SetWithYogo(LONG v) { m_settings.withYogo = v; }
    LONG GetKouTempStyle() const { return m_settings.kouTempStyle; }
    void SetKouTempStyle(LONG v) { m_settings.kouTempStyle = v; }
    LONG GetMultiEdit() const { return m_settings.multiEdit; }
    void SetMultiEdit(LONG v) { m_settings.multiEdit = v; }
    // Guide texts in the status bar on (non-zero) or off.
    LONG GetGuideMode() const { return m_settings.guideMode; }
    void SetGuideMode(LONG v) { m_settings.guideMode = v; }
    LONG GetHolidayAuto() const { return m_settings.holidayAuto; }
    void SetHolidayAuto(LONG v) { m_settings.holidayAuto = v; }
    // Low four bits: terms may be attached to process lines; the next four: to nodes.
    LONG GetYogoAttach() const { return m_settings.yogoAttach; }
    void SetYogoAttach(LONG v) { m_settings.yogoAttach = v; }

private:
    ConfigKeyTable Keys();

    // The eight settings, copied together; the editing state beside them is not.
    struct Settings {
        LONG wakunai = 0;
        LONG eventBaseMove = 0;
        LONG withYogo = 0;
        LONG kouTempStyle = 0;
        LONG multiEdit = 0;
        LONG guideMode = 0;
        LONG holidayAuto = 0;
        LONG yogoAttach = 0;
    };
    Settings m_settings;
};

} // namespace tembra
