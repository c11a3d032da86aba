#include "atlasfixture.h"

#include "atlas/clientlist.h"
#include "atlas/declarationtables.h"
#include "platform/field.h"
#include "shell/settings.h"

#include <QTextStream>

namespace {

using atlas::Tables::Container;
using atlas::Tables::Packst;
using atlas::Tables::Unterlage;
using atlas::Tables::Verschluss;
using atlas::Tables::Vorpapier;

// The field names of a table in their stored order, joined by blanks.
QString fieldNames(const QString &table)
{
    QStringList names;
    for (const platform::FieldDef &field : platform::SchemaRegistry::instance().find(table)->fields())
        names.append(field.name);
    return names.join(QLatin1Char(' '));
}

// "Pos:Zeichen" of each row of a head list, in order.
QStringList entries(platform::Table &list, const QString &field)
{
    QStringList result;
    for (int i = 0; i < list.recordCount(); ++i) {
        const QVector<QVariant> row = list.rowAt(i);
        result.append(row.at(list.fieldIndex(QStringLiteral("Pos"))).toString() + QLatin1Char(':')
            + row.at(list.fieldIndex(field)).toString());
    }
    return result;
}

// "WarenPos/Pos:value" of every row of a per-item table of declaration 1.
QStringList storedItemEntries(const QString &table, const QString &field)
{
    platform::Table rows(platform::Alias::Data, table);
    rows.open();
    QStringList result;
    for (rows.first(); !rows.eof(); rows.next()) {
        if (rows.value(QStringLiteral("BelegNr")).toInt() != 1)
            continue;
        result.append(QStringLiteral("%1/%2:%3")
                          .arg(rows.value(QStringLiteral("WarenPos")).toInt())
                          .arg(rows.value(QStringLiteral("Pos")).toInt())
                          .arg(rows.value(field).toString()));
    }
    return result;
}

} // namespace

TEST_F(AtlasTest, TablesHoldTheirFieldsInOrderWithTheNamesAsSpelled)
{
    const auto *head = platform::SchemaRegistry::instance().find(atlas::Tables::Kopf);
    ASSERT_EQ(head->fieldCount(), 128);
    const struct {
        int position; // counted from 1
        const char *name;
    } spots[] = { { 1, "BelegNr" }, { 2, "Datum" }, { 4, "IdMandantenNr" }, { 34, "VershlussArt" },
        { 38, "Partner_TIN" }, { 39, "Exp_TIN" }, { 53, "ANM_ZollNt_DE" }, { 66, "SUB_TIN" }, { 78, "Kennumer" },
        { 79, "BelegNrAE" }, { 98, "SUB_Felefax" }, { 101, "Art3" }, { 105, "AdressKonstellation" },
        { 110, "AusfuhrIst" }, { 112, "Exp_NiederNr" }, { 121, "END_Ident" }, { 126, "END_Ort" }, { 128, "END_Land" } };
    for (const auto &spot : spots)
        EXPECT_EQ(head->fieldAt(spot.position - 1).name, QString::fromLatin1(spot.name)) << spot.position;
    EXPECT_EQ(head->fieldAt(1).type, platform::FieldType::String);
    EXPECT_EQ(head->fieldAt(1).size, 10);
    EXPECT_EQ(head->fieldAt(78).type, platform::FieldType::Integer);

    EXPECT_EQ(fieldNames(atlas::Tables::Ware),
        "BelegNr Pos WarenNr WarenNr_TARIC WarenNr_Zus1 WarenNr_Zus2 WarenNr_nat WarenBez RegisterFremd Vermerk "
        "Bundesland Eigenmasse Rohmasse Verfahren_angemeldet Verfahren_weiteres Menge Wert Vorpapier_Typ");
    EXPECT_EQ(fieldNames(Verschluss), "BelegNr Pos Zeichen");
    EXPECT_EQ(fieldNames(atlas::Tables::Route), "BelegNr Pos Land");
    EXPECT_EQ(fieldNames(Vorpapier), "BelegNr WarenPos Pos Typ Referenz Zusatz");
    EXPECT_EQ(fieldNames(Packst), "BelegNr WarenPos Pos Anzahl Nummer Verpackungsart ZeichenNummern");
    EXPECT_EQ(fieldNames(Container), "BelegNr WarenPos Pos Nummer");
    EXPECT_EQ(
        fieldNames(Unterlage), "BelegNr WarenPos Pos Quali Typ Referenz Zusatz DatumAusstellung DatumGueltigEnde");
}

TEST_F(AtlasTest, OpeningCreatesTheRouteTableWhenTheDataDirectoryLacksIt)
{
    platform::Database &db = platform::Session::current().database(platform::Alias::Data);
    db.dropTable(QStringLiteral("AtlasRoute"));
    ASSERT_FALSE(db.tableExists(QStringLiteral("AtlasRoute")));

    atlas::DeclarationTables tables;
    tables.open();
    EXPECT_TRUE(db.tableExists(QStringLiteral("AtlasRoute")));
    const platform::TableSchema stored = db.storedSchemaOf(QStringLiteral("AtlasRoute"));
    EXPECT_EQ(stored.fieldCount(), 3);
    EXPECT_EQ(stored.primaryKeyFields(), QStringList({ QStringLiteral("BelegNr"), QStringLiteral("Pos") }));
    EXPECT_NE(stored.findIndex(QStringLiteral("iPIndex")), nullptr);
    EXPECT_TRUE(tables.tbRoute->isEmpty());
    EXPECT_FALSE(atlas::createRouteTableIfMissing(platform::Session::current()));
}

TEST_F(AtlasTest, NewEntriesTakeTheirOwnersNumbersAndDeletionRenumbers)
{
    addHead(1);
    addItem(1, 1);
    addItem(1, 2);
    addItem(1, 3);
    atlas::DeclarationTables tables;
    tables.open();

    // A seal in the empty list gets 1, then 2 and 3.
    for (const char *mark : { "A", "B", "C" }) {
        tables.tbVerschluss->append();
        tables.tbVerschluss->setValue(QStringLiteral("Zeichen"), QString::fromLatin1(mark));
        tables.tbVerschluss->post();
    }
    EXPECT_EQ(entries(*tables.tbVerschluss, QStringLiteral("Zeichen")), QStringList({ "1:A", "2:B", "3:C" }));
    EXPECT_EQ(tables.tbVerschluss->value(QStringLiteral("BelegNr")).toInt(), 1);

    // Deleting entry 2 of 3 leaves 1 and 2.
    ASSERT_TRUE(tables.tbVerschluss->locate(QStringLiteral("Pos"), { 2 }));
    tables.tbVerschluss->deleteRecord();
    EXPECT_EQ(entries(*tables.tbVerschluss, QStringLiteral("Zeichen")), QStringList({ "1:A", "2:C" }));

    // A per-item entry made while item 3 is current belongs to item 3.
    ASSERT_TRUE(tables.tbWarenPos->locate(QStringLiteral("Pos"), { 3 }));
    tables.tbPackSt->append();
    tables.tbPackSt->setValue(QStringLiteral("Anzahl"), QStringLiteral("5"));
    tables.tbPackSt->post();
    EXPECT_EQ(storedItemEntries(Packst, QStringLiteral("Anzahl")), QStringList({ "3/1:5" }));

    // A list with a gap (an older copy) does not collide: one above the highest.
    addHeadEntry(atlas::Tables::Route, 1, 4, QStringLiteral("Land"), QStringLiteral("AT"));
    tables.tbRoute->refresh();
    tables.tbRoute->append();
    tables.tbRoute->setValue(QStringLiteral("Land"), QStringLiteral("CH"));
    tables.tbRoute->post();
    EXPECT_EQ(entries(*tables.tbRoute, QStringLiteral("Land")), QStringList({ "4:AT", "5:CH" }));
}

TEST_F(AtlasTest, DeletingAGoodsItemTakesItsListsAndTheLaterItemsKeepTheirOwn)
{
    addHead(1);
    addHead(2);
    for (int item = 1; item <= 3; ++item) {
        addItem(1, item, { { QStringLiteral("WarenNr"), QStringLiteral("item%1").arg(item) } });
        for (const QString &table : { Vorpapier, Packst, Container, Unterlage }) {
            const QString field = table == Packst ? QStringLiteral("ZeichenNummern")
                : table == Container              ? QStringLiteral("Nummer")
                                                  : QStringLiteral("Zusatz");
            for (int pos = 1; pos <= 2; ++pos)
                addItemEntry(table, 1, item, pos, { { field, QStringLiteral("i%1e%2").arg(item).arg(pos) } });
        }
    }
    // Another declaration's entries of the same numbers stay untouched.
    addItem(2, 2);
    for (const QString &table : { Vorpapier, Packst, Container, Unterlage })
        addItemEntry(table, 2, 2, 1);

    atlas::DeclarationTables tables;
    tables.open();
    ASSERT_TRUE(tables.tbKopf->findKey({ 1 }));
    ASSERT_TRUE(tables.tbWarenPos->locate(QStringLiteral("Pos"), { 2 }));
    // An entry of the item being typed when the item goes is dropped with it.
    tables.tbContainer->append();
    tables.tbContainer->setValue(QStringLiteral("Nummer"), QStringLiteral("halb"));
    tables.tbWarenPos->deleteRecord();

    EXPECT_EQ(entries(*tables.tbWarenPos, QStringLiteral("WarenNr")), QStringList({ "1:item1", "2:item3" }));
    // Item 3 became item 2 and took its entries along; item 2's are gone.
    const QStringList expected = { "1/1:i1e1", "1/2:i1e2", "2/1:i3e1", "2/2:i3e2" };
    EXPECT_EQ(storedItemEntries(Vorpapier, QStringLiteral("Zusatz")), expected);
    EXPECT_EQ(storedItemEntries(Packst, QStringLiteral("ZeichenNummern")), expected);
    EXPECT_EQ(storedItemEntries(Container, QStringLiteral("Nummer")), expected);
    EXPECT_EQ(storedItemEntries(Unterlage, QStringLiteral("Zusatz")), expected);
    for (const QString &table : { Vorpapier, Packst, Container, Unterlage }) {
        platform::Table rows(platform::Alias::Data, table);
        rows.open();
        EXPECT_EQ(rows.recordCount(), 5) << table.toStdString(); // 4 of declaration 1, 1 of declaration 2
        EXPECT_FALSE(rows.findKey({ 1, 3, 1 })) << table.toStdString();
        EXPECT_TRUE(rows.findKey({ 2, 2, 1 })) << table.toStdString();
    }
    // The detail tables follow the item that is current.
    EXPECT_EQ(tables.tbWarenPos->value(QStringLiteral("Pos")).toInt(), 2);
    EXPECT_EQ(tables.tbVorpapier->recordCount(), 2);
    EXPECT_EQ(tables.tbVorpapier->value(QStringLiteral("Zusatz")).toString(), QStringLiteral("i3e1"));
}

TEST_F(AtlasTest, ClientListIsReadAndWrittenBesideTheProgram)
{
    const QString path = shell::ProgramDirectory() + QStringLiteral("Mandant.dat");
    EXPECT_TRUE(atlas::ClientList::load().isEmpty());

    QStringList ids;
    EXPECT_TRUE(atlas::ClientList::add(ids, QStringLiteral("100")));
    EXPECT_TRUE(atlas::ClientList::add(ids, QStringLiteral("Müller 2")));
    EXPECT_FALSE(atlas::ClientList::add(ids, QStringLiteral("100")));
    EXPECT_FALSE(atlas::ClientList::add(ids, QString()));
    atlas::ClientList::save(ids);
    EXPECT_EQ(atlas::ClientList::load(), ids);

    // A list written by the old program: Windows-1252 with CR LF.
    writeFile(path, QByteArray("7\r\nM\xfcller\r\n"));
    EXPECT_EQ(atlas::ClientList::load(), QStringList({ QStringLiteral("7"), QStringLiteral("Müller") }));
}
