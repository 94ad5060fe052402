#pragma once

// Option buttons and their groups. A group is chosen by the window that
// builds it, never by the widget a button happens to sit in, so two groups
// on one window or in nested containers never pull on each other.
//
// In a group exactly one element is selected at every moment:
// - a click, or Space, selects an element and never clears it;
// - the arrow keys select the previous (Up, Left) or next (Down, Right)
//   enabled element of the same group, wrapping at the ends, as a click on
//   it would, and move the focus with the selection;
// - Tab and Shift+Tab stop at the selected element only.
// The whole rectangle of an option button is its click target.

#include <QList>
#include <QObject>
#include <QRadioButton>

#include <iterator>

class QKeyEvent;

namespace controls {

class OptionGroup;

class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class OptionGroup;
    OptionGroup *group_ = nullptr;
};

class OptionGroup : public QObject
{
    Q_OBJECT

public:
    // The elements in index order, which is the order the arrow keys walk.
    // The group belongs to owner, usually the window.
    OptionGroup(QObject *owner, const QList<OptionButton *> &elements);

    const QList<OptionButton *> &elements() const { return elements_; }

    // Selects, as a click would, the element step places (+1 or -1) from
    // `from`, passing over disabled and hidden ones, and gives it the focus.
    void step(OptionButton *from, int step);

private:
    void select(OptionButton *element);
    void updateTabStop();

    QList<OptionButton *> elements_;
};

// Makes one group of the option buttons of a control array.
template <class Array>
OptionGroup *group(QObject *owner, const Array &elements)
{
    return new OptionGroup(owner, QList<OptionButton *>(std::begin(elements), std::end(elements)));
}

} // namespace controls
