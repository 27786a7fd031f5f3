#include "shapes/ui/ZukeiEditCtrl.h"

#include "platform/Sjis.h"
#include "platform/TypedText.h"
#include "platform/qt/QtDC.h"
#include "shapes/ZukeiEditWnd.h"
#include "shapes/ui/ZukeiEditHostWidget.h"

#include <QApplication>
#include <QColor>
#include <QFocusEvent>
#include <QFont>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <QTextOption>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace tembra {

namespace {

Qt::Alignment AlignmentOf(DWORD style) {
    switch (style & ES_ALIGN_MASK) {
    case ES_CENTER:
        return Qt::AlignHCenter;
    case ES_RIGHT:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// CP932 with CR LF between paragraphs <-> Qt's text with LF between them.
QString ToQString(std::string_view cp932) {
    QString text = QString::fromStdString(Sjis::ToUtf8(cp932));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string FromQString(QString text) {
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return Sjis::FromUtf8(text.toStdString());
}

} // namespace

CZukeiEditCtrl::CZukeiEditCtrl(IZukeiEditHostWidget& host, DWORD style)
    : QPlainTextEdit(host.GetEditParent()), m_host(&host), m_style(style) {
    // Lines break between any two characters, as in the frame, and the alignment is the text's.
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(AlignmentOf(style));
    option.setWrapMode(QTextOption::WrapAnywhere);
    document()->setDefaultTextOption(option);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    SetTextColor(0);
    setGeometry(0, 0, 0, 0);
}

CZukeiEditCtrl::~CZukeiEditCtrl() {
    // Losing the focus while going away ends no edit.
    m_host = nullptr;
    if (m_onDestroyed) {
        m_onDestroyed(GetTextCp932());
    }
}

std::string CZukeiEditCtrl::GetTextCp932() const {
    return FromQString(toPlainText());
}

void CZukeiEditCtrl::SetTextCp932(std::string_view text) {
    setPlainText(ToQString(text));
}

void CZukeiEditCtrl::SetPointFont(const LOGFONT& pointFont) {
    InstallFontSubstitutions();
    QFont font(QString::fromStdString(Sjis::ToUtf8(pointFont.FaceName())));
    const double points = std::abs(pointFont.lfHeight) / 10.0;
    if (points > 0.0) {
        font.setPointSizeF(points);
    }
    font.setBold(pointFont.lfWeight >= FW_BOLD);
    font.setItalic(pointFont.lfItalic != 0);
    font.setUnderline(pointFont.lfUnderline != 0);
    font.setStrikeOut(pointFont.lfStrikeOut != 0);
    setFont(font);
}

void CZukeiEditCtrl::SetTextColor(COLORREF color) {
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Text, ToQColor(color));
        colours.setColor(group, QPalette::Base, Qt::white);
    }
    colours.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    setPalette(colours);
}

bool CZukeiEditCtrl::Refuses(const QString& text) {
    if (text.isEmpty() || FindUnstorable(text.toStdString()).empty()) {
        return false;
    }
    m_refusing = true;
    RefuseUnstorable(text.toStdString());
    m_refusing = false;
    setFocus(Qt::OtherFocusReason);
    return true;
}

void CZukeiEditCtrl::keyPressEvent(QKeyEvent* event) {
    if (Refuses(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CZukeiEditCtrl::inputMethodEvent(QInputMethodEvent* event) {
    if (Refuses(event->commitString())) {
        // The composition ends without its text.
        QInputMethodEvent none;
        QPlainTextEdit::inputMethodEvent(&none);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CZukeiEditCtrl::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText() && Refuses(source->text())) {
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void CZukeiEditCtrl::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (m_refusing) {
        return;
    }
    // Only when the focus went to another widget of the program, and only while the edit runs.
    QWidget* now = QApplication::focusWidget();
    if (m_host != nullptr && isEnabled() && now != nullptr && now != this) {
        m_host->EndStringEdit();
    }
}

namespace {

// What the text shape owns: the widget while it lives (its parent may delete it first), and the
// text it held when it went.
class QtEditWnd final : public CZukeiEditWnd {
public:
    QtEditWnd(IZukeiEditHostWidget& host, DWORD style)
        : m_ctrl(new CZukeiEditCtrl(host, style)), m_style(style) {
        m_ctrl->OnDestroyed([this](std::string text) { m_lastText = std::move(text); });
    }
    ~QtEditWnd() override {
        if (m_ctrl != nullptr) {
            m_ctrl->OnDestroyed(nullptr);
            delete m_ctrl.data();
        }
    }
    QtEditWnd(const QtEditWnd&) = delete;
    QtEditWnd& operator=(const QtEditWnd&) = delete;

    DWORD GetStyle() const override { return m_style; }
    IZukeiEditHost* GetParent() const override {
        return m_ctrl != nullptr ? m_ctrl->GetHost() : nullptr;
    }
    std::string GetWindowText() const override {
        return m_ctrl != nullptr ? m_ctrl->GetTextCp932() : m_lastText;
    }
    void SetWindowText(std::string_view text) override {
        if (m_ctrl != nullptr) {
            m_ctrl->SetTextCp932(text);
        } else {
            m_lastText = text;
        }
    }
    void SetEditFont(const LOGFONT& font) override {
        if (m_ctrl != nullptr) {
            m_ctrl->SetPointFont(font);
        }
    }
    void SetTextColor(COLORREF color) override {
        if (m_ctrl != nullptr) {
            m_ctrl->SetTextColor(color);
        }
    }
    void MoveWindow(const CRect& device) override {
        if (m_ctrl != nullptr) {
            CRect rect = device;
            rect.NormalizeRect();
            m_ctrl->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
        }
    }
    void EnableWindow(bool enable) override {
        if (m_ctrl != nullptr) {
            m_ctrl->setEnabled(enable);
        }
    }
    bool IsWindowEnabled() const override { return m_ctrl != nullptr && m_ctrl->isEnabled(); }
    void ShowWindow(bool show) override {
        if (m_ctrl != nullptr) {
            m_ctrl->setVisible(show);
        }
    }
    bool IsWindowVisible() const override { return m_ctrl != nullptr && m_ctrl->isVisible(); }
    void SetFocus() override {
        if (m_ctrl != nullptr) {
            m_ctrl->setFocus(Qt::OtherFocusReason);
        }
    }

private:
    QPointer<CZukeiEditCtrl> m_ctrl;
    DWORD m_style;
    std::string m_lastText;
};

} // namespace

void InstallZukeiEditWndFactory() {
    SetZukeiEditWndFactory(
        [](IZukeiEditHost& parent, DWORD style) -> std::unique_ptr<CZukeiEditWnd> {
            auto* host = dynamic_cast<IZukeiEditHostWidget*>(&parent);
            if (host == nullptr || host->GetEditParent() == nullptr) {
                return nullptr;
            }
            return std::make_unique<QtEditWnd>(*host, style);
        });
}

} // namespace tembra
