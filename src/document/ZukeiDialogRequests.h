// The dialogs of the shape menu (属性 > 線画) as requests the document raises through the UI
// services. The settings dialogs edit the settings record themselves; the change dialogs carry
// the values the selection starts from and, on OK, the values chosen. Unanswered requests come
// back as Cancel, so each command then changes nothing.
#pragma once

#include "model/AttrBlocks.h"
#include "platform/Types.h"
#include "platform/Ui.h"

namespace tembra {

class CSyokiSet;

// Dialog 207 "角丸四角の角丸半径設定": the corner radius of new rounded boxes.
class RoundRadiusSetDlgRequest : public DialogRequest {
public:
    explicit RoundRadiusSetDlgRequest(CSyokiSet& s) : settings(s) {}
    const char* Name() const override { return "RoundRadiusSetDlg"; }
    CSyokiSet& settings;
};

// Dialog 213 "角丸四角の角丸半径変更": the corner radius of the selected rounded boxes.
class RoundRadiusChangeDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "RoundRadiusChangeDlg"; }
    WORD radius = 1;
};

// Dialog 209 "グリッドの設定": the drawing grid of the settings record ("なし" reads back as 0).
class GridSetDlgRequest : public DialogRequest {
public:
    explicit GridSetDlgRequest(CSyokiSet& s) : settings(s) {}
    const char* Name() const override { return "GridSetDlg"; }
    CSyokiSet& settings;
};

// Dialog 211 "線画属性設定": the shape attributes of the settings record.
class ZukeiAttrSetDlgRequest : public DialogRequest {
public:
    explicit ZukeiAttrSetDlgRequest(CSyokiSet& s) : settings(s) {}
    const char* Name() const override { return "ZukeiAttrSetDlg"; }
    CSyokiSet& settings;
};

// Dialog 215 "線画属性変更": several attributes of the selected shapes at once. In: the first
// selected shape's attributes and text flags; out: the values and the mask of the fields to
// change (1 line type, 2 width, 4 colour, 8 hatch, 16 hatch colour, 32 corner radius, 64
// position relation), 0 until the dialog runs.
class ZukeiAttrChangeDlgRequest : public DialogRequest {
public:
    const char* Name() const override { return "ZukeiAttrChangeDlg"; }
    CZukeiAttr attr;
    WORD flags = 0;
    UINT mask = 0;
};

// The mask bits of ZukeiAttrChangeDlgRequest.
enum : UINT {
    kZukeiMaskLineType = 1,
    kZukeiMaskWidth = 2,
    kZukeiMaskColor = 4,
    kZukeiMaskHatch = 8,
    kZukeiMaskHatchColor = 16,
    kZukeiMaskBoxRay = 32,
    kZukeiMaskPointMode = 64,
};

} // namespace tembra
