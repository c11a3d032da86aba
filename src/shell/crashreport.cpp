#include "shell/crashreport.h"

#include "platform/clock.h"
#include "platform/databaseerror.h"
#include "platform/localformat.h"
#include "shell/settings.h"

#include <QApplication>
#include <QSysInfo>
#include <QThread>
#include <QWidget>

#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace shell {

namespace {

QString demangled(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? QString::fromUtf8(name.get()) : QString::fromUtf8(type.name());
}

QString programVersion()
{
    quint16 major = 0, minor = 0, release = 0, build = 0;
    if (ReadFileVersion(QCoreApplication::applicationFilePath(), major, minor, release, build))
        return QStringLiteral("%1.%2.%3.%4").arg(major).arg(minor).arg(release).arg(build);
    return QCoreApplication::applicationVersion();
}

// Set while a picture of a window is taken: an error raised by that
// painting must not take another one.
bool grabbing = false;

void fillCommon(CrashReport &report, const QString &origin, bool withScreenshot)
{
    report.origin = origin;
    report.time = platform::Clock::now();
    report.programVersion = programVersion();
    // Windows are read only on the GUI thread.
    if (!qApp || QThread::currentThread() != qApp->thread())
        return;
    QWidget *front = QApplication::activeModalWidget();
    if (!front)
        front = QApplication::activeWindow();
    if (front) {
        report.activeWindow = front->windowTitle();
        if (withScreenshot && !grabbing) {
            grabbing = true;
            report.screenshot = front->grab().toImage();
            grabbing = false;
        }
    }
}

} // namespace

CrashReport CrashReport::fromException(const std::exception &exception, const QString &origin, bool withScreenshot)
{
    CrashReport report;
    report.className = demangled(typeid(exception));
    if (const auto *database = dynamic_cast<const platform::DatabaseError *>(&exception)) {
        report.message = database->message();
        report.detail = database->detail();
    } else {
        report.message = QString::fromUtf8(exception.what());
    }
    fillCommon(report, origin, withScreenshot);
    return report;
}

CrashReport CrashReport::fromUnknown(const QString &origin, bool withScreenshot)
{
    CrashReport report;
    report.className = QStringLiteral("unbekannt");
    report.message = QStringLiteral("Unbekannter Fehler");
    fillCommon(report, origin, withScreenshot);
    return report;
}

QString CrashReport::reportText() const
{
    QStringList lines;
    auto add = [&lines](const QString &caption, const QString &value) {
        if (!value.isEmpty())
            lines.append(caption.leftJustified(18, QLatin1Char(' ')) + QStringLiteral(": ") + value);
    };
    lines.append(QStringLiteral("Fehlerbericht"));
    lines.append(QString(40, QLatin1Char('=')));
    add(QStringLiteral("Datum/Zeit"), platform::formatDateTime(time));
    add(QStringLiteral("Programm"), QCoreApplication::applicationFilePath());
    add(QStringLiteral("Version"), programVersion);
    add(QStringLiteral("Betriebssystem"), QSysInfo::prettyProductName());
    add(QStringLiteral("Qt-Version"), QString::fromLatin1(qVersion()));
    add(QStringLiteral("Fehlertyp"), className);
    add(QStringLiteral("Fehlermeldung"), message);
    add(QStringLiteral("Sql-Befehl"), sqlStatement);
    add(QStringLiteral("Datenbankmeldung"), detail);
    add(QStringLiteral("Aufgetreten in"), origin);
    add(QStringLiteral("Aktives Fenster"), activeWindow);
    if (!additional.isEmpty()) {
        lines.append(QString());
        lines.append(QStringLiteral("Weitere Fehler, während diese Meldung offen war:"));
        lines.append(additional);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace shell
