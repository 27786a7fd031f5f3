// The fields of the term attribute dialogs (184 the defaults, 217 the selected terms or the
// chart's defaults) as plain values, with the writing rules of the batch mode: a group whose box
// is not ticked is written as its "unchanged" marker (format, flags and size 65535, colour and
// position -1), which the document's term operation skips.
#pragma once

#include "dialogs/settings/core/ColorChoice.h"
#include "document/AttrDialogRequests.h"
#include "platform/Types.h"

namespace tembra {

struct CElemAttr;

// The flag bits of a term.
enum : WORD {
    kYogoOutline = 1,    // 白抜
    kYogoFrame = 2,      // 囲み
    kYogoBold = 4,       // 強調
    kYogoHalfAcross = 8, // 常に横書き (半角文字)
    kYogoVertical = 4096 // 縦書
};

// The apply boxes of the batch mode: 書式, サイズ, 属性, 色, 表示位置, 半角文字.
struct YogoApplyGroups {
    bool format = false;
    bool size = false;
    bool flags = false;
    bool color = false;
    bool position = false;
    bool halfWidth = false;
    bool operator==(const YogoApplyGroups&) const = default;
};

struct YogoAttrFields {
    static constexpr int kSpacingMin = 0; // 用語間隔, percent of the term height
    static constexpr int kSpacingMax = 100;
    static constexpr WORD kMarker = 0xFFFF;

    int format = 0;
    int size = 0; // position in the size list: an unknown code opens as 標準
    WORD flags = 0;
    ColorChoice color;
    int position = 0; // 0 上部, 1 下部
    int stack = 0;    // 0 上に積む, 1 下に積む
    int spacing = 0;
    int gap = 0; // 0 same as the spacing, 1 clear the node

    static YogoAttrFields From(const CElemAttr& attr);
    static YogoAttrFields From(const TextAttrValues& attr, int position);

    bool Flag(WORD bit) const { return (flags & bit) != 0; }
    void SetFlag(WORD bit, bool on);

    // Dialog 184: every field into the term block.
    void WriteSettings(CElemAttr& attr) const;
    // Dialog 217: the block the document applies; groups null is the single mode (every group).
    void WriteBlock(const YogoApplyGroups* groups, TextAttrValues& attr, int& position) const;
    bool operator==(const YogoAttrFields&) const = default;
};

} // namespace tembra
