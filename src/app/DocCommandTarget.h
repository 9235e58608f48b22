#pragma once

#include "CommandTarget.h"

class CMyDoc;

// The document's place in the command routing: the four file commands and their enable rules.
class CDocCommandTarget : public ICommandTarget {
public:
    explicit CDocCommandTarget(CMyDoc& doc) : m_doc(doc) {}

    bool OnCommand(int id) override;
    // Save is enabled only while the document has unsaved changes; the others always.
    bool OnUpdateCommand(int id, CCmdUI& ui) override;

private:
    CMyDoc& m_doc;
};
