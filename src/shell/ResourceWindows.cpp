#include "shell/ResourceWindows.h"

#include "dialogs/settings/ResourceEditDlg.h"
#include "dialogs/settings/ResourceInputDlg.h"
#include "document/AppState.h"
#include "document/TembraDoc.h"
#include "model/OperationState.h"

#include <QWidget>

namespace tembra {

CResourceWindows::CResourceWindows(QWidget* frame, CAppState& state)
    : m_frame(frame), m_state(state) {
    m_state.SetShigenWindows(this);
}

CResourceWindows::~CResourceWindows() {
    if (m_state.GetShigenWindows() == this) {
        m_state.SetShigenWindows(nullptr);
    }
}

void CResourceWindows::Update(CTembraDoc* document, bool frameMinimized) {
    const bool resources = document != nullptr && !frameMinimized &&
                           document->GetOperation().GetMode() == COperationState::kModeShigen;
    if (!resources) {
        if (m_input != nullptr && m_input->isVisible()) {
            Hide(m_input, m_edit);
        }
        if (m_edit != nullptr && m_edit->isVisible()) {
            Hide(m_edit, m_input);
        }
        return;
    }
    const bool input = document->GetOperation().GetOperation() == COperationState::kOpDraw;
    if (input) {
        if (m_input == nullptr) {
            m_input = new CResourceInputDlg(m_frame);
            m_input->RestorePosition();
        }
        Show(m_input, m_edit, document);
    } else {
        if (m_edit == nullptr) {
            m_edit = new CResourceEditDlg(m_frame);
            m_edit->RestorePosition();
        }
        Show(m_edit, m_input, document);
        m_edit->ShowKoutei(nullptr);
    }
}

void CResourceWindows::Show(CResourceDlgBase* window, CResourceDlgBase* other,
                            CTembraDoc* document) {
    window->SetResourceList(document, true);
    window->SetShown(true);
    if (other != nullptr && other->isVisible()) {
        // Moved once shown, when the window's frame is known, so both frames stand alike.
        const QPoint place = other->pos();
        other->SetShown(false);
        other->hide();
        window->show();
        window->move(place);
    } else if (!window->isVisible()) {
        window->show();
    }
}

void CResourceWindows::Hide(CResourceDlgBase* window, CResourceDlgBase* other) {
    // The place carries over to the other window, which shows it next.
    if (other != nullptr) {
        other->move(window->pos());
    }
    window->hide();
}

void CResourceWindows::SavePositions() {
    for (CResourceDlgBase* window :
         {static_cast<CResourceDlgBase*>(m_input), static_cast<CResourceDlgBase*>(m_edit)}) {
        if (window != nullptr) {
            window->SavePosition();
        }
    }
}

std::vector<CShigenData> CResourceWindows::GetInputEntries() {
    return m_input != nullptr && m_input->Document() != nullptr ? m_input->Entries()
                                                                : std::vector<CShigenData>();
}

void CResourceWindows::ShowKoutei(const CKoutei* process) {
    if (m_edit != nullptr) {
        m_edit->ShowKoutei(process);
    }
}

} // namespace tembra
