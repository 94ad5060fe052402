#include "common/options.h"

#include <QKeyEvent>

namespace controls {

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    // Qt's own grouping takes every radio button below the same parent,
    // frames included, as one group; the OptionGroup does the grouping.
    setAutoExclusive(false);
}

bool OptionButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void OptionButton::nextCheckState()
{
    // A click on the selected element leaves it selected.
    setChecked(true);
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    if (group_) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            group_->step(this, -1);
            return;
        case Qt::Key_Down:
        case Qt::Key_Right:
            group_->step(this, +1);
            return;
        default:
            break;
        }
    }
    QRadioButton::keyPressEvent(event);
}

OptionGroup::OptionGroup(QObject *owner, const QList<OptionButton *> &elements)
    : QObject(owner), elements_(elements)
{
    for (OptionButton *element : elements_) {
        element->group_ = this;
        connect(element, &QAbstractButton::toggled, this, [this, element](bool checked) {
            if (checked)
                select(element);
        });
    }
    updateTabStop();
}

void OptionGroup::step(OptionButton *from, int step)
{
    const qsizetype count = elements_.size();
    const qsizetype start = elements_.indexOf(from);
    if (start < 0)
        return;
    for (qsizetype k = 1; k < count; ++k) {
        OptionButton *next = elements_[((start + step * k) % count + count) % count];
        if (!next->isEnabled() || next->isHidden())
            continue;
        next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        next->click();
        return;
    }
}

void OptionGroup::select(OptionButton *element)
{
    for (OptionButton *other : elements_)
        if (other != element)
            other->setChecked(false);
    updateTabStop();
}

void OptionGroup::updateTabStop()
{
    // Every element takes the focus when clicked; only the selected one is
    // a Tab stop.
    for (OptionButton *element : elements_)
        element->setFocusPolicy(element->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace controls
