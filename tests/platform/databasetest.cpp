#include "testtables.h"

#include "platform/field.h"
#include "platform/session.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"
#include "support/testserver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
    }
    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(DatabaseTest, RestructureKeepsEveryRecordAndConvertsTypes)
{
    Database &db = dir->session().database(Alias::Data);
    TableSchema before(QStringLiteral("UMBAU.DB"), Alias::Data);
    before.integer("Nr").string("Name1", 30).string("Menge", 10).primaryKey({"Nr"}).index("iName", {"Name1"}, true);
    db.createTable(before);
    {
        Table t(Alias::Data, "UMBAU.DB");
        t.open();
        for (int i = 1; i <= 50; ++i) {
            t.append();
            t.fieldByName("Nr").setAsInteger(i);
            t.fieldByName("Name1").setAsString(QStringLiteral("Kunde Müller %1").arg(i));
            t.fieldByName("Menge").setAsString(QString::number(i * 2));
            t.post();
        }
    }
    TableSchema after(QStringLiteral("UMBAU.DB"), Alias::Data);
    after.integer("Nr").string("Name1", 40).integer("Menge").string("Neu", 5).primaryKey({"Nr"}).index("iName", {"Name1"}, true);
    db.restructure("UMBAU.DB", after);
    Table t(Alias::Data, "UMBAU.DB");
    t.open();
    EXPECT_EQ(t.recordCount(), 50);
    EXPECT_EQ(t.fieldByName("Name1").size(), 40);
    t.last();
    EXPECT_EQ(t.fieldByName("Menge").asInteger(), 100);
    EXPECT_EQ(t.fieldByName("Name1").asString(), "Kunde Müller 50");
    t.setIndexName("iName");
    EXPECT_TRUE(t.findKey({QStringLiteral("kunde müller 7")}));

    // A conversion that would lose a value leaves the table as it was.
    TableSchema lossy = after;
    lossy.setField(1, FieldDef{"Name1", FieldType::String, 5, {}});
    t.close();
    EXPECT_THROW(db.restructure("UMBAU.DB", lossy), DatabaseError);
    t.open();
    EXPECT_EQ(t.recordCount(), 50);
    EXPECT_EQ(t.fieldByName("Name1").size(), 40);
}

TEST_F(DatabaseTest, BadFilesAndStructuresGiveGermanMessages)
{
    // A table whose stored structure lacks a declared field.
    Database &db = dir->session().database(Alias::Data);
    db.dropTable("TESTPOS.DB");
    TableSchema older(QStringLiteral("TESTPOS.DB"), Alias::Data);
    older.integer("BelegNr").integer("Pos").primaryKey({"BelegNr", "Pos"});
    db.createTable(older);
    Table t(Alias::Data, "TESTPOS.DB");
    try {
        t.open();
        FAIL() << "opened a table of the wrong structure";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("das Feld \"Text\" fehlt"))) << e.message().toStdString();
    }

    Table missing(Alias::Data, "GIBTESNICHT.DB");
    try {
        missing.open();
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Tabelle GIBTESNICHT.DB nicht gefunden."));
    }

    QTemporaryDir broken;
    QFile junk(QDir(broken.path()).filePath(QStringLiteral("Datenbank.sqlite")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    Session session;
    session.setAliasPath(Alias::Data, broken.path());
    try {
        session.database(Alias::Data);
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("beschädigt"))) << e.message().toStdString();
    }
    session.setAliasPath(Alias::Data, broken.path() + QStringLiteral("/fehlt"));
    EXPECT_THROW(session.database(Alias::Data), DatabaseError);
}

TEST_F(DatabaseTest, WriteWhileAnotherUserHoldsTheLockSaysSoAndKeepsTheRecord)
{
    if (testsupport::serverTablesRequested())
        GTEST_SKIP() << "the server locks records, not the whole database (see the held-record test)";
    auto second = dir->openSecondSession();
    Database &other = second->database(Alias::Data);
    other.transaction();
    other.exec(QStringLiteral("INSERT INTO TESTKOPF (BelegNr) VALUES (1)"));

    Database &db = dir->session().database(Alias::Data);
    db.exec(QStringLiteral("PRAGMA busy_timeout = 50"));
    Table t(Alias::Data, "TESTKOPF.DB");
    t.open();
    t.append();
    t.fieldByName("BelegNr").setAsInteger(2);
    try {
        t.post();
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("anderen Benutzer"))) << e.message().toStdString();
    }
    EXPECT_EQ(t.state(), DataSetState::Insert);
    other.commit();
    t.post();
    EXPECT_EQ(t.recordCount(), 2);
}

TEST_F(DatabaseTest, ARecordAnotherUserHoldsIsWaitedForThenRefusedAndStaysInEditState)
{
    testsupport::insertRecord("TESTKOPF.DB", { { "BelegNr", 1 }, { "Name1", "Meier" }, { "Betrag", 1.0 } });
    Database &db = dir->session().database(Alias::Data);
    const bool server = db.backend().driverName() == QLatin1String("QPSQL");
    if (server) {
        QSqlQuery wait = db.exec(QStringLiteral("SHOW lock_timeout"));
        ASSERT_TRUE(wait.next());
        EXPECT_EQ(wait.value(0).toString(), QStringLiteral("10s")) << "as long as on the SQLite file";
    }
    db.exec(server ? QStringLiteral("SET lock_timeout = 50") : QStringLiteral("PRAGMA busy_timeout = 50"));

    auto second = dir->openSecondSession();
    Database &other = second->database(Alias::Data);
    other.transaction();
    other.exec(QStringLiteral("UPDATE TESTKOPF SET Name1 = 'Schulze' WHERE BelegNr = 1"));

    Table t(Alias::Data, "TESTKOPF.DB");
    t.open();
    t.edit();
    t.fieldByName("Betrag").setAsFloat(5.0);
    try {
        t.post();
        FAIL() << "wrote a record another user holds";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("anderen Benutzer"))) << e.message().toStdString();
    }
    EXPECT_EQ(t.state(), DataSetState::Edit);
    other.commit();
    t.post();
    Table check(Alias::Data, "TESTKOPF.DB");
    check.open();
    EXPECT_EQ(check.fieldByName("Name1").asString(), QStringLiteral("Schulze")) << "the other user's change stays";
    EXPECT_EQ(check.fieldByName("Betrag").asFloat(), 5.0);
}

TEST_F(DatabaseTest, CopyTableAndAddIndex)
{
    Table t(Alias::Data, "TESTKOPF.DB");
    t.open();
    for (int n = 1; n <= 3; ++n) {
        t.append();
        t.fieldByName("BelegNr").setAsInteger(n);
        t.fieldByName("Name1").setAsString(QStringLiteral("N%1").arg(4 - n));
        t.post();
    }
    Database &db = dir->session().database(Alias::Data);
    db.copyTable("TESTKOPF.DB", "KOPIE.DB");
    Table copy(Alias::Data, "KOPIE.DB");
    copy.open();
    EXPECT_EQ(copy.recordCount(), 3);
    EXPECT_EQ(copy.fieldDef(2).name, "Name1");
    copy.addIndex("iName2", {"Name1"});
    copy.setIndexName("iName2");
    copy.first();
    EXPECT_EQ(copy.fieldByName("BelegNr").asInteger(), 3);
}

} // namespace
