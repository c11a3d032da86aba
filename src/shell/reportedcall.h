#pragma once

#include <functional>

class QObject;

namespace shell {

// Runs a step of an event handler. An exception it raises is reported the
// way the event loop reports it (AbortException silently, anything else in
// the error dialog) and ends the step there, without unwinding through
// Qt's own frames. Returns false when the step ended by an exception.
bool runReported(const QObject *origin, const std::function<void()> &step);

} // namespace shell
