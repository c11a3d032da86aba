#pragma once

#include "platform/postgresbackend.h"
#include "platform/session.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <QVector>

#include <memory>

namespace testsupport {

// A temporary program directory as an installation has it: "Data/" with a
// fresh database holding every table declared so far, a user directory
// "User1/" with its own tables, Export.ini beside them, and the registry
// stores inside. It becomes the program directory and the current session
// for its lifetime. In a run on the test server (EV_TEST_BACKEND=postgres)
// "Data/" names a fresh database of that server instead.
class TestProgramDirectory
{
public:
    TestProgramDirectory();
    // The program directory another process of the test made (a child
    // process playing a second user): nothing is created or removed.
    explicit TestProgramDirectory(const QString &existingPath);
    ~TestProgramDirectory();

    QString path() const;                 // with trailing '/'
    QString dataDirectory() const;        // ".../Data"
    QString userDirectory() const;        // ".../User1"
    QString filePath(const QString &name) const;
    platform::Session &session() { return m_session; }

    // A second user of the same directories (own connections).
    std::unique_ptr<platform::Session> openSecondSession() const;

private:
    QTemporaryDir m_dir;
    QString m_path; // without trailing '/'
    QString m_serverDatabase; // the test server's database this directory made, if any
    platform::ServerConnection m_server;
    platform::Session m_session;
};

// Waits (a few seconds at most) until the database has heard of a change
// another connection committed since it said "seen" (othersVersion): a
// server tells its other connections just after the commit, not with it.
void awaitOthersChange(platform::Database &db, quint64 seen);

// Appends one record to a table of the data directory with the values given
// by field name.
void insertRecord(const QString &table, const QVariantMap &values);

// Every record of a table in the order of the given fields (the key when
// none), each field as text.
QVector<QStringList> snapshot(const QString &table, const QString &order = {});

// Sets one field of the parameter record S_PARAME.DB.
void setParameter(const QString &field, const QVariant &value);

// One field of the parameter record S_PARAME.DB as text.
QString parameterValue(const QString &field);

// The user's print rows by name, each on printer 0 with its copies; a
// missing row is created.
void setPrintRowCopies(const QList<QPair<QString, int>> &rows);

} // namespace testsupport
