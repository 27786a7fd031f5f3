// The print settings sheet (5130 "印刷設定") that the print command shows before the printer
// dialog: the date page, the expression page and the special page over the values of the
// document's print settings. A page takes its fields when it is left, and each page's
// "プレビュー", "記憶" and "印刷ヘッダー" first take that page's fields (a refused field keeps the
// page in front); 決定 takes those of every page shown.
// Applying writes the values into the document and the page range into the print job.
//
// Its modal run answers IDOK (go on to the printer dialog), IDCANCEL, or the preview answer
// 41000.
#pragma once

#include "platform/qt/PropertySheet.h"
#include "print/VrPrintValues.h"

namespace tembra {

class CVrPrint1;
class CVrPrint2;
class CVrPrint3;
class CVrPrintPage;
class IDialogRegistry;
class PrintSheetRequest;

class CVrPrintSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr UINT IDS_CAPTION = 5130;
    static constexpr int kPreviewResult = 41000;

    CVrPrintSheet(PrintSheetRequest& request, QWidget* parent);
    ~CVrPrintSheet() override;

    int DoModal();
    // Answers the request "PrintSheet".
    static void Register(IDialogRegistry& registry);

    CVrPrint1* Page1() const { return m_page1; }
    CVrPrint2* Page2() const { return m_page2; }
    CVrPrint3* Page3() const { return m_page3; }
    const VrPrintValues& Values() const { return m_values; }

    void accept() override;
    void done(int result) override;

private:
    // A page that is left takes its fields first; one that refuses stays in front.
    void OnPageChanged(int index);
    void OnPreview(CVrPrintPage* page);
    void OnStore(CVrPrintPage* page);
    void OnPrintHeader(CVrPrintPage* page);
    void OnPrinterSetup();
    void Apply();
    void ShowScale(bool zoomPrinting);
    void ShowPrinter();
    std::vector<CVrPrintPage*> Pages() const;

    PrintSheetRequest& m_request;
    VrPrintValues m_values;
    CVrPrint1* m_page1 = nullptr;
    CVrPrint2* m_page2 = nullptr;
    CVrPrint3* m_page3 = nullptr;
    int m_current = 0;
    bool m_switching = false;
};

} // namespace tembra
