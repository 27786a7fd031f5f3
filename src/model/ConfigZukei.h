// The shape settings part: drawing shapes and shape texts, kept in the user profile section
// "ZukeiConfig". The application's settings hold one; every document's settings record copies it.
#pragma once

#include "model/AttrBlocks.h"
#include "model/ConfigKeys.h"
#include "platform/Types.h"

namespace tembra {

// Drawing shapes and shape texts ("ZukeiConfig").
class CConfigZukei {
public:
    CConfigZukei() = default;
    CConfigZukei(const CConfigZukei&) = default;
    CConfigZukei& operator=(const CConfigZukei&) = default;
    virtual ~CConfigZukei() = default;

    virtual CConfigZukei& Copy(const CConfigZukei& source);
    virtual BOOL Read(BOOL fromProfile);
    virtual BOOL Write(UINT mask);

    const CZukeiAttr& GetAttr() const { return m_attr; }
    CZukeiAttr& GetAttr() { return m_attr; }
    const CWidthSet& GetWidthSet() const { return m_widths; }
    CWidthSet& GetWidthSet() { return m_widths; }
    WORD GetPartitionFlag() const { return m_partitionFlag; }
    void SetPartitionFlag(WORD v) { m_partitionFlag = v; }
    WORD GetTimePartition() const { return m_timePartition; }
    void SetTimePartition(WORD v) { m_timePartition = v; }
    WORD GetLinePartition() const { return m_linePartition; }
    void SetLinePartition(WORD v) { m_linePartition = v; }
    const CTextAttr& GetTextAttr() const { return m_text; }
    CTextAttr& GetTextAttr() { return m_text; }
    const LOGFONT& GetLogFont() const { return m_font; }
    void SetLogFont(const LOGFONT& font) { m_font = font; }

    static constexpr const char* kSection = "ZukeiConfig";

private:
    ConfigKeyTable Keys();

    CZukeiAttr m_attr;
    CWidthSet m_widths;
    WORD m_partitionFlag = 0;
    WORD m_timePartition = 0;
    WORD m_linePartition = 0;
    CTextAttr m_text;
    LOGFONT m_font;
};

} // namespace tembra
