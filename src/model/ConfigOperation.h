// The drawing and editing conditions ("OperationConfig"): the settings of how chart objects are
// drawn and edited. The application's settings hold one as the user's defaults; every document
// holds one of its own, which also carries the document's editing state (operation, object mode,
// sub-state). The settings below are all that this part reads, writes and copies: the editing
// state beside them is never touched by Copy, Read or Write.
#pragma once

#include "model/OperationState.h"
#include "platform/Types.h"

namespace tembra {

class CConfigOperation : public COperationState {
public:
    static constexpr const char* kSection = "OperationConfig";

    CConfigOperation() = default;
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

    LONG GetWakunai() const { return m_wakunai; }
    void SetWakunai(LONG v) { m_wakunai = v; }
    LONG GetEventBaseMove() const { return m_eventBaseMove; }
    void SetEventBaseMove(LONG v) { m_eventBaseMove = v; }
    LONG GetWithYogo() const { return m_withYogo; }
    void SetWithYogo(LONG v) { m_withYogo = v; }
    LONG GetKouTempStyle() const { return m_kouTempStyle; }
    void SetKouTempStyle(LONG v) { m_kouTempStyle = v; }
    LONG GetMultiEdit() const { return m_multiEdit; }
    void SetMultiEdit(LONG v) { m_multiEdit = v; }
    // Guide texts in the status bar on (non-zero) or off.
    LONG GetGuideMode() const { return m_guideMode; }
    void SetGuideMode(LONG v) { m_guideMode = v; }
    LONG GetHolidayAuto() const { return m_holidayAuto; }
    void SetHolidayAuto(LONG v) { m_holidayAuto = v; }
    // Low four bits: terms may be attached to process lines; the next four: to nodes.
    LONG GetYogoAttach() const { return m_yogoAttach; }
    void SetYogoAttach(LONG v) { m_yogoAttach = v; }

private:
    LONG m_wakunai = 1;
    LONG m_eventBaseMove = 1;
    LONG m_withYogo = 0;
    LONG m_kouTempStyle = 0;
    LONG m_multiEdit = 0;
    LONG m_guideMode = 1;
    LONG m_holidayAuto = 1;
    LONG m_yogoAttach = 255;
};

} // namespace tembra
