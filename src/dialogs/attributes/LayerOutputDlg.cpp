#include "dialogs/attributes/LayerOutputDlg.h"

namespace tembra {

CLayerOutputDlg::CLayerOutputDlg(const CTembraDoc& doc, Table* table, QWidget* parent)
    : CLayerMoveDlg(doc, table, parent) {
    setWindowTitle(QString::fromUtf8("出力レイヤー指定"));
}

} // namespace tembra
