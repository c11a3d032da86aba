// Tables on a PostgreSQL server: the connection file of a data directory,
// its faults, a connection lost in a save, the copy of an office's SQLite
// file onto the server, and two processes writing at once.
#include "testtables.h"

#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/field.h"
#include "platform/postgresbackend.h"
#include "platform/servercopy.h"
#include "platform/session.h"
#include "platform/sqlitebackend.h"
#include "platform/table.h"
#include "support/childprocess.h"
#include "support/testprogramdirectory.h"
#include "support/testserver.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace platform;

namespace {

// Tests of the server itself run once, not again in the run that keeps
// every directory's tables on the server.
#define ONCE_ON_THE_TEST_SERVER()                                                                      \
    do {                                                                                               \
        if (testsupport::serverTablesRequested())                                                      \
            GTEST_SKIP() << "runs in the plain run";                                                   \
        REQUIRE_TEST_SERVER();                                                                         \
    } while (false)

ServerConnection testServer()
{
    ServerConnection server = testsupport::createTestDatabase();
    testsupport::dropTestDatabase(server);
    return server;
}

TEST(ServerConnectionTest, AFaultyConnectionFileSaysWhichFaultAndCreatesNothing)
{
    ONCE_ON_THE_TEST_SERVER();
    const ServerConnection server = testServer();
    const ServerConnection locked = testsupport::createTestDatabase();
    testsupport::runOnTestServer(QStringLiteral("postgres"),
        { QStringLiteral("DROP ROLE IF EXISTS ohne_recht"), QStringLiteral("CREATE ROLE ohne_recht LOGIN"),
            QStringLiteral("REVOKE CONNECT ON DATABASE %1 FROM PUBLIC").arg(locked.database) });
    const int freePort = 1; // where nothing listens

    struct Case {
        const char *name;
        std::function<void(ServerConnection &)> change;
        QString message;
    };
    const QVector<Case> cases = {
        { "unreachable server",
            [freePort](ServerConnection &c) {
                c.host = QStringLiteral("127.0.0.1");
                c.port = freePort;
            },
            QStringLiteral("Der Datenbankserver 127.0.0.1:%1 ist nicht erreichbar.").arg(freePort) },
        { "wrong database", [](ServerConnection &c) { c.database = QStringLiteral("gibt_es_nicht"); },
            QStringLiteral("Die Datenbank \"gibt_es_nicht\" gibt es auf dem Datenbankserver") },
        { "user without rights",
            [&locked](ServerConnection &c) {
                c.database = locked.database;
                c.user = QStringLiteral("ohne_recht");
            },
            QStringLiteral("Der Benutzer \"ohne_recht\" darf die Datenbank \"%1\"").arg(locked.database) },
        { "no database named", [](ServerConnection &c) { c.database.clear(); },
            QStringLiteral("nennt keine Datenbank") },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir data;
        ServerConnection connection = server;
        c.change(connection);
        ASSERT_TRUE(connection.write(data.path()));
        Session session;
        session.setAliasPath(Alias::Data, data.path());
        try {
            session.database(Alias::Data, true);
            ADD_FAILURE() << "opened";
        } catch (const DatabaseError &error) {
            EXPECT_TRUE(error.message().contains(c.message)) << error.message().toStdString();
        }
        EXPECT_THROW(probeServer(data.path()), DatabaseError);
        EXPECT_EQ(QDir(data.path()).entryList(QDir::Files), QStringList { ServerConnection::FileName })
            << "nothing made in the directory";
    }
    // Nor on the server.
    ServerConnection wrong = server;
    wrong.database = QStringLiteral("gibt_es_nicht");
    QTemporaryDir again;
    wrong.write(again.path());
    EXPECT_THROW(probeServer(again.path()), DatabaseError) << "the wrong database was not created";
    testsupport::dropTestDatabase(locked);
}

// The data directory of an office on one machine, with heads and positions.
struct SqliteOffice {
    QTemporaryDir dir;
    Session session;
    static constexpr int Heads = 250;

    SqliteOffice()
    {
        registerPlatformTestTables();
        session.setAliasPath(Alias::Data, dir.path());
        Database &db = session.database(Alias::Data, true);
        const auto &registry = SchemaRegistry::instance();
        db.ensureTables({ *registry.find(QStringLiteral("TESTKOPF")), *registry.find(QStringLiteral("TESTPOS")) });
        Table head(Alias::Data, QStringLiteral("TESTKOPF.DB"));
        Table positions(Alias::Data, QStringLiteral("TESTPOS.DB"));
        head.setSession(&session);
        positions.setSession(&session);
        head.open();
        positions.open();
        Transaction transaction(db);
        for (int n = 1; n <= Heads; ++n) {
            head.append();
            head.fieldByName("BelegNr").setAsInteger(n);
            head.fieldByName("Datum").setAsDate(QDate(2024, 1, 1).addDays(n));
            head.fieldByName("Name1").setAsString(n % 10 == 0 ? QString() : QStringLiteral("Müller %1").arg(n));
            head.fieldByName("Betrag").setAsFloat(n + 0.25);
            head.fieldByName("Erledigt").setAsBoolean(n % 2 == 0);
            head.fieldByName("Notiz").setAsString(n == 7 ? QStringLiteral("Zeile 1\nZeile 2 'ß' \"x\"") : QString());
            head.post();
            for (int p = 1; p <= 2; ++p) {
                positions.append();
                positions.fieldByName("BelegNr").setAsInteger(n);
                positions.fieldByName("Pos").setAsInteger(p);
                positions.fieldByName("Text").setAsString(QStringLiteral("Pos %1").arg(p));
                positions.post();
            }
        }
        transaction.commit();
        session.closeAll();
    }
};

TEST(ServerCopyTest, CopiesEveryTableWithItsRecordsAndRefusesADatabaseThatHoldsTables)
{
    ONCE_ON_THE_TEST_SERVER();
    SqliteOffice office;
    const ServerConnection server = testsupport::createTestDatabase();
    ASSERT_TRUE(server.write(office.dir.path()));
    QStringList announced;
    const ServerCopyReport report
        = copyDataDirectoryToServer(office.dir.path(), [&announced](const QString &t) { announced.append(t); });
    EXPECT_EQ(announced, (QStringList { "TESTKOPF.DB", "TESTPOS.DB" }));
    EXPECT_EQ(report.records, 3 * SqliteOffice::Heads);

    // The directory now opens on the server, with the same records.
    Session onServer;
    onServer.setAliasPath(Alias::Data, office.dir.path());
    Database &db = onServer.database(Alias::Data);
    EXPECT_EQ(db.backend().driverName(), QStringLiteral("QPSQL"));
    EXPECT_EQ(db.countRows("TESTKOPF"), SqliteOffice::Heads);
    EXPECT_EQ(db.countRows("TESTPOS"), 2 * SqliteOffice::Heads);
    const TableSchema stored = db.storedSchemaOf("TESTKOPF");
    EXPECT_EQ(stored.primaryKeyFields(), QStringList { "BelegNr" });
    ASSERT_EQ(stored.indexes().size(), 1);
    EXPECT_TRUE(stored.indexes().first().caseInsensitive);
    Table head(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    head.setSession(&onServer);
    head.open();
    ASSERT_TRUE(head.findKey({ 7 }));
    EXPECT_EQ(head.fieldByName("Datum").asDate(), QDate(2024, 1, 8));
    EXPECT_EQ(head.fieldByName("Name1").asString(), QStringLiteral("Müller 7"));
    EXPECT_EQ(head.fieldByName("Betrag").asFloat(), 7.25);
    EXPECT_FALSE(head.fieldByName("Erledigt").asBoolean());
    EXPECT_EQ(head.fieldByName("Notiz").asString(), QStringLiteral("Zeile 1\nZeile 2 'ß' \"x\""));
    ASSERT_TRUE(head.findKey({ 10 }));
    EXPECT_TRUE(head.fieldByName("Name1").isNull());
    EXPECT_TRUE(head.fieldByName("Erledigt").asBoolean());
    head.setIndexName("iName");
    ASSERT_TRUE(head.findKey({ QStringLiteral("MÜLLER 12") })) << "the case-insensitive index came along";
    EXPECT_EQ(head.fieldByName("BelegNr").asInteger(), 12);
    head.close();
    onServer.closeAll();

    EXPECT_TRUE(QFileInfo::exists(QDir(office.dir.path()).filePath(SqliteBackend::FileName)))
        << "nothing is deleted on the SQLite side";
    try {
        copyDataDirectoryToServer(office.dir.path());
        ADD_FAILURE() << "copied into a database that holds tables";
    } catch (const DatabaseError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("enthält bereits Tabellen"))) << error.message().toStdString();
    }
    testsupport::dropTestDatabase(server);
}

// Child: appends heads with numbers from..to, one save each.
int appendHeads(const QStringList &arguments)
{
    registerPlatformTestTables();
    testsupport::TestProgramDirectory dir(arguments.at(0));
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    for (int n = arguments.at(1).toInt(); n <= arguments.at(2).toInt(); ++n) {
        t.append();
        t.fieldByName("BelegNr").setAsInteger(n);
        t.fieldByName("Name1").setAsString(QStringLiteral("Kunde %1").arg(n));
        t.post();
    }
    return 0;
}
testsupport::ChildRegistration appending("appendHeads", &appendHeads);

// Child: copies document 1 with its positions as document 2 in one
// transaction and is killed after the second position.
int copyDocumentAndDie(const QStringList &arguments)
{
    registerPlatformTestTables();
    testsupport::TestProgramDirectory dir(arguments.at(0));
    Database &db = Session::current().database(Alias::Data);
    Transaction transaction(db);
    db.exec(QStringLiteral("INSERT INTO TESTKOPF (BelegNr, Name1) SELECT 2, Name1 FROM TESTKOPF WHERE BelegNr = 1"));
    Table positions(Alias::Data, QStringLiteral("TESTPOS.DB"));
    positions.open();
    for (int p = 1; p <= 3; ++p) {
        positions.append();
        positions.fieldByName("BelegNr").setAsInteger(2);
        positions.fieldByName("Pos").setAsInteger(p);
        positions.post();
        if (p == 2)
            std::raise(SIGKILL);
    }
    transaction.commit();
    return 3; // not killed
}
testsupport::ChildRegistration copyAndDie("copyDocumentAndDie", &copyDocumentAndDie);

class TwoProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
    }
    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(TwoProcessTest, BothSaveDifferentRecordsOfOneTableAtOnceAndBothAreKept)
{
    dir->session().closeAll();
    const auto first = testsupport::startChild("appendHeads", { dir->path(), "1", "60" });
    const auto second = testsupport::startChild("appendHeads", { dir->path(), "101", "160" });
    const testsupport::ChildResult one = testsupport::waitChild(*first);
    const testsupport::ChildResult other = testsupport::waitChild(*second);
    EXPECT_EQ(one.exitCode, 0) << one.output.toStdString();
    EXPECT_EQ(other.exitCode, 0) << other.output.toStdString();
    EXPECT_EQ(dir->session().database(Alias::Data).countRows("TESTKOPF"), 120);
}

TEST_F(TwoProcessTest, AProcessKilledInTheMiddleOfCopyingADocumentLeavesNothingHalfWritten)
{
    testsupport::insertRecord("TESTKOPF.DB", { { "BelegNr", 1 }, { "Name1", "Meier" } });
    testsupport::insertRecord("TESTPOS.DB", { { "BelegNr", 1 }, { "Pos", 1 } });
    dir->session().closeAll();
    const testsupport::ChildResult result = testsupport::runChild("copyDocumentAndDie", { dir->path() });
    ASSERT_TRUE(result.crashed) << result.output.toStdString();
    Database &db = dir->session().database(Alias::Data);
    EXPECT_EQ(db.countRows("TESTKOPF"), 1) << "the copy's head is not there";
    EXPECT_EQ(db.countRows("TESTPOS"), 1) << "nor any of its positions";
    // The other workstation goes on writing.
    testsupport::insertRecord("TESTKOPF.DB", { { "BelegNr", 2 }, { "Name1", "Schulze" } });
    EXPECT_EQ(db.countRows("TESTKOPF"), 2);
}

TEST_F(TwoProcessTest, AConnectionLostInASaveKeepsTheRecordInEditStateAndTheNextSaveSucceeds)
{
    if (!testsupport::serverTablesRequested())
        GTEST_SKIP() << "concerns a server connection";
    testsupport::insertRecord("TESTKOPF.DB", { { "BelegNr", 1 }, { "Name1", "Meier" } });
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.edit();
    t.fieldByName("Name1").setAsString(QStringLiteral("Schulze"));
    // The server ends the connection of this program.
    ServerConnection server;
    ASSERT_TRUE(ServerConnection::read(dir->dataDirectory(), &server));
    testsupport::runOnTestServer(QStringLiteral("postgres"),
        { QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '%1'")
                .arg(server.database) });
    try {
        t.post();
        FAIL() << "saved on a lost connection";
    } catch (const DatabaseError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Verbindung zum Datenbankserver"))) << error.message().toStdString();
    }
    EXPECT_EQ(t.state(), DataSetState::Edit);
    EXPECT_EQ(t.fieldByName("Name1").asString(), QStringLiteral("Schulze"));
    t.post();
    Table check(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    check.open();
    EXPECT_EQ(check.fieldByName("Name1").asString(), QStringLiteral("Schulze"));
    EXPECT_EQ(check.recordCount(), 1);
}

} // namespace
