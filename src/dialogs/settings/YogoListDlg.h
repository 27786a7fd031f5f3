// The term list (191 "用語一覧"): a modeless, resizable tool window that builds a term label from
// the words of the term file YOGO.INI. A pattern and a group choose the word lists of four
// columns; a word picked in each column is joined to the others in column order, and the joined
// text goes to the term bar (replacing its text) and into the caption. A right click in a list
// takes its word back out. A reading typed in the field, or with the kana, letter and digit
// buttons, narrows the column chosen by "1." to "4." to the words whose text or reading begins
// with it.
//
// The place is kept under "Settings" as "YogoWindowPos2": left, top, width, height and whether
// the window is shown. Without a stored place it opens centred on its owner. Its width snaps to
// the lists alone, the lists with the first kana column, or the whole button pad.
#pragma once

#include "dialogs/settings/core/YogoList.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tembra {

class CYogoListDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 191;
    enum : int {
        IDC_PATTERN = 1301,
        IDC_GROUP = 1302,
        IDC_KEY1 = 1311,    // to IDC_KEY1 + 3
        IDC_LIST1 = 1321,   // to IDC_LIST1 + 3
        IDC_COLUMN1 = 1331, // the radio buttons "1." to "4."
        IDC_READING = 1341,
        IDC_BACKSPACE = 1342,
    };
    static constexpr const char* kPositionKey = "YogoWindowPos2";
    static constexpr const char* kCaption = "用語一覧";

    // send: the joined text (CP932) with mode 0 (replace). file: the term file (empty: none).
    CYogoListDlg(std::filesystem::path file, std::function<void(int, const std::string&)> send,
                 QWidget* parent = nullptr);
    ~CYogoListDlg() override;

    // The stored place (or centred on the owner), then the patterns and pattern 0.
    void Open();
    void SavePosition() const;

    const CYogoListModel& Model() const { return m_model; }
    // The column the reading applies to (0 to 3).
    int ReadingColumn() const { return m_column; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildPad();
    // The boxes and lists from the model.
    void ShowBoxes();
    void ShowList(int column);
    void ShowReading();
    void OnReadingColumn(int column);
    void OnReadingEdited(const QString& text);
    void Join();
    // The margin of 4 by 4 dialog units in pixels.
    QSize Margin() const;

    CYogoListModel m_model;
    std::function<void(int, const std::string&)> m_send;
    int m_column = 0;
    bool m_ignoreReading = false;
    bool m_loading = false;
    bool m_resizing = false;

    QWidget* m_content = nullptr;
    QComboBox* m_pattern = nullptr;
    QComboBox* m_group = nullptr;
    std::array<QComboBox*, CYogoListModel::kColumns> m_keys{};
    std::array<QListWidget*, CYogoListModel::kColumns> m_lists{};
    std::array<QRadioButton*, CYogoListModel::kColumns> m_radios{};
    QLineEdit* m_reading = nullptr;
    QPushButton* m_kanaO = nullptr;  // "ｵ": the end of the first kana column
    QPushButton* m_digit0 = nullptr; // "0": the pad's right edge
};

} // namespace tembra
