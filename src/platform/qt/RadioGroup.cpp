#include "RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

QGroupBox* NewRadioGroup(const char* title, std::initializer_list<const char*> texts,
                         QButtonGroup*& group, QWidget* parent, const char* name,
                         bool stretchBelow) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    int id = 0;
    for (const char* text : texts) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), box);
        if (name)
            radio->setObjectName(QString::fromLatin1(name) + QString::number(id));
        group->addButton(radio, id++);
        layout->addWidget(radio);
    }
    if (stretchBelow)
        layout->addStretch(1);
    return box;
}

void SetRadio(QButtonGroup* group, int value) {
    if (QAbstractButton* b = group->button(value)) {
        b->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}
