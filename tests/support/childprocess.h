#pragma once

#include <QString>
#include <QProcess>
#include <QStringList>

#include <memory>

namespace testsupport {

// A second process of the same test program playing another user (or a
// user whose program is killed). A test program registers the routines its
// children run; testmain runs the one named in the environment instead of
// the tests.
using ChildRoutine = int (*)(const QStringList &arguments);

struct ChildRegistration {
    ChildRegistration(const char *name, ChildRoutine routine);
};

// In a child: runs its routine and returns its exit code; -1 otherwise.
int runChildRoutineIfAsked();

struct ChildResult {
    bool crashed = false; // ended by a signal (a kill)
    int exitCode = -1;
    QString output; // standard output and error
};

// Starts the routine in a new process of this program without waiting, so
// that several run at once; waitChild waits for its end.
std::unique_ptr<QProcess> startChild(const QString &name, const QStringList &arguments);
ChildResult waitChild(QProcess &process, int timeoutMs = 60000);

// Runs the routine in a new process of this program and waits for its end.
ChildResult runChild(const QString &name, const QStringList &arguments, int timeoutMs = 60000);

} // namespace testsupport
