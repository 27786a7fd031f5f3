// The colour settings part: the colours of the editing feedback, kept in the user profile
// section "ColorConfig".
#pragma once

#include "model/ConfigKeys.h"
#include "platform/Types.h"

namespace tembra {

// Colours of the editing feedback ("ColorConfig").
class CConfigColor {
public:
    CConfigColor() = default;
    CConfigColor(const CConfigColor&) = default;
    CConfigColor& operator=(const CConfigColor&) = default;
    virtual ~CConfigColor() = default;

    virtual CConfigColor& Copy(const CConfigColor& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    // Selected objects (draw mode 1).
    COLORREF GetEditWork() const { return m_editWork; }
    void SetEditWork(COLORREF v) { m_editWork = v; }
    // The linked part of an edit (draw mode 3).
    COLORREF GetEditBold() const { return m_editBold; }
    void SetEditBold(COLORREF v) { m_editBold = v; }
    // Holiday shading.
    COLORREF GetHolidayMesh() const { return m_holidayMesh; }
    void SetHolidayMesh(COLORREF v) { m_holidayMesh = v; }
    // Relation lines.
    COLORREF GetLinked() const { return m_linked; }
    void SetLinked(COLORREF v) { m_linked = v; }

    static constexpr const char* kSection = "ColorConfig";

private:
    ConfigKeyTable Keys();

    COLORREF m_editWork = 0;
    COLORREF m_editBold = 0;
    COLORREF m_holidayMesh = 0;
    COLORREF m_linked = 0;
};

} // namespace tembra
