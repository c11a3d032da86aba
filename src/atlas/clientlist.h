#pragma once

#include <QString>
#include <QStringList>

namespace atlas {

// The ATLAS client IDs offered for IdMandantenNr: "Mandant.dat" in the
// program directory, one ID a line. The entry window loads the list when it
// opens, adds what the clerk types and writes the whole list back when it
// closes; entries are never removed.
class ClientList
{
public:
    static QString filePath();

    // The IDs of the file in their order; empty when it is missing. The file
    // is read as UTF-8, or as Windows-1252 when it is no valid UTF-8.
    static QStringList load();
    // Writes the IDs one a line (UTF-8), creating the file when it is missing.
    // Throws a German error when the file cannot be written.
    static void save(const QStringList &ids);
    // Appends an ID that is not empty and not in the list yet; true when added.
    static bool add(QStringList &ids, const QString &id);
};

} // namespace atlas
