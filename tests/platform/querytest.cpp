#include "testtables.h"

#include "platform/field.h"
#include "platform/query.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class QueryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
        t.open();
        const QList<std::tuple<int, QDate, QString, double>> rows = {
            {1, QDate(2024, 1, 10), "Anton", 10.5},
            {2, QDate(2024, 2, 20), "Berta", 20.0},
            {3, QDate(2024, 3, 30), "O'Neill", 30.25},
        };
        for (const auto &[n, d, name, amount] : rows) {
            t.append();
            t.fieldByName("BelegNr").setAsInteger(n);
            t.fieldByName("Datum").setAsDate(d);
            t.fieldByName("Name1").setAsString(name);
            t.fieldByName("Betrag").setAsFloat(amount);
            t.post();
        }
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(QueryTest, ReadsTableNamesInEveryFormWithAggregatesRangesAndLists)
{
    struct Case {
        QString sql;
        QVariantList values;
        QString expected;
    };
    const QVector<Case> cases = {
        {"SELECT MAX(BelegNr) FROM \"TESTKOPF.DB\"", {}, "3"},
        {"SELECT COUNT(*) FROM TESTKOPF.db WHERE BelegNr IN (1, 3)", {}, "2"},
        {"SELECT SUM(Betrag) FROM TESTKOPF", {}, "60,75"},
        {"SELECT CAST(Betrag AS INTEGER) FROM 'TESTKOPF.DB' WHERE BelegNr = 3", {}, "30"},
        {"SELECT Name1 FROM TESTKOPF.DB WHERE Datum BETWEEN ? AND ? ORDER BY BelegNr DESC",
         {QDate(2024, 2, 1), QDate(2024, 3, 31)}, "O'Neill"},
        {"SELECT BelegNr FROM TESTKOPF.DB WHERE Name1 = ?", {"O'Neill"}, "3"},
        {"SELECT Name1 FROM TESTKOPF.DB WHERE BelegNr = 99", {}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(queryScalar(c.sql, c.values), c.expected) << c.sql.toStdString();

    Query q(Alias::Data, QStringLiteral("SELECT BelegNr, Datum FROM TESTKOPF.DB ORDER BY BelegNr"));
    q.open();
    EXPECT_EQ(q.recordCount(), 3);
    EXPECT_EQ(q.fieldByName("Datum").asDate(), QDate(2024, 1, 10));
    q.last();
    EXPECT_EQ(q.fieldByName("BelegNr").asInteger(), 3);
    EXPECT_THROW(q.edit(), DatabaseError);
}

TEST_F(QueryTest, UpdateChangesRowsAndOpenTablesSeeIt)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.last();
    Query update(Alias::Data, QStringLiteral("UPDATE TESTKOPF.DB SET Name1 = :name WHERE BelegNr >= :from"));
    update.bindValue(QStringLiteral("name"), QStringLiteral("Neu"));
    update.bindValue(QStringLiteral("from"), 2);
    EXPECT_EQ(update.execSql(), 2);
    t.first();
    t.next();
    EXPECT_EQ(t.fieldByName("Name1").asString(), "Neu");
    EXPECT_THROW(queryScalar(QStringLiteral("SELECT x FROM FEHLT.DB")), DatabaseError);
}

} // namespace
