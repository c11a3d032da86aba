#include "platform/tablefiles.h"

#include "platform/databasebackend.h"
#include "platform/databaseerror.h"
#include "platform/postgresbackend.h"
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
    std::shared_ptr<DatabaseBackend> backendOfDirectory;
    try {
        backendOfDirectory = backendForDirectory(directory);
    } catch (const DatabaseError &) {
        return false;
    }
    const DatabaseBackend &backend = *backendOfDirectory;
    if (!backend.hasDatabase(directory))
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
