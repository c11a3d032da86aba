// Two clerks on one record, each in a process of their own: a save never
// overwrites what the other one saved meanwhile, and never reaches a record
// other than the one read.
#include "testtables.h"

#include "platform/databaseerror.h"
#include "platform/field.h"
#include "platform/table.h"
#include "support/childprocess.h"
#include "support/testprogramdirectory.h"
#include "support/testserver.h"

#include "platform/sqlitebackend.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;

namespace {

// Child: sets one field of one record of TESTKOPF ("number", "field", "value").
int changeHeadField(const QStringList &arguments)
{
    registerPlatformTestTables();
    testsupport::TestProgramDirectory dir(arguments.at(0));
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    if (!t.findKey({ arguments.at(1).toInt() }))
        return 2;
    t.edit();
    t.fieldByName(arguments.at(2)).setAsString(arguments.at(3));
    t.post();
    return 0;
}
testsupport::ChildRegistration changeHead("changeHeadField", &changeHeadField);

// Child: deletes position (1, 2) and appends (7, 7); prints the new row id.
int replacePosition(const QStringList &arguments)
{
    registerPlatformTestTables();
    testsupport::TestProgramDirectory dir(arguments.at(0));
    Table t(Alias::Data, QStringLiteral("TESTPOS.DB"));
    t.open();
    if (!t.findKey({ 1, 2 }))
        return 2;
    t.deleteRecord();
    t.append();
    t.fieldByName("BelegNr").setAsInteger(7);
    t.fieldByName("Pos").setAsInteger(7);
    t.fieldByName("Text").setAsString(QStringLiteral("B-7"));
    t.post();
    return 0;
}
testsupport::ChildRegistration replace("replacePosition", &replacePosition);

qint64 storedRowId(const QString &table, const QString &where)
{
    Database &db = Session::current().database(Alias::Data);
    QSqlQuery q = db.exec(QStringLiteral("SELECT %1 FROM \"%2\" WHERE %3").arg(db.backend().rowIdExpression(), table, where));
    return q.next() ? q.value(0).toLongLong() : -1;
}

class TwoUserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        testsupport::insertRecord("TESTKOPF.DB", { { "BelegNr", 1 }, { "Name1", "Meier" }, { "Betrag", 10.5 } });
    }

    void runChild(const QString &name, const QStringList &arguments)
    {
        const testsupport::ChildResult result = testsupport::runChild(name, QStringList { dir->path() } + arguments);
        ASSERT_FALSE(result.crashed) << result.output.toStdString();
        ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(TwoUserTest, TheLaterSaveOfOneFieldIsRefusedAndShowsWhatIsStored)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.edit();
    t.fieldByName("Name1").setAsString(QStringLiteral("Müller"));
    runChild("changeHeadField", { "1", "Name1", "Schulze" });
    try {
        t.post();
        FAIL() << "the later save overwrote the other clerk's";
    } catch (const RecordChangedError &error) {
        EXPECT_TRUE(
            error.message().startsWith(QStringLiteral("Der Datensatz wurde von einem anderen Benutzer geändert.")));
    }
    EXPECT_EQ(t.state(), DataSetState::Edit);
    EXPECT_EQ(t.fieldByName("Name1").asString(), QStringLiteral("Schulze")) << "the stored value is shown";
    EXPECT_FALSE(t.isModified());

    // Entered again on what is stored now, the save goes through.
    t.fieldByName("Name1").setAsString(QStringLiteral("Müller"));
    t.post();
    Table check(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    check.open();
    EXPECT_EQ(check.fieldByName("Name1").asString(), QStringLiteral("Müller"));
}

TEST_F(TwoUserTest, ChangesToDifferentFieldsMerge)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.edit();
    t.fieldByName("Betrag").setAsFloat(99.25);
    runChild("changeHeadField", { "1", "Name1", "Schulze" });
    t.post();
    Table check(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    check.open();
    EXPECT_EQ(check.fieldByName("Name1").asString(), QStringLiteral("Schulze"));
    EXPECT_DOUBLE_EQ(check.fieldByName("Betrag").asFloat(), 99.25);
}

TEST_F(TwoUserTest, ARowIdTakenOverByAnotherRecordIsNeverWritten)
{
    for (int p = 1; p <= 2; ++p)
        testsupport::insertRecord(
            "TESTPOS.DB", { { "BelegNr", 1 }, { "Pos", p }, { "Text", QStringLiteral("A-%1").arg(p) } });
    const qint64 readRowId = storedRowId("TESTPOS", "BelegNr = 1 AND Pos = 2");

    // Clerk A is editing A-2 while clerk B deletes it and adds B-7.
    Table editing(Alias::Data, QStringLiteral("TESTPOS.DB"));
    editing.open();
    ASSERT_TRUE(editing.findKey({ 1, 2 }));
    editing.edit();
    editing.fieldByName("Text").setAsString(QStringLiteral("A-2 geändert"));
    Table deleting(Alias::Data, QStringLiteral("TESTPOS.DB"));
    deleting.open();
    ASSERT_TRUE(deleting.findKey({ 1, 2 }));

    runChild("replacePosition", {});
    if (testsupport::serverTablesRequested())
        EXPECT_NE(storedRowId("TESTPOS", "BelegNr = 7"), readRowId) << "the server gives no row id twice";
    else
        ASSERT_EQ(storedRowId("TESTPOS", "BelegNr = 7"), readRowId) << "the database took the row id over";

    EXPECT_THROW(editing.post(), DatabaseError);
    EXPECT_EQ(editing.state(), DataSetState::Edit);
    EXPECT_THROW(deleting.deleteRecord(), DatabaseError);
    EXPECT_THROW(deleting.edit(), DatabaseError) << "editing shows no other record";

    Table check(Alias::Data, QStringLiteral("TESTPOS.DB"));
    check.open();
    ASSERT_TRUE(check.findKey({ 7, 7 }));
    EXPECT_EQ(check.fieldByName("Text").asString(), QStringLiteral("B-7"));
    EXPECT_EQ(check.recordCount(), 2);
}

// A directory made write-protected for the test: by its mode, or, for root
// (whom modes do not stop), by a read-only bind mount over it.
class WriteProtection
{
public:
    explicit WriteProtection(const QString &directory)
        : m_directory(directory)
    {
        if (geteuid() != 0) {
            m_mode = true;
            m_done = QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        m_done = QProcess::execute("mount", { "--bind", directory, directory }) == 0;
        if (m_done && QProcess::execute("mount", { "-o", "remount,bind,ro", directory }) != 0) {
            QProcess::execute("umount", { "-l", directory });
            m_done = false;
        }
    }
    ~WriteProtection()
    {
        if (!m_done)
            return;
        if (m_mode)
            QFile::setPermissions(m_directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        else
            QProcess::execute("umount", { "-l", m_directory });
    }
    bool done() const { return m_done; }

private:
    QString m_directory;
    bool m_mode = false;
    bool m_done = false;
};

TEST(ReadOnlyDataDirectoryTest, IsReadAndRefusesChangesAsWriteProtected)
{
    if (testsupport::serverTablesRequested())
        GTEST_SKIP() << "a write-protected folder concerns the tables of the SQLite file only";
    registerPlatformTestTables();
    testsupport::TestProgramDirectory dir;
    testsupport::insertRecord("TESTKOPF.DB", { { "BelegNr", 1 }, { "Name1", "Meier" } });
    dir.session().closeAll();
    {
        WriteProtection protection(dir.dataDirectory());
        if (!protection.done())
            GTEST_SKIP() << "the directory cannot be write-protected here";
        {
            Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
            t.open();
            EXPECT_EQ(t.fieldByName("Name1").asString(), QStringLiteral("Meier"));
            t.edit();
            t.fieldByName("Name1").setAsString(QStringLiteral("Schulze"));
            try {
                t.post();
                ADD_FAILURE() << "a write-protected directory took a change";
            } catch (const DatabaseError &error) {
                EXPECT_EQ(error.message(), SqliteBackend::ReadOnlyMessage);
            }
            t.cancel();
            t.append();
            t.fieldByName("BelegNr").setAsInteger(2);
            try {
                t.post();
                ADD_FAILURE() << "a write-protected directory took a new record";
            } catch (const DatabaseError &error) {
                EXPECT_EQ(error.message(), SqliteBackend::ReadOnlyMessage);
            }
            t.cancel();
        }
        dir.session().closeAll();
    }
}

} // namespace
