#include "shell/core/CommandRouter.h"

namespace tembra {

bool CCommandRouter::Execute(UINT id) const {
    if (m_before) {
        m_before();
    }
    for (ICommandTarget* target : m_chain()) {
        if (target != nullptr && target->OnCommand(id)) {
            return true;
        }
    }
    return false;
}

CCmdUI CCommandRouter::Update(UINT id) const {
    CCmdUI cmdUI(id);
    if (!Offer(cmdUI)) {
        cmdUI.Enable(FALSE);
    }
    return cmdUI;
}

bool CCommandRouter::Handles(UINT id) const {
    CCmdUI cmdUI(id);
    return Offer(cmdUI);
}

bool CCommandRouter::Offer(CCmdUI& cmdUI) const {
    for (ICommandTarget* target : m_chain()) {
        if (target != nullptr && target->OnUpdateCommand(cmdUI)) {
            return true;
        }
    }
    return false;
}

void CCommandMap::On(UINT id, Handler handler, UpdateHandler update) {
    m_entries.push_back({id, std::move(handler), std::move(update)});
}

bool CCommandMap::Handles(UINT id) const {
    return Find(id) != nullptr;
}

const CCommandMap::Entry* CCommandMap::Find(UINT id) const {
    for (const Entry& e : m_entries) {
        if (e.id == id) {
            return &e;
        }
    }
    return nullptr;
}

bool CCommandMap::OnCommand(UINT id) {
    const Entry* e = Find(id);
    if (e == nullptr || !e->handler) {
        return false;
    }
    e->handler();
    return true;
}

bool CCommandMap::OnUpdateCommand(CCmdUI& cmdUI) {
    const Entry* e = Find(cmdUI.m_nID);
    if (e == nullptr || (!e->handler && !e->update)) {
        return false;
    }
    if (e->update) {
        e->update(cmdUI);
    }
    return true;
}

} // namespace tembra
