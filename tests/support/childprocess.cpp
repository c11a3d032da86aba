#include "support/childprocess.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>

namespace testsupport {

namespace {
constexpr const char *RoutineVariable = "EV_TEST_CHILD";
constexpr const char *ArgumentsVariable = "EV_TEST_CHILD_ARGS";

QHash<QString, ChildRoutine> &routines()
{
    static QHash<QString, ChildRoutine> all;
    return all;
}
} // namespace

ChildRegistration::ChildRegistration(const char *name, ChildRoutine routine)
{
    routines().insert(QString::fromLatin1(name), routine);
}

int runChildRoutineIfAsked()
{
    const QString name = qEnvironmentVariable(RoutineVariable);
    if (name.isEmpty())
        return -1;
    const ChildRoutine routine = routines().value(name);
    if (!routine)
        return 99;
    return routine(qEnvironmentVariable(ArgumentsVariable).split(QLatin1Char('\n')));
}

std::unique_ptr<QProcess> startChild(const QString &name, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(RoutineVariable), name);
    environment.insert(QString::fromLatin1(ArgumentsVariable), arguments.join(QLatin1Char('\n')));
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(QCoreApplication::applicationFilePath(), {});
    return process;
}

ChildResult waitChild(QProcess &process, int timeoutMs)
{
    ChildResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.output = QStringLiteral("no end within the time limit\n");
    }
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.output += QString::fromLocal8Bit(process.readAll());
    return result;
}

ChildResult runChild(const QString &name, const QStringList &arguments, int timeoutMs)
{
    const std::unique_ptr<QProcess> process = startChild(name, arguments);
    return waitChild(*process, timeoutMs);
}

} // namespace testsupport
