#include "platform/tablefiles.h"

#include "platform/databasebackend.h"
#include "platform/databaseerror.h"
#include "platform/session.h"
#include "platform/tableschema.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace platform {

bool tableFileExists(const QString &directory, const QString &fileName)
{
    if (directory.isEmpty() || fileName.isEmpty())
        return false;
    const QDir dir(directory);
    if (!dir.exists())
        return false;
    if (QFileInfo::exists(dir.filePath(fileName)))
        return true;
    if (!fileName.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        return false;
    const DatabaseBackend &backend = *Session::current().backend();
    if (!QFileInfo::exists(backend.databaseFilePath(directory)))
        return false;
    const QString connectionName = QStringLiteral("tablefiles-") + QUuid::createUuid().toString(QUuid::Id128);
    bool found = false;
    {
        try {
            QSqlDatabase db = backend.openConnection(connectionName, directory, false);
            const QString wanted = TableSchema::tableNameOf(fileName);
            const QStringList names = backend.tableNames(db);
            for (const QString &name : names) {
                if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                    found = true;
            }
            db.close();
        } catch (const DatabaseError &) {
            found = false;
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return found;
}

} // namespace platform
