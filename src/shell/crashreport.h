#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <exception>

namespace shell {

// What the error dialog shows of an exception that no routine caught, and
// the report it can show, save and hand on.
struct CrashReport {
    QString className; // the exception's type
    QString message; // its German message
    QString sqlStatement; // the statement of a failed query, where known
    QString detail; // the database's own text, where given
    QString origin; // the object and event it came from, where known
    QString activeWindow; // caption of the window in front
    QDateTime time;
    QString programVersion;
    QImage screenshot; // of the window in front
    QString userComment; // what the user wrote in the dialog
    QString additional; // later errors while the dialog was open

    // The full report: time, program, system, the exception and where it
    // came from.
    QString reportText() const;

    // Without withScreenshot no window is painted for the picture (an error
    // raised while painting).
    static CrashReport fromException(
        const std::exception &exception, const QString &origin = {}, bool withScreenshot = true);
    static CrashReport fromUnknown(const QString &origin = {}, bool withScreenshot = true);
};

} // namespace shell
