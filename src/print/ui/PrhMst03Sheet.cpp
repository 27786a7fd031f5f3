#include "print/ui/PrhMst03Sheet.h"

#include "platform/StringTable.h"
#include "platform/qt/EnterMovesFocus.h"
#include "print/PrhMst03Pages.h"
#include "print/ui/PrhMst03P10.h"
#include "print/ui/PrhMst03Page.h"

#include <QTabWidget>

namespace tembra {

namespace {

constexpr UINT IDS_PLAN_SHEET = 114;

} // namespace

CPrhMst03Sheet::CPrhMst03Sheet(CPrHeader& header, QWidget* parent)
    : CPropertySheet(QString::fromStdString(LoadStringUtf8(IDS_PLAN_SHEET)), parent),
      m_header(header) {
    m_texts.LoadFrom(header);
    m_enter = new CEnterMovesFocus(this);
    for (const PrhMst03PageDef& def : PrhMst03Pages()) {
        const QString caption = QString::fromUtf8(def.caption);
        // Only the first page stores: all ten pages at once.
        ApplyStep apply;
        if (def.page == 1) {
            apply = [this] { return StoreAll(); };
        }
        if (def.page == kPrhMst03CheckListPage) {
            m_checkList = new CPrhMst03P10(m_texts, *m_enter, nullptr);
            AddPage(m_checkList, caption, apply);
        } else {
            auto* page = new CPrhMst03Page(def, m_texts, *m_enter, nullptr);
            m_pages.push_back(page);
            AddPage(page, caption, apply);
        }
    }
    Tabs()->setUsesScrollButtons(true);
    resize(760, 560);
}

CPrhMst03Sheet::~CPrhMst03Sheet() = default;

CPrhMst03Page* CPrhMst03Sheet::Page(int page) const {
    if (page < 1 || page > static_cast<int>(m_pages.size())) {
        return nullptr;
    }
    return m_pages[static_cast<std::size_t>(page - 1)];
}

bool CPrhMst03Sheet::StoreAll() {
    for (CPrhMst03Page* page : m_pages) {
        page->Collect();
    }
    m_checkList->Collect();
    m_texts.StoreInto(m_header);
    return true;
}

} // namespace tembra
