#include "layout_editor/PaperFontBar.h"

#include "layout_editor/core/EditorTexts.h"
#include "layout_editor/core/LayoutFileData.h"
#include "layout_editor/core/MarquellDoc.h"
#include "layout_editor/core/MarquellView.h"
#include "layout_editor/core/TextValues.h"
#include "model/Utility.h"
#include "platform/FontCatalog.h"
#include "platform/NumberText.h"
#include "platform/Sjis.h"
#include "platform/qt/Cp932Text.h"

#include <QLineEdit>

namespace marquell {

namespace {

// The font of the boxes themselves: "ＭＳ 明朝", 14 pixels.
QFont BoxFont() {
    QFont font(QString::fromUtf8("ＭＳ 明朝"));
    font.setPixelSize(14);
    return font;
}

// The number a height text begins with.
int HeightOf(const QString& text) {
    return tembra::NumberText::AtoI(tembra::ToCp932(text));
}

// The box takes three digits while it holds a bare number, else the whole "%3d x0.1mm".
void LimitHeightText(QComboBox* box) {
    const QString text = box->currentText();
    const bool unit = text.contains(QLatin1Char('x')) || text.contains(QLatin1Char('.')) ||
                      text.contains(QLatin1Char('m'));
    box->lineEdit()->setMaxLength(unit ? 10 : 3);
}

// Shows a height text as it is (a limit that was set for typing would cut it).
void ShowHeightText(QComboBox* box, const std::string& text) {
    box->lineEdit()->setMaxLength(10);
    box->setEditText(QString::fromStdString(text));
    LimitHeightText(box);
}

} // namespace

CFontHeightBox::CFontHeightBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void CFontHeightBox::showPopup() {
    const QString number = QString::number(HeightOf(currentText()));
    const int index = findText(number);
    if (index >= 0) {
        setCurrentIndex(index);
    } else {
        const QString text = currentText();
        setCurrentIndex(-1);
        setEditText(text);
        lineEdit()->selectAll();
    }
    QComboBox::showPopup();
}

CPaperFontBar::CPaperFontBar(QWidget* parent)
    : QToolBar(parent), m_paper(new QComboBox(this)), m_font(new QComboBox(this)),
      m_height(new CFontHeightBox(this)) {
    setWindowTitle(QString::fromUtf8("用紙・フォントバー"));
    m_paper->setFixedWidth(kPaperWidth);
    m_font->setFixedWidth(kFontWidth);
    m_height->setFixedWidth(kHeightWidth);
    m_font->setMaxVisibleItems(8);
    m_height->setMaxVisibleItems(12);
    for (QComboBox* box : {m_paper, m_font, static_cast<QComboBox*>(m_height)}) {
        box->setFont(BoxFont());
    }
    // Places 0, 2 and 4 of five.
    addWidget(m_paper);
    addSeparator();
    addWidget(m_font);
    addSeparator();
    addWidget(m_height);
    connect(m_height, &QComboBox::editTextChanged, this, [this]() { LimitHeightText(m_height); });
}

const LOGFONT* CPaperFontBar::FontOf(int index) const {
    return index >= 0 && index < static_cast<int>(m_records.size())
               ? &m_records[static_cast<std::size_t>(index)]
               : nullptr;
}

void CPaperFontBar::Fill(const tembra::IFontCatalog& fonts) {
    m_paper->clear();
    for (int paper = 0; paper < CLayoutFileData::kPaperCount; ++paper) {
        m_paper->addItem(tembra::FromCp932(PaperListName(paper)));
    }
    m_font->clear();
    m_records.clear();
    for (const std::string& face : FontListNames(fonts)) {
        LOGFONT record;
        if (!fonts.FindFace(face, record)) {
            tembra::EnumFontFaces(record, face, 0, 0);
        }
        m_records.push_back(record);
        m_font->addItem(tembra::FromCp932(face));
    }
    ShowFace(tembra::Sjis::FromUtf8("ＭＳ 明朝"));
    m_height->clear();
    for (const std::string& height : FontHeightTexts()) {
        m_height->addItem(QString::fromStdString(height));
    }
    m_height->setCurrentIndex(-1);
    m_height->lineEdit()->setMaxLength(3);
}

void CPaperFontBar::ShowFace(const std::string& face) {
    int index = m_font->findText(tembra::FromCp932(face));
    if (index < 0 && !face.empty()) {
        // A face the machine has no font for is still the one the layout stores: the box shows
        // it (drawn with whatever the font catalogue maps it to), never another face.
        LOGFONT record;
        tembra::EnumFontFaces(record, face, 0, 0);
        m_records.insert(m_records.begin(), record);
        m_font->insertItem(0, tembra::FromCp932(face));
        index = 0;
    }
    if (index >= 0 && index != m_font->currentIndex()) {
        m_font->setCurrentIndex(index);
    }
    m_shownFace = face;
}

void CPaperFontBar::Connect(CMarquellView& view) {
    connect(m_paper, &QComboBox::activated, this,
            [&view](int index) { view.OnPaperSelected(index); });
    connect(m_font, &QComboBox::activated, this, [this, &view](int index) {
        if (const LOGFONT* record = FontOf(index)) {
            view.OnFontNameSelected(*record);
        }
    });
    connect(m_height, &QComboBox::activated, this, [this, &view](int index) {
        const QString text = m_height->itemText(index);
        view.OnFontHeightChosen(tembra::ToCp932(text));
        ShowHeightText(m_height, FormatHeightText(HeightOf(text)));
    });
    connect(m_height->lineEdit(), &QLineEdit::textEdited, this,
            [&view](const QString& text) { view.OnFontHeightChosen(tembra::ToCp932(text)); });
}

void CPaperFontBar::UpdateFromView(const CMarquellView& view, bool temporaryEdit) {
    m_paper->setEnabled(!temporaryEdit);
    const int paper = view.GetDoc().GetLayout().GetCurrentPaperIndex();
    if (m_paper->currentIndex() != paper) {
        m_paper->setCurrentIndex(paper);
    }
    const std::string face = view.GetBarFaceName();
    if (face != m_shownFace) {
        ShowFace(face);
    }
    if (!m_height->lineEdit()->hasFocus()) {
        const int height = view.GetBarHeight();
        if (HeightOf(m_height->currentText()) != height ||
            !m_height->currentText().contains(QLatin1Char('m'))) {
            ShowHeightText(m_height, FormatHeightText(height));
        }
    }
}

void CPaperFontBar::SyncView(CMarquellView& view) {
    const int index = m_font->findText(tembra::FromCp932(view.GetFaceName()));
    if (index >= 0) {
        m_font->setCurrentIndex(index);
        m_shownFace = view.GetFaceName();
        view.OnFontNameSelected(m_records[static_cast<std::size_t>(index)]);
    }
    m_paper->setCurrentIndex(view.GetDoc().GetLayout().GetCurrentPaperIndex());
    ShowHeightText(m_height, FormatHeightText(view.GetBarHeight()));
}

void CPaperFontBar::NormalizeHeight(const CMarquellView& view) {
    const QString text = m_height->currentText();
    if (text.contains(QLatin1Char('m'))) {
        return;
    }
    int height = HeightOf(text);
    if (height < 1) {
        height = tembra::NumberText::AtoI(view.GetHeightText());
    }
    ShowHeightText(m_height, FormatHeightText(height));
}

} // namespace marquell
