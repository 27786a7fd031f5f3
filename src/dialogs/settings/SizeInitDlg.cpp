#include "dialogs/settings/SizeInitDlg.h"

#include "model/ConfigChart.h"
#include "model/SyokiSet.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/IntField.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

// The fields as the template groups them: group label, field label, unit.
struct FieldText {
    const char* group;
    const char* label;
    const char* unit;
};

constexpr std::array<FieldText, kSizeFieldCount> kTexts{{
    {"ﾉｰﾄﾞ半径", "", "×0.1mm"},
    {"囲み工程の＜＞の角度", "", "度"},
    {"曲角半径", "", "×0.1mm"},
    {"バー工程の高さ（厚み）", "", "×0.1mm"},
    {"矢印", "長さ", "×0.1mm"},
    {"矢印", "開き", "度"},
    {"傾斜クランク、エルボの傾斜幅", "", "×0.1mm"},
    {"複数段での用語と用語の間隔", "高さの", "％"},
    {"３段階の工程線幅の各実寸", "標準", "×0.1mm"},
    {"３段階の工程線幅の各実寸", "細線", "×0.1mm"},
    {"３段階の工程線幅の各実寸", "太線", "×0.1mm"},
}};

} // namespace

CSizeInitDlg::CSizeInitDlg(CSyokiSet& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("サイズ初期設定"));

    auto* enter = new CEnterMovesFocus(this);
    auto* groups = new QVBoxLayout;
    QGridLayout* grid = nullptr;
    const char* group = nullptr;
    for (int f = 0; f < kSizeFieldCount; ++f) {
        const FieldText& text = kTexts[f];
        if (group == nullptr || std::string_view(group) != text.group) {
            auto* box = new QGroupBox(QString::fromUtf8(text.group), this);
            grid = new QGridLayout(box);
            groups->addWidget(box);
            group = text.group;
        }
        const int row = grid->rowCount();
        auto* field = new QLineEdit(this);
        field->setObjectName(IdName(IDC_FIRST_FIELD + f));
        field->setMaximumWidth(80);
        grid->addWidget(new QLabel(QString::fromUtf8(text.label), this), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(text.unit), this), row, 2);
        enter->Watch({field});
        m_fields[f] = field;
    }

    auto* reset = new QPushButton(QString::fromUtf8("初期化"), this);
    reset->setObjectName(IdName(IDC_RESET));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &CSizeInitDlg::Reset);
    QDialogButtonBox* buttons = MakeOkCancel(this, enter, Qt::Vertical);
    buttons->addButton(reset, QDialogButtonBox::ResetRole);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons, 0, Qt::AlignTop);

    Show(LoadSizeInit(m_settings.GetChart()));
}

CSizeInitDlg::~CSizeInitDlg() = default;

int CSizeInitDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CSizeInitDlg::Show(const SizeInitValues& values) {
    for (int f = 0; f < kSizeFieldCount; ++f) {
        m_fields[f]->setText(QString::number(values[f]));
    }
}

void CSizeInitDlg::Reset() {
    CConfigChart profile;
    profile.Read(TRUE);
    Show(LoadSizeInit(profile));
}

void CSizeInitDlg::accept() {
    SizeInitValues values = LoadSizeInit(m_settings.GetChart());
    const auto& ranges = SizeInitRanges();
    for (int f = 0; f < kSizeFieldCount; ++f) {
        if (!ReadIntField(m_fields[f], ranges[f].min, ranges[f].max, values[f], kRangeMessages)) {
            return;
        }
    }
    StoreSizeInit(values, m_settings.GetChart());
    QDialog::accept();
}

} // namespace tembra
