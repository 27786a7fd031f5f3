// The font selection dialog (159 "フォント選択"): a face from the installed scalable faces and a
// height in 0.1 mm, with a sample. It edits the caller's record, and writes it only when 決定
// is pressed with a face selected; without a selected face 決定 cancels. The controls carry
// their template ids as object names.
#pragma once

#include "platform/Types.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QListWidget;

namespace tembra {

class CFontSampleButton;

class CFontSelDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 159;
    enum : int {
        IDC_FACE_LIST = 1231,
        IDC_SAMPLE = 1232,
        IDC_SIZE = 1233,
        IDC_BASE_FONT = 1761,
    };

    // A null record makes the dialog inert: empty controls, and 決定 cancels.
    explicit CFontSelDlg(LOGFONT* record, QWidget* parent = nullptr);
    ~CFontSelDlg() override;

    // "基準フォント優先": -1 (the default) hides the box; 0 or 1 is its state. Set before the
    // dialog shows, read after it ends.
    void SetBaseFontCheck(int check) { m_baseFontCheck = check; }
    int GetBaseFontCheck() const { return m_baseFontCheck; }
    // Disables the size box.
    void SetSizeLock(bool locked) { m_sizeLock = locked; }
    int Height() const { return m_height; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Initialise();
    void RefreshSample();
    // A face or a height was picked: the base font no longer applies.
    void ClearBaseFontCheck();
    void OnHeightTyped(const QString& text);

    LOGFONT* m_record;
    int m_baseFontCheck = -1;
    bool m_sizeLock = false;
    int m_height = 1;
    bool m_initialised = false;
    // The record of each face of the list, by position.
    std::vector<LOGFONT> m_faces;
    QComboBox* m_size = nullptr;
    QListWidget* m_faceList = nullptr;
    CFontSampleButton* m_sample = nullptr;
    QCheckBox* m_baseFont = nullptr;
};

} // namespace tembra
