#include "shell/application.h"

#include "platform/databaseerror.h"
#include "shell/texceptiondlg.h"

#include <QEvent>
#include <QMetaEnum>
#include <QThread>

namespace shell {

namespace {
Application::ExceptionHandler &installedHandler()
{
    static Application::ExceptionHandler handler;
    return handler;
}
} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::AbortException &) {
        // Abandoned on purpose; the user has been told.
    } catch (const std::exception &exception) {
        handleException(CrashReport::fromException(exception, describe(receiver, event)));
    } catch (...) {
        handleException(CrashReport::fromUnknown(describe(receiver, event)));
    }
    return false;
}

Application::ExceptionHandler Application::setExceptionHandler(ExceptionHandler handler)
{
    ExceptionHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

void Application::handleException(const CrashReport &report)
{
    if (QThread::currentThread() != instance()->thread()) {
        // The dialog belongs to the GUI thread.
        QMetaObject::invokeMethod(
            instance(), [report] { handleException(report); }, Qt::QueuedConnection);
        return;
    }
    if (const ExceptionHandler &handler = installedHandler())
        handler(report);
    else
        ShowExceptionDialog(report);
}

QString Application::describe(QObject *receiver, QEvent *event)
{
    QString text;
    if (receiver) {
        text = QString::fromLatin1(receiver->metaObject()->className());
        if (!receiver->objectName().isEmpty())
            text += QStringLiteral(" \"%1\"").arg(receiver->objectName());
    }
    if (event) {
        const QMetaEnum types = QMetaEnum::fromType<QEvent::Type>();
        const char *name = types.valueToKey(event->type());
        text += QStringLiteral(" (%1)").arg(name ? QString::fromLatin1(name) : QString::number(event->type()));
    }
    return text.trimmed();
}

} // namespace shell
