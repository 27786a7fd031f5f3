#include "platform/View.h"

#include "platform/Document.h"

namespace tembra {

CView::~CView() {
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
    }
}

} // namespace tembra
