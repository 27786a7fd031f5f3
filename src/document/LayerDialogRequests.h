// The dialogs of the menu 設定 that the document opens on its own records, as requests raised
// through the UI services. Unanswered requests come back as Cancel, so each command then changes
// nothing.
#pragma once

#include "model/LayerSet.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

class CTembraDoc;
class CPrHeader;

// Dialog 279: the names and states of the document's sixteen layers.
class LayerSetDlgRequest : public DialogRequest {
public:
    explicit LayerSetDlgRequest(CTembraDoc& d) : doc(d) {}
    const char* Name() const override { return "LayerSetDlg"; }
    CTembraDoc& doc;
};

// Dialog 282 "レイヤーデータ一括移動": entry i of map is the layer the objects of layer i go to
// (in as each layer to itself). The dialog shows the document's counts, states and headings;
// without a document it is answered Cancel.
class LayerMoveRequest : public DialogRequest {
public:
    const char* Name() const override { return "LayerMove"; }
    std::array<int, CLayerSet::kLayerCount> map{};
    const CTembraDoc* document = nullptr;
};

// Dialog 171: the name plate of the print header.
class NafudaDlgRequest : public DialogRequest {
public:
    explicit NafudaDlgRequest(CPrHeader& h) : header(h) {}
    const char* Name() const override { return "NafudaDlg"; }
    CPrHeader& header;
};

} // namespace tembra
