#include "dialogs/settings/ProgressAttrDlg.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrDlgParts.h"
#include "dialogs/settings/ShinAttrPanel.h"
#include "dialogs/settings/core/ShinAttrFields.h"
#include "model/ConfigBase.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CProgressAttrDlg::CProgressAttrDlg(CConfigShin& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("進捗属性"));
    // The sample draws the width code with the width typed for it.
    m_panel = new CShinAttrPanel(this, [this] {
        std::array<WORD, 3> widths{};
        for (std::size_t i = 0; i < widths.size(); ++i) {
            bool ok = false;
            const int value = m_widths[i]->text().trimmed().toInt(&ok);
            widths[i] = static_cast<WORD>(
                ok && value > 0 && value <= ShinAttrFields::kWidthMax ? value : 1);
        }
        return widths;
    });
    auto* widthBox = new QGroupBox(QString::fromUtf8("実線幅 (×0.1mm)"), this);
    auto* widthForm = new QFormLayout(widthBox);
    const int ids[] = {IDC_NORMAL, IDC_THIN, IDC_BOLD};
    const char* labels[] = {"標準", "細線", "太線"};
    for (int i = 0; i < 3; ++i) {
        m_widths[i] = MakeNumberEdit(widthBox, ids[i], 2);
        widthForm->addRow(QString::fromUtf8(labels[i]), m_widths[i]);
        connect(m_widths[i], &QLineEdit::textEdited, m_panel, &CShinAttrPanel::RefreshSample);
    }
    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    connect(reset, &QPushButton::clicked, this, [this] {
        CConfigBase fresh;
        fresh.Read(FALSE);
        Load(ShinAttrFields::FromSettings(fresh.GetShin()));
    });
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addWidget(widthBox);
    AddBottomRow(this, layout, enter, {reset});
    WatchFields(enter, this);
    Load(ShinAttrFields::FromSettings(settings));
}

void CProgressAttrDlg::Load(const ShinAttrFields& fields) {
    for (std::size_t i = 0; i < 3; ++i) {
        m_widths[i]->setText(QString::number(fields.widths[i]));
    }
    m_panel->Load(fields);
}

void CProgressAttrDlg::accept() {
    std::array<WORD, 3> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        int value = 0;
        if (!ReadIntField(m_widths[i], ShinAttrFields::kWidthMin, ShinAttrFields::kWidthMax, value,
                          kRangeMessages)) {
            return;
        }
        widths[i] = static_cast<WORD>(value);
    }
    ShinAttrFields fields = m_panel->Fields();
    fields.widths = widths;
    fields.WriteSettings(m_settings);
    QDialog::accept();
}

} // namespace tembra
