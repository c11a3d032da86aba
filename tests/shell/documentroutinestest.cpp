#include "shell/documentroutines.h"

#include "platform/clock.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace shell;

namespace {

void registerDocumentTables()
{
    auto &registry = SchemaRegistry::instance();
    if (registry.contains("DOKKOPF"))
        return;
    registry.add(TableSchema("DOKKOPF.DB", Alias::Data)
                     .integer("BelegNr")
                     .string("Datum", 10)
                     .string("Name1", 30)
                     .boolean("Fix")
                     .string("Letztes", 20)
                     .primaryKey({"BelegNr"}));
    registry.add(TableSchema("DOKPOS.DB", Alias::Data)
                     .integer("BelegNr")
                     .integer("Pos")
                     .string("Text", 30)
                     .primaryKey({"BelegNr", "Pos"}));
    TableSchema order("AUFTRPOS.DB", Alias::Data);
    order.integer("BelegNr").integer("Pos").string("Waren", 11).string("Urland", 3).string("Buland", 2);
    order.strings("Bez", 1, 8, 30).strings("WaBe", 1, 8, 30);
    order.string("nettoges", 15).string("bruttoges", 15).string("Quersum", 15).string("ANZAHL", 10);
    order.boolean("BesMassEinheit").primaryKey({"BelegNr", "Pos"});
    registry.add(order);
    TableSchema intra("INTRAPOS.DB", Alias::Data);
    intra.integer("BelegNr").integer("Pos").string("INT13_1", 11).string("INT8_1", 3).string("INT8_2", 2);
    intra.strings("INT6_", 1, 8, 30).string("INT16_1", 15).string("INT18_1", 15).primaryKey({"BelegNr", "Pos"});
    registry.add(intra);
    TableSchema decl("ANMPOS.DB", Alias::Data);
    decl.integer("BelegNr").integer("Pos").string("F33_1", 11).string("F34_1", 3).string("F34_2", 2);
    decl.strings("F31_", 2, 9, 30).string("F35_1", 15).string("F38", 15).string("F46", 15).string("F41_1", 10);
    decl.primaryKey({"BelegNr", "Pos"});
    registry.add(decl);
    registry.add(TableSchema("ANMKOPF.DB", Alias::Data).integer("BelegNr").date("Datum").primaryKey({"BelegNr"}));
}

class DocumentRoutinesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerDocumentTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void addHead(Table &t, int number, const QString &name)
    {
        t.append();
        t.field(0).setAsInteger(number);
        t.field(1).setAsString("01.01.2020");
        t.field(2).setAsString(name);
        t.field(3).setAsBoolean(true);
        t.field(4).setAsString("Ende " + name);
        t.post();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    ScriptedDialogService dialogs;
    DialogServiceGuard guard{dialogs};
};

TEST_F(DocumentRoutinesTest, NewRecordCopiesTheTemplateFoundByItsNumber)
{
    Table head(Alias::Data, "DOKKOPF.DB");
    head.open();
    EXPECT_TRUE(NewRecordFromTemplate(head, 1));
    EXPECT_EQ(head.field(1).asString(), "05.03.2024");
    EXPECT_TRUE(head.field(2).isNull()) << "no template: only number and date";

    addHead(head, TemplateNumber, "Vorlage");
    addHead(head, 9, "Echter Beleg");
    // The register hides the template with a range; a new record still copies it.
    head.setRange({1}, {MaxDocumentNumber});
    ASSERT_TRUE(NewRecordFromTemplate(head, 5));
    EXPECT_EQ(head.field(0).asInteger(), 5);
    EXPECT_EQ(head.field(1).asString(), "05.03.2024");
    EXPECT_EQ(head.field(2).asString(), "Vorlage");
    EXPECT_TRUE(head.field(3).asBoolean());
    EXPECT_EQ(head.field(4).asString(), "Ende Vorlage");

    EXPECT_FALSE(NewRecordFromTemplate(head, 5));
    EXPECT_EQ(dialogs.texts(), QStringList({"Schlüsselverletzung."}));
    EXPECT_EQ(head.state(), DataSetState::Browse);
}

TEST_F(DocumentRoutinesTest, CopyDocumentCopiesEveryPositionAndEveryHeadField)
{
    Table head(Alias::Data, "DOKKOPF.DB");
    Table positions(Alias::Data, "DOKPOS.DB");
    head.open();
    positions.setMasterSource(&head, "BelegNr");
    positions.open();
    addHead(head, 3, "Quelle");
    for (int p : {1, 2, 4}) {
        positions.append();
        positions.field(1).setAsInteger(p);
        positions.field(2).setAsString(QStringLiteral("Position %1").arg(p));
        positions.post();
    }
    ASSERT_TRUE(CopyDocumentWithPositions(head, positions, 3, 8));
    EXPECT_EQ(head.field(0).asInteger(), 8);
    EXPECT_EQ(head.field(1).asString(), "05.03.2024");
    EXPECT_EQ(head.field(4).asString(), "Ende Quelle");
    EXPECT_EQ(positions.recordCount(), 3);
    positions.last();
    EXPECT_EQ(positions.field(1).asInteger(), 4);
    EXPECT_EQ(positions.field(2).asString(), "Position 4");

    EXPECT_FALSE(CopyDocumentWithPositions(head, positions, 77, 9)) << "missing source";
    EXPECT_FALSE(CopyDocumentWithPositions(head, positions, 3, 8)) << "target in use";
    head.findKey({8});
    EXPECT_EQ(positions.recordCount(), 3) << "a failed copy adds nothing";

    ASSERT_TRUE(CopyRecord(head, 3, 12));
    EXPECT_EQ(head.field(0).asInteger(), 12);
    EXPECT_EQ(head.field(4).asString(), "Ende Quelle");
    EXPECT_EQ(head.field(1).asString(), "05.03.2024");
}

TEST_F(DocumentRoutinesTest, CondensingGroupsByGoodsNumberAndOriginAndSumsMasses)
{
    Table order(Alias::Data, "AUFTRPOS.DB");
    order.open();
    struct Line {
        const char *waren, *land, *netto, *brutto, *anzahl;
        QVariant flag;
    };
    const Line lines[] = {
        {"84713000", "DE", "", "10", "2", true},
        {"84713000", "DE", "2,5", "", "3", QVariant()},   // empty mass and an empty flag
        {"84713000", "DE", "1", "5", "4", true},
        {"84713000x", "DE", "7", "7", "1", false},
        {"84713000", "FR", "1", "1", "1", false},
    };
    int p = 0;
    for (const auto &l : lines) {
        order.append();
        order.fieldByName("BelegNr").setAsInteger(1);
        order.fieldByName("Pos").setAsInteger(++p);
        order.fieldByName("Waren").setAsString(l.waren);
        order.fieldByName("Urland").setAsString(l.land);
        order.fieldByName("Bez1").setAsString(QStringLiteral("Text %1").arg(p));
        order.fieldByName("WaBe1").setAsString(QStringLiteral("Ware %1").arg(p));
        order.fieldByName("nettoges").setAsString(l.netto);
        order.fieldByName("bruttoges").setAsString(l.brutto);
        order.fieldByName("Quersum").setAsString("100");
        order.fieldByName("ANZAHL").setAsString(l.anzahl);
        order.fieldByName("BesMassEinheit").setValue(l.flag);
        order.post();
    }

    Table head(Alias::Data, "ANMKOPF.DB");
    head.open();
    head.append();
    head.field(0).setAsInteger(1);
    head.post();
    Table decl(Alias::Data, "ANMPOS.DB");
    decl.setMasterSource(&head, "BelegNr");
    decl.open();
    ASSERT_TRUE(CondenseDeclarationPositions(order, decl));
    EXPECT_EQ(decl.recordCount(), 3);
    decl.first();
    EXPECT_EQ(decl.fieldByName("F33_1").asString(), "84713000");
    EXPECT_EQ(decl.fieldByName("F31_2").asString(), "Ware 1");
    EXPECT_EQ(decl.fieldByName("F38").asString(), "3,5");
    EXPECT_EQ(decl.fieldByName("F35_1").asString(), "15");
    EXPECT_EQ(decl.fieldByName("F46").asString(), "300");
    EXPECT_EQ(decl.fieldByName("F41_1").asString(), "6") << "only flagged positions count";
    decl.next();
    EXPECT_EQ(decl.fieldByName("F33_1").asString(), "84713000x");
    EXPECT_EQ(decl.fieldByName("Pos").asInteger(), 2);

    Table intra(Alias::Data, "INTRAPOS.DB");
    intra.setMasterSource(&head, "BelegNr");
    intra.open();
    ASSERT_TRUE(CondenseIntrastatPositions(order, intra));
    intra.first();
    EXPECT_EQ(intra.fieldByName("INT16_1").asString(), "3,5");
    EXPECT_EQ(intra.fieldByName("INT6_1").asString(), "Text 1");
    EXPECT_TRUE(dialogs.calls().isEmpty());

    // An order without positions gives one empty item numbered 1.
    order.emptyTable();
    ASSERT_TRUE(CondenseIntrastatPositions(order, intra));
    EXPECT_EQ(intra.recordCount(), 1);
    EXPECT_EQ(intra.fieldByName("Pos").asInteger(), 1);
    EXPECT_TRUE(intra.fieldByName("INT13_1").isNull());
}

TEST_F(DocumentRoutinesTest, QueriesAndEditStateHelpers)
{
    Table head(Alias::Data, "DOKKOPF.DB");
    head.open();
    addHead(head, 1, "Eins");
    addHead(head, 2, "Zwei");
    EXPECT_EQ(QueryScalar("SELECT Name1 FROM DOKKOPF.DB WHERE BelegNr > 5"), "");
    EXPECT_EQ(QueryScalar("SELECT Name1 FROM DOKKOPF.DB ORDER BY BelegNr DESC"), "Zwei");
    auto query = CreateDataQuery("SELECT COUNT(*) FROM DOKKOPF.DB");
    EXPECT_FALSE(query->isActive());
    query->open();
    EXPECT_EQ(query->field(0).asInteger(), 2);

    PostIfEditing(head);
    EXPECT_EQ(head.state(), DataSetState::Browse);
    EditIfBrowsing(head);
    EXPECT_EQ(head.state(), DataSetState::Edit);
    head.field(2).setAsString("Geändert");
    PostIfEditing(head);
    EXPECT_EQ(head.state(), DataSetState::Browse);
    EXPECT_EQ(QueryScalar("SELECT Name1 FROM DOKKOPF.DB WHERE BelegNr = ?", {head.field(0).asInteger()}), "Geändert");
}

} // namespace
