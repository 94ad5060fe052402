#include "common/windows.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWindow>

#include <utility>

namespace windows {
namespace {

// The geometry a window had when it was hidden, held by the window itself so
// that it goes when the window is unloaded.
constexpr char hiddenPlace[] = "windows_hiddenPlace";

std::function<void()> &endAction()
{
    static std::function<void()> action = [] { QCoreApplication::exit(0); };
    return action;
}

} // namespace

namespace detail {

void show(QWidget &window)
{
    const QRect place = window.property(hiddenPlace).toRect();
    if (window.isHidden() && place.isValid()) {
        window.resize(place.size());
        // A window mapped again is placed afresh by the window manager unless
        // its position reaches it as one the program set. QWidget::move() to
        // the place the widget already holds does nothing; the QWindow's own
        // position marks it as set.
        if (QWindow *handle = window.windowHandle())
            handle->setPosition(place.topLeft());
    }
    window.setProperty(hiddenPlace, QVariant());

    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void hide(QWidget &window)
{
    // A maximised or full-screen window comes back in that state, which
    // places it; only a normal window needs its place kept.
    if (window.isVisible() && !(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        window.setProperty(hiddenPlace, window.geometry());
    window.hide();
}

} // namespace detail

void end() { endAction()(); }

void setEndAction(std::function<void()> action) { endAction() = std::move(action); }

} // namespace windows
