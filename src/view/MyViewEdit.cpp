#include "MyView.h"

bool CMyView::IsInPlaceEditorOpen() const { return false; }

void CMyView::EndInPlaceEditor() {}

bool CMyView::OnChar(const std::string& /*cp932*/) { return false; }
