// The output layer dialog: the layer move dialog under the caption "出力レイヤー指定", choosing
// the layers of inserted or pasted objects.
#pragma once

#include "dialogs/attributes/LayerMoveDlg.h"

namespace tembra {

class CLayerOutputDlg : public CLayerMoveDlg {
    Q_OBJECT
public:
    CLayerOutputDlg(const CTembraDoc& doc, Table* table, QWidget* parent = nullptr);
};

} // namespace tembra
