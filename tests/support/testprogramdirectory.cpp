#include "support/testprogramdirectory.h"

#include "platform/field.h"
#include "platform/fieldvalue.h"
#include "platform/registry.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/settings.h"
#include "shell/shelltables.h"
#include "support/testserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>

namespace testsupport {

TestProgramDirectory::TestProgramDirectory()
    : m_path(m_dir.path())
{
    QDir root(m_path);
    root.mkpath(QStringLiteral("Data"));
    root.mkpath(QStringLiteral("User1"));
    root.mkpath(QStringLiteral("registry"));
    if (serverTablesRequested()) {
        m_server = createTestDatabase();
        m_serverDatabase = m_server.database;
        m_server.write(dataDirectory());
    }
    shell::setProgramDirectory(path());
    shell::CurrentDocumentNumber = 1;
    platform::Registry::setStoreFiles(filePath(QStringLiteral("registry/machine.ini")),
                                      filePath(QStringLiteral("registry/user.ini")));
    m_session.setAliasPath(platform::Alias::Data, dataDirectory());
    m_session.setAliasPath(platform::Alias::User, userDirectory());
    platform::Session::setCurrent(&m_session);
    shell::registerPrintTables();
    shell::registerShellTables();
    const auto &registry = platform::SchemaRegistry::instance();
    m_session.database(platform::Alias::Data, true).ensureTables(registry.tables(platform::Alias::Data));
    m_session.database(platform::Alias::User, true).ensureTables(registry.tables(platform::Alias::User));
    shell::ensureParameterRecord(m_session);
}

TestProgramDirectory::TestProgramDirectory(const QString &existingPath)
    : m_dir(QDir::tempPath() + QStringLiteral("/evchild-XXXXXX"))
    , m_path(QDir::cleanPath(existingPath))
{
    shell::setProgramDirectory(path());
    platform::Registry::setStoreFiles(
        filePath(QStringLiteral("registry/machine.ini")), filePath(QStringLiteral("registry/user.ini")));
    m_session.setAliasPath(platform::Alias::Data, dataDirectory());
    m_session.setAliasPath(platform::Alias::User, userDirectory());
    platform::Session::setCurrent(&m_session);
    shell::registerPrintTables();
    shell::registerShellTables();
}

TestProgramDirectory::~TestProgramDirectory()
{
    m_session.closeAll();
    platform::Session::setCurrent(nullptr);
    shell::setProgramDirectory(QString());
    if (!m_serverDatabase.isEmpty())
        dropTestDatabase(m_server);
}

QString TestProgramDirectory::path() const
{
    return m_path + QLatin1Char('/');
}

QString TestProgramDirectory::dataDirectory() const
{
    return m_path + QStringLiteral("/Data");
}

QString TestProgramDirectory::userDirectory() const
{
    return m_path + QStringLiteral("/User1");
}

QString TestProgramDirectory::filePath(const QString &name) const
{
    return path() + name;
}

std::unique_ptr<platform::Session> TestProgramDirectory::openSecondSession() const
{
    auto session = std::make_unique<platform::Session>();
    session->setAliasPath(platform::Alias::Data, dataDirectory());
    session->setAliasPath(platform::Alias::User, userDirectory());
    return session;
}

void awaitOthersChange(platform::Database &db, quint64 seen)
{
    QElapsedTimer timer;
    timer.start();
    while (db.othersVersion() == seen && timer.elapsed() < 5000)
        QThread::msleep(1);
}

void insertRecord(const QString &table, const QVariantMap &values)
{
    platform::Table t(platform::Alias::Data, table);
    t.open();
    t.append();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        t.setValue(it.key(), it.value());
    t.post();
}

QVector<QStringList> snapshot(const QString &table, const QString &order)
{
    platform::Table t(platform::Alias::Data, table);
    if (!order.isEmpty())
        t.setIndexFieldNames(order);
    t.open();
    QVector<QStringList> rows;
    for (int r = 0; r < t.recordCount(); ++r) {
        const QVector<QVariant> values = t.rowAt(r);
        QStringList texts;
        for (int i = 0; i < t.fieldCount(); ++i)
            texts.append(platform::valueToText(t.fieldDef(i).type, values.at(i)));
        rows.append(texts);
    }
    return rows;
}

void setParameter(const QString &field, const QVariant &value)
{
    platform::Table parameter(platform::Alias::Data, QStringLiteral("S_PARAME.DB"));
    parameter.open();
    parameter.edit();
    parameter.setValue(field, value);
    parameter.post();
}

QString parameterValue(const QString &field)
{
    platform::Table parameter(platform::Alias::Data, QStringLiteral("S_PARAME.DB"));
    parameter.open();
    return parameter.fieldByName(field).asString();
}

void setPrintRowCopies(const QList<QPair<QString, int>> &rows)
{
    platform::Table table(platform::Alias::User, shell::PrintSettingsTable);
    table.open();
    for (const auto &[name, copies] : rows) {
        shell::createPrintRow(table, name, QStringLiteral("0"));
        table.findKey({ name });
        table.edit();
        table.fieldByName(QStringLiteral("schnittst")).setAsString(QStringLiteral("0"));
        table.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(copies);
        table.post();
    }
}

} // namespace testsupport
