#include "dialogs/settings/YogoListDlg.h"

#include "platform/Profile.h"
#include "platform/qt/Cp932Text.h"
#include "platform/qt/DialogParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>

namespace tembra {

namespace {

constexpr const char* kSection = "Settings";
// The width of a column's list, in average characters.
constexpr int kListChars = 18;

// The button pad, column by column (five rows each); "BS" ends the sound-mark column and the
// digits end the pad with "0" in its last column.
constexpr const char* kPadColumns[] = {
    "ｱｲｳｴｵ", "ｶｷｸｹｺ", "ｻｼｽｾｿ", "ﾀﾁﾂﾃﾄ", "ﾅﾆﾇﾈﾉ", "ﾊﾋﾌﾍﾎ", "ﾏﾐﾑﾒﾓ", "ﾔﾕﾖ", "ﾗﾘﾙﾚﾛ", "ﾜｦﾝ",   "ｧｨｩｪｫ",
    "ｬｭｮｯ",  "ﾞﾟｰ",   "ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY", "Z",   "12345", "67890",
};

QComboBox* DropList(int id, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(IdName(id));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
    return box;
}

void Fill(QComboBox* box, const std::vector<std::string>& entries, int selected) {
    const QSignalBlocker blocker(box);
    box->clear();
    for (const std::string& entry : entries) {
        box->addItem(FromCp932(entry));
    }
    box->setCurrentIndex(selected);
}

} // namespace

CYogoListDlg::CYogoListDlg(std::filesystem::path file,
                           std::function<void(int, const std::string&)> send, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_model(std::move(file)), m_send(std::move(send)) {
    setObjectName(IdName(IDD));
    setWindowTitle(QString::fromUtf8(kCaption));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_content = new QWidget(this);
    m_pattern = DropList(IDC_PATTERN, m_content);
    m_group = DropList(IDC_GROUP, m_content);
    m_reading = new QLineEdit(m_content);
    m_reading->setObjectName(IdName(IDC_READING));
    auto* radios = new QButtonGroup(this);
    auto* columns = new QGridLayout;
    for (int c = 0; c < CYogoListModel::kColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        m_keys[i] = DropList(IDC_KEY1 + c, m_content);
        m_lists[i] = new QListWidget(m_content);
        m_lists[i]->setObjectName(IdName(IDC_LIST1 + c));
        m_lists[i]->viewport()->installEventFilter(this);
        // The lists keep their widths; only their height follows the window's.
        m_lists[i]->setFixedWidth(fontMetrics().averageCharWidth() * kListChars);
        m_keys[i]->setFixedWidth(m_lists[i]->width());
        m_radios[i] = new QRadioButton(QString("%1.").arg(c + 1), m_content);
        m_radios[i]->setObjectName(IdName(IDC_COLUMN1 + c));
        radios->addButton(m_radios[i], c);
        columns->addWidget(m_keys[i], 0, c);
        columns->addWidget(m_lists[i], 1, c);
        connect(m_keys[i], &QComboBox::currentIndexChanged, this, [this, c](int k) {
            if (!m_loading) {
                m_model.ChooseKey(c, k);
                ShowReading();
                ShowList(c);
            }
        });
        connect(m_lists[i], &QListWidget::itemSelectionChanged, this, [this] {
            if (!m_loading) {
                Join();
            }
        });
    }
    // The lists stand side by side from the left; what the top row is wider goes after them.
    columns->setColumnStretch(CYogoListModel::kColumns, 1);
    m_radios[0]->setChecked(true);
    connect(radios, &QButtonGroup::idClicked, this, [this](int c) { OnReadingColumn(c); });
    connect(m_pattern, &QComboBox::currentIndexChanged, this, [this](int p) {
        if (!m_loading) {
            m_model.ChoosePattern(p);
            ShowBoxes();
        }
    });
    connect(m_group, &QComboBox::currentIndexChanged, this, [this](int g) {
        if (!m_loading) {
            m_model.ChooseGroup(g);
            ShowBoxes();
        }
    });
    connect(m_reading, &QLineEdit::textChanged, this, &CYogoListDlg::OnReadingEdited);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QString::fromUtf8("パターン"), m_content));
    top->addWidget(m_pattern);
    top->addWidget(new QLabel(QString::fromUtf8("グループ"), m_content));
    top->addWidget(m_group);
    top->addWidget(new QLabel(QString::fromUtf8("読み"), m_content));
    top->addWidget(m_reading);
    for (QRadioButton* radio : m_radios) {
        top->addWidget(radio);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(columns, 1);
    auto* whole = new QHBoxLayout(m_content);
    const QSize margin = Margin();
    whole->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    whole->addLayout(left, 1);
    QWidget* pad = BuildPad();
    whole->addWidget(pad, 0, Qt::AlignTop);
    // Laid out now, so that the snapping widths are known before the window is first shown.
    m_content->resize(m_content->sizeHint());
    whole->activate();
    pad->layout()->activate();
    resize(m_content->size());
}

CYogoListDlg::~CYogoListDlg() {
    SavePosition();
}

QWidget* CYogoListDlg::BuildPad() {
    auto* pad = new QWidget(m_content);
    auto* grid = new QGridLayout(pad);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    const int side = fontMetrics().height() + 6;
    auto makeButton = [&](const QString& caption, int row, int column) {
        auto* button = new QPushButton(caption, pad);
        button->setFixedSize(side, side);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        grid->addWidget(button, row, column);
        return button;
    };
    int column = 0;
    for (const char* captions : kPadColumns) {
        const QString text = QString::fromUtf8(captions);
        for (int row = 0; row < text.size(); ++row) {
            const QString caption = text.mid(row, 1);
            QPushButton* button = makeButton(caption, row, column);
            // The button types its character into the reading.
            connect(button, &QPushButton::clicked, this, [this, caption] {
                m_reading->insert(caption);
                m_reading->setFocus(Qt::OtherFocusReason);
            });
            if (caption == QString::fromUtf8("ｵ")) {
                m_kanaO = button;
            } else if (caption == "0") {
                m_digit0 = button;
            }
        }
        if (text == QString::fromUtf8("ﾞﾟｰ")) {
            QPushButton* backspace = makeButton("BS", 4, column);
            backspace->setObjectName(IdName(IDC_BACKSPACE));
            connect(backspace, &QPushButton::clicked, this, [this] {
                m_reading->backspace();
                m_reading->setFocus(Qt::OtherFocusReason);
            });
        }
        ++column;
    }
    return pad;
}

QSize CYogoListDlg::Margin() const {
    const QFontMetrics metrics = fontMetrics();
    // A dialog unit is a quarter of the average character width across, an eighth of the
    // character height down.
    return QSize(metrics.averageCharWidth(), metrics.height() / 2);
}

void CYogoListDlg::Open() {
    const std::string stored = GetProfileString(kSection, kPositionKey);
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int shown = 0;
    if (std::sscanf(stored.c_str(), "%d,%d,%d,%d,%d", &left, &top, &width, &height, &shown) == 5) {
        move(left, top);
        resize(width, height);
    } else {
        const QWidget* owner = parentWidget();
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = owner != nullptr    ? owner->frameGeometry()
                           : screen != nullptr ? screen->availableGeometry()
                                               : QRect(0, 0, 800, 600);
        move(area.center() - rect().center());
    }
    m_loading = true;
    m_model.LoadPattern(0);
    m_loading = false;
    ShowBoxes();
}

void CYogoListDlg::SavePosition() const {
    const QRect frame = frameGeometry();
    char text[80];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d,%d", frame.left(), frame.top(), frame.width(),
                  frame.height(), isVisible() ? 1 : 0);
    WriteProfileString(kSection, kPositionKey, text);
}

void CYogoListDlg::ShowBoxes() {
    m_loading = true;
    Fill(m_pattern, m_model.Patterns(), m_model.Pattern());
    Fill(m_group, m_model.Groups(), m_model.Group());
    for (int c = 0; c < CYogoListModel::kColumns; ++c) {
        Fill(m_keys[static_cast<std::size_t>(c)], m_model.Keys(c), m_model.Key(c));
    }
    m_loading = false;
    ShowReading();
    for (int c = 0; c < CYogoListModel::kColumns; ++c) {
        ShowList(c);
    }
}

void CYogoListDlg::ShowList(int column) {
    QListWidget* list = m_lists[static_cast<std::size_t>(column)];
    m_loading = true;
    list->setUpdatesEnabled(false);
    list->clear();
    for (const std::string& word : m_model.Words(column)) {
        list->addItem(FromCp932(word));
    }
    list->setUpdatesEnabled(true);
    m_loading = false;
    Join();
}

void CYogoListDlg::ShowReading() {
    const QString reading = FromCp932(m_model.Reading(m_column));
    if (m_reading->text() != reading) {
        m_ignoreReading = true;
        m_reading->setText(reading);
        m_ignoreReading = false;
    }
}

void CYogoListDlg::OnReadingColumn(int column) {
    if (column != m_column) {
        m_column = column;
        ShowReading();
    }
    m_reading->selectAll();
    m_reading->setFocus(Qt::OtherFocusReason);
}

void CYogoListDlg::OnReadingEdited(const QString& text) {
    if (m_ignoreReading) {
        return;
    }
    m_model.SetReading(m_column, ToCp932(text));
    ShowList(m_column);
}

void CYogoListDlg::Join() {
    std::array<std::string, CYogoListModel::kColumns> picks;
    for (std::size_t c = 0; c < picks.size(); ++c) {
        const QList<QListWidgetItem*> selected = m_lists[c]->selectedItems();
        if (!selected.isEmpty()) {
            picks[c] = ToCp932(selected.front()->text());
        }
    }
    const std::string joined = JoinYogo(picks);
    if (joined.empty()) {
        setWindowTitle(QString::fromUtf8(kCaption));
        return;
    }
    setWindowTitle(FromCp932(joined));
    if (m_send) {
        m_send(0, joined);
    }
}

bool CYogoListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        for (QListWidget* list : m_lists) {
            if (watched == list->viewport()) {
                // A right click takes the column's word out of the joined text.
                list->setFocus(Qt::MouseFocusReason);
                list->clearSelection();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CYogoListDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_resizing || isMinimized() || isMaximized() || m_kanaO == nullptr || m_digit0 == nullptr ||
        m_lists.back()->width() <= 0) {
        return;
    }
    const QSize margin = Margin();
    const QWidget* fourth = m_lists.back();
    const QRect list(fourth->mapTo(this, QPoint(0, 0)), fourth->size());
    const int listRight = list.right() + 1;
    const int oRight = m_kanaO->mapTo(this, QPoint(m_kanaO->width(), 0)).x();
    const int zeroRight = m_digit0->mapTo(this, QPoint(m_digit0->width(), 0)).x();
    int w = width();
    if (w <= listRight + margin.width()) {
        w = listRight + margin.width();
    } else if (w < zeroRight) {
        w = oRight + margin.width();
    } else {
        w = zeroRight + margin.width();
    }
    int h = height();
    if (h <= list.top()) {
        h = list.top() + fourth->minimumSizeHint().height() + margin.height();
    }
    // The content keeps the pad's width; the window shows as much of it as its width allows,
    // and the lists reach down to the window's bottom.
    m_content->setGeometry(0, 0, std::max(m_content->sizeHint().width(), w), h);
    if (w != width() || h != height()) {
        m_resizing = true;
        resize(w, h);
        m_resizing = false;
    }
}

} // namespace tembra
