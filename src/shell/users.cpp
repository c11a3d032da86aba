#include "shell/users.h"

#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/inifile.h"
#include "platform/postgresbackend.h"
#include "platform/query.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tablefiles.h"
#include "shell/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QVector>

namespace shell {

namespace {
QVector<DataDirectoryStep> &steps()
{
    static QVector<DataDirectoryStep> list;
    return list;
}

void copyRows(platform::Table &from, platform::Table &to)
{
    for (from.first(); !from.eof(); from.next()) {
        to.append();
        for (int i = 0; i < from.fieldCount(); ++i) {
            const int target = to.fieldIndex(from.fieldDef(i).name);
            if (target >= 0 && !from.value(i).isNull())
                to.setValue(target, from.value(i));
        }
        to.post();
    }
}
} // namespace

void registerUserTables()
{
    platform::SchemaRegistry::instance().add(platform::TableSchema(UserTableName, platform::Alias::Data)
                                                 .string(QStringLiteral("Kurzname"), 20)
                                                 .string(QStringLiteral("Name"), 20)
                                                 .string(QStringLiteral("Vorname"), 20)
                                                 .string(QStringLiteral("Telefon"), 20)
                                                 .string(QStringLiteral("UnserZeichen"), 15)
                                                 .string(QStringLiteral("Passwort"), 10)
                                                 .string(QStringLiteral("Funktion"), 30)
                                                 .integer(QStringLiteral("UserNr"))
                                                 .primaryKey({ QStringLiteral("Kurzname") }));
}

QString userDirectory(int userNr)
{
    return ProgramDirectory() + QStringLiteral("User") + QString::number(userNr) + QLatin1Char('/');
}

int nextUserNumber()
{
    platform::Query query(platform::Alias::Data, QStringLiteral("SELECT MAX(UserNr) FROM S_BEARB"));
    query.open();
    const QVariant highest = query.isEmpty() ? QVariant() : query.value(0);
    return highest.isNull() ? 1 : highest.toInt() + 1;
}

bool createUserDirectory(int userNr, const QString &dataDirectory)
{
    const QString directory = userDirectory(userNr);
    if (!QDir().mkpath(directory))
        return false;
    try {
        platform::Session session;
        session.setAliasPath(platform::Alias::Data, dataDirectory);
        session.setAliasPath(platform::Alias::User, directory);
        const auto userTables = platform::SchemaRegistry::instance().tables(platform::Alias::User);
        platform::Database &target = session.database(platform::Alias::User, true);
        // Only a table the directory did not have yet receives the master
        // rows: the settings of an existing directory stay as they are.
        QVector<platform::TableSchema> missing;
        for (const auto &schema : userTables) {
            if (!target.tableExists(schema.tableName()))
                missing.append(schema);
        }
        target.ensureTables(missing);
        platform::Database &source = session.database(platform::Alias::Data);
        for (const auto &schema : std::as_const(missing)) {
            if (!source.tableExists(schema.tableName()))
                continue;
            platform::Table from(platform::Alias::Data, schema.fileName());
            from.setSession(&session);
            from.open();
            platform::Table to(platform::Alias::User, schema.fileName());
            to.setSession(&session);
            to.open();
            copyRows(from, to);
        }
        session.closeAll();
    } catch (const platform::DatabaseError &) {
        return false;
    }
    return true;
}

void addDataDirectoryStep(DataDirectoryStep step)
{
    steps().append(std::move(step));
}

void prepareDataDirectory(platform::Session &session)
{
    platform::Database &data = session.database(platform::Alias::Data, true);
    const auto &registry = platform::SchemaRegistry::instance();
    data.ensureTables(registry.tables(platform::Alias::Data));
    // The master copy of the per-user tables, which a new user receives.
    data.ensureTables(registry.tables(platform::Alias::User));
    for (const auto &step : std::as_const(steps()))
        step(session);
}

QString dataDirectoryMarker()
{
    return QStringLiteral("Rechnung.DB");
}

bool isDataDirectory(const QString &directory)
{
    // A directory whose connection file names a database that answers is
    // one, even before its tables are made there.
    try {
        if (platform::probeServer(directory))
            return true;
    } catch (const platform::DatabaseError &) {
        return false;
    }
    return platform::tableFileExists(directory, dataDirectoryMarker())
        || platform::tableFileExists(directory, UserTableName);
}

bool dataServerAnswers(const QString &directory)
{
    try {
        platform::probeServer(directory);
    } catch (const platform::DatabaseError &error) {
        platform::dialogs().error(error.message());
        return false;
    }
    return true;
}

bool isUnusedProgramDirectory(const QString &directory)
{
    const QDir dir(directory);
    if (dir.exists(IniFileName) || dir.exists(QStringLiteral("Data")))
        return false;
    return dir.entryList({ QStringLiteral("User*") }, QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

bool firstStart()
{
    // A directory that was used before keeps to the start-up: when the INI
    // file was lost, the clerk is asked for the data directory instead of
    // being given a second, empty one.
    if (!isUnusedProgramDirectory(ProgramDirectory()))
        return false;
    const QString dataDirectory = ProgramDirectory() + QStringLiteral("Data");
    QDir().mkpath(dataDirectory);
    platform::Session session;
    session.setAliasPath(platform::Alias::Data, dataDirectory);
    prepareDataDirectory(session);
    platform::Table users(platform::Alias::Data, UserTableName);
    users.setSession(&session);
    users.open();
    users.append();
    users.fieldByName(QStringLiteral("Kurzname")).setAsString(AdministratorFunction);
    users.fieldByName(QStringLiteral("Funktion")).setAsString(AdministratorFunction);
    users.fieldByName(QStringLiteral("UserNr")).setAsInteger(1);
    users.post();
    users.close();
    session.closeAll();
    createUserDirectory(1, dataDirectory);
    IniWriteString(QStringLiteral("DatenBankPfad"), dataDirectory);
    return true;
}

} // namespace shell
