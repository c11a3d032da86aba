#include "support/testserver.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

namespace testsupport {

namespace {

struct ServerAddress {
    QString host;
    int port = 5432;
    QString user;
};

bool readAddress(ServerAddress *address, QString *why)
{
    QString path = qEnvironmentVariable("EV_TEST_SERVER_TABLES");
    if (path.isEmpty())
        path = qEnvironmentVariable("EV_TEST_POSTGRES");
    if (path.isEmpty()) {
        *why = QStringLiteral("EV_TEST_POSTGRES is not set");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("%1 does not exist: the server did not start").arg(path);
        return false;
    }
    const QStringList parts = QString::fromUtf8(file.readAll()).simplified().split(QLatin1Char(' '));
    for (const QString &part : parts) {
        const QString key = part.section(QLatin1Char('='), 0, 0);
        const QString value = part.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host"))
            address->host = value;
        else if (key == QLatin1String("port"))
            address->port = value.toInt();
        else if (key == QLatin1String("user"))
            address->user = value;
    }
    if (address->host.isEmpty()) {
        *why = QStringLiteral("%1 names no server").arg(path);
        return false;
    }
    return true;
}

// Runs statements on a database of the server as its administrator.
QString runStatements(const ServerAddress &address, const QString &database, const QStringList &statements)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("testserver-%1").arg(counter.fetchAndAddRelaxed(1));
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(address.host);
        db.setPort(address.port);
        db.setUserName(address.user);
        db.setDatabaseName(database);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            for (const QString &sql : statements) {
                QSqlQuery q(db);
                if (!q.exec(sql)) {
                    failure = sql + QStringLiteral(": ") + q.lastError().text();
                    break;
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return failure;
}

} // namespace

bool serverTablesRequested()
{
    return !qEnvironmentVariable("EV_TEST_SERVER_TABLES").isEmpty();
}

bool testServerAvailable(QString *why)
{
    static int known = -1;
    static QString reason;
    if (known < 0) {
        ServerAddress address;
        known = readAddress(&address, &reason) ? 1 : 0;
        if (known) {
            if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
                reason = QStringLiteral("Qt's QPSQL driver is not installed");
                known = 0;
            } else if (const QString failure = runStatements(address, QStringLiteral("postgres"), { QStringLiteral("SELECT 1") });
                       !failure.isEmpty()) {
                reason = failure;
                known = 0;
            }
        }
    }
    if (why)
        *why = reason;
    return known == 1;
}

platform::ServerConnection createTestDatabase()
{
    ServerAddress address;
    QString why;
    if (!readAddress(&address, &why))
        throw std::runtime_error(why.toStdString());
    platform::ServerConnection connection;
    connection.host = address.host;
    connection.port = address.port;
    connection.user = address.user;
    connection.database = QStringLiteral("t_%1_%2")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    const QString failure = runStatements(address, QStringLiteral("postgres"),
                                          { QStringLiteral("CREATE DATABASE %1").arg(connection.database) });
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    return connection;
}

void dropTestDatabase(const platform::ServerConnection &connection)
{
    ServerAddress address;
    QString why;
    if (!readAddress(&address, &why))
        return;
    runStatements(address, QStringLiteral("postgres"),
                  { QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(connection.database) });
}

void runOnTestServer(const QString &database, const QStringList &statements)
{
    ServerAddress address;
    QString why;
    if (!readAddress(&address, &why))
        throw std::runtime_error(why.toStdString());
    const QString failure = runStatements(address, database, statements);
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
}

} // namespace testsupport
