// Moves through tables larger than the block of rows a table holds: every
// order, range and filter walks, jumps and finds alike, and other users'
// changes between two moves are neither skipped nor shown twice.
#include "testtables.h"

#include "platform/database.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/table.h"
#include "platform/session.h"
#include "support/testprogramdirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

using namespace platform;

namespace {

// Many records share a name: three spellings that the case-insensitive
// order counts as one, and empty names.
const QStringList Names = {"Meier", "Anton", "meier", "", "Müller", "MEIER", "zeta"};
constexpr int Records = 600;

class TableMovesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
        t.open();
        Transaction transaction(t.database());
        // Numbers not in the order of insertion, so that row ids and numbers differ.
        for (int i = 0; i < Records; ++i)
            addHead(t, (i * 7) % Records + 1, Names.at(i % Names.size()));
        transaction.commit();
    }

    static void addHead(Table &t, int number, const QString &name)
    {
        t.append();
        t.fieldByName(QStringLiteral("BelegNr")).setAsInteger(number);
        t.fieldByName(QStringLiteral("Name1")).setAsString(name);
        t.post();
    }

    // The numbers as the database orders them. The statements are written
    // for SQLite; on another database the row id, the collation and the
    // place of empty fields are its own.
    static QVector<int> expected(QString sql)
    {
        const DatabaseBackend &backend = Session::current().database(Alias::Data).backend();
        if (const int at = sql.indexOf(QLatin1String(" ORDER BY ")); at >= 0) {
            QStringList terms = sql.mid(at + 10).split(QStringLiteral(", "));
            for (QString &term : terms)
                term = term == QLatin1String("rowid") ? backend.rowIdExpression() : term + backend.emptyFirstOrder(false);
            sql = sql.left(at + 10) + terms.join(QStringLiteral(", "));
        }
        sql.replace(QStringLiteral(" COLLATE GNOCASE"), backend.collateCaseInsensitive());
        Query q(Alias::Data, sql);
        q.open();
        QVector<int> numbers;
        for (; !q.eof(); q.next())
            numbers.append(q.value(0).toInt());
        return numbers;
    }

    static int number(DataSet &t) { return t.value(QStringLiteral("BelegNr")).toInt(); }

    static QVector<int> walkForwards(Table &t)
    {
        QVector<int> numbers;
        for (t.first(); !t.eof(); t.next())
            numbers.append(number(t));
        return numbers;
    }

    static QVector<int> walkBackwards(Table &t)
    {
        QVector<int> numbers;
        for (t.last(); !t.bof(); t.prior())
            numbers.prepend(number(t));
        return numbers;
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(TableMovesTest, EveryOrderRangeAndFilterWalksJumpsAndFindsAlikeEqualKeysInAStableOrder)
{
    struct Case {
        const char *name;
        std::function<void(Table &)> view;
        QString sql;
    };
    const QVector<Case> cases = {
        {"primary key", [](Table &) {}, "SELECT BelegNr FROM TESTKOPF ORDER BY BelegNr"},
        {"case-insensitive names", [](Table &t) { t.setIndexName("iName"); },
         "SELECT BelegNr FROM TESTKOPF ORDER BY Name1 COLLATE GNOCASE, rowid"},
        {"names by field list", [](Table &t) { t.setIndexFieldNames("Name1;BelegNr"); },
         "SELECT BelegNr FROM TESTKOPF ORDER BY Name1, BelegNr, rowid"},
        {"key range", [](Table &t) { t.setRange({100}, {450}); },
         "SELECT BelegNr FROM TESTKOPF WHERE BelegNr BETWEEN 100 AND 450 ORDER BY BelegNr"},
        {"name range",
         [](Table &t) {
             t.setIndexName("iName");
             t.setRange({"MEIER"}, {"müller"});
         },
         "SELECT BelegNr FROM TESTKOPF WHERE Name1 COLLATE GNOCASE BETWEEN 'Meier' AND 'Müller' "
         "ORDER BY Name1 COLLATE GNOCASE, rowid"},
        {"case-insensitive prefix filter on the name order",
         [](Table &t) {
             t.setIndexName("iName");
             t.setFilter({FilterCondition::prefix("Name1", "mei")});
             t.setFiltered(true);
         },
         "SELECT BelegNr FROM TESTKOPF WHERE Name1 COLLATE GNOCASE = 'meier' ORDER BY Name1 COLLATE GNOCASE, rowid"},
        {"filter on the key order",
         [](Table &t) {
             t.setFilter({FilterCondition::compare("BelegNr", FilterCondition::Op::Greater, 250)});
             t.setFiltered(true);
         },
         "SELECT BelegNr FROM TESTKOPF WHERE BelegNr > 250 ORDER BY BelegNr"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
        t.open();
        c.view(t);
        const QVector<int> order = expected(c.sql);
        const int n = int(order.size());
        ASSERT_GT(n, 130) << "the view must be larger than a block";
        EXPECT_EQ(walkForwards(t), order);
        EXPECT_EQ(walkBackwards(t), order);
        EXPECT_EQ(t.recordCount(), n);

        // Rows as a grid reads them: near, far, backwards, from the end.
        for (int position : {0, n - 1, n / 2, n / 2 - 1, n / 2 + 120, 3, n - 2, 260 % n, 259 % n, 1, n - 129}) {
            ASSERT_EQ(t.rowAt(position).value(0).toInt(), order.at(position)) << "position " << position;
        }
        EXPECT_TRUE(t.rowAt(n).value(0).isNull());

        t.first();
        EXPECT_EQ(t.moveBy(129), 129);
        EXPECT_EQ(number(t), order.at(129));
        EXPECT_EQ(t.recNo(), 130);
        EXPECT_EQ(t.moveBy(-100), -100);
        EXPECT_EQ(number(t), order.at(29));
        EXPECT_EQ(t.moveBy(3 * n), n - 1 - 29);
        EXPECT_TRUE(t.eof());
        EXPECT_EQ(number(t), order.last());
        EXPECT_EQ(t.moveBy(-(n - 2)), -(n - 2));
        EXPECT_EQ(number(t), order.at(1));
        EXPECT_EQ(t.moveBy(-5), -1);
        EXPECT_TRUE(t.bof());

        t.setRecNo(n - 3);
        EXPECT_EQ(number(t), order.at(n - 4));
        t.next();
        EXPECT_EQ(number(t), order.at(n - 3));
        EXPECT_EQ(t.recNo(), n - 2);

        // From a record found by its number: its neighbours and its place.
        const int middle = order.at(n / 2);
        ASSERT_TRUE(t.locate("BelegNr", {middle}));
        EXPECT_EQ(t.recNo(), n / 2 + 1);
        t.next();
        EXPECT_EQ(number(t), order.at(n / 2 + 1));
        t.prior();
        t.prior();
        EXPECT_EQ(number(t), order.at(n / 2 - 1));
    }
}

TEST_F(TableMovesTest, AWalkTakesInRecordsAnotherUserAddsOrDeletesBetweenTwoMoves)
{
    auto second = dir->openSecondSession();
    Table other(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    other.setSession(second.get());
    other.open();
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.setIndexName("iName");
    const QString byName = QStringLiteral("SELECT BelegNr FROM TESTKOPF ORDER BY Name1 COLLATE GNOCASE, rowid");

    for (const bool forwards : {true, false}) {
        SCOPED_TRACE(forwards ? "forwards" : "backwards");
        // Inside the run of 86 "Anton"s, whose neighbours are read already.
        ASSERT_TRUE(t.findKey({QStringLiteral("Anton")}));
        if (!forwards)
            t.moveBy(60);
        QVector<int> walked;
        for (int i = 0; i < 10; ++i) {
            walked.append(number(t));
            forwards ? t.next() : t.prior();
        }
        const int current = number(t);
        walked.append(current);

        // Another "Anton" comes last of the run: ahead going forwards, behind
        // going backwards; "Aaron" sorts just before the run, "Antonia" just
        // after it.
        const int base = forwards ? 1000 : 2000;
        const quint64 seen = t.database().othersVersion();
        addHead(other, base + 1, QStringLiteral("Anton"));
        addHead(other, base + 2, QStringLiteral("Aaron"));
        addHead(other, base + 3, QStringLiteral("Antonia"));
        const QVector<int> before = expected(byName);
        const int at = int(before.indexOf(current));
        const int doomed = before.at(forwards ? at + 3 : at - 3);
        ASSERT_TRUE(other.findKey({doomed}));
        other.deleteRecord();
        ASSERT_TRUE(other.findKey({current}));
        other.deleteRecord();  // the record the walk stands on
        testsupport::awaitOthersChange(t.database(), seen);

        forwards ? t.next() : t.prior();
        while (forwards ? !t.eof() : !t.bof()) {
            walked.append(number(t));
            forwards ? t.next() : t.prior();
        }
        // The walk goes on from where it stood, over what is stored now.
        QVector<int> rest = forwards ? before.mid(at + 1) : before.mid(0, at);
        if (!forwards)
            std::reverse(rest.begin(), rest.end());
        rest.removeOne(doomed);
        EXPECT_EQ(walked.mid(11), rest);
        EXPECT_EQ(walked.contains(base + 1), forwards);
        EXPECT_TRUE(walked.contains(forwards ? base + 3 : base + 2));
        EXPECT_FALSE(walked.contains(forwards ? base + 2 : base + 3));
        QVector<int> distinct = walked;
        std::sort(distinct.begin(), distinct.end());
        EXPECT_EQ(std::unique(distinct.begin(), distinct.end()), distinct.end()) << "no record twice";
    }
}

TEST_F(TableMovesTest, DeletingAtTheEdgeOfABlockMovesToTheNextRecordWithoutSkipping)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.setIndexName("iName");
    const QVector<int> order = expected("SELECT BelegNr FROM TESTKOPF ORDER BY Name1 COLLATE GNOCASE, rowid");
    for (int step : {127, 1, 2, 127}) {
        t.moveBy(step);
        const int recNo = t.recNo();
        const int gone = number(t);
        t.deleteRecord();
        const int at = int(order.indexOf(gone));
        EXPECT_EQ(number(t), order.at(at + 1)) << "after deleting at " << at;
        EXPECT_EQ(t.recNo(), recNo);
        t.prior();
        EXPECT_EQ(number(t), order.at(at - 1));
        t.next();
    }
    t.last();
    const int beforeLast = order.at(Records - 2);
    t.deleteRecord();
    EXPECT_EQ(number(t), beforeLast);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recordCount(), Records - 5);
}

TEST_F(TableMovesTest, DeletingAfterAnotherUsersChangeMovesToTheNextRecord)
{
    auto second = dir->openSecondSession();
    Table other(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    other.setSession(second.get());
    other.open();
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.setIndexName("iName");
    const QVector<int> order = expected("SELECT BelegNr FROM TESTKOPF ORDER BY Name1 COLLATE GNOCASE, rowid");
    t.moveBy(200);
    for (int round = 0; round < 2; ++round) {
        // The other user changes a record far from the walk; the rows held
        // are read again on the delete.
        const quint64 seen = t.database().othersVersion();
        ASSERT_TRUE(other.findKey({order.at(500 + round)}));
        other.edit();
        other.fieldByName(QStringLiteral("Notiz")).setAsString(QStringLiteral("geändert"));
        other.post();
        testsupport::awaitOthersChange(t.database(), seen);
        const int gone = number(t);
        t.deleteRecord();
        const int at = int(order.indexOf(gone));
        EXPECT_EQ(number(t), order.at(at + 1)) << "round " << round;
        EXPECT_FALSE(t.eof());
    }
}

TEST_F(TableMovesTest, BookmarksSurviveOtherUsersChangesAndAChangeOfOrder)
{
    auto second = dir->openSecondSession();
    Table other(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    other.setSession(second.get());
    other.open();
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.setIndexName("iName");
    t.moveBy(300);
    const int marked = number(t);
    const Bookmark mark = t.bookmark();
    t.moveBy(-250);
    const Bookmark doomedMark = t.bookmark();
    const int doomed = number(t);

    const quint64 seen = t.database().othersVersion();
    for (int i = 0; i < 40; ++i)
        addHead(other, 5000 + i, QStringLiteral("Aaron"));
    ASSERT_TRUE(other.findKey({doomed}));
    other.deleteRecord();
    testsupport::awaitOthersChange(t.database(), seen);
    t.last();

    EXPECT_FALSE(t.bookmarkValid(doomedMark));
    EXPECT_FALSE(t.gotoBookmark(doomedMark));
    EXPECT_TRUE(t.bookmarkValid(mark));
    ASSERT_TRUE(t.gotoBookmark(mark));
    EXPECT_EQ(number(t), marked);
    const QVector<int> order = expected("SELECT BelegNr FROM TESTKOPF ORDER BY Name1 COLLATE GNOCASE, rowid");
    const int at = int(order.indexOf(marked));
    EXPECT_EQ(t.recNo(), at + 1);
    t.next();
    EXPECT_EQ(number(t), order.at(at + 1));

    t.setIndexName(QString());
    ASSERT_TRUE(t.gotoBookmark(mark));
    EXPECT_EQ(number(t), marked);
    t.next();
    const QVector<int> byNumber = expected("SELECT BelegNr FROM TESTKOPF ORDER BY BelegNr");
    EXPECT_EQ(number(t), byNumber.at(byNumber.indexOf(marked) + 1));
}

TEST_F(TableMovesTest, DetailRowsWalkThroughTheMastersPositionsOnly)
{
    Table positions(Alias::Data, QStringLiteral("TESTPOS.DB"));
    positions.open();
    {
        Transaction transaction(positions.database());
        for (int i = 0; i < 3 * 200; ++i) {
            positions.append();
            positions.fieldByName("BelegNr").setAsInteger(i % 3 + 1);
            positions.fieldByName("Pos").setAsInteger(200 - i / 3);
            positions.post();
        }
        transaction.commit();
    }
    Table heads(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    heads.open();
    positions.setMasterSource(&heads, "BelegNr");
    for (int head = 1; head <= 3; ++head) {
        ASSERT_TRUE(heads.findKey({head}));
        QVector<int> forwards;
        for (positions.first(); !positions.eof(); positions.next()) {
            EXPECT_EQ(positions.value("BelegNr").toInt(), head);
            forwards.append(positions.value("Pos").toInt());
        }
        QVector<int> ascending(200);
        std::iota(ascending.begin(), ascending.end(), 1);
        EXPECT_EQ(forwards, ascending);
        EXPECT_EQ(positions.recordCount(), 200);
        positions.last();
        EXPECT_EQ(positions.moveBy(-150), -150);
        EXPECT_EQ(positions.value("Pos").toInt(), 50);
    }
}

} // namespace
