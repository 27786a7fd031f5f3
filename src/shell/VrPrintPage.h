// What the three pages of the print settings sheet share: the values they edit, the texts of the
// chart's paper and scale and of the printer in their lower part, and the four buttons that each
// page passes on to the sheet. A page copies the values into its fields when it is first shown;
// a page never shown keeps the values as they came in and checks nothing.
#pragma once

#include "platform/Types.h"
#include "print/VrPrintValues.h"

#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tembra {

class CVrPrintPage : public QWidget {
    Q_OBJECT
public:
    // The buttons every page has.
    enum : int {
        IDC_PRINTER_SETUP = 1521,
        IDC_PREVIEW = 1522,
        IDC_PRINT_HEADER = 1523,
        IDC_STORE = 1539,
    };

    CVrPrintPage(VrPrintValues& values, QWidget* parent);

    // The values of the fields, checked; false after the refusing field's message, with the
    // focus on it. A page never shown takes nothing and passes.
    bool TakeFields();
    // The fields from the values again (after the printer set-up).
    void ReloadFields();
    bool WasOpened() const { return m_opened; }

    // A control named after its template id, and a text of the page.
    template <typename T> static T* Named(T* widget, int id) {
        widget->setObjectName(QString::number(id));
        return widget;
    }
    static QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

    // The paper and scale of the chart, and the printer's paper form and name.
    void SetChartTexts(const QString& paper, const QString& scale);
    void SetPrinterTexts(const QString& form, const QString& printer);
    QLabel* PaperLabel() const { return m_paper; }
    QLabel* ScaleLabel() const { return m_scale; }
    QLabel* FormLabel() const { return m_form; }
    QLabel* PrinterLabel() const { return m_printer; }

signals:
    void printerSetupClicked();
    void previewClicked();
    void printHeaderClicked();
    void storeClicked();

protected:
    // A colour button shows its colour as a swatch.
    static void ShowColor(QPushButton* button, COLORREF color);
    // The colour dialog on a colour; the chosen one is kept and shown on the button.
    static void PickColor(QPushButton* button, COLORREF& color);
    // The page's own fields, above the shared part.
    QVBoxLayout* Body() const { return m_body; }
    virtual void LoadFields() = 0;
    virtual bool ReadFields() = 0;
    void showEvent(QShowEvent* event) override;

    VrPrintValues& m_values;

private:
    QVBoxLayout* m_body = nullptr;
    QLabel* m_paper = nullptr;
    QLabel* m_scale = nullptr;
    QLabel* m_form = nullptr;
    QLabel* m_printer = nullptr;
    bool m_opened = false;
};

} // namespace tembra
