#pragma once

// Shared by the GUI tests: the application set up as the program sets it
// up, the end of the program caught instead of carried out, and small
// helpers that find controls by name and press them as a user would.

#include "common/application.h"
#include "common/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

namespace guitest {

// Set by the program's end (windows::end()) during a test.
inline bool &programEnded()
{
    static bool ended = false;
    return ended;
}

// Call from initTestCase().
inline void setUpApplication()
{
    application::setUp(*qApp);
    windows::setEndAction([] { programEnded() = true; });
}

// The control of kind T with this objectName; fails the test if none.
template <class T = QWidget>
T *find(const QWidget *window, const QString &name)
{
    T *control = window->findChild<T *>(name);
    if (!control)
        QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(name)), __FILE__, __LINE__);
    return control;
}

// A mouse click where the user would click: on a button's face, or on an
// option button's circle.
inline void click(QAbstractButton *button)
{
    const QPoint where = qobject_cast<QRadioButton *>(button)
                             ? QPoint(qMin(8, button->width() / 2), button->height() / 2)
                             : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}

// Replaces the text of a box by typing, as the user would.
inline void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// Whether a control's own Visible flag is set, whatever its window shows.
inline bool shown(const QWidget *control) { return !control->isHidden(); }

// Call from cleanup(): no window may ever be modal.
inline void verifyNoModalWindow()
{
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window appeared");
}

// Lets windows closed during a test be deleted.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace guitest
