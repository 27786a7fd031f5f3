#include "view/TembraPrintDialog.h"

#include "platform/StringTable.h"
#include "platform/Ui.h"
#include "view/PrinterPaper.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tembra {

namespace {

// "ﾌﾟﾚﾋﾞｭｰ"
constexpr UINT IDS_PREVIEW_BUTTON = 5133;

QString Utf(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

CTembraPrintDialog::CTembraPrintDialog(const IPrinterCatalog& printers, QWidget* parent, Form form)
    : QDialog(parent), m_printers(printers), m_form(form) {
    setWindowTitle(form == kSetup ? Utf("プリンタの設定") : Utf("印刷"));
    auto* layout = new QVBoxLayout(this);
    // A label's mnemonic moves the focus to its field: the label needs the field as its buddy.
    const auto label = [](const char* text, QWidget* buddy, QWidget* parent) {
        auto* l = new QLabel(Utf(text), parent);
        l->setBuddy(buddy);
        return l;
    };

    auto* printerBox = new QGroupBox(Utf("プリンタ"), this);
    auto* printerLayout = new QFormLayout(printerBox);
    auto* printerRow = new QHBoxLayout;
    m_printer = new QComboBox(printerBox);
    for (const std::string& name : printers.PrinterNames()) {
        m_printer->addItem(QString::fromStdString(name));
    }
    m_properties = new QPushButton(Utf("プロパティ(&P)..."), printerBox);
    printerRow->addWidget(m_printer, 1);
    printerRow->addWidget(m_properties);
    printerLayout->addRow(label("プリンタ名(&N):", m_printer, printerBox), printerRow);
    m_paper = new QLabel(printerBox);
    printerLayout->addRow(Utf("用紙:"), m_paper);
    auto* fileRow = new QHBoxLayout;
    m_file = new QLineEdit(printerBox);
    m_browse = new QPushButton(Utf("参照(&B)..."), printerBox);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_browse);
    printerLayout->addRow(label("出力ファイル(&L):", m_file, printerBox), fileRow);
    layout->addWidget(printerBox);

    // Group box 1 (control 1072): the pages.
    auto* pagesBox = new QGroupBox(Utf("印刷範囲"), this);
    pagesBox->setObjectName(QStringLiteral("1072"));
    auto* pagesLayout = new QHBoxLayout(pagesBox);
    m_all = new QRadioButton(Utf("すべて(&A)"), pagesBox);
    m_range = new QRadioButton(Utf("ページ指定(&G)"), pagesBox);
    m_from = new QSpinBox(pagesBox);
    m_to = new QSpinBox(pagesBox);
    m_all->setChecked(true);
    pagesLayout->addWidget(m_all);
    pagesLayout->addWidget(m_range);
    pagesLayout->addWidget(label("から(&F)", m_from, pagesBox));
    pagesLayout->addWidget(m_from);
    pagesLayout->addWidget(label("まで(&T)", m_to, pagesBox));
    pagesLayout->addWidget(m_to);
    layout->addWidget(pagesBox);

    auto* copiesBox = new QWidget(this);
    auto* copiesRow = new QHBoxLayout(copiesBox);
    copiesRow->setContentsMargins(0, 0, 0, 0);
    m_copies = new QSpinBox(copiesBox);
    m_copies->setRange(1, 999);
    copiesRow->addWidget(label("部数(&C):", m_copies, copiesBox));
    copiesRow->addWidget(m_copies);
    copiesRow->addStretch();
    layout->addWidget(copiesBox);

    // The preview button stands where OK stands, moved to the left edge of the page group.
    auto* buttons = new QHBoxLayout;
    m_preview = new QPushButton(QString::fromStdString(LoadStringUtf8(IDS_PREVIEW_BUTTON)), this);
    m_preview->setObjectName(QString::number(kPreviewButtonId));
    m_ok = new QPushButton(Utf("OK"), this);
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(Utf("キャンセル"), this);
    buttons->addWidget(m_preview);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    if (form == kSetup) {
        // The printer settings print nothing: no file, no pages, no copies, no preview.
        printerLayout->setRowVisible(2, false);
        pagesBox->hide();
        copiesBox->hide();
        m_preview->hide();
    }

    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_result = 0;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_preview, &QPushButton::clicked, this, [this] {
        m_result = kPreviewResult;
        accept();
    });
    connect(m_properties, &QPushButton::clicked, this, [this] { OnProperties(); });
    connect(m_browse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    connect(m_printer, &QComboBox::currentIndexChanged, this, [this] { UpdateControls(); });
    connect(m_range, &QRadioButton::toggled, this, [this] { UpdateControls(); });
    connect(m_file, &QLineEdit::textChanged, this, [this] { UpdateControls(); });
    SetPageRange(1, 1, 1, 1);
}

CTembraPrintDialog::~CTembraPrintDialog() = default;

bool CTembraPrintDialog::IsPdf() const {
    return m_printer->currentText() == QString::fromUtf8(kPdfPrinterName);
}

void CTembraPrintDialog::UpdateControls() {
    const bool pdf = IsPdf();
    m_file->setEnabled(pdf);
    m_browse->setEnabled(pdf);
    m_from->setEnabled(m_range->isChecked());
    m_to->setEnabled(m_range->isChecked());
    // The PDF printer needs the file it writes (when it prints).
    m_ok->setEnabled(m_form == kSetup || !pdf || !m_file->text().trimmed().isEmpty());
}

void CTembraPrintDialog::ShowPaper() {
    const std::optional<QPageSize::PageSizeId> id = PageSizeOfCode(m_devMode.paperSize);
    const QString name = id ? QPageSize::name(*id) : QString::fromStdString(m_devMode.formName);
    m_paper->setText(name + QLatin1Char(' ') +
                     (m_devMode.orientation == PrinterDevMode::kLandscape ? Utf("横") : Utf("縦")));
}

void CTembraPrintDialog::SetPageRange(UINT minPage, UINT maxPage, UINT fromPage, UINT toPage) {
    m_from->setRange(static_cast<int>(minPage), static_cast<int>(maxPage));
    m_to->setRange(static_cast<int>(minPage), static_cast<int>(maxPage));
    m_from->setValue(static_cast<int>(fromPage));
    m_to->setValue(static_cast<int>(toPage));
    UpdateControls();
}

UINT CTembraPrintDialog::FromPage() const {
    return static_cast<UINT>(m_all->isChecked() ? m_from->minimum() : m_from->value());
}

UINT CTembraPrintDialog::ToPage() const {
    return static_cast<UINT>(m_all->isChecked() ? m_to->maximum()
                                                : std::max(m_from->value(), m_to->value()));
}

int CTembraPrintDialog::Copies() const {
    return m_copies->value();
}

QString CTembraPrintDialog::OutputFile() const {
    return IsPdf() ? m_file->text().trimmed() : QString();
}

void CTembraPrintDialog::SetOutputFile(const QString& file) {
    m_file->setText(file);
}

int CTembraPrintDialog::DoModal(PrinterDevMode& settings) {
    m_devMode = settings;
    const int index = m_printer->findText(QString::fromStdString(settings.deviceName));
    if (index >= 0) {
        m_printer->setCurrentIndex(index);
    }
    UpdateControls();
    ShowPaper();
    m_result = 0;
    if (exec() != QDialog::Accepted) {
        return IDCANCEL;
    }
    const std::string chosen = m_printer->currentText().toStdString();
    if (chosen != m_devMode.deviceName) {
        // Another printer starts from its own paper unless the properties chose one.
        if (std::optional<PrinterDevMode> defaults = m_printers.DefaultDevMode(chosen)) {
            const int orientation = m_devMode.orientation;
            m_devMode = *defaults;
            m_devMode.orientation = orientation;
        }
        m_devMode.deviceName = chosen;
    }
    settings = m_devMode;
    return m_result == kPreviewResult ? kPreviewResult : IDOK;
}

void CTembraPrintDialog::OnProperties() {
    PrinterDevMode devMode = m_devMode;
    devMode.deviceName = m_printer->currentText().toStdString();
    QPrinter printer;
    ConfigurePrinter(printer, devMode, QString());
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QPageLayout page = printer.pageLayout();
    m_devMode = devMode;
    m_devMode.paperSize = PaperCodeOf(page.pageSize().id());
    m_devMode.formName = page.pageSize().name().toStdString();
    m_devMode.orientation = page.orientation() == QPageLayout::Landscape
                                ? PrinterDevMode::kLandscape
                                : PrinterDevMode::kPortrait;
    ShowPaper();
}

void CTembraPrintDialog::OnBrowse() {
    const QString file =
        QFileDialog::getSaveFileName(this, Utf("出力ファイル"), m_file->text(), Utf("PDF (*.pdf)"));
    if (!file.isEmpty()) {
        m_file->setText(file);
    }
}

void CTembraPrintDialog::ConfigurePrinter(QPrinter& printer, const PrinterDevMode& devMode,
                                          const QString& file) {
    if (devMode.deviceName == kPdfPrinterName) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QString::fromStdString(devMode.deviceName));
    }
    if (const std::optional<QPageSize::PageSizeId> id = PageSizeOfCode(devMode.paperSize)) {
        printer.setPageSize(QPageSize(*id));
    } else if (!devMode.formName.empty()) {
        // A paper without a code (a printer's own form) goes by its name.
        const QString form = QString::fromStdString(devMode.formName);
        for (int size = 0; size <= QPageSize::LastPageSize; ++size) {
            const auto candidate = static_cast<QPageSize::PageSizeId>(size);
            if (QPageSize::name(candidate) == form) {
                printer.setPageSize(QPageSize(candidate));
                break;
            }
        }
    }
    printer.setPageOrientation(devMode.orientation == PrinterDevMode::kLandscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
}

} // namespace tembra
