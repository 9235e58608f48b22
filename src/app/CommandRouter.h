#pragma once

#include "CommandTarget.h"

#include <vector>

// Sends a command to the first target that handles it, in the order the targets were added
// (the view, then the document, then the application). A command that no target knows is
// disabled, and a disabled command is not run.
class CCommandRouter {
public:
    void AddTarget(ICommandTarget* target) { m_targets.push_back(target); }
    void RemoveTarget(ICommandTarget* target);

    // Fills ui from the first target that knows id; false (and ui disabled) when none does.
    bool Update(int id, CCmdUI& ui) const;
    // Runs id when it is enabled. True when a target handled it.
    bool Execute(int id);

private:
    std::vector<ICommandTarget*> m_targets;
};
