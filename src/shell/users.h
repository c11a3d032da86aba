#pragma once

#include <QString>

#include <functional>

namespace platform {
class Session;
}

namespace shell {

inline const QString UserTableName = QStringLiteral("S_BEARB.DB");
inline const QString AdministratorFunction = QStringLiteral("Systemverwalter");
inline const QString UserFunction = QStringLiteral("Anwender");

// Declares the user table S_BEARB.DB.
void registerUserTables();

// "User" + number below the program directory, with a trailing separator.
QString userDirectory(int userNr);
// The next user number: the highest of all users + 1 (1 for none).
int nextUserNumber();
// Creates the directory of a new user with his print settings: a copy of
// the data directory's master copy of the per-user tables (their
// declaration where the data directory has none). An existing directory is
// left as it is. False when the directory or the copy cannot be made.
bool createUserDirectory(int userNr, const QString &dataDirectory);
// Creates the per-user tables a user directory lacks (a newer program may
// have more of them); records stay.
void prepareUserDirectory(const QString &directory);

// What a fresh or older data directory needs besides its tables: rows of
// code tables, the one parameter record. Each step must leave existing
// rows alone. They work on the data directory of the session given.
using DataDirectoryStep = std::function<void(platform::Session &)>;
void addDataDirectoryStep(DataDirectoryStep step);
// Creates the tables of the program that the session's data directory
// lacks, including the master copy of the per-user tables, and runs the
// steps.
void prepareDataDirectory(platform::Session &session);

// The table whose presence marks a data directory: the order table
// "Rechnung.DB". The folder dialog of the start-up accepts only a folder
// holding it.
QString dataDirectoryMarker();
// Whether the folder is a data directory of the program: it holds the order
// table, or, made before the program had orders, the user table (the start
// then creates the tables it lacks).
bool isDataDirectory(const QString &directory);

// The installation on the first start in a program directory: when
// Export.ini names no data directory, the folder "Data" beside the program
// is made the data directory; when it does not exist it is created with
// every table, the administrator "Systemverwalter" (no password) and his
// user directory. Returns whether it did anything.
bool firstStart();

} // namespace shell
