#include "common/windows.h"

#include <QCoreApplication>

#include <utility>

namespace windows {
namespace {

std::function<void()> &endAction()
{
    static std::function<void()> action = [] { QCoreApplication::exit(0); };
    return action;
}

} // namespace

void end() { endAction()(); }

void setEndAction(std::function<void()> action) { endAction() = std::move(action); }

} // namespace windows
