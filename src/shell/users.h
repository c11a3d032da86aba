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
// Makes the directory of a user ready: creates it when missing and gives
// each per-user table it lacks (all of them for a new directory) the rows
// of the data directory's master copy. Rows of an existing table are left
// as they are. Every path that makes a user directory goes through here.
// False when the directory or the copy cannot be made.
bool createUserDirectory(int userNr, const QString &dataDirectory);
inline const QString UserDirectoryFailedMessage
    = QStringLiteral("Fehler beim anlegen eines Verzeichnisses\roder Fehler beim Kopieren der Datenbank!");

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
// For a data directory whose tables lie on a database server: whether the
// server answers; when not, the German message is shown.
bool dataServerAnswers(const QString &directory);

// A program directory in which the program never ran: no Export.ini, no
// "Data" and no user directory.
bool isUnusedProgramDirectory(const QString &directory);
// The installation on the first start in an unused program directory: the
// folder "Data" beside the program is created with every table, the
// administrator "Systemverwalter" (no password) and his user directory, and
// becomes the data directory. Returns whether it did anything; a directory
// used before is left to the start-up, which asks for the data directory.
bool firstStart();

} // namespace shell
