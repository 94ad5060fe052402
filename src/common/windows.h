#pragma once

// The program's window model. Each kind of window exists at most once and
// is reached through its one reference: windows::ref<Form2>() creates the
// window on first use and returns the same window afterwards. Windows are
// shown modeless and without an owner. A window that is closed (its own
// button, its close box, or unload<W>()) is deleted, so the next use builds
// it again in its design-time state.
//
// A window class takes part by deriving from windows::Form<Self, Base>,
// where Base is QWidget, QMainWindow or QDialog.

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace windows {

namespace detail {
template <class W>
QPointer<W> &reference()
{
    static QPointer<W> window;
    return window;
}
} // namespace detail

// The window of kind W, created now if it is not loaded.
template <class W>
W &ref()
{
    QPointer<W> &window = detail::reference<W>();
    if (!window)
        window = new W;
    return *window;
}

// The window of kind W if it is loaded, otherwise nullptr.
template <class W>
W *loaded()
{
    return detail::reference<W>().data();
}

namespace detail {
void show(QWidget &window);
void hide(QWidget &window);
} // namespace detail

// Shows W modeless, without an owner; the caller goes on at once. A window
// that is loaded comes back as the user left it: a hidden one at the place
// and size it had when it was hidden, a minimised one restored. Either way
// it is brought forward and made the active window. A new window is placed
// by the window system.
template <class W>
void show()
{
    detail::show(ref<W>());
}

// Makes W invisible; it stays loaded with everything it holds, its place on
// the screen included.
template <class W>
void hide()
{
    detail::hide(ref<W>());
}

// Closes W and drops its contents; nothing happens if it is not loaded.
template <class W>
void unload()
{
    if (W *window = loaded<W>())
        window->close();
}

// Ends the program at once, whatever windows are open; nothing is asked or
// saved. Tests replace the action with setEndAction().
void end();
void setEndAction(std::function<void()> action);

// Base of every window class: closing the window unloads it.
template <class Self, class Base = QWidget>
class Form : public Base
{
protected:
    using Base::Base;

    void closeEvent(QCloseEvent *event) override
    {
        Base::closeEvent(event);
        if (!event->isAccepted())
            return;
        QPointer<Self> &window = detail::reference<Self>();
        if (window == static_cast<Self *>(this))
            window = nullptr;
        this->deleteLater();
    }
};

} // namespace windows
