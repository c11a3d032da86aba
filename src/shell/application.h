#pragma once

#include "shell/crashreport.h"

#include <QApplication>

#include <functional>

namespace shell {

// The program's application object. Every exception that reaches the event
// loop (from a slot, an event handler, a timer) is caught here: an
// AbortException silently (its handler has told the user), any other one is
// shown in the error dialog, and the program goes on.
class Application : public QApplication
{
    Q_OBJECT
public:
    using ExceptionHandler = std::function<void(const CrashReport &)>;

    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // What happens with a caught exception; the error dialog unless set
    // (tests record instead). Returns the handler set before.
    static ExceptionHandler setExceptionHandler(ExceptionHandler handler);
    static void handleException(const CrashReport &report);

    // "QPushButton \"bbtNeu\" (MouseButtonRelease)"
    static QString describe(QObject *receiver, QEvent *event);

private:
    static void reportCaught(const CrashReport &report);
};

} // namespace shell
