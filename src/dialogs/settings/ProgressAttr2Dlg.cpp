#include "dialogs/settings/ProgressAttr2Dlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/ShinAttrPanel.h"
#include "document/FontSelDlgRequest.h"
#include "model/ConfigShin.h"
#include "platform/Ui.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CProgressAttr2Dlg::CProgressAttr2Dlg(const ShinAttrFields& fields, const LOGFONT& font,
                                     const CConfigShin& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_font(font) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("進捗属性"));
    m_panel = new CShinAttrPanel(this, [this] {
        std::array<WORD, 3> widths{};
        for (int i = 0; i < 3; ++i) {
            widths[static_cast<std::size_t>(i)] = m_settings.GetWidthSet().GetAt(i);
        }
        return widths;
    });
    auto* applyBox = new QGroupBox(QString::fromUtf8("設定する項目"), this);
    auto* applyRow = new QHBoxLayout(applyBox);
    const struct {
        int id;
        const char* text;
    } boxes[] = {{IDC_APPLY_TYPE, "線種"},
                 {IDC_APPLY_WIDTH, "線幅"},
                 {IDC_APPLY_COLOR, "線色"},
                 {IDC_APPLY_JOIN, "頂点結線"},
                 {IDC_APPLY_DATES, "頂点日付"}};
    for (int i = 0; i < 5; ++i) {
        m_apply[i] = MakeCheck(applyBox, boxes[i].id, boxes[i].text);
        applyRow->addWidget(m_apply[i]);
    }
    m_panel->changed = [this](CShinAttrPanel::Group group) { m_apply[group]->setChecked(true); };
    auto* fontButton = new QPushButton(QString::fromUtf8("フォントの設定"), this);
    fontButton->setObjectName(IdName(IDC_FONT));
    connect(fontButton, &QPushButton::clicked, this, &CProgressAttr2Dlg::ChooseFont);
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this, &CProgressAttr2Dlg::Reset);
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(applyBox);
    layout->addWidget(m_panel);
    AddBottomRow(this, layout, enter, {fontButton, reset});
    WatchFields(enter, this);
    m_panel->Load(fields);
}

ShinApplyGroups CProgressAttr2Dlg::Groups() const {
    return {m_apply[0]->isChecked(), m_apply[1]->isChecked(), m_apply[2]->isChecked(),
            m_apply[3]->isChecked(), m_apply[4]->isChecked()};
}

const ShinAttrFields& CProgressAttr2Dlg::Fields() const {
    return m_panel->Fields();
}

void CProgressAttr2Dlg::ChooseFont() {
    const bool own = m_panel->Fields().ownFont;
    FontSelDlgRequest request;
    request.font = own ? m_font : m_settings.GetLogFont();
    request.baseFontCheck = own ? 0 : 1;
    if (Ui().RunDialog(request) != IDOK) {
        return;
    }
    m_font = request.font;
    m_panel->SetOwnFont(request.baseFontCheck == 0);
    m_apply[CShinAttrPanel::kDates]->setChecked(true);
}

void CProgressAttr2Dlg::Reset() {
    for (QCheckBox* box : m_apply) {
        box->setChecked(true);
    }
    m_font = m_settings.GetLogFont();
    m_panel->Load(ShinAttrFields::FromSettings(m_settings));
}

} // namespace tembra
