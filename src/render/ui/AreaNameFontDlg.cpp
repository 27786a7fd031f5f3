#include "render/ui/AreaNameFontDlg.h"

#include "model/Utility.h"
#include "platform/ColorRequest.h"
#include "platform/Ui.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"
#include "platform/qt/QtFontCatalog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cstring>

namespace tembra {

namespace {

// The sizes offered in the size box, in 0.1 mm; any other may be typed.
constexpr int kSizes[] = {20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 100, 120};
constexpr const char* kColorNames[] = {"黒", "赤", "緑", "紫", "水色", "黄色", "その他"};
// Vertical faces are listed by the desktop under their face name with a leading "@".
constexpr char kVerticalMark = '@';
// The sample shows the size in 0.1 mm at this many pixels per 0.1 mm.
constexpr double kSamplePixelsPerUnit = 0.4;

} // namespace

CAreaNameFontDlg::CAreaNameFontDlg(const AreaNameFontValues& values, QWidget* parent)
    : QDialog(parent), m_values(values) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("欄名称文字設定"));

    m_faceList = new QListWidget(this);
    m_faceList->setObjectName(IdName(IDC_FACES));
    for (const std::string& face : CQtFontCatalog().FaceNames()) {
        if (!face.empty() && face.front() != kVerticalMark) {
            m_faces.push_back(face);
            m_faceList->addItem(FromCp932(face));
        }
    }
    m_size = new QComboBox(this);
    m_size->setObjectName(IdName(IDC_SIZE));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : kSizes) {
        m_size->addItem(QString::number(size));
    }
    m_sample = new QLabel(QString::fromUtf8("あいうえおAaBbYyZz"), this);
    m_sample->setObjectName(IdName(IDC_SAMPLE));
    m_sample->setMinimumHeight(48);
    m_baseFont = new QCheckBox(QString::fromUtf8("基準フォント優先"), this);
    m_baseFont->setObjectName(IdName(IDC_BASE_FONT));
    m_bold = new QCheckBox(QString::fromUtf8("強調"), this);
    m_bold->setObjectName(IdName(IDC_BOLD));
    m_color = new QComboBox(this);
    m_color->setObjectName(IdName(IDC_COLOR));
    for (const char* name : kColorNames) {
        m_color->addItem(QString::fromUtf8(name));
    }

    auto* alignBox = new QGroupBox(this);
    auto* alignLayout = new QGridLayout(alignBox);
    auto* alignGroup = new QButtonGroup(this);
    auto* verticalGroup = new QButtonGroup(this);
    const std::array<std::pair<int, const char*>, 3> aligns = {
        {{IDC_LEFT, "左寄せ"}, {IDC_CENTER, "中央寄"}, {IDC_RIGHT, "右寄せ"}}};
    const std::array<std::pair<int, const char*>, 3> verticals = {
        {{IDC_TOP, "上寄せ"}, {IDC_MIDDLE, "行中央"}, {IDC_BOTTOM, "下寄せ"}}};
    for (std::size_t i = 0; i < 3; ++i) {
        m_align[i] = new QRadioButton(QString::fromUtf8(aligns[i].second), alignBox);
        m_align[i]->setObjectName(IdName(aligns[i].first));
        alignGroup->addButton(m_align[i], static_cast<int>(i));
        alignLayout->addWidget(m_align[i], 0, static_cast<int>(i));
        m_vertical[i] = new QRadioButton(QString::fromUtf8(verticals[i].second), alignBox);
        m_vertical[i]->setObjectName(IdName(verticals[i].first));
        verticalGroup->addButton(m_vertical[i], static_cast<int>(i));
        alignLayout->addWidget(m_vertical[i], 1, static_cast<int>(i));
    }
    alignBox->setEnabled(AreaNameFontValues::AlignmentApplies(values.mode));

    // The start: the face in the list when it is there, the size, the checks and the colour.
    const std::string face(values.font.FaceName());
    for (std::size_t i = 0; i < m_faces.size(); ++i) {
        if (m_faces[i] == face) {
            m_faceList->setCurrentRow(static_cast<int>(i));
        }
    }
    m_size->setEditText(QString::number(values.size));
    m_baseFont->setChecked(values.baseFontFirst);
    m_bold->setChecked(values.bold);
    m_color->setCurrentIndex(values.colorIndex);
    if (values.align >= 0 && values.align < 3) {
        m_align[static_cast<std::size_t>(values.align)]->setChecked(true);
    }
    if (values.vertical >= 0 && values.vertical < 3) {
        m_vertical[static_cast<std::size_t>(values.vertical)]->setChecked(true);
    }

    connect(m_faceList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            // A face chosen is the cell's own font.
            m_baseFont->setChecked(false);
            UpdateSample();
        }
    });
    connect(m_size->lineEdit(), &QLineEdit::editingFinished, this, &CAreaNameFontDlg::TakeSize);
    connect(m_size, &QComboBox::activated, this, [this](int) { TakeSize(); });
    connect(m_color, &QComboBox::activated, this, &CAreaNameFontDlg::ColorChosen);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QString::fromUtf8("サイズ"), this));
    sizeRow->addWidget(m_size);
    sizeRow->addWidget(new QLabel(QString::fromUtf8("×0.1mm"), this));
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(QString::fromUtf8("色"), this));
    colorRow->addWidget(m_color);
    auto* side = new QVBoxLayout;
    side->addLayout(sizeRow);
    side->addWidget(m_baseFont);
    side->addWidget(m_bold);
    side->addLayout(colorRow);
    side->addStretch();
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QString::fromUtf8("フォント名"), this), 0, 0);
    top->addWidget(m_faceList, 1, 0);
    top->addLayout(side, 1, 1);
    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_faceList, m_size, m_baseFont, m_bold, m_color, m_align[0], m_align[1],
                  m_align[2], m_vertical[0], m_vertical[1], m_vertical[2]});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_sample);
    layout->addWidget(alignBox);
    layout->addWidget(MakeOkCancel(this, enter));
    UpdateSample();
}

CAreaNameFontDlg::~CAreaNameFontDlg() = default;

void CAreaNameFontDlg::TakeSize() {
    bool ok = false;
    const int size = m_size->currentText().trimmed().toInt(&ok);
    if (!ok || size < AreaNameFontValues::kMinSize) {
        m_size->setEditText(QString::number(m_values.size));
        return;
    }
    m_values.size = size;
    UpdateSample();
}

void CAreaNameFontDlg::ColorChosen(int index) {
    if (index != kOtherColorIndex) {
        m_values.colorIndex = index;
        return;
    }
    ColorRequest request;
    request.color = m_values.freeColor;
    if (Ui().RunDialog(request) == IDOK) {
        m_values.freeColor = request.color;
        m_values.colorIndex = index;
    } else {
        m_color->setCurrentIndex(m_values.colorIndex);
    }
}

void CAreaNameFontDlg::UpdateSample() {
    QFont sample = m_sample->font();
    const int row = m_faceList->currentRow();
    if (row >= 0) {
        sample.setFamily(FromCp932(m_faces[static_cast<std::size_t>(row)]));
    }
    sample.setPixelSize(std::max(1, static_cast<int>(m_values.size * kSamplePixelsPerUnit)));
    m_sample->setFont(sample);
}

void CAreaNameFontDlg::accept() {
    TakeSize();
    const int row = m_faceList->currentRow();
    if (row < 0) {
        // Without a face there is nothing to take: as 取消.
        reject();
        return;
    }
    LOGFONT font = m_values.font;
    const std::string& face = m_faces[static_cast<std::size_t>(row)];
    if (!CQtFontCatalog().FindFace(face, font)) {
        std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
        std::memcpy(font.lfFaceName, face.data(),
                    std::min(face.size(), sizeof font.lfFaceName - 1));
    }
    font.lfHeight = -m_values.size;
    font.lfWidth = m_values.size / 2;
    m_values.font = font;
    m_values.baseFontFirst = m_baseFont->isChecked();
    m_values.bold = m_bold->isChecked();
    for (std::size_t i = 0; i < 3; ++i) {
        if (m_align[i]->isChecked()) {
            m_values.align = static_cast<int>(i);
        }
        if (m_vertical[i]->isChecked()) {
            m_values.vertical = static_cast<int>(i);
        }
    }
    QDialog::accept();
}

} // namespace tembra
