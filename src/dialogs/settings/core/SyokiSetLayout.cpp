// Paper and print layout of the initial settings: the paper list, the layout change and the
// temporary edit in the layout editor. A plan-sheet layout (LayoutDiscernmentFlag 1) exists for
// A3, A2 and A1 only and fixes the item width for its paper.
#include "dialogs/settings/core/SyokiSetRekiModel.h"
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/ConfigBase.h"
#include "model/LayoutFile.h"
#include "platform/Sjis.h"
#include "platform/Ui.h"

namespace tembra {

namespace {

constexpr UINT IDS_PLAN_PAPER = 5136;
constexpr UINT IDS_TEMPORARY_LAYOUT = 5092;

bool IsPlanPaper(int paper) {
    return paper == 2 || paper == 4 || paper == 5;
}

// The item width of a plan-sheet layout (0.1 mm), 0 for a paper without one.
int PlanItemWidth(int paper) {
    switch (paper) {
    case 2:
        return 210;
    case 4:
        return 296;
    case 5:
        return 420;
    default:
        return 0;
    }
}

} // namespace

std::filesystem::path CSyokiSetRekiModel::FolderFile(const std::string& name) const {
    const std::string folder = m_loaded != nullptr ? m_loaded->GetPath().GetFolder() : "";
    return ConfigPathToFs(folder + name);
}

std::filesystem::path CSyokiSetRekiModel::LayoutPath() const {
    return FolderFile(m_layoutFile);
}

bool CSyokiSetRekiModel::IsPlanLayout(const std::string& fileName) const {
    return GetLayoutDiscernmentFlag(FolderFile(fileName)) == 1;
}

void CSyokiSetRekiModel::TakeWidthsFromArea(bool planLayout) {
    const int planWidth = planLayout ? PlanItemWidth(m_values.paper) : 0;
    if (planWidth > 0) {
        m_area.SetLeftWidth(planWidth);
    }
    m_values.itemWidth = m_area.GetLeftWidth();
    m_values.insetLeft = m_area.GetInsetLeft();
    m_values.insetRight = m_area.GetInsetRight();
}

void CSyokiSetRekiModel::OnSelchangePaper() {
    const int newPaper = m_values.paper;
    const int oldPaper = m_area.GetPaper();
    if (newPaper == oldPaper) {
        return;
    }
    const bool automation = m_document != nullptr && m_document->m_bAutomation;
    const auto refuse = [this, oldPaper] {
        m_values.paper = oldPaper;
        PutControls();
    };
    if (IsPlanLayout(m_layoutFile) && IsPlanPaper(oldPaper) && !IsPlanPaper(newPaper)) {
        if (!automation && AfxMessageBox(IDS_PLAN_PAPER, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            refuse();
            return;
        }
        m_layoutFile = CConfigPath::kMasterLayout;
        m_tempAtOpen = false;
        m_layoutChanged = true;
    }
    if (m_tempAtOpen && !automation &&
        AfxMessageBox(IDS_TEMPORARY_LAYOUT, MB_YESNO | MB_ICONQUESTION) != IDYES) {
        refuse();
        return;
    }
    m_orientation = newPaper == 3 ? 1 : 0;
    m_area.SetPaper(newPaper, m_orientation, LayoutPath());
    TakeWidthsFromArea(IsPlanLayout(m_layoutFile));

    // The header's inputs (the chart's title, the company ...) go over to the new layout.
    m_header.InitFromSettings(m_document, newPaper, LayoutPath(), TRUE);
    m_layoutName = m_header.GetLayoutName();
    m_tempAtOpen = false;
    m_editedHere = false;
    m_layoutChanged = true;

    const CConfigBase& app = *GetAppConfig();
    for (int kind = 0; kind < kFontKindCount; ++kind) {
        m_fonts[static_cast<std::size_t>(kind)] = app.GetFont(kind, newPaper);
    }
    PutControls();
    CheckThinning(false);
}

void CSyokiSetRekiModel::OnLayoutChange() {
    if (ReadControls() != SyokiSetField::kNone || m_layoutDialogs == nullptr) {
        return;
    }
    std::string fileName = m_layoutFile;
    std::string layoutName;
    if (m_layoutDialogs->SelectLayout(m_area, fileName, layoutName) != IDOK) {
        return;
    }
    if (IsPlanLayout(fileName) && !IsPlanPaper(m_values.paper)) {
        int paperCode = 0;
        if (m_layoutDialogs->SelectPlanPaper(paperCode) != IDOK) {
            return;
        }
        m_values.paper = paperCode;
        m_orientation = 0;
    }
    m_layoutFile = fileName;
    m_layoutName = layoutName;
    m_area.SetPaper(m_values.paper, m_orientation, LayoutPath());
    TakeWidthsFromArea(IsPlanLayout(m_layoutFile));
    PutControls();
    CheckThinning(false);
    m_layoutChanged = true;
    m_tempAtOpen = false;
    m_editedHere = false;
}

void CSyokiSetRekiModel::OnLayoutEdit() {
    if (m_layoutDialogs == nullptr || m_loaded == nullptr) {
        return;
    }
    const int itemWidth = m_area.GetLeftWidth();
    const int insetLeft = m_area.GetInsetLeft();
    const int insetRight = m_area.GetInsetRight();
    if (!m_tempAtOpen) {
        m_header.InitFromSettings(m_document, m_values.paper, LayoutPath(), TRUE);
    }
    CConfigPath path = m_loaded->GetPath();
    path.SetLayoutFileName(m_layoutFile);
    CAppState& app = *GetAppState();
    app.SetLayoutEditorRunning(TRUE);
    // String 110.
    const int result =
        m_layoutDialogs->EditLayout(m_header, m_area, Sjis::FromUtf8("ローカル書式"), path);
    app.SetLayoutEditorRunning(FALSE);
    if (result != IDOK) {
        return;
    }
    const std::filesystem::path tempPath = ConfigPathToFs(path.GetLayoutTempPath());
    m_layoutName = ReadLayoutName(tempPath);
    m_header.InitFromSettings(m_document, m_values.paper, tempPath, FALSE);
    m_header.SetLocalLayout(1);
    m_area.SetPaper(m_values.paper, m_orientation, tempPath);
    m_area.SetLeftWidth(itemWidth);
    m_area.SetEditInsets(insetLeft, insetRight);
    TakeWidthsFromArea(false);
    PutControls();
    CheckThinning(false);
    m_tempAtOpen = true;
    m_editedHere = true;
    m_layoutChanged = false;
}

} // namespace tembra
