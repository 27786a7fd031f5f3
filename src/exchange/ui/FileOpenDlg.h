// The one file dialog of the program: Qt's own (not the desktop's) file dialog with a line under
// its file list that previews the chart name stored in the selected file (control 1044). A save
// dialog for a chart that is open write-protected refuses the chart's own path (message 5033).
// The application's DoFileDialog fills in the filters and the folder and runs it.
#pragma once

#include <QFileDialog>

class QLabel;

namespace tembra {

// "書込禁止モードです。同一の名前では保存できません。\n別の名前を付けて保存してください。"
constexpr unsigned IDS_SAME_NAME_REFUSED = 5033;

class CFileOpenDlg : public QFileDialog {
    Q_OBJECT
public:
    static constexpr int IDC_PREVIEW = 1044;

    CFileOpenDlg(bool open, QWidget* parent = nullptr);
    ~CFileOpenDlg() override;

    // Set before the dialog runs: the initial folder and file name are then the path the
    // dialog refuses.
    void SetSameNameRefusal(bool refuse) { m_refuseSameName = refuse; }
    // The folder the dialog starts in and the file name it proposes.
    void SetInitialName(const QString& folder, const QString& fileName);

    QLabel* PreviewLine() const { return m_preview; }

    void accept() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The preview of the selection; a file that cannot be read leaves the line as it was.
    void Preview(const QString& path);
    // Lines the preview up with the file list.
    void AlignPreview();

    QLabel* m_preview = nullptr;
    bool m_refuseSameName = false;
    QString m_initialPath;
};

} // namespace tembra
