#include "platform/field.h"
#include "platform/restructure.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(RestructureTest, FieldTypesValidByDriverAndLevel)
{
    struct Case {
        const char *driver;
        int level;
        TdBasePxFieldType type;
        bool valid;
    };
    const Case cases[] = {
        {"PARADOX", 3, pxAlpha, true},      {"PARADOX", 2, pxAlpha, false},      {"PARADOX", 3, pxMemo, false},
        {"PARADOX", 4, pxGraphic, true},    {"PARADOX", 4, pxLogical, false},    {"PARADOX", 5, pxAutoincrement, true},
        {"PARADOX", 7, pxUnknown, false},   {"PARADOX", 7, dbCharacter, false},  {"DBASE", 3, dbLogical, true},
        {"DBASE", 3, dbFloat, false},       {"DBASE", 4, dbFloat, true},         {"DBASE", 5, dbBinary, true},
        {"DBASE", 5, dbLong, false},        {"DBASE", 7, dbLock, true},          {"DBASE", 7, pxAlpha, false},
        {"ASCII", 7, pxAlpha, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TRestructure::IsFieldValid(c.driver, c.level, c.type), c.valid) << c.driver << " " << c.level << " " << c.type;
}

TEST(RestructureTest, LengthensAndAddsFieldsKeepingRecords)
{
    auto &registry = SchemaRegistry::instance();
    registry.add(TableSchema(QStringLiteral("S_UMBAU.DB"), Alias::Data)
                     .integer("Nr")
                     .string("Name1", 30)
                     .primaryKey({"Nr"})
                     .index("iName", {"Name1"}, true));
    testsupport::TestProgramDirectory dir;
    {
        Table t(Alias::Data, "S_UMBAU.DB");
        t.open();
        for (int i = 1; i <= 20; ++i) {
            t.append();
            t.fieldByName("Nr").setAsInteger(i);
            t.fieldByName("Name1").setAsString(QString(30, QLatin1Char('a' + i % 26)));
            t.post();
        }
    }
    TRestructure r;
    r.setDatabaseName(dir.dataDirectory());
    r.setTableName("S_UMBAU.DB");
    EXPECT_EQ(r.PrimaryIndexFieldCount, 1);
    r.LoadField(2);
    EXPECT_EQ(r.Field.Name, "Name1");
    EXPECT_EQ(r.Field.FieldType, pxAlpha);
    EXPECT_EQ(r.Field.Length, 30);
    r.Field.Length = 40;
    r.ModifyField(2);
    r.Field = TFieldDesc{"Neu", pxLogical, 0, 0};
    r.AddField();
    int refused = 0;
    r.OnFieldInappropriate = [&](TRestructure &, const TFieldDesc &f) { refused += f.Name == "Alt"; };
    r.Field = TFieldDesc{"Alt", dbCharacter, 10, 0};
    r.AddField();
    EXPECT_EQ(refused, 1);
    r.DoRestructure();
    EXPECT_EQ(r.FieldCount(), 3);
    try {
        r.LoadField(4);
        FAIL();
    } catch (const DatabaseError &e) {
        EXPECT_EQ(e.message(), "Feld-Index zu klein oder zu Gross");
    }

    // The declaration now matches the stored table.
    registry.add(TableSchema(QStringLiteral("S_UMBAU.DB"), Alias::Data)
                     .integer("Nr")
                     .string("Name1", 40)
                     .boolean("Neu")
                     .primaryKey({"Nr"})
                     .index("iName", {"Name1"}, true));
    Table t(Alias::Data, "S_UMBAU.DB");
    t.open();
    EXPECT_EQ(t.recordCount(), 20);
    t.last();
    EXPECT_EQ(t.fieldByName("Name1").asString(), QString(30, QLatin1Char('a' + 20 % 26)));
    t.edit();
    t.fieldByName("Name1").setAsString(QString(45, QLatin1Char('z')));
    t.post();
    EXPECT_EQ(t.fieldByName("Name1").asString().size(), 40);
}

} // namespace
