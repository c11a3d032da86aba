#pragma once

#include <QString>
#include <QVariant>

namespace shell {

// The program directory with a trailing separator; the folder of the
// running executable unless set (tests point it at a temporary folder).
QString ProgramDirectory();
void setProgramDirectory(const QString &directory);

// The document number last worked on, one for the whole program.
extern int CurrentDocumentNumber;
// Set once at start-up from IsWindows2000OrLater.
extern bool Windows2000OrLater;

inline const QString IniSection = QStringLiteral("Tarvelo Export");
inline const QString IniFileName = QStringLiteral("Export.ini");

// Keys of section "Tarvelo Export" in ProgramDirectory + "Export.ini".
// Each call opens and closes the file; a read never creates it.
QString IniReadString(const QString &key, const QString &defaultValue);
void IniWriteString(const QString &key, const QString &value);

// One key of any INI file, by the type of the default (int, double, date,
// bool, string; a currency default is given as QVariant of type double with
// asCurrency true). Any other type returns the default unchanged.
QVariant IniReadValue(const QString &file, const QString &section, const QString &key, const QVariant &defaultValue,
                      bool asCurrency = false);
// Writes by the value's type; an empty or unsupported value writes nothing.
void IniWriteValue(const QString &file, const QString &section, const QString &key, const QVariant &value,
                   bool asCurrency = false);

// Sort order of the master-data lists.
int StammSortRead(const QString &key);
void StammSortWrite(const QString &key, int value);

// Version of a file: for the program's own executable the version it was
// built with; other files carry none here.
bool ReadFileVersion(const QString &fileName, quint16 &major, quint16 &minor, quint16 &release, quint16 &build);
void setProgramVersion(quint16 major, quint16 minor, quint16 release, quint16 build);

// The rule for a system version; this program always runs on a system of
// the newer kind.
bool IsWindows2000OrLater();
bool isWindows2000OrLater(bool ntFamily, int majorVersion);

} // namespace shell
