#pragma once

#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QWidget;

// A group box of radio buttons, one per text, with ids 0, 1, ... in group. With a name the
// buttons are named name0, name1, ...; stretchBelow pushes them to the top of the box.
QGroupBox* NewRadioGroup(const QString& title, const QStringList& texts, QButtonGroup*& group,
                         QWidget* parent, const char* name = nullptr, bool stretchBelow = false);

// Checks the button with id value; a value outside the group checks none.
void SetRadio(QButtonGroup* group, int value);

// Tab stops at the checked button of group only (the first one while none is checked); the
// arrow keys move within the group.
void TabToCheckedRadio(QButtonGroup* group);
