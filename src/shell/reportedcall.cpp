#include "shell/reportedcall.h"

#include "platform/databaseerror.h"
#include "shell/application.h"

#include <QObject>

namespace shell {

bool runReported(const QObject *origin, const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const platform::AbortException &) {
        // Its handler has told the user.
    } catch (const std::exception &exception) {
        Application::handleException(
            CrashReport::fromException(exception, Application::describe(const_cast<QObject *>(origin), nullptr)));
    } catch (...) {
        Application::handleException(
            CrashReport::fromUnknown(Application::describe(const_cast<QObject *>(origin), nullptr)));
    }
    return false;
}

} // namespace shell
