// What the lists of the term bar and the process bar tell the active document: a colour chosen
// (its entry index; "その他" asks for the colour), a colour list closed without a choice, and a
// text typed into the term input, which may begin the input of a term. A layer or a colour chosen
// changes the selection, so a gesture on the chart ends first, as before a command.
#include "document/TembraDoc.h"
#include "document/commands/KouteiMenu.h"
#include "document/commands/LayerMenu.h"
#include "document/commands/YogoMenu.h"
#include "model/Utility.h"
#include "shell/LayerBar.h"
#include "shell/MainFrame.h"
#include "shell/ProcessColorBar.h"
#include "shell/TembraApp.h"
#include "shell/YogoBar.h"

#include <QComboBox>
#include <QLineEdit>

namespace tembra {

void CMainFrame::ConnectBarCombos() {
    // The layer combo (1665): a choice, or the list closed without one.
    if (QComboBox* layers = m_toolBar != nullptr ? m_toolBar->LayerCombo() : nullptr) {
        connect(layers, &QComboBox::activated, this, [this](int) {
            if (CTembraDoc* document = m_app.ActiveDocument()) {
                document->EndGestures();
                OnLayerComboSelect(*document);
            }
        });
    }
    if (QComboBox* colors =
            m_kouteiBar != nullptr ? m_kouteiBar->Combo(kKouteiColorComboId) : nullptr) {
        connect(colors, &QComboBox::activated, this, [this](int index) {
            if (CTembraDoc* document = m_app.ActiveDocument()) {
                document->EndGestures();
                OnKouteiBarColor(*document, index, ColorFromIndex(index));
            }
        });
    }
    if (m_yogoBar == nullptr) {
        return;
    }
    if (QComboBox* colors = m_yogoBar->ColorCombo()) {
        connect(colors, &QComboBox::activated, this, [this](int) {
            if (CTembraDoc* document = m_app.ActiveDocument()) {
                document->EndGestures();
                OnYogoBarColor(*document);
            }
        });
    }
    if (QComboBox* input = m_yogoBar->YogoCombo()) {
        connect(input, &QComboBox::textActivated, this, [this](const QString&) {
            if (CTembraDoc* document = m_app.ActiveDocument()) {
                OnYogoComboEdit(*document);
            }
        });
        if (input->lineEdit() != nullptr) {
            connect(input->lineEdit(), &QLineEdit::textEdited, this, [this](const QString&) {
                if (CTembraDoc* document = m_app.ActiveDocument()) {
                    OnYogoComboEdit(*document);
                }
            });
        }
    }
}

} // namespace tembra
