#include "masterdata/masterdatatables.h"

#include "masterdata/texttables.h"
#include "platform/schemaregistry.h"

namespace masterdata {

using platform::TableSchema;

namespace {

TableSchema dataTable(const QString &fileName)
{
    return TableSchema(fileName, platform::Alias::Data);
}

// A code table: key code, one text field with a named case-insensitive index.
TableSchema &keyed(TableSchema &schema, const QString &key, const QString &indexName, const QString &textField)
{
    return schema.primaryKey({ key }).index(indexName, { textField }, true);
}

// Customers, goods numbers and articles: the tables documents take their
// parties and goods from.
void registerTradingTables(platform::SchemaRegistry &registry)
{
    TableSchema customers = dataTable(Tables::Customers);
    customers.integer(QStringLiteral("nummer"))
        .strings(QStringLiteral("name"), 1, 3, 29)
        .string(QStringLiteral("strasse"), 29)
        .string(QStringLiteral("ort"), 29)
        .string(QStringLiteral("land"), 3)
        .string(QStringLiteral("telefon"), 25)
        .string(QStringLiteral("telefax"), 25)
        .string(QStringLiteral("telex"), 25)
        .string(QStringLiteral("sprache"), 1)
        .string(QStringLiteral("ustnr"), 29)
        .string(QStringLiteral("franka"), 20)
        .string(QStringLiteral("TIN"), 15)
        .string(QStringLiteral("IsDeuZoll"), 1)
        .string(QStringLiteral("PLZ"), 7);
    registry.add(keyed(customers, QStringLiteral("nummer"), QStringLiteral("iName"), QStringLiteral("name1")));

    // The goods number alone is no key: one number may stand with several
    // descriptions and origins. Rows are told apart by all seven fields of
    // iFind, which the data need not keep unique.
    TableSchema goods = dataTable(Tables::GoodsNumbers);
    goods.string(QStringLiteral("waren"), 8)
        .strings(QStringLiteral("bez"), 1, 4, 40)
        .string(QStringLiteral("Land"), 3)
        .string(QStringLiteral("Einheit"), 11)
        .string(QStringLiteral("maseinheit"), 1)
        .string(QStringLiteral("Brutto"), 10)
        .string(QStringLiteral("Netto"), 10)
        .strings(QStringLiteral("bez"), 5, 9, 40)
        .string(QStringLiteral("Waren2"), 2)
        .string(QStringLiteral("Waren3"), 4)
        .string(QStringLiteral("Waren4"), 4)
        .string(QStringLiteral("Waren5"), 4)
        .index(QStringLiteral("iLand"), { QStringLiteral("Land") }, true)
        .index(QStringLiteral("ibez"), { QStringLiteral("bez1") }, true)
        .index(QStringLiteral("iware"), { QStringLiteral("waren") }, true)
        .index(QStringLiteral("iFind"),
            { QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("bez2"), QStringLiteral("bez3"),
                QStringLiteral("bez4"), QStringLiteral("bez5"), QStringLiteral("Land") },
            true);
    registry.add(goods);

    TableSchema articles = dataTable(Tables::Articles);
    articles.string(QStringLiteral("artikel"), 20)
        .string(QStringLiteral("waren"), 8)
        .strings(QStringLiteral("bez"), 1, 4, 40)
        .strings(QStringLiteral("f"), 1, 4, 40)
        .strings(QStringLiteral("s"), 1, 4, 40)
        .strings(QStringLiteral("p"), 1, 4, 40)
        .strings(QStringLiteral("bez"), 5, 6, 40)
        .strings(QStringLiteral("f"), 5, 6, 40)
        .strings(QStringLiteral("s"), 5, 6, 40)
        .strings(QStringLiteral("p"), 5, 6, 40)
        .floating(QStringLiteral("preis"))
        .floating(QStringLiteral("netto"))
        .string(QStringLiteral("urland"), 3)
        .strings(QStringLiteral("E"), 1, 6, 40)
        .boolean(QStringLiteral("Praefberech"));
    registry.add(keyed(articles, QStringLiteral("artikel"), QStringLiteral("iBez"), QStringLiteral("bez1")));
}

} // namespace

void registerMasterdataTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    registerTradingTables(registry);

    TableSchema countries = dataTable(Tables::Countries);
    countries.string(QStringLiteral("Land"), 3)
        .string(QStringLiteral("Bez"), 29)
        .string(QStringLiteral("Landkbz"), 6)
        .string(QStringLiteral("Sprache"), 1)
        .string(QStringLiteral("Lkz"), 3)
        .string(QStringLiteral("Zug"), 3)
        .string(QStringLiteral("E"), 29)
        .string(QStringLiteral("S"), 29)
        .string(QStringLiteral("F"), 29)
        .string(QStringLiteral("P"), 29)
        .string(QStringLiteral("Grenzkz"), 4)
        .string(QStringLiteral("Grenzort"), 20)
        .floating(QStringLiteral("Kurs"))
        .string(QStringLiteral("Waehrung"), 3)
        .string(QStringLiteral("WaerBez"), 30)
        .string(QStringLiteral("Verfahren1"), 4)
        .string(QStringLiteral("Verfahren2"), 3)
        .boolean(QStringLiteral("EinzelMit"));
    keyed(countries, QStringLiteral("Land"), QStringLiteral("iBez"), QStringLiteral("Bez"))
        .index(QStringLiteral("iLkz"), { QStringLiteral("Lkz") });
    registry.add(countries);

    // The language table belongs to the company-data windows; the country
    // window and lists read it, so it is declared here unless it already is.
    if (!registry.contains(Tables::Languages)) {
        registry.add(dataTable(Tables::Languages)
                         .string(QStringLiteral("Skz"), 1)
                         .string(QStringLiteral("Sprache"), 15)
                         .primaryKey({ QStringLiteral("Skz") }));
    }

    TableSchema clauses = dataTable(Tables::OriginClauses);
    clauses.string(QStringLiteral("uzklaus"), 3)
        .string(QStringLiteral("land"), 3)
        .strings(QStringLiteral("klausel"), 1, 20, 65);
    registry.add(keyed(clauses, QStringLiteral("uzklaus"), QStringLiteral("iKlausel"), QStringLiteral("klausel1")));

    TableSchema transport = dataTable(Tables::TransportModes);
    transport.string(QStringLiteral("Vkzweig"), 2)
        .string(QStringLiteral("Bez1"), 40)
        .string(QStringLiteral("Bez2"), 10);
    registry.add(keyed(transport, QStringLiteral("Vkzweig"), QStringLiteral("iBez"), QStringLiteral("Bez1")));

    TableSchema delivery = dataTable(Tables::DeliveryTerms);
    delivery.string(QStringLiteral("LiefNr"), 4)
        .string(QStringLiteral("Lieferb"), 3)
        .string(QStringLiteral("Bedeutung"), 20)
        .floating(QStringLiteral("Preis"));
    registry.add(keyed(delivery, QStringLiteral("Lieferb"), QStringLiteral("iBedeutung"), QStringLiteral("Bedeutung")));

    TableSchema procedures = dataTable(Tables::DeclarationProcedures);
    procedures.string(QStringLiteral("Verfahr"), 1).string(QStringLiteral("Bez"), 45);
    registry.add(keyed(procedures, QStringLiteral("Verfahr"), QStringLiteral("iBez"), QStringLiteral("Bez")));

    TableSchema box37 = dataTable(Tables::Box37Procedures);
    box37.string(QStringLiteral("Einh37"), 2)
        .string(QStringLiteral("Verfnr1"), 4)
        .string(QStringLiteral("Verfnr2"), 1)
        .string(QStringLiteral("Bedeutung"), 45);
    registry.add(keyed(box37, QStringLiteral("Einh37"), QStringLiteral("iBedeutung"), QStringLiteral("Bedeutung")));

    TableSchema business = dataTable(Tables::BusinessTypes);
    business.string(QStringLiteral("Geart"), 2).string(QStringLiteral("Bez"), 40);
    registry.add(keyed(business, QStringLiteral("Geart"), QStringLiteral("iBez"), QStringLiteral("Bez")));

    TableSchema ports = dataTable(Tables::Ports);
    ports.string(QStringLiteral("Nummer"), 4).string(QStringLiteral("Hafen"), 40);
    registry.add(keyed(ports, QStringLiteral("Nummer"), QStringLiteral("iHafen"), QStringLiteral("Hafen")));

    TableSchema offices = dataTable(Tables::CustomsOffices);
    offices.string(QStringLiteral("Zollst"), 9)
        .string(QStringLiteral("Art"), 7)
        .string(QStringLiteral("Ort"), 27)
        .string(QStringLiteral("Tart"), 2);
    registry.add(keyed(offices, QStringLiteral("Zollst"), QStringLiteral("iOrt"), QStringLiteral("Ort")));

    TableSchema states = dataTable(Tables::FederalStates);
    states.string(QStringLiteral("Ulandi"), 2).string(QStringLiteral("Bez"), 40);
    registry.add(keyed(states, QStringLiteral("Ulandi"), QStringLiteral("iBez"), QStringLiteral("Bez")));

    // The two box-37 sub-field tables have no key: they are read in the
    // order the codes were entered.
    registry.add(dataTable(Tables::ProcedureCodes1)
                     .string(QStringLiteral("Code"), 10)
                     .string(QStringLiteral("Bezeichnung"), 255));
    registry.add(dataTable(Tables::ProcedureCodes2)
                     .string(QStringLiteral("Code"), 5)
                     .string(QStringLiteral("Bezeichnung"), 255));

    TableSchema preference = dataTable(Tables::PreferenceClauses);
    preference.string(QStringLiteral("praefz"), 10).strings(QStringLiteral("text"), 1, 6, 60);
    registry.add(keyed(preference, QStringLiteral("praefz"), QStringLiteral("iText1"), QStringLiteral("text1")));

    TableSchema packages = dataTable(Tables::PackageKinds);
    packages.string(QStringLiteral("packart"), 3)
        .string(QStringLiteral("bez"), 65)
        .string(QStringLiteral("e"), 65)
        .string(QStringLiteral("f"), 65)
        .string(QStringLiteral("s"), 65)
        .string(QStringLiteral("p"), 65)
        .smallInt(QStringLiteral("laenge"))
        .smallInt(QStringLiteral("breite"))
        .smallInt(QStringLiteral("hoehe"))
        .string(QStringLiteral("Besch"), 65);
    registry.add(keyed(packages, QStringLiteral("packart"), QStringLiteral("iBez"), QStringLiteral("bez")));

    TableSchema forwarders = dataTable(Tables::Forwarders);
    forwarders.integer(QStringLiteral("nummer"))
        .strings(QStringLiteral("name"), 1, 5, 29)
        .string(QStringLiteral("land"), 3)
        .string(QStringLiteral("telefon"), 14)
        .string(QStringLiteral("telefax"), 14)
        .string(QStringLiteral("ansprech"), 20);
    registry.add(keyed(forwarders, QStringLiteral("nummer"), QStringLiteral("iName"), QStringLiteral("name1")));

    TableSchema shipping = dataTable(Tables::ShippingAddresses);
    shipping.integer(QStringLiteral("nummer"))
        .strings(QStringLiteral("name"), 1, 5, 29)
        .string(QStringLiteral("land"), 3)
        .string(QStringLiteral("telefon"), 25)
        .string(QStringLiteral("telefax"), 25)
        .string(QStringLiteral("telex"), 25)
        .string(QStringLiteral("ansprech"), 25);
    registry.add(keyed(shipping, QStringLiteral("nummer"), QStringLiteral("iName"), QStringLiteral("name1")));

    registerTextTables();
}

} // namespace masterdata
