#include "RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

QGroupBox* NewRadioGroup(const QString& title, const QStringList& texts, QButtonGroup*& group,
                         QWidget* parent, const char* name, bool stretchBelow) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    int id = 0;
    for (const QString& text : texts) {
        auto* radio = new QRadioButton(text, box);
        // The hint leaves no room for the last glyph of a text that mixes fallback fonts
        // ("顯示式數式表示 \[" was cut).
        radio->setMinimumWidth(radio->sizeHint().width() + radio->fontMetrics().averageCharWidth());
        if (name)
            radio->setObjectName(QString::fromLatin1(name) + QString::number(id));
        group->addButton(radio, id++);
        layout->addWidget(radio);
    }
    if (stretchBelow)
        layout->addStretch(1);
    TabToCheckedRadio(group);
    return box;
}

void TabToCheckedRadio(QButtonGroup* group) {
    const auto update = [group] {
        QAbstractButton* stop = group->checkedButton();
        const QList<QAbstractButton*> buttons = group->buttons();
        if (!stop && !buttons.isEmpty())
            stop = buttons.first();
        for (QAbstractButton* b : buttons)
            b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
    update();
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
