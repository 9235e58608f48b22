#pragma once

// Enable and check state of a command, filled by update handlers.
struct CCmdUI {
    bool enabled = true;
    bool checked = false;
};

// Something that handles command numbers (the view, the document, the application).
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when the command was handled here.
    virtual bool OnCommand(int id) = 0;
    // True when this target knows the command; then ui holds its state.
    virtual bool OnUpdateCommand(int id, CCmdUI& ui) = 0;
};
