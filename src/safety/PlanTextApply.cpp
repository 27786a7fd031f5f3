#include "safety/PlanTextApply.h"

#include "document/TembraDoc.h"
#include "shapes/ZukeiEditWnd.h"
#include "shapes/ZukeiString.h"
#include "shapes/ZukeiStringEdit.h"

#include <memory>

namespace tembra {

void ApplyPlanTexts(CTembraDoc& doc, CZukeiString& first, const std::string& firstText,
                    CZukeiString& second, const std::string& secondText) {
    doc.GetUndoHistory().Reset();
    for (auto [frame, text] : {std::pair{&first, &firstText}, std::pair{&second, &secondText}}) {
        std::unique_ptr<CZukei> before = frame->Clone();
        frame->SetText(*text);
        if (const CZukeiStringEdit* edit = frame->GetEditWnd()) {
            if (CZukeiEditWnd* window = edit->GetWnd()) {
                window->SetWindowText(*text);
            }
        }
        frame->SetUpdate(TRUE);
        if (before != nullptr && doc.GetUndoHistory().AddChange(before.get(), frame) != 0) {
            before.release(); // the history's now
        }
        doc.UpdateAllViews(nullptr, 0, frame);
    }
    doc.SetModifiedFlag();
}

} // namespace tembra
