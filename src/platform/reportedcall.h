#pragma once

#include <concepts>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

class QObject;

namespace platform {

// The one guard for our event handlers and slots. Qt's Gui and Widgets
// libraries may be built without exception tables, so an exception that
// unwinds through their frames skips their destructors (an event copy, a
// guarded pointer stay behind); a handler of ours therefore never lets one
// escape. runReported runs a step; an exception it raises ends the step
// there and is handed to the reporter (AbortException silently: its
// handler has told the user). Returns false when the step ended by one.
bool runReported(const QObject *origin, const std::function<void()> &step);

// A slot for connect() that runs the callable through runReported, with
// as many of the signal's arguments as it takes:
//   connect(button, &QToolButton::clicked, this, reported(this, [this] { save(); }));
template <class Step>
    requires(!std::is_member_function_pointer_v<Step>)
auto reported(const QObject *origin, Step step)
{
    return [origin, step = std::move(step)](auto &&...arguments)
               requires std::invocable<const Step &, decltype(arguments)...>
    {
        runReported(origin, [&] { step(std::forward<decltype(arguments)>(arguments)...); });
    };
}

// The same for a member function of the receiver:
//   connect(action, &QAction::triggered, this, reported(this, &Window::print));
template <class Object, class Method>
    requires std::is_member_function_pointer_v<Method>
auto reported(Object *object, Method method)
{
    return [object, method](auto &&...arguments)
               requires std::invocable<Method, Object *, decltype(arguments)...>
    {
        runReported(object, [&] { std::invoke(method, object, std::forward<decltype(arguments)>(arguments)...); });
    };
}

// The body of an event filter or handler that returns whether it handled the
// event. An event whose handling ended by an exception counts as handled:
// it goes no further, as the exception would have stopped it.
template <class Body>
bool filterReported(const QObject *origin, Body body)
{
    bool handled = true;
    runReported(origin, [&] { handled = body(); });
    return handled;
}

// Who tells the user about an exception runReported caught. The program's
// application object installs the error dialog; without one the exception
// goes to the log. Returns the reporter set before.
using ExceptionReporter = std::function<void(std::exception_ptr, const QObject *origin)>;
ExceptionReporter setExceptionReporter(ExceptionReporter reporter);

} // namespace platform
