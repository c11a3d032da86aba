#include "platform/session.h"

#include "platform/databaseerror.h"
#include "platform/postgresbackend.h"
#include "platform/sqlitebackend.h"

#include <QDir>

#include <atomic>

namespace platform {

namespace {
Session *&currentOverride()
{
    static Session *session = nullptr;
    return session;
}
std::atomic<int> sessionCounter{0};
} // namespace

Session::Session()
    : m_id(QString::number(++sessionCounter))
    , m_backend(std::make_shared<SqliteBackend>())
{
}

Session::~Session()
{
    closeAll();
    if (currentOverride() == this)
        currentOverride() = nullptr;
}

Session &Session::current()
{
    if (currentOverride())
        return *currentOverride();
    static Session defaultSession;
    return defaultSession;
}

void Session::setCurrent(Session *session)
{
    currentOverride() = session;
}

void Session::setAliasPath(const QString &alias, const QString &directory)
{
    const QString key = alias.toLower();
    const QString cleaned = QDir::cleanPath(directory);
    if (m_paths.value(key) == cleaned)
        return;
    m_databases.remove(key);
    m_backends.remove(key);
    m_paths.insert(key, cleaned);
}

QString Session::aliasPath(const QString &alias) const
{
    return m_paths.value(alias.toLower());
}

bool Session::hasAlias(const QString &alias) const
{
    return m_paths.contains(alias.toLower());
}

Database &Session::database(const QString &alias, bool create)
{
    const QString key = alias.toLower();
    auto it = m_databases.find(key);
    if (it != m_databases.end() && it.value()->isOpen())
        return *it.value();
    // Tables hold on to their database: one that was closed opens again
    // in place.
    if (it != m_databases.end()) {
        it.value()->open(create);
        return *it.value();
    }
    if (!m_paths.contains(key))
        throw DatabaseError(QStringLiteral("Der Datenbank-Alias \"%1\" ist nicht eingerichtet.").arg(alias));
    auto db = std::make_shared<Database>(alias, m_paths.value(key),
                                         QStringLiteral("session%1_%2").arg(m_id, key), backendOf(alias));
    db->open(create);
    m_databases.insert(key, db);
    return *db;
}

std::shared_ptr<DatabaseBackend> Session::backendOf(const QString &alias)
{
    const QString key = alias.toLower();
    auto it = m_backends.find(key);
    if (it == m_backends.end()) {
        ServerConnection server;
        std::shared_ptr<DatabaseBackend> backend = m_backend;
        if (ServerConnection::read(m_paths.value(key), &server))
            backend = std::make_shared<PostgresBackend>(server);
        it = m_backends.insert(key, backend);
    }
    return it.value();
}

void Session::closeAll()
{
    m_databases.clear();
}

} // namespace platform
