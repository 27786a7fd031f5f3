#include "dialogs/attributes/FontSelDlg.h"

#include "dialogs/attributes/FontSampleButton.h"
#include "dialogs/attributes/core/FontChoice.h"
#include "platform/FontCatalog.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"
#include "platform/qt/EnterMovesFocus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tembra {

CFontSelDlg::CFontSelDlg(LOGFONT* record, QWidget* parent) : QDialog(parent), m_record(record) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8("フォント選択"));

    m_faceList = new QListWidget(this);
    m_faceList->setObjectName(IdName(IDC_FACE_LIST));
    m_size = new QComboBox(this);
    m_size->setObjectName(IdName(IDC_SIZE));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& height : FontSelHeightTexts()) {
        m_size->addItem(QString::fromStdString(height));
    }
    m_sample = new CFontSampleButton(QString::fromUtf8("あいうえおAaBbYyZz"), this);
    m_sample->setObjectName(IdName(IDC_SAMPLE));
    m_sample->setMinimumSize(320, 90);
    m_baseFont = new QCheckBox(QString::fromUtf8("基準フォント優先"), this);
    m_baseFont->setObjectName(IdName(IDC_BASE_FONT));

    auto* enter = new CEnterMovesFocus(this);
    enter->Watch({m_faceList, m_size, m_baseFont});

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("書体"), this), 0, 0);
    grid->addWidget(m_faceList, 1, 0, 2, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("文字高さ(×0.1mm)"), this), 0, 1);
    grid->addWidget(m_size, 1, 1, Qt::AlignTop);
    grid->addWidget(MakeOkCancel(this, enter, Qt::Vertical), 1, 2, 2, 1, Qt::AlignTop);
    grid->addWidget(m_sample, 3, 0, 1, 3);
    grid->addWidget(m_baseFont, 4, 0, 1, 3);

    connect(m_faceList, &QListWidget::currentRowChanged, this, [this](int) {
        RefreshSample();
        ClearBaseFontCheck();
    });
    connect(m_size, &QComboBox::activated, this, [this](int index) {
        if (const auto height = ReadFontHeight(m_size->itemText(index).toStdString())) {
            m_height = *height;
        }
        RefreshSample();
        ClearBaseFontCheck();
    });
    connect(m_size->lineEdit(), &QLineEdit::textEdited, this, &CFontSelDlg::OnHeightTyped);
}

CFontSelDlg::~CFontSelDlg() = default;

void CFontSelDlg::showEvent(QShowEvent* event) {
    if (!m_initialised) {
        m_initialised = true;
        Initialise();
    }
    QDialog::showEvent(event);
}

void CFontSelDlg::Initialise() {
    if (m_record == nullptr) {
        m_baseFont->setVisible(false);
        m_size->setCurrentIndex(-1);
        m_size->setEditText(QString());
        return;
    }
    m_baseFont->setVisible(m_baseFontCheck != -1);
    m_baseFont->setChecked(m_baseFontCheck == 1);
    m_size->setEnabled(!m_sizeLock);

    const QSignalBlocker blockList(m_faceList);
    m_faceList->clear();
    m_faces.clear();
    std::vector<std::string> listed;
    const IFontCatalog& catalog = FontCatalog();
    for (const std::string& face : ListedFaceNames(catalog)) {
        LOGFONT font;
        // Only the faces the catalogue can describe as scalable fonts.
        if (!catalog.FindFace(face, font)) {
            continue;
        }
        m_faces.push_back(font);
        listed.push_back(face);
        m_faceList->addItem(FromCp932(face));
    }
    m_faceList->setCurrentRow(FindListedFace(listed, m_record->FaceName()));

    m_height = FontHeightOf(*m_record);
    const QSignalBlocker blockSize(m_size);
    m_size->setEditText(QString::number(m_height));
    RefreshSample();
}

void CFontSelDlg::RefreshSample() {
    const int row = m_faceList->currentRow();
    if (row < 0 || row >= static_cast<int>(m_faces.size())) {
        return;
    }
    m_sample->SetSampleFont(FontOfChoice(m_faces[static_cast<std::size_t>(row)], m_height));
}

void CFontSelDlg::ClearBaseFontCheck() {
    if (m_baseFontCheck != -1 && m_baseFont->isChecked()) {
        m_baseFontCheck = 0;
        m_baseFont->setChecked(false);
    }
}

void CFontSelDlg::OnHeightTyped(const QString& text) {
    if (const auto height = ReadFontHeight(text.toStdString())) {
        m_height = *height;
        RefreshSample();
        return;
    }
    m_size->setEditText(QString::number(m_height));
}

void CFontSelDlg::accept() {
    if (m_baseFontCheck != -1) {
        m_baseFontCheck = m_baseFont->isChecked() ? 1 : 0;
    }
    const int row = m_faceList->currentRow();
    if (m_record == nullptr || row < 0 || row >= static_cast<int>(m_faces.size())) {
        QDialog::reject();
        return;
    }
    *m_record = FontOfChoice(m_faces[static_cast<std::size_t>(row)], m_height);
    QDialog::accept();
}

} // namespace tembra
