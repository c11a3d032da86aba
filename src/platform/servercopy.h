#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Moves an office from one machine to a server: copies every table of the
// SQLite file of a data directory into the empty server database that the
// directory's connection file names, one transaction per table, and checks
// that each table has as many records there as in the file. A server
// database that already holds tables is refused; nothing on the SQLite
// side is changed. Throws a German DatabaseError; the tables copied before
// an error stay on the server, the one being copied does not.
struct ServerCopyReport {
    QStringList lines; // "S_KUNDEN.DB: 120 Datensätze"
    qint64 records = 0;
};
ServerCopyReport copyDataDirectoryToServer(const QString &directory,
                                           const std::function<void(const QString &)> &progress = {});

} // namespace platform
