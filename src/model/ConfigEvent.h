// The event settings part: the defaults of new events, kept in the user profile section
// "EventConfig". The application's settings hold one; every document's settings record copies it.
#pragma once

#include "model/AttrBlocks.h"
#include "model/ConfigKeys.h"
#include "platform/Types.h"

namespace tembra {

// Defaults of new events ("EventConfig").
class CConfigEvent {
public:
    CConfigEvent() = default;
    CConfigEvent(const CConfigEvent&) = default;
    CConfigEvent& operator=(const CConfigEvent&) = default;
    virtual ~CConfigEvent() = default;

    virtual CConfigEvent& Copy(const CConfigEvent& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    const CTextAttr& GetTextAttr() const { return m_attr; }
    CTextAttr& GetTextAttr() { return m_attr; }
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }
    // The snapping word beside the block ("Revice": bit 0x1 the start of the day, 0x2 the middle
    // of the day, 0x100 the middle of the row). The event input calls it by this name.
    WORD GetAttrb() const { return m_revice; }
    WORD GetRevice() const { return m_revice; }
    void SetRevice(WORD value) { m_revice = value; }

    static constexpr const char* kSection = "EventConfig";

private:
    ConfigKeyTable Keys();

    CTextAttr m_attr;
    LOGFONT m_font;
    WORD m_revice = 0;
};

} // namespace tembra
