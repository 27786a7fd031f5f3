#include "dialogs/attributes/KoumokuControls.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "platform/qt/DialogParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace tembra {

namespace {

template <std::size_t N>
void MakeRadios(QWidget* parent, std::array<QRadioButton*, N>& radios,
                const std::array<int, N>& ids, const std::array<const char*, N>& texts,
                std::function<void(unsigned)> used, unsigned change) {
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < N; ++i) {
        radios[i] = new QRadioButton(QString::fromUtf8(texts[i]), parent);
        radios[i]->setObjectName(IdName(ids[i]));
        group->addButton(radios[i]);
        QObject::connect(radios[i], &QRadioButton::clicked, parent,
                         [used, change] { used(change); });
    }
}

template <std::size_t N>
QGroupBox* Group(QWidget* parent, const char* title, const std::array<QRadioButton*, N>& radios) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* layout = new QHBoxLayout(box);
    for (QRadioButton* radio : radios) {
        layout->addWidget(radio);
    }
    return box;
}

template <std::size_t N> int Checked(const std::array<QRadioButton*, N>& radios) {
    for (std::size_t i = 0; i < N; ++i) {
        if (radios[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace

KoumokuControls::KoumokuControls(QWidget* parent, std::function<void(unsigned)> used) {
    std::array<const char*, 4> sizeTexts{};
    for (std::size_t i = 0; i < sizeTexts.size(); ++i) {
        sizeTexts[i] = TextSizeTable()[i].text;
    }
    MakeRadios(parent, m_size, kSizeIds, sizeTexts, used, kChangeTextSize);
    MakeRadios(parent, m_horizontal, kHorizontalIds, {"左寄せ", "中央寄", "右寄せ"}, used,
               kChangeFormat);
    MakeRadios(parent, m_vertical, kVerticalIds, {"上寄せ", "行中央", "下寄せ"}, used,
               kChangeFormat);
    m_emphasis = MakeCheck(parent, IDC_EMPHASIS, "強調");
    QObject::connect(m_emphasis, &QCheckBox::clicked, parent, [used] { used(kChangeAttrib); });
    m_color = MakeColorCombo(parent, IDC_COLOR, &m_custom, [used] { used(kChangeTextColor); });
}

int KoumokuControls::AddRows(QGridLayout* grid, int row, QWidget* parent,
                             std::function<QWidget*(unsigned)> changeBox) const {
    const auto side = [&](unsigned change, int at) {
        if (QWidget* box = changeBox ? changeBox(change) : nullptr) {
            grid->addWidget(box, at, 1, Qt::AlignTop);
        }
    };
    grid->addWidget(Group(parent, "書式 横", m_horizontal), row, 0);
    side(kChangeFormat, row);
    grid->addWidget(Group(parent, "書式 縦", m_vertical), row + 1, 0);
    grid->addWidget(Group(parent, "サイズ", m_size), row + 2, 0);
    side(kChangeTextSize, row + 2);
    grid->addWidget(m_emphasis, row + 3, 0);
    side(kChangeAttrib, row + 3);
    auto* color = new QGroupBox(QString::fromUtf8("色"), parent);
    (new QHBoxLayout(color))->addWidget(m_color);
    grid->addWidget(color, row + 4, 0);
    side(kChangeTextColor, row + 4);
    return row + 5;
}

void KoumokuControls::Show(const KoumokuAttrFields& f) {
    m_size[static_cast<std::size_t>(f.size)]->setChecked(true);
    m_horizontal[static_cast<std::size_t>(f.horizontal)]->setChecked(true);
    m_vertical[static_cast<std::size_t>(f.vertical)]->setChecked(true);
    m_emphasis->setChecked(f.emphasis);
    m_color->setCurrentIndex(f.color);
    m_custom = f.customColor;
}

void KoumokuControls::Take(KoumokuAttrFields& f) const {
    f.size = Checked(m_size);
    f.horizontal = Checked(m_horizontal);
    f.vertical = Checked(m_vertical);
    f.emphasis = m_emphasis->isChecked();
    f.color = m_color->currentIndex();
    f.customColor = m_custom;
}

std::vector<QWidget*> KoumokuControls::Controls() const {
    std::vector<QWidget*> controls(m_horizontal.begin(), m_horizontal.end());
    controls.insert(controls.end(), m_vertical.begin(), m_vertical.end());
    controls.insert(controls.end(), m_size.begin(), m_size.end());
    controls.push_back(m_emphasis);
    controls.push_back(m_color);
    return controls;
}

} // namespace tembra
