#include "dialogs/attributes/DataInfoDlg.h"

#include "document/DocFileRequests.h"
#include "platform/qt/DialogParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tembra {

CDataInfoDlg::CDataInfoDlg(const DataInfoRequest& counts, QWidget* parent) : QDialog(parent) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("データ情報"));
    setMinimumWidth(260); // wide enough for the caption
    auto* grid = new QGridLayout(this);
    // The free memory has no meaning any more; the figure stays as users know it.
    constexpr unsigned long kFreeMemory = 1024;
    const struct {
        const char* label;
        int id;
        QString value;
        const char* unit;
    } rows[] = {
        {"工程＋行事数：", IDC_OBJECTS, QString::number(counts.objects), ""},
        {"最大項目行　：", IDC_ROWS, QString::number(counts.rows), ""},
        {"進　捗　数　：", IDC_PROGRESS, QString::number(counts.progress), ""},
        {"図　形　数　：", IDC_SHAPES, QString::number(counts.shapes), ""},
        {"ｵﾌﾞｼﾞｪｸﾄ数　:", IDC_EMBEDDED, QString::number(counts.embedded), ""},
        {"空きメモリ　：", IDC_MEMORY, QString::number(kFreeMemory), "K"},
    };
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(r.label), this), row, 0);
        auto* value = new QLabel(r.value, this);
        value->setObjectName(IdName(r.id));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(60);
        grid->addWidget(value, row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(r.unit), this), row, 2);
        ++row;
    }
    auto* ok = new QPushButton(QString::fromUtf8("確認"), this);
    ok->setObjectName(IdName(1));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, row, 0, 1, 3, Qt::AlignHCenter);
}

} // namespace tembra
