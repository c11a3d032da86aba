#include "testtables.h"

#include "platform/field.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class DataSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void addHead(Table &t, int number, const QString &name)
    {
        t.append();
        t.fieldByName(QStringLiteral("BelegNr")).setAsInteger(number);
        t.fieldByName(QStringLiteral("Name1")).setAsString(name);
        t.post();
    }

    QStringList names(Table &t)
    {
        QStringList result;
        for (t.first(); !t.eof(); t.next())
            result.append(t.fieldByName(QStringLiteral("Name1")).asString());
        return result;
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(DataSetTest, FiltersMatchPrefixesCaseAndGermanLettersWithValuesBound)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    const QStringList all = {"Meier", "MEYER", "Amen", "Müller", "O'Neill", "50% Rabatt", "500 Stück", "Me_x"};
    for (int i = 0; i < all.size(); ++i)
        addHead(t, i + 1, all.at(i));
    addHead(t, 12, QStringLiteral("Zwölf"));
    addHead(t, 120, QStringLiteral("Hundertzwanzig"));

    struct Case {
        FilterCondition condition;
        QStringList expected;
    };
    const QVector<Case> cases = {
        {FilterCondition::fromPattern("Name1", "me*"), {"Meier", "MEYER", "Me_x"}},
        {FilterCondition::fromPattern("Name1", "müller"), {"Müller"}},
        {FilterCondition::fromPattern("Name1", "MÜ*"), {"Müller"}},
        {FilterCondition::fromPattern("Name1", "O'Neill"), {"O'Neill"}},
        {FilterCondition::fromPattern("Name1", "50%*"), {"50% Rabatt"}},
        {FilterCondition::fromPattern("Name1", "me_*"), {"Me_x"}},
        {FilterCondition::equal("BelegNr", "12"), {"Zwölf"}},
        {FilterCondition::fromPattern("Name1", "x' OR '1'='1"), {}},
        // Any of several patterns, each bound on its own.
        {FilterCondition::anyPattern("Name1", {"müller", "50%*", "me_*"}), {"Müller", "50% Rabatt", "Me_x"}},
        {FilterCondition::anyPattern("Name1", {}), {}},
    };
    for (const auto &c : cases) {
        t.setFilter({c.condition});
        t.setFiltered(true);
        EXPECT_EQ(names(t), c.expected) << c.condition.value.toString().toStdString();
    }
    t.setFilterCaseInsensitive(true);
    t.setFilterText(QStringLiteral("BelegNr < 3"));
    EXPECT_EQ(names(t), QStringList({"Meier", "MEYER"}));
    t.setFiltered(false);
    EXPECT_EQ(t.recordCount(), 10);
}

TEST_F(DataSetTest, CaseInsensitivePrefixesFindTheirRangeOfGermanTextsAndTakePastedJunk)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    const QStringList all = { "Straße", "Strasser", "Äpfel", "apfel", "Öl", "Ol", "Zäh", "zahl", "Über", "uber" };
    for (int i = 0; i < all.size(); ++i)
        addHead(t, i + 1, all.at(i));
    t.setIndexName(QStringLiteral("iName"));
    struct Case {
        QString prefix;
        QStringList expected; // in the order of the name index
    };
    const QVector<Case> cases = {
        { "straß", { "Straße" } },
        { "STRAS", { "Strasser" } },
        { "stra", { "Straße", "Strasser" } },
        { "äp", { "Äpfel" } },
        { "ap", { "apfel" } },
        { "ö", { "Öl" } },
        { "z", { "Zäh", "zahl" } },
        { "ÜBER", { "Über" } },
        { QString(32767, QChar(0x00E4)), {} },
        { QString(32767, QLatin1Char('%')), {} },
        { QStringLiteral("Straße") + QString(40000, QLatin1Char('_')), {} },
    };
    for (const auto &c : cases) {
        t.setFilter({ FilterCondition::prefix("Name1", c.prefix) });
        t.setFiltered(true);
        EXPECT_EQ(names(t), c.expected) << c.prefix.left(10).toStdString();
    }
}

TEST_F(DataSetTest, NavigatesInKeyAndIndexOrderWithBofEofAndFinds)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF"));
    t.open();
    EXPECT_TRUE(t.bof());
    EXPECT_TRUE(t.eof());
    EXPECT_TRUE(t.isEmpty());
    addHead(t, 30, QStringLiteral("berta"));
    addHead(t, 10, QStringLiteral("Cäsar"));
    addHead(t, 20, QStringLiteral("Anton"));

    t.first();
    EXPECT_TRUE(t.bof());
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 10);
    t.next();
    t.next();
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 30);
    EXPECT_FALSE(t.eof());
    t.next();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 30);
    EXPECT_EQ(t.recNo(), 3);
    EXPECT_EQ(t.moveBy(-5), -2);
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.recordCount(), 3);

    t.setIndexName(QStringLiteral("iName"));
    EXPECT_EQ(names(t), QStringList({"Anton", "berta", "Cäsar"}));
    t.findNearest({QStringLiteral("B")});
    EXPECT_EQ(t.fieldByName("Name1").asString(), "berta");
    EXPECT_TRUE(t.findKey({QStringLiteral("CÄSAR")}));
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 10);
    t.findNearest({QStringLiteral("Zz")});
    EXPECT_TRUE(t.eof());

    t.setIndexName(QString());
    EXPECT_FALSE(t.findKey({25}));
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 10) << "neither the order change nor a failed find moves";
    t.findNearest({25});
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 30);
    EXPECT_TRUE(t.locate(QStringLiteral("Name1"), {QStringLiteral("ant")}, {true, true}));
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 20);

    const Bookmark mark = t.bookmark();
    t.last();
    EXPECT_TRUE(t.gotoBookmark(mark));
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 20);

    t.setRange({15}, {30});
    EXPECT_EQ(t.recordCount(), 2);
    t.cancelRange();
    EXPECT_EQ(t.recordCount(), 3);
}

TEST_F(DataSetTest, DetailShowsOnlyTheMastersRowsAndTakesItsNumber)
{
    Table head(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    Table pos(Alias::Data, QStringLiteral("TESTPOS.DB"));
    head.open();
    pos.setMasterSource(&head, QStringLiteral("BelegNr"));
    pos.open();
    for (int n : {1, 2}) {
        addHead(head, n, QStringLiteral("Kopf %1").arg(n));
        for (int p = 1; p <= n + 1; ++p) {
            pos.append();
            pos.fieldByName("Pos").setAsInteger(p);
            pos.fieldByName("Text").setAsString(QStringLiteral("%1/%2").arg(n).arg(p));
            pos.post();
        }
    }
    head.findKey({1});
    EXPECT_EQ(pos.recordCount(), 2);
    pos.last();
    EXPECT_EQ(pos.fieldByName("Text").asString(), "1/2");
    head.next();
    EXPECT_EQ(pos.recordCount(), 3);
    pos.first();
    EXPECT_EQ(pos.fieldByName("BelegNr").asInteger(), 2);
}

TEST_F(DataSetTest, TextIsCutToTheFieldSizeAndValuesConvertByType)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    t.append();
    t.fieldByName("BelegNr").setAsString("7");
    t.fieldByName("Name1").setAsString(QString(35, QLatin1Char('x')));
    t.fieldByName("Datum").setAsString("05.03.2024");
    t.fieldByName("Betrag").setAsString("1.234,5");
    t.fieldByName("Erledigt").setAsString("True");
    t.fieldByName("Notiz").setAsString(QString(500, QLatin1Char('m')));
    t.post();
    t.close();
    t.open();
    EXPECT_EQ(t.fieldByName("Name1").asString().size(), 29);
    EXPECT_EQ(t.fieldByName("Datum").asDate(), QDate(2024, 3, 5));
    EXPECT_EQ(t.fieldByName("Datum").asString(), "05.03.2024");
    EXPECT_DOUBLE_EQ(t.fieldByName("Betrag").asFloat(), 1234.5);
    EXPECT_EQ(t.fieldByName("Betrag").asString(), "1234,5");
    EXPECT_EQ(t.fieldByName("Erledigt").asString(), "True");
    EXPECT_TRUE(t.fieldByName("Erledigt").asBoolean());
    EXPECT_EQ(t.fieldByName("Notiz").asString().size(), 500);
    EXPECT_EQ(t.fieldByName("BelegNr").asString(), "7");
    t.edit();
    EXPECT_THROW(t.fieldByName("Betrag").setAsString("abc"), DatabaseError);
    EXPECT_THROW(t.fieldByName("Fehlt"), DatabaseError);
    t.cancel();
}

TEST_F(DataSetTest, RefusedPostKeepsEditStateAndRaisesTheEventOnce)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    addHead(t, 1, QStringLiteral("Eins"));
    int calls = 0;
    QString message;
    t.onPostError = [&](DataSet &, const DatabaseError &e) {
        ++calls;
        message = e.message();
        return DataAction::Abort;
    };
    t.append();
    t.fieldByName("BelegNr").setAsInteger(1);
    EXPECT_THROW(t.post(), AbortException);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(message, QStringLiteral("Schlüsselverletzung."));
    EXPECT_EQ(t.state(), DataSetState::Insert);
    t.fieldByName("BelegNr").setAsInteger(2);
    t.post();
    EXPECT_EQ(t.recordCount(), 2);
}

TEST_F(DataSetTest, DeleteMovesToTheNextAndEditSeesOtherUsersChanges)
{
    Table t(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    t.open();
    for (int n = 1; n <= 3; ++n)
        addHead(t, n, QStringLiteral("N%1").arg(n));
    t.findKey({2});
    t.deleteRecord();
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 3);
    t.deleteRecord();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 1);

    // A new number keeps the record current (the number is the row's identity).
    t.edit();
    t.fieldByName("BelegNr").setAsInteger(40);
    t.post();
    EXPECT_EQ(t.recNo(), 1);
    t.edit();
    EXPECT_EQ(t.fieldByName("BelegNr").asInteger(), 40);
    t.fieldByName("BelegNr").setAsInteger(1);
    t.post();

    auto second = dir->openSecondSession();
    Table other(Alias::Data, QStringLiteral("TESTKOPF.DB"));
    other.setSession(second.get());
    other.open();
    other.edit();
    other.fieldByName("Name1").setAsString(QStringLiteral("Geändert"));
    other.post();
    t.edit();
    EXPECT_EQ(t.fieldByName("Name1").asString(), QStringLiteral("Geändert"));
    t.cancel();
}

TEST_F(DataSetTest, TwoConnectionsWritingAndReadingLoseNothing)
{
    auto second = dir->openSecondSession();
    Table writer(Alias::Data, QStringLiteral("TESTPOS.DB"));
    Table reader(Alias::Data, QStringLiteral("TESTPOS.DB"));
    reader.setSession(second.get());
    writer.open();
    reader.open();
    writer.database().transaction();
    for (int p = 1; p <= 200; ++p) {
        writer.append();
        writer.fieldByName("BelegNr").setAsInteger(1);
        writer.fieldByName("Pos").setAsInteger(p);
        writer.post();
        if (p == 100) {
            reader.refresh();
            EXPECT_EQ(reader.recordCount(), 0) << "uncommitted rows stay invisible";
        }
    }
    writer.database().commit();
    reader.refresh();
    EXPECT_EQ(reader.recordCount(), 200);
    reader.append();
    reader.fieldByName("BelegNr").setAsInteger(2);
    reader.fieldByName("Pos").setAsInteger(1);
    reader.post();
    writer.refresh();
    EXPECT_EQ(writer.recordCount(), 201);
}

} // namespace
