#include "dialogs/settings/ShinAttrPanel.h"

#include "dialogs/attributes/AttrDialogControls.h"
#include "dialogs/settings/AttrColorCombo.h"
#include "dialogs/settings/AttrSample.h"
#include "dialogs/settings/core/AttrComboTables.h"
#include "platform/qt/DialogParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tembra {

namespace {

QRadioButton* Radio(QWidget* parent, int id, const char* text, QButtonGroup* group) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), parent);
    radio->setObjectName(IdName(id));
    group->addButton(radio);
    return radio;
}

} // namespace

CShinAttrPanel::CShinAttrPanel(QWidget* parent, WidthSource widths)
    : QWidget(parent), m_widthSource(std::move(widths)) {
    auto* line = new QGroupBox(QString::fromUtf8("線属性"), this);
    auto* lineForm = new QFormLayout(line);
    m_type = MakeCodeCombo(line, IDC_TYPE, ShinLineTypeTable());
    m_width = MakeCodeCombo(line, IDC_WIDTH, LineWidthTable());
    m_color = new CAttrColorCombo(line, IDC_COLOR, [this] {
        m_fields.color = m_color->Choice();
        Changed(kColor);
    });
    lineForm->addRow(QString::fromUtf8("線種"), m_type);
    lineForm->addRow(QString::fromUtf8("線幅"), m_width);
    lineForm->addRow(QString::fromUtf8("線色"), m_color);
    m_sample = new CAttrSample(line, IDC_SAMPLE);
    lineForm->addRow(m_sample);

    auto* join = new QGroupBox(QString::fromUtf8("頂点結線設定"), this);
    auto* joinGrid = new QGridLayout(join);
    auto* joinGroup = new QButtonGroup(this);
    m_unjoined = Radio(join, IDC_UNJOINED, "頂点を結ばない", joinGroup);
    m_joined = Radio(join, IDC_JOINED, "頂点を結ぶ", joinGroup);
    m_interval = MakeCodeCombo(join, IDC_INTERVAL, JoinIntervalTable());
    joinGrid->addWidget(m_unjoined, 0, 0, 1, 3);
    joinGrid->addWidget(m_joined, 1, 0, 1, 3);
    joinGrid->addWidget(new QLabel(QString::fromUtf8("間隔"), join), 2, 0);
    joinGrid->addWidget(m_interval, 2, 1);
    joinGrid->addWidget(new QLabel(QString::fromUtf8("までの頂点を結ぶ"), join), 2, 2);

    auto* dates = new QGroupBox(QString::fromUtf8("頂点日付設定"), this);
    auto* datesForm = new QFormLayout(dates);
    auto* datesGroup = new QButtonGroup(this);
    m_noDates = Radio(dates, IDC_NODATES, "日付を表示しない", datesGroup);
    m_dates = Radio(dates, IDC_DATES, "日付を表示する", datesGroup);
    m_dateColor = new CAttrColorCombo(dates, IDC_DATECOLOR, [this] {
        m_fields.dateColor = m_dateColor->Choice();
        Changed(kDates);
    });
    m_format = MakeCodeCombo(dates, IDC_FORMAT, ShinDateFormatTable());
    datesForm->addRow(m_noDates);
    datesForm->addRow(m_dates);
    datesForm->addRow(QString::fromUtf8("日付色"), m_dateColor);
    datesForm->addRow(QString::fromUtf8("日付表示形式"), m_format);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(line);
    layout->addWidget(join);
    layout->addWidget(dates);

    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_fields.type = CodeAtPosition(ShinLineTypeTable(), index);
        Changed(kType);
    });
    connect(m_width, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_fields.width = index;
        Changed(kWidth);
    });
    for (QRadioButton* radio : {m_unjoined, m_joined}) {
        connect(radio, &QRadioButton::clicked, this, [this] {
            m_fields.joined = m_joined->isChecked();
            FollowJoinRadio();
            Changed(kJoin);
        });
    }
    connect(m_interval, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_fields.interval = index;
        Changed(kJoin);
    });
    for (QRadioButton* radio : {m_noDates, m_dates}) {
        connect(radio, &QRadioButton::clicked, this, [this] {
            m_fields.dates = m_dates->isChecked();
            Changed(kDates);
        });
    }
    connect(m_format, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_fields.SelectFormat(index);
        Changed(kDates);
    });
}

void CShinAttrPanel::Load(const ShinAttrFields& fields) {
    m_fields = fields;
    {
        const QSignalBlocker quietType(m_type);
        const QSignalBlocker quietWidth(m_width);
        const QSignalBlocker quietInterval(m_interval);
        const QSignalBlocker quietFormat(m_format);
        m_type->setCurrentIndex(PositionOfCode(ShinLineTypeTable(), fields.type));
        m_width->setCurrentIndex(fields.width);
        m_interval->setCurrentIndex(fields.interval);
        // A stored format that is none of the entries leaves the list without a selection.
        m_format->setCurrentIndex(fields.format);
    }
    m_color->Load(fields.color);
    m_dateColor->Load(fields.dateColor);
    (fields.joined ? m_joined : m_unjoined)->setChecked(true);
    (fields.dates ? m_dates : m_noDates)->setChecked(true);
    FollowJoinRadio();
    RefreshSample();
}

void CShinAttrPanel::FollowJoinRadio() {
    m_interval->setEnabled(m_joined->isChecked());
}

void CShinAttrPanel::RefreshSample() {
    const std::array<WORD, 3> widths = m_widthSource ? m_widthSource() : m_fields.widths;
    const int code = m_fields.width >= 0 && m_fields.width < 3 ? m_fields.width : 0;
    AttrSampleLook look;
    look.type = m_fields.type;
    look.width = SampleWidthPixels(widths[static_cast<std::size_t>(code)]);
    look.color = m_fields.color.Color();
    m_sample->Show(look);
}

void CShinAttrPanel::Changed(Group group) {
    RefreshSample();
    if (changed) {
        changed(group);
    }
}

} // namespace tembra
