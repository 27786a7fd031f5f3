#include "dialogs/settings/DateColumnDlg.h"

#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tembra {

namespace {

const char* CodeText(WORD code) {
    switch (code) {
    case kDateRowYear:
        return "西暦";
    case kDateRowEraYear:
        return "和暦";
    case kDateRowMonth:
        return "月";
    case kDateRowDay:
        return "日";
    case kDateRowHour:
        return "時";
    case kDateRowNobeYear:
        return "延年";
    case kDateRowNobeMonth:
        return "延月";
    case kDateRowNobeDay:
        return "延日";
    case kDateRowWeekday:
        return "曜日";
    default:
        return "なし";
    }
}

// The styles: label and the buttons' texts; the weekday stores 0 or 2.
struct StyleText {
    const char* label;
    std::vector<const char*> buttons;
};
const std::array<StyleText, 4> kStyles{{
    {"　年：", {"年数＋「年」", "年数のみ"}},
    {"　月：", {"月数＋「月」", "月数のみ", "英語"}},
    {"　日：", {"日数＋「日」", "日数のみ"}},
    {"曜日：", {"日本語", "英語"}},
}};
// The row buttons' ids in radio order.
const std::array<std::vector<int>, kDateColumnRows> kRowIds{{
    {1151, 1152, 1153, 1163, 1164, 1165, 1170, 1173},
    {1154, 1155, 1156, 1157, 1158, 1166, 1167, 1171, 1174},
    {1159, 1160, 1161, 1162, 1168, 1169, 1172},
}};
constexpr int kFirstStyleId = 1877;

} // namespace

CDateColumnDlg::CDateColumnDlg(int chartMode, int unit, bool flag, QWidget* parent)
    : QDialog(parent), m_choices(chartMode, unit, flag) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("日付欄"));
    auto* enter = new CEnterMovesFocus(this);
    auto* layout = new QVBoxLayout(this);

    auto* rowsBox = new QGroupBox(QString::fromUtf8("日付欄"), this);
    auto* rowsGrid = new QGridLayout(rowsBox);
    for (int row = 0; row < kDateColumnRows; ++row) {
        rowsGrid->addWidget(new QLabel(QString("%1.").arg(row + 1), rowsBox), row, 0);
        auto* group = new QButtonGroup(this);
        const std::vector<WORD>& codes = DateColumnButtons(row);
        for (std::size_t b = 0; b < codes.size(); ++b) {
            auto* button = new QRadioButton(QString::fromUtf8(CodeText(codes[b])), rowsBox);
            button->setObjectName(IdName(kRowIds[static_cast<std::size_t>(row)][b]));
            group->addButton(button, static_cast<int>(b));
            rowsGrid->addWidget(button, row, static_cast<int>(b) + 1);
            enter->Watch({button});
            m_rowButtons[static_cast<std::size_t>(row)].push_back(button);
        }
        connect(group, &QButtonGroup::idClicked, this, [this, row](int index) {
            m_choices.Click(row, index);
            Show();
        });
    }
    layout->addWidget(rowsBox);

    auto* stylesBox = new QGroupBox(QString::fromUtf8("表現方法"), this);
    auto* stylesGrid = new QGridLayout(stylesBox);
    int id = kFirstStyleId;
    for (std::size_t s = 0; s < kStyles.size(); ++s) {
        stylesGrid->addWidget(new QLabel(QString::fromUtf8(kStyles[s].label), stylesBox),
                              static_cast<int>(s), 0);
        auto* group = new QButtonGroup(this);
        for (std::size_t b = 0; b < kStyles[s].buttons.size(); ++b) {
            auto* button = new QRadioButton(QString::fromUtf8(kStyles[s].buttons[b]), stylesBox);
            button->setObjectName(IdName(id++));
            group->addButton(button, static_cast<int>(b));
            stylesGrid->addWidget(button, static_cast<int>(s), static_cast<int>(b) + 1);
            enter->Watch({button});
            m_styleButtons[s].push_back(button);
        }
    }
    layout->addWidget(stylesBox);
    layout->addWidget(MakeOkCancel(this, enter));
}

CDateColumnDlg::~CDateColumnDlg() = default;

void CDateColumnDlg::SetValues(const std::array<WORD, kDateRowMax>& rows,
                               const std::array<WORD, 4>& styles) {
    m_rows = rows;
    m_styles = styles;
    m_choices.Load(rows, styles);
    Show();
    ShowStyles();
}

void CDateColumnDlg::Show() {
    for (int row = 0; row < kDateColumnRows; ++row) {
        const auto& buttons = m_rowButtons[static_cast<std::size_t>(row)];
        for (std::size_t b = 0; b < buttons.size(); ++b) {
            buttons[b]->setEnabled(m_choices.IsEnabled(row, static_cast<int>(b)));
            buttons[b]->setChecked(m_choices.GetChoice(row) == static_cast<int>(b));
        }
    }
}

void CDateColumnDlg::ShowStyles() {
    const std::array<WORD, 4>& styles = m_choices.Styles();
    for (std::size_t s = 0; s < styles.size(); ++s) {
        // The weekday stores 2 for 英語; anything else shows 日本語.
        const int index = s == 3 ? (styles[s] == 2 ? 1 : 0) : styles[s];
        if (index >= 0 && index < static_cast<int>(m_styleButtons[s].size())) {
            m_styleButtons[s][static_cast<std::size_t>(index)]->setChecked(true);
        }
    }
}

int CDateColumnDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CDateColumnDlg::accept() {
    std::array<WORD, 4>& styles = m_choices.Styles();
    for (std::size_t s = 0; s < styles.size(); ++s) {
        for (std::size_t b = 0; b < m_styleButtons[s].size(); ++b) {
            if (m_styleButtons[s][b]->isChecked()) {
                styles[s] = static_cast<WORD>(s == 3 ? b * 2 : b);
            }
        }
    }
    m_choices.Store(m_rows, m_styles);
    QDialog::accept();
}

QRadioButton* CDateColumnDlg::RowButton(int row, int index) const {
    return m_rowButtons.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(index));
}

QRadioButton* CDateColumnDlg::StyleButton(int style, int index) const {
    return m_styleButtons.at(static_cast<std::size_t>(style)).at(static_cast<std::size_t>(index));
}

} // namespace tembra
