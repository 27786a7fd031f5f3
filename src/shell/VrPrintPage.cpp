#include "shell/VrPrintPage.h"

#include "platform/ColorRequest.h"
#include "platform/qt/DialogParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

QPushButton* Button(QWidget* parent, int id, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(IdName(id));
    button->setAutoDefault(false);
    return button;
}

QLabel* Value(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

} // namespace

CVrPrintPage::CVrPrintPage(VrPrintValues& values, QWidget* parent)
    : QWidget(parent), m_values(values) {
    m_body = new QVBoxLayout;

    auto* chart = new QGroupBox(QString::fromUtf8("印刷設定"), this);
    auto* chartGrid = new QGridLayout(chart);
    m_paper = Value(chart);
    m_scale = Value(chart);
    chartGrid->addWidget(new QLabel(QString::fromUtf8("用紙"), chart), 0, 0);
    chartGrid->addWidget(m_paper, 0, 1);
    chartGrid->addWidget(new QLabel(QString::fromUtf8("自動拡大／縮小"), chart), 1, 0);
    chartGrid->addWidget(m_scale, 1, 1);

    auto* printer = new QGroupBox(QString::fromUtf8("ﾌﾟﾘﾝﾀ設定"), this);
    auto* printerGrid = new QGridLayout(printer);
    m_form = Value(printer);
    m_printer = Value(printer);
    printerGrid->addWidget(new QLabel(QString::fromUtf8("用紙"), printer), 0, 0);
    printerGrid->addWidget(m_form, 0, 1);
    printerGrid->addWidget(new QLabel(QString::fromUtf8("ﾌﾟﾘﾝﾀ"), printer), 1, 0);
    printerGrid->addWidget(m_printer, 1, 1);

    QPushButton* setup = Button(this, IDC_PRINTER_SETUP, "プリンタ設定");
    QPushButton* preview = Button(this, IDC_PREVIEW, "プレビュー");
    QPushButton* header = Button(this, IDC_PRINT_HEADER, "印刷ヘッダー");
    QPushButton* store = Button(this, IDC_STORE, "記憶");
    connect(setup, &QPushButton::clicked, this, &CVrPrintPage::printerSetupClicked);
    connect(preview, &QPushButton::clicked, this, &CVrPrintPage::previewClicked);
    connect(header, &QPushButton::clicked, this, &CVrPrintPage::printHeaderClicked);
    connect(store, &QPushButton::clicked, this, &CVrPrintPage::storeClicked);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {setup, preview, header, store}) {
        buttons->addWidget(button);
    }

    auto* lower = new QHBoxLayout;
    lower->addWidget(chart);
    lower->addWidget(printer);
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->addStretch();
    layout->addLayout(lower);
}

bool CVrPrintPage::TakeFields() {
    return !m_opened || ReadFields();
}

void CVrPrintPage::ReloadFields() {
    if (m_opened) {
        LoadFields();
    }
}

void CVrPrintPage::SetChartTexts(const QString& paper, const QString& scale) {
    m_paper->setText(paper);
    m_scale->setText(scale);
}

void CVrPrintPage::SetPrinterTexts(const QString& form, const QString& printer) {
    m_form->setText(form);
    m_printer->setText(printer);
}

void CVrPrintPage::ShowColor(QPushButton* button, COLORREF color) {
    QPixmap swatch(16, 16);
    swatch.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    button->setIcon(QIcon(swatch));
}

void CVrPrintPage::PickColor(QPushButton* button, COLORREF& color) {
    ColorRequest request;
    request.color = color;
    if (Ui().RunDialog(request) == IDOK) {
        color = request.color;
        ShowColor(button, color);
    }
}

void CVrPrintPage::showEvent(QShowEvent* event) {
    if (!m_opened) {
        m_opened = true;
        LoadFields();
    }
    QWidget::showEvent(event);
}

} // namespace tembra
