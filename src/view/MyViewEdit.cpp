#include "MyView.h"

bool CMyView::IsInPlaceEditorOpen() const { return false; }

void CMyView::EndInPlaceEditor() {}
