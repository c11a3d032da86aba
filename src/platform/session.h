#pragma once

#include "platform/database.h"

#include <QHash>
#include <QString>

#include <memory>

namespace platform {

// The database aliases of one program run and their connections. The program
// uses the current session; a test may open a second one on the same
// directories to play a second user.
class Session
{
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    static Session &current();
    static void setCurrent(Session *session);  // nullptr: back to the default

    void setAliasPath(const QString &alias, const QString &directory);
    QString aliasPath(const QString &alias) const;
    bool hasAlias(const QString &alias) const;
    // The database of an alias, opened on first use. With create, a missing
    // database file is created.
    Database &database(const QString &alias, bool create = false);
    void closeAll();
    // The SQLite backend of a directory without a server connection file.
    const std::shared_ptr<DatabaseBackend> &backend() const { return m_backend; }
    // The backend of an alias: the server its directory's connection file
    // names, else SQLite.
    std::shared_ptr<DatabaseBackend> backendOf(const QString &alias);

private:
    QString m_id;
    std::shared_ptr<DatabaseBackend> m_backend;
    QHash<QString, std::shared_ptr<DatabaseBackend>> m_backends; // lower-case alias -> backend of its directory
    QHash<QString, QString> m_paths;  // lower-case alias -> directory
    QHash<QString, std::shared_ptr<Database>> m_databases;
};

} // namespace platform
