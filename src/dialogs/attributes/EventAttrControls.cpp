#include "dialogs/attributes/EventAttrControls.h"

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

// The groups with their change boxes, in the order of m_changes.
constexpr struct {
    int id;
    unsigned bit;
    const char* title;
} kGroups[] = {
    {EventAttrControls::IDC_CHANGE_FORM, kEventChangeForm, "書式"},
    {EventAttrControls::IDC_CHANGE_SIZE, kEventChangeSize, "サイズ"},
    {EventAttrControls::IDC_CHANGE_STYLE, kEventChangeStyle, "属性"},
    {EventAttrControls::IDC_CHANGE_COLOR, kEventChangeColor, "色"},
    {EventAttrControls::IDC_CHANGE_HALF, kEventChangeHalfWidth, "半角文字"},
};

template <std::size_t N>
QButtonGroup* MakeRadios(QWidget* parent, const std::array<int, N>& ids,
                         const std::array<const char*, N>& texts) {
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < N; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(texts[i]), parent);
        radio->setObjectName(IdName(ids[i]));
        group->addButton(radio, static_cast<int>(i));
    }
    return group;
}

QWidget* Row(QWidget* parent, const char* title, std::initializer_list<QWidget*> controls) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* row = new QHBoxLayout(box);
    for (QWidget* control : controls) {
        control->setParent(box);
        row->addWidget(control);
    }
    row->addStretch();
    return box;
}

QWidget* RowOf(QWidget* parent, const char* title, const QButtonGroup* group) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* row = new QHBoxLayout(box);
    for (QAbstractButton* button : group->buttons()) {
        button->setParent(box);
        row->addWidget(button);
    }
    row->addStretch();
    return box;
}

} // namespace

EventAttrControls::EventAttrControls(QWidget* parent, bool bulk, std::function<void(unsigned)> used,
                                     std::function<void(int)> dayChosen)
    : m_parent(parent), m_bulk(bulk) {
    m_form = MakeRadios<5>(parent, kFormIds, {"左寄せ", "中央寄", "右寄せ", "左吹出", "右吹出"});
    m_size = MakeRadios<4>(parent, kSizeIds, {"標準", "縦倍角", "横倍角", "４倍角"});
    m_day = MakeRadios<3>(parent, kDayIds, {"しない", "日左寄", "日中央"});
    m_row = MakeRadios<2>(parent, kRowIds, {"しない", "行中央"});
    m_frame = MakeCheck(parent, IDC_FRAME, "囲み");
    m_outline = MakeCheck(parent, IDC_OUTLINE, "白抜");
    m_bold = MakeCheck(parent, IDC_BOLD, "強調");
    m_vertical = MakeCheck(parent, IDC_VERTICAL, "縦書");
    m_horizontal = MakeCheck(parent, IDC_HORIZONTAL, "常に横書き");
    m_color = MakeColorCombo(parent, IDC_COLOR, &m_custom, [used] { used(kEventChangeColor); });
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        m_changes[i] = MakeCheck(parent, kGroups[i].id, "");
        m_changes[i]->setVisible(bulk);
    }
    QObject::connect(m_form, &QButtonGroup::idClicked, parent,
                     [used](int) { used(kEventChangeForm); });
    QObject::connect(m_size, &QButtonGroup::idClicked, parent,
                     [used](int) { used(kEventChangeSize); });
    for (QCheckBox* check : {m_frame, m_outline, m_bold, m_vertical}) {
        QObject::connect(check, &QCheckBox::clicked, parent, [used] { used(kEventChangeStyle); });
    }
    QObject::connect(m_horizontal, &QCheckBox::clicked, parent,
                     [used] { used(kEventChangeHalfWidth); });
    QObject::connect(m_day, &QButtonGroup::idClicked, parent, std::move(dayChosen));
    for (QAbstractButton* button : m_day->buttons() + m_row->buttons()) {
        button->setEnabled(!bulk);
    }
}

void EventAttrControls::AddTo(QGridLayout* grid) const {
    QWidget* rows[] = {
        RowOf(m_parent, "書式", m_form),
        RowOf(m_parent, "サイズ", m_size),
        Row(m_parent, "属性", {m_frame, m_outline, m_bold, m_vertical}),
        Row(m_parent, "色", {m_color}),
        Row(m_parent, "半角文字", {m_horizontal}),
    };
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(m_changes[static_cast<std::size_t>(i)], i, 0, Qt::AlignTop);
        grid->addWidget(rows[i], i, 1);
    }
    grid->addWidget(RowOf(m_parent, "日合わせ", m_day), 5, 1);
    grid->addWidget(RowOf(m_parent, "行合わせ", m_row), 6, 1);
}

void EventAttrControls::Show(const EventAttrFields& f) {
    m_form->button(f.form)->setChecked(true);
    m_size->button(f.size)->setChecked(true);
    m_frame->setChecked(f.frame);
    m_outline->setChecked(f.outline);
    m_bold->setChecked(f.bold);
    m_vertical->setChecked(f.vertical);
    m_custom = f.customColor;
    m_color->setCurrentIndex(f.color);
    m_horizontal->setChecked(f.horizontal);
    m_day->button(f.dayAlign)->setChecked(true);
    m_row->button(f.rowCentre ? 1 : 0)->setChecked(true);
}

void EventAttrControls::Take(EventAttrFields& f) const {
    f.form = m_form->checkedId();
    f.size = m_size->checkedId();
    f.frame = m_frame->isChecked();
    f.outline = m_outline->isChecked();
    f.bold = m_bold->isChecked();
    f.vertical = m_vertical->isChecked();
    f.color = m_color->currentIndex();
    f.customColor = m_custom;
    f.horizontal = m_horizontal->isChecked();
    f.dayAlign = m_day->checkedId();
    f.rowCentre = m_row->checkedId() == 1;
}

unsigned EventAttrControls::Changes() const {
    unsigned changes = 0;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        if (m_changes[i]->isChecked()) {
            changes |= kGroups[i].bit;
        }
    }
    return changes;
}

void EventAttrControls::TickAll() {
    for (QCheckBox* check : m_changes) {
        check->setChecked(true);
    }
}

void EventAttrControls::Tick(unsigned change) {
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        if (kGroups[i].bit == change) {
            m_changes[i]->setChecked(true);
        }
    }
}

std::vector<QWidget*> EventAttrControls::Controls() const {
    std::vector<QWidget*> controls;
    for (const QButtonGroup* group : {m_form, m_size, m_day, m_row}) {
        for (QAbstractButton* button : group->buttons()) {
            controls.push_back(button);
        }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{m_frame, m_outline, m_bold, m_vertical,
                                                      m_color, m_horizontal}) {
        controls.push_back(w);
    }
    for (QCheckBox* check : m_changes) {
        controls.push_back(check);
    }
    return controls;
}

} // namespace tembra
