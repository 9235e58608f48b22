#pragma once

#include "CommandTarget.h"

#include <functional>
#include <map>

// A command target built from callbacks: the application's own commands (exit, bars, about).
class CCommandTable : public ICommandTarget {
public:
    using Handler = std::function<void()>;
    using Updater = std::function<void(CCmdUI&)>;

    // Without an updater the command is always enabled and unchecked.
    void Add(int id, Handler handler, Updater updater = {});
    bool Contains(int id) const { return m_entries.count(id) != 0; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CCmdUI& ui) override;

private:
    struct Entry {
        Handler handler;
        Updater updater;
    };
    std::map<int, Entry> m_entries;
};
