#include "model/ConfigOperation.h"

#include "model/ConfigParts.h"

namespace tembra {

CConfigOperation& CConfigOperation::Copy(const CConfigOperation& source) {
    if (this != &source) {
        m_wakunai = source.m_wakunai;
        m_eventBaseMove = source.m_eventBaseMove;
        m_withYogo = source.m_withYogo;
        m_kouTempStyle = source.m_kouTempStyle;
        m_multiEdit = source.m_multiEdit;
        m_guideMode = source.m_guideMode;
        m_holidayAuto = source.m_holidayAuto;
        m_yogoAttach = source.m_yogoAttach;
    }
    return *this;
}

BOOL CConfigOperation::Read(BOOL fromProfile) {
    m_wakunai = 1;
    m_eventBaseMove = 1;
    m_withYogo = 0;
    m_kouTempStyle = 0;
    m_multiEdit = 0;
    m_guideMode = 1;
    m_holidayAuto = 1;
    m_yogoAttach = 255;
    if (fromProfile == FALSE) {
        return TRUE;
    }
    ProfileRead(kSection, "GuideMode", m_guideMode);
    ProfileRead(kSection, "Wakunai", m_wakunai);
    ProfileRead(kSection, "EventBaseMove", m_eventBaseMove);
    ProfileRead(kSection, "WithYogo", m_withYogo);
    ProfileRead(kSection, "KouTempStyle", m_kouTempStyle);
    ProfileRead(kSection, "MultiEdit", m_multiEdit);
    ProfileRead(kSection, "HolidayAuto", m_holidayAuto);
    ProfileRead(kSection, "YogoAttach", m_yogoAttach);
    return TRUE;
}

BOOL CConfigOperation::Write(UINT /*mask*/) {
    ProfileWriter out(kSection);
    out.Int("GuideMode", m_guideMode);
    out.Int("Wakunai", m_wakunai);
    out.Int("EventBaseMove", m_eventBaseMove);
    out.Int("WithYogo", m_withYogo);
    out.Int("KouTempStyle", m_kouTempStyle);
    out.Int("MultiEdit", m_multiEdit);
    out.Int("HolidayAuto", m_holidayAuto);
    out.Int("YogoAttach", m_yogoAttach);
    return out.Ok() ? TRUE : FALSE;
}

} // namespace tembra
