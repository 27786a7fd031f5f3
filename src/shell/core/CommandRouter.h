// The way a menu or bar command finds its handler: the command targets of the program in the
// framework's order (the active view, its document, the child frame, the main frame, the
// application). The first target that handles an id runs it and sets its menu state; an id that
// no target handles is disabled.
#pragma once

#include "platform/CmdUI.h"
#include "platform/Types.h"

#include <functional>
#include <vector>

namespace tembra {

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // Runs the command; false when this target has no handler for it.
    virtual bool OnCommand(UINT id) = 0;
    // Sets the entry's state; false when this target has no handler for the id (an id it runs
    // without an update handler answers true and leaves the state alone).
    virtual bool OnUpdateCommand(CCmdUI& cmdUI) = 0;
};

class CCommandRouter {
public:
    // The targets in the order they are asked, given afresh for every command (the active view
    // and document change).
    using Chain = std::function<std::vector<ICommandTarget*>()>;
    // What runs before every command, whatever target takes it: a mouse gesture that holds the
    // mouse is ended as the user's cancel ends it, so that no command (undo, cut, paste, delete,
    // an attribute, a mode, a save) runs under a gesture that goes on over what it changed.
    using BeforeCommand = std::function<void()>;
    explicit CCommandRouter(Chain chain, BeforeCommand before = {})
        : m_chain(std::move(chain)), m_before(std::move(before)) {}

    // Runs the command (after BeforeCommand); false when no target handles it.
    bool Execute(UINT id) const;
    // The state of the entry: the first target's handler decides; disabled without one.
    CCmdUI Update(UINT id) const;
    // Whether a target has a handler (or an update handler) for the id now.
    bool Handles(UINT id) const;

private:
    // Offers the entry to the targets in order; false when none has a handler for it.
    bool Offer(CCmdUI& cmdUI) const;

    Chain m_chain;
    BeforeCommand m_before;
};

// A command target of handlers by id: a handler runs a command, an update handler sets its state.
class CCommandMap : public ICommandTarget {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    void On(UINT id, Handler handler, UpdateHandler update = {});
    bool Handles(UINT id) const;

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

private:
    struct Entry {
        UINT id;
        Handler handler;
        UpdateHandler update;
    };
    const Entry* Find(UINT id) const;
    std::vector<Entry> m_entries;
};

} // namespace tembra
