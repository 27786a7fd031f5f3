// The print dialog of the chart view: the printer (the machine's printers and the PDF printer,
// which writes into a file), the page range, the copies, "プロパティ..." for the printer's paper
// and orientation, and the button "ﾌﾟﾚﾋﾞｭｰ" (control 1505), which ends the dialog with OK and the
// result code 41000, so that the application previews the chart instead of printing it.
//
// Its set-up form (the printer settings) has the printer, its paper and its orientation only:
// no output file, page range, copies or preview.
#pragma once

#include "platform/Types.h"
#include "view/core/PrinterSelection.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tembra {

class CTembraPrintDialog : public QDialog, public IPrinterDialog {
    Q_OBJECT
public:
    // The preview button and its answer.
    static constexpr int kPreviewButtonId = 1505;
    static constexpr int kPreviewResult = 41000;

    enum Form { kPrint, kSetup };

    CTembraPrintDialog(const IPrinterCatalog& printers, QWidget* parent = nullptr,
                       Form form = kPrint);
    ~CTembraPrintDialog() override;

    // Runs the dialog on the settings: IDOK (the choice written back), IDCANCEL, or the preview
    // answer 41000.
    int DoModal(PrinterDevMode& settings) override;
    // 0, or 41000 after the preview button.
    int GetResultCode() const { return m_result; }

    // The pages the chart has and those asked for.
    void SetPageRange(UINT minPage, UINT maxPage, UINT fromPage, UINT toPage);
    UINT FromPage() const;
    UINT ToPage() const;
    int Copies() const;
    // The file the PDF printer writes; empty for another printer.
    QString OutputFile() const;
    void SetOutputFile(const QString& file);

    // The printer of a choice: the PDF printer writes into the file, any other is the machine's
    // printer of that name; its paper and orientation.
    static void ConfigurePrinter(QPrinter& printer, const PrinterDevMode& devMode,
                                 const QString& file);

    QComboBox* PrinterCombo() const { return m_printer; }
    QLineEdit* FileEdit() const { return m_file; }
    QRadioButton* AllPages() const { return m_all; }
    QRadioButton* PageRange() const { return m_range; }
    QSpinBox* FromSpin() const { return m_from; }
    QSpinBox* ToSpin() const { return m_to; }
    QSpinBox* CopiesSpin() const { return m_copies; }
    QPushButton* PreviewButton() const { return m_preview; }
    QPushButton* PropertiesButton() const { return m_properties; }
    QPushButton* OkButton() const { return m_ok; }
    // The paper and orientation the printer prints on.
    QLabel* PaperLabel() const { return m_paper; }

private:
    bool IsPdf() const;
    void UpdateControls();
    void ShowPaper();
    void OnProperties();
    void OnBrowse();

    const IPrinterCatalog& m_printers;
    PrinterDevMode m_devMode;
    int m_result = 0;
    Form m_form = kPrint;
    QComboBox* m_printer = nullptr;
    QLabel* m_paper = nullptr;
    QPushButton* m_properties = nullptr;
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_range = nullptr;
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QSpinBox* m_copies = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace tembra
