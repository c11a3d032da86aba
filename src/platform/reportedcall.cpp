#include "platform/reportedcall.h"

#include "platform/databaseerror.h"

#include <QDebug>
#include <QObject>

namespace platform {

namespace {
ExceptionReporter &installedReporter()
{
    static ExceptionReporter reporter;
    return reporter;
}

void logException(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(std::move(exception));
    } catch (const std::exception &caught) {
        qWarning("Fehler in einer Ereignisbehandlung: %s", caught.what());
    } catch (...) {
        qWarning("Unbekannter Fehler in einer Ereignisbehandlung");
    }
}
} // namespace

bool runReported(const QObject *origin, const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const AbortException &) {
        // Its handler has told the user.
        return false;
    } catch (...) {
        const std::exception_ptr exception = std::current_exception();
        // A reporter that fails in turn must not let its own exception
        // through either.
        try {
            if (const ExceptionReporter &reporter = installedReporter())
                reporter(exception, origin);
            else
                logException(exception);
        } catch (...) {
            logException(std::current_exception());
        }
    }
    return false;
}

ExceptionReporter setExceptionReporter(ExceptionReporter reporter)
{
    ExceptionReporter previous = std::move(installedReporter());
    installedReporter() = std::move(reporter);
    return previous;
}

} // namespace platform
