// The frame's two resource windows and what the chart sees of them (IShigenWindows, registered
// with the application's state while the frame lives). Each window is made on first use with
// the frame as parent. When the active chart's operation state changes the frame asks Update:
// in resource mode (and with the frame not minimised) the input window shows while resources
// are put on processes and the edit window otherwise; the window made visible is bound to the
// chart afresh and takes the place of the one hidden. Outside resource mode both are hidden.
#pragma once

#include "document/ShigenWindows.h"

#include <functional>

class QPoint;
class QWidget;

namespace tembra {

class CAppState;
class CResourceDlgBase;
class CResourceEditDlg;
class CResourceInputDlg;
class CTembraDoc;

class CResourceWindows : public IShigenWindows {
public:
    CResourceWindows(QWidget* frame, CAppState& state);
    ~CResourceWindows() override;
    CResourceWindows(const CResourceWindows&) = delete;
    CResourceWindows& operator=(const CResourceWindows&) = delete;

    // The windows by the document's operation state (null: no active chart).
    void Update(CTembraDoc* document, bool frameMinimized);
    // "ShigenWindowPos" of the window shown.
    void SavePositions();

    // Null until first shown.
    CResourceInputDlg* InputDlg() const { return m_input; }
    CResourceEditDlg* EditDlg() const { return m_edit; }

    std::vector<CShigenData> GetInputEntries() override;
    void ShowKoutei(const CKoutei* process) override;

private:
    // Shows the window (made when missing), bound to the document, where the other one was.
    void Show(CResourceDlgBase* window, CResourceDlgBase* other, CTembraDoc* document);
    void Hide(CResourceDlgBase* window, CResourceDlgBase* other);

    QWidget* m_frame;
    CAppState& m_state;
    CResourceInputDlg* m_input = nullptr;
    CResourceEditDlg* m_edit = nullptr;
};

} // namespace tembra
