// The fields of the shape attribute dialogs (193 the program's defaults, 211 the chart's
// defaults, 215 the selected shapes) as plain values: the entry of each list, the kept colours
// and the corner radius, with the texts' format and the grid of dialog 193 beside them.
#pragma once

#include "dialogs/settings/core/ColorChoice.h"
#include "model/AttrBlocks.h"
#include "platform/Types.h"

#include <array>

namespace tembra {

class CConfigZukei;

struct ZukeiAttrFields {
    static constexpr int kRadiusMin = 1; // 角丸半径 in 0.1 mm
    static constexpr int kRadiusMax = 100;
    static constexpr int kWidthMin = 0; // 実線幅 in 0.1 mm
    static constexpr int kWidthMax = 50;
    static constexpr int kApplyCount = 7;

    int style = -1; // position in the style list, -1 for a code outside it
    short styleCode = 0;
    int pointMode = 0;
    int lineType = 0; // position = code (実線, 破線, 点線 ...)
    int width = 0;
    ColorChoice color;
    int hatch = 0; // position in the pattern list
    ColorChoice hatchColor;
    int boxRay = kRadiusMin;

    static ZukeiAttrFields From(const CZukeiAttr& attr);
    // Every field into the record; a style outside the list keeps its code.
    void WriteTo(CZukeiAttr& attr) const;
    // Loads the values of attr but keeps the two kept colours (the その他 values).
    void ReloadKeepingColors(const CZukeiAttr& attr);
    bool operator==(const ZukeiAttrFields&) const = default;
};

// The text and grid fields of dialog 193.
struct ZukeiTextGridFields {
    std::array<WORD, 3> widths{}; // normal, thin, bold
    bool grid = false;
    int dayDivision = 0;
    int rowDivision = 0;
    ColorChoice textColor;
    bool bold = false;
    int hAlign = 0;
    int vAlign = 1; // position in the vertical list: 上寄せ, 行中央, 下寄せ

    static ZukeiTextGridFields From(const CConfigZukei& settings);
    void WriteTo(CConfigZukei& settings) const;
    bool operator==(const ZukeiTextGridFields&) const = default;
};

// The mask of dialog 215 from its seven boxes, in the order of ZukeiApplyTable, and back.
UINT ZukeiMaskFromChecks(const std::array<bool, ZukeiAttrFields::kApplyCount>& checks);
std::array<bool, ZukeiAttrFields::kApplyCount> ZukeiChecksFromMask(UINT mask);

} // namespace tembra
