#include "atlas/atlastables.h"

#include "platform/schemaregistry.h"
#include "platform/session.h"

namespace atlas {

using platform::TableSchema;
using namespace Fields;

namespace {

// The party fields of the head in their stored order: TIN, the customs-number
// flag where the party has one, name, street, postcode, town, country.
void addParty(TableSchema &head, const QString &tinField, int tinSize, const QString &flagField, const QString &prefix,
    int postcodeSize)
{
    head.string(tinField, tinSize);
    if (!flagField.isEmpty())
        head.string(flagField, 1);
    head.string(prefix + QStringLiteral("Name"), 105)
        .string(prefix + QStringLiteral("Street"), 70)
        .string(prefix + QStringLiteral("PLZ"), postcodeSize)
        .string(prefix + QStringLiteral("City"), 35)
        .string(prefix + QStringLiteral("Land"), 2);
}

// Contact person of a party: position, clerk, e-mail, fax, telephone.
void addContact(TableSchema &head, const QString &prefix, const QString &faxField = {})
{
    head.string(prefix + QStringLiteral("Stellung"), 35)
        .string(prefix + QStringLiteral("Bearbeiter"), 35)
        .string(prefix + QStringLiteral("EMail"), 35)
        .string(faxField.isEmpty() ? prefix + QStringLiteral("Telefax") : faxField, 35)
        .string(prefix + QStringLiteral("Telefon"), 35);
}

TableSchema headSchema()
{
    TableSchema head(Tables::Kopf, platform::Alias::Data);
    head.integer(BelegNr)
        .string(QStringLiteral("Datum"), 10)
        .string(QStringLiteral("IdKundenNr"), 15)
        .string(QStringLiteral("IdMandantenNr"), 15)
        .string(QStringLiteral("Art1"), 2)
        .string(QStringLiteral("Art2"), 2)
        .string(QStringLiteral("BestLand"), 2)
        .string(QStringLiteral("Zeitpunkt"), 12)
        .string(QStringLiteral("Container"), 1)
        .string(QStringLiteral("Beteiligten"), 4)
        .string(QStringLiteral("AntragAusfuhrerstattung"), 1)
        .string(QStringLiteral("Rohmasse"), 11)
        .string(QStringLiteral("RegistrierNummer"), 70)
        .string(QStringLiteral("Vermerk"), 255)
        .string(QStringLiteral("Bezugsnummer"), 22)
        .string(QStringLiteral("Bin"), 25)
        .string(QStringLiteral("BewilligungsNummer"), 12)
        .string(QStringLiteral("Bfm_Inland"), 2)
        .string(QStringLiteral("Bfm_Grenze"), 2)
        .string(QStringLiteral("Bfm_Art"), 2)
        .string(QStringLiteral("Bfm_Kennzeichen"), 27)
        .string(QStringLiteral("Bfm_Staat"), 2)
        .string(QStringLiteral("LadeOrt_Code"), 4)
        .string(QStringLiteral("LadeOrt_Street"), 35)
        .string(QStringLiteral("LadeOrt_Plz"), 5)
        .string(QStringLiteral("LadeOrt_Ort"), 35)
        .string(QStringLiteral("LadeOrt_Zusatz"), 35)
        .string(QStringLiteral("AusfuhrZollstelle"), 8)
        .string(QStringLiteral("Ausfuhr_eAE"), 8)
        .string(QStringLiteral("Ausfuhr_SollZollstelle"), 8)
        .string(QStringLiteral("GeschArt"), 2)
        .string(QStringLiteral("GeschRePreis"), 15)
        .string(QStringLiteral("GeschWaehrung"), 3)
        .string(QStringLiteral("VershlussArt"), 1)
        .string(QStringLiteral("VerschlussAnzahl"), 4)
        .string(QStringLiteral("Gest_Verp_Verl_Anfang"), 12)
        .string(QStringLiteral("Gest_Verp_Verl_Ende"), 12)
        .string(QStringLiteral("Partner_TIN"), 7);
    addParty(head, QStringLiteral("Exp_TIN"), 17, QStringLiteral("EXP_ZollNr_DE"), QStringLiteral("EXP_"), 9);
    addParty(head, QStringLiteral("EMP_TIN"), 17, {}, QStringLiteral("EMP_"), 9);
    addParty(head, QStringLiteral("ANM_TIN"), 17, QStringLiteral("ANM_ZollNt_DE"), QStringLiteral("ANM_"), 9);
    addParty(head, QStringLiteral("VER_TIN"), 7, QStringLiteral("VER_Zoll_DE"), QStringLiteral("VER_"), 5);
    addParty(head, QStringLiteral("SUB_TIN"), 7, QStringLiteral("SUB_Zoll_DE"), QStringLiteral("SUB_"), 5);
    head.string(QStringLiteral("Liefer_Code"), 3)
        .string(QStringLiteral("Liefer_Text"), 140)
        .string(QStringLiteral("Liefer_City"), 35)
        .string(QStringLiteral("Stempel1"), 15)
        .string(QStringLiteral("Stempel2"), 15)
        .string(QStringLiteral("Kennumer"), 70)
        .integer(QStringLiteral("BelegNrAE"));
    addContact(head, QStringLiteral("EXP_"));
    addContact(head, QStringLiteral("ANM_"));
    addContact(head, QStringLiteral("VER_"));
    addContact(head, QStringLiteral("SUB_"), QStringLiteral("SUB_Felefax"));
    head.string(QStringLiteral("AusfLand"), 2)
        .string(QStringLiteral("Art3"), 2)
        .string(QStringLiteral("Ausgangsdatum"), 8)
        .string(QStringLiteral("Massgeb_Datum"), 8)
        .integer(QStringLiteral("StatMeldung"))
        .integer(QStringLiteral("AdressKonstellation"))
        .string(QStringLiteral("Anschreibe_PV"), 12)
        .string(QStringLiteral("PV"), 12)
        .string(QStringLiteral("VertrauensAus"), 12)
        .string(QStringLiteral("ZugelassenAus"), 12)
        .string(QStringLiteral("AusfuhrIst"), 8)
        .integer(QStringLiteral("EXP_Ident"))
        .string(QStringLiteral("Exp_NiederNr"), 4)
        .integer(QStringLiteral("EMP_Ident"))
        .string(QStringLiteral("EMP_NiederNr"), 4)
        .integer(QStringLiteral("ANM_Ident"))
        .string(QStringLiteral("ANM_NiederNr"), 4)
        .integer(QStringLiteral("VER_Ident"))
        .string(QStringLiteral("VER_NiederNr"), 4)
        .integer(QStringLiteral("SUB_Ident"))
        .string(QStringLiteral("SUB_NiederNr"), 4)
        .integer(QStringLiteral("END_Ident"))
        .string(QStringLiteral("END_TIN"), 17)
        .string(QStringLiteral("END_NiederNr"), 4)
        .string(QStringLiteral("END_Name"), 120)
        .string(QStringLiteral("END_Street"), 70)
        .string(QStringLiteral("END_Ort"), 35)
        .string(QStringLiteral("END_PLZ"), 9)
        .string(QStringLiteral("END_Land"), 2)
        .primaryKey({ BelegNr });
    return head;
}

TableSchema itemSchema()
{
    TableSchema items(Tables::Ware, platform::Alias::Data);
    items.integer(BelegNr)
        .integer(Pos)
        .string(QStringLiteral("WarenNr"), 8)
        .string(QStringLiteral("WarenNr_TARIC"), 2)
        .string(QStringLiteral("WarenNr_Zus1"), 4)
        .string(QStringLiteral("WarenNr_Zus2"), 4)
        .string(QStringLiteral("WarenNr_nat"), 4)
        .memo(QStringLiteral("WarenBez"))
        .string(QStringLiteral("RegisterFremd"), 70)
        .string(QStringLiteral("Vermerk"), 70)
        .string(QStringLiteral("Bundesland"), 2)
        .string(QStringLiteral("Eigenmasse"), 11)
        .string(QStringLiteral("Rohmasse"), 11)
        .string(QStringLiteral("Verfahren_angemeldet"), 4)
        .string(QStringLiteral("Verfahren_weiteres"), 3)
        .string(QStringLiteral("Menge"), 12)
        .string(QStringLiteral("Wert"), 9)
        .string(QStringLiteral("Vorpapier_Typ"), 6)
        .primaryKey({ BelegNr, Pos });
    return items;
}

// A list of the head: BelegNr, Pos and one further field. The route names its
// primary index, as the tables made by the register always had it.
TableSchema headListSchema(const QString &table, const QString &field, int size, const QString &primaryIndex = {})
{
    TableSchema list(table, platform::Alias::Data);
    list.integer(BelegNr).integer(Pos).string(field, size);
    list.primaryKey({ BelegNr, Pos });
    if (!primaryIndex.isEmpty())
        list.index(primaryIndex, { BelegNr, Pos }, false, true);
    return list;
}

// A list of a goods item: BelegNr, WarenPos, Pos, then its own fields.
TableSchema itemListSchema(const QString &table, const QVector<QPair<QString, int>> &fields)
{
    TableSchema list(table, platform::Alias::Data);
    list.integer(BelegNr).integer(WarenPos).integer(Pos);
    for (const auto &[name, size] : fields)
        list.string(name, size);
    list.primaryKey({ BelegNr, WarenPos, Pos });
    return list;
}

} // namespace

void registerAtlasTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    registry.add(headSchema());
    registry.add(itemSchema());
    registry.add(headListSchema(Tables::Verschluss, QStringLiteral("Zeichen"), 20));
    registry.add(headListSchema(Tables::Route, QStringLiteral("Land"), 2, QStringLiteral("iPIndex")));
    registry.add(itemListSchema(Tables::Vorpapier,
        { { QStringLiteral("Typ"), 3 }, { QStringLiteral("Referenz"), 35 }, { QStringLiteral("Zusatz"), 26 } }));
    registry.add(itemListSchema(Tables::Packst,
        { { QStringLiteral("Anzahl"), 5 }, { QStringLiteral("Nummer"), 2 }, { QStringLiteral("Verpackungsart"), 3 },
            { QStringLiteral("ZeichenNummern"), 42 } }));
    registry.add(itemListSchema(Tables::Container, { { QStringLiteral("Nummer"), 17 } }));
    registry.add(itemListSchema(Tables::Unterlage,
        { { QStringLiteral("Quali"), 3 }, { QStringLiteral("Typ"), 4 }, { QStringLiteral("Referenz"), 35 },
            { QStringLiteral("Zusatz"), 35 }, { QStringLiteral("DatumAusstellung"), 8 },
            { QStringLiteral("DatumGueltigEnde"), 8 } }));
}

bool createRouteTableIfMissing(platform::Session &session)
{
    platform::Database &db = session.database(platform::Alias::Data);
    const QString name = TableSchema::tableNameOf(Tables::Route);
    if (db.tableExists(name))
        return false;
    db.createTable(*platform::SchemaRegistry::instance().find(Tables::Route));
    return true;
}

} // namespace atlas
