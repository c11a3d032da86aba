#include "shell/application.h"

#include "platform/databaseerror.h"
#include "platform/reportedcall.h"
#include "shell/texceptiondlg.h"

#include <QEvent>
#include <QMetaEnum>
#include <QScopeGuard>
#include <QThread>

namespace shell {

namespace {
Application::ExceptionHandler &installedHandler()
{
    static Application::ExceptionHandler handler;
    return handler;
}
} // namespace

namespace {
// Paint events being delivered: an error inside one is reported after the
// painting has ended, without a picture of the screen (taking it would paint
// the failing widget again).
int paintDepth = 0;

bool isPaintEvent(const QEvent *event)
{
    return event && (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest);
}
} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // What our handlers catch themselves is reported as what reaches the
    // event loop.
    platform::setExceptionReporter([](std::exception_ptr exception, const QObject *origin) {
        const QString where = describe(const_cast<QObject *>(origin), nullptr);
        try {
            std::rethrow_exception(std::move(exception));
        } catch (const std::exception &caught) {
            reportCaught(CrashReport::fromException(caught, where, paintDepth == 0));
        } catch (...) {
            reportCaught(CrashReport::fromUnknown(where, paintDepth == 0));
        }
    });
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    const bool painting = isPaintEvent(event);
    if (painting)
        ++paintDepth;
    auto leave = qScopeGuard([painting] {
        if (painting)
            --paintDepth;
    });
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::AbortException &) {
        // Abandoned on purpose; the user has been told.
    } catch (const std::exception &exception) {
        reportCaught(CrashReport::fromException(exception, describe(receiver, event), paintDepth == 0));
    } catch (...) {
        reportCaught(CrashReport::fromUnknown(describe(receiver, event), paintDepth == 0));
    }
    return false;
}

void Application::reportCaught(const CrashReport &report)
{
    if (paintDepth > 0) {
        // Never open a dialog (with its own event loop) inside painting.
        QMetaObject::invokeMethod(
            instance(), [report] { handleException(report); }, Qt::QueuedConnection);
        return;
    }
    handleException(report);
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
