#include "masterdata/codetables.h"

#include "masterdata/masterdatatables.h"

namespace masterdata {

namespace {

enum class Gender { Masculine, Feminine, Neuter };

// The seven record-button hints for a noun of the table.
QStringList hintsFor(const QString &noun, Gender gender)
{
    const QString ending = gender == Gender::Masculine ? QStringLiteral("er")
        : gender == Gender::Feminine                   ? QStringLiteral("e")
                                                       : QStringLiteral("es");
    const QString current = gender == Gender::Masculine ? QStringLiteral("Aktueller ")
        : gender == Gender::Feminine                    ? QStringLiteral("Aktuelle ")
                                                        : QStringLiteral("Aktuelles ");
    return { QStringLiteral("Erst") + ending + QLatin1Char(' ') + noun,
        QStringLiteral("Vorherig") + ending + QLatin1Char(' ') + noun,
        QStringLiteral("Nächst") + ending + QLatin1Char(' ') + noun,
        QStringLiteral("Letzt") + ending + QLatin1Char(' ') + noun, noun + QStringLiteral(" hinzufügen"),
        current + noun + QStringLiteral(" löschen"), current + noun + QStringLiteral(" bearbeiten") };
}

EditField edit(int number, const QString &field, const QString &label, EnterKey enter = EnterKey::NextControl)
{
    return { .objectName = QStringLiteral("DBEdit%1").arg(number), .field = field, .label = label, .enter = enter };
}

// What the members share: Table1 on the table, the grid with every field,
// the record buttons SpeedButton13 to SpeedButton19, print, search and close;
// no pick use, so the table closes with the window.
MasterDataDefinition member(const QString &className, const QString &caption, const QString &table,
    QVector<platform::DataSetColumn> columns, QStringList hints, QVector<SearchKey> searchKeys, const QString &keyOrder,
    const QString &nameOrder)
{
    MasterDataDefinition d;
    d.className = className;
    d.caption = caption;
    d.table = table;
    d.columns = std::move(columns);
    d.buttonHints = std::move(hints);
    for (int i = 0; i < 7; ++i)
        d.buttonNames.append(QStringLiteral("SpeedButton%1").arg(13 + i));
    d.searchKeys = std::move(searchKeys);
    d.searchKeyOrder = keyOrder;
    d.orderAfterSearch = nameOrder;
    d.focusField = keyOrder;
    d.closeTableOnClose = true;
    return d;
}

ListLayout list(const QString &listName, const QString &table, const QString &order, const QString &title, int titleX,
    int frameRight, int frameBottom, int perSheet, int step, const QString &progress)
{
    ListLayout l;
    l.listName = listName;
    l.table = table;
    l.order = order;
    l.jobTitle = QStringLiteral("Export / Versand: ") + title;
    l.progressText = progress;
    l.title = title;
    l.titleX = titleX;
    l.frameRight = frameRight;
    l.frameBottom = frameBottom;
    l.recordsPerSheet = perSheet;
    l.step = step;
    return l;
}

constexpr int Centred = -1;

} // namespace

MasterDataDefinition originClauseDefinition()
{
    MasterDataDefinition d = member(QStringLiteral("TfrmUrzeug"), QStringLiteral("Ursprungszeugnis"),
        Tables::OriginClauses,
        { { QStringLiteral("uzklaus"), QStringLiteral("Nummer") }, { QStringLiteral("land"), QStringLiteral("Land") },
            { QStringLiteral("klausel1"), QStringLiteral("Text 1"), 400 } },
        hintsFor(QStringLiteral("Position"), Gender::Feminine),
        { { QStringLiteral("Nummer"), QStringLiteral("UZKlaus") },
            { QStringLiteral("Text 1"), QStringLiteral("Klausel1") } },
        QStringLiteral("UZKlaus"), QStringLiteral("Klausel1"));
    d.pages = { QStringLiteral("Liste"), QStringLiteral("Karteikarte") };
    EditGroup card;
    card.fields.append(edit(1, QStringLiteral("uzklaus"), QStringLiteral("Nummer")));
    // Twenty borderless lines under one another read as one block of text.
    for (int line = 1; line <= 20; ++line) {
        EditField text = edit(
            line + 1, QStringLiteral("klausel%1").arg(line), line == 1 ? QStringLiteral("Erklärung") : QString());
        text.frameless = true;
        card.fields.append(text);
    }
    EditField country { .objectName = QStringLiteral("DBLookupCombo1"),
        .field = QStringLiteral("LAND"),
        .label = QStringLiteral("Land"),
        .kind = ControlKind::Lookup };
    country.lookup = { .table = Tables::Countries,
        .keyField = QStringLiteral("Land"),
        .displayField = QStringLiteral("Bez"),
        .order = QStringLiteral("Land"),
        .nameIndex = QStringLiteral("iBez") };
    card.fields.append(country);
    d.groups = { card };
    d.labelsInFormFont = true;
    d.gridEnter = GridEnter::EditRecord;
    d.listLayout = originClauseListLayout;
    return d;
}

MasterDataDefinition transportModeDefinition()
{
    MasterDataDefinition d
        = member(QStringLiteral("TfrmVerkehrszweig"), QStringLiteral("Verkehrszweige"), Tables::TransportModes,
            { { QStringLiteral("Vkzweig"), QStringLiteral("Nummer") },
                { QStringLiteral("Bez1"), QStringLiteral("Bezeichnung"), 280 },
                { QStringLiteral("Bez2"), QStringLiteral("Transportart") } },
            hintsFor(QStringLiteral("Verkehrszweig"), Gender::Masculine),
            { { QStringLiteral("Nummer"), QStringLiteral("VKZweig") },
                { QStringLiteral("Bezeichnung"), QStringLiteral("Bez1") } },
            QStringLiteral("VKZweig"), QStringLiteral("Bez1"));
    d.order = QStringLiteral("Vkzweig");
    d.groups = { { {},
        { edit(1, QStringLiteral("Vkzweig"), QStringLiteral("Verkehrszweig")),
            edit(2, QStringLiteral("Bez1"), QStringLiteral("Bezeichnung")),
            edit(3, QStringLiteral("Bez2"), QStringLiteral("Transportart"), EnterKey::Nothing) } } };
    d.listLayout = transportModeListLayout;
    return d;
}

MasterDataDefinition deliveryTermDefinition()
{
    MasterDataDefinition d
        = member(QStringLiteral("TfrmLieferbedingungen"), QStringLiteral("Lieferbedingungen"), Tables::DeliveryTerms,
            { { QStringLiteral("LiefNr"), QStringLiteral("LiefNr") },
                { QStringLiteral("Lieferb"), QStringLiteral("Lieferbedingung") },
                { QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung"), 200 },
                { QStringLiteral("Preis"), QStringLiteral("Preis") } },
            hintsFor(QStringLiteral("Lieferbedingung"), Gender::Feminine),
            { { QStringLiteral("Lieferbedingung"), QStringLiteral("Lieferb") },
                { QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung") } },
            QStringLiteral("Lieferb"), QStringLiteral("Bedeutung"));
    d.order = QStringLiteral("Bedeutung");
    d.groups = {
        { {},
            { edit(1, QStringLiteral("Lieferb"), QStringLiteral("Lieferbedingung"), EnterKey::Nothing),
                edit(2, QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung"), EnterKey::Nothing) } },
        { {},
            { edit(3, QStringLiteral("LiefNr"), QStringLiteral("Liefer-Nr."), EnterKey::Nothing),
                edit(4, QStringLiteral("Preis"), QStringLiteral("Wert / Kg"), EnterKey::Nothing) } },
    };
    d.listLayout = deliveryTermListLayout;
    return d;
}

MasterDataDefinition declarationProcedureDefinition()
{
    QStringList hints = hintsFor(QStringLiteral("Verfahren"), Gender::Neuter);
    hints[6] = QStringLiteral("Aktuelles Verfahren Bearbeiten");
    MasterDataDefinition d
        = member(QStringLiteral("TfrmVerfan"), QStringLiteral("Verfahren - Anmeldung"), Tables::DeclarationProcedures,
            { { QStringLiteral("Verfahr"), QStringLiteral("Nummer") },
                { QStringLiteral("Bez"), QStringLiteral("Verfahren"), 320 } },
            hints,
            { { QStringLiteral("Verfahren"), QStringLiteral("Verfahr") },
                { QStringLiteral("Bezeichnung"), QStringLiteral("Bez") } },
            QStringLiteral("Verfahr"), QStringLiteral("Bez"));
    d.groups = { { {},
        { edit(1, QStringLiteral("Verfahr"), QStringLiteral("Nummer")),
            edit(2, QStringLiteral("Bez"), QStringLiteral("Verfahren"), EnterKey::Nothing) } } };
    d.listLayout = declarationProcedureListLayout;
    return d;
}

MasterDataDefinition box37ProcedureDefinition()
{
    MasterDataDefinition d = member(QStringLiteral("TfrmVerf"), QStringLiteral("Verfahren"), Tables::Box37Procedures,
        { { QStringLiteral("Einh37"), QStringLiteral("Nummer") },
            { QStringLiteral("Verfnr1"), QStringLiteral("Verfahren 1") },
            { QStringLiteral("Verfnr2"), QStringLiteral("Verfahren 2") },
            { QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung"), 320 } },
        hintsFor(QStringLiteral("Verfahren"), Gender::Neuter),
        { { QStringLiteral("Nummer"), QStringLiteral("Einh37") },
            { QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung") } },
        QStringLiteral("Einh37"), QStringLiteral("Bedeutung"));
    d.groups = { { {},
        { edit(1, QStringLiteral("Einh37"), QStringLiteral("Nummer")),
            edit(2, QStringLiteral("Verfnr1"), QStringLiteral("Verfahren1")),
            edit(3, QStringLiteral("Verfnr2"), QStringLiteral("Verfahren2")),
            edit(4, QStringLiteral("Bedeutung"), QStringLiteral("Bedeutung")) } } };
    d.listLayout = box37ProcedureListLayout;
    return d;
}

MasterDataDefinition businessTypeDefinition()
{
    QStringList hints = hintsFor(QStringLiteral("Geschäftsart"), Gender::Feminine);
    hints[0] = QStringLiteral("Ertste Geschäftsart");
    hints[3] = QStringLiteral("Letze Geschäftsart");
    MasterDataDefinition d
        = member(QStringLiteral("TfrmGeschft"), QStringLiteral("Geschäftsart"), Tables::BusinessTypes,
            { { QStringLiteral("Geart"), QStringLiteral("Nummer") },
                { QStringLiteral("Bez"), QStringLiteral("Bezeichnung"), 280 } },
            hints,
            { { QStringLiteral("Geschäfts-Art"), QStringLiteral("GeArt") },
                { QStringLiteral("Bezeichnung"), QStringLiteral("Bez") } },
            QStringLiteral("GeArt"), QStringLiteral("Bez"));
    d.groups = { { {},
        { edit(1, QStringLiteral("Geart"), QStringLiteral("Nummer")),
            edit(2, QStringLiteral("Bez"), QStringLiteral("Bezeichnung"), EnterKey::Nothing) } } };
    d.listLayout = businessTypeListLayout;
    return d;
}

MasterDataDefinition portDefinition()
{
    QStringList hints = hintsFor(QStringLiteral("Hafen"), Gender::Masculine);
    hints[5] = QStringLiteral("Akteller Hafen löschen");
    MasterDataDefinition d = member(QStringLiteral("TfrmHafen"), QStringLiteral("Hafenverwaltung"), Tables::Ports,
        { { QStringLiteral("Nummer"), QStringLiteral("Nummer") },
            { QStringLiteral("Hafen"), QStringLiteral("Hafen"), 280 } },
        hints,
        { { QStringLiteral("Nummer"), QStringLiteral("Nummer") },
            { QStringLiteral("Hafen"), QStringLiteral("Hafen") } },
        QStringLiteral("Nummer"), QStringLiteral("Hafen"));
    d.groups = { { {},
        { edit(1, QStringLiteral("Nummer"), QStringLiteral("Nummer")),
            edit(2, QStringLiteral("Hafen"), QStringLiteral("Hafen"), EnterKey::Nothing) } } };
    d.listLayout = portListLayout;
    return d;
}

MasterDataDefinition customsOfficeDefinition()
{
    MasterDataDefinition d = member(QStringLiteral("TfrmZoll"), QStringLiteral("Zollstellen"), Tables::CustomsOffices,
        { { QStringLiteral("Zollst"), QStringLiteral("Zollst") }, { QStringLiteral("Art"), QStringLiteral("Art") },
            { QStringLiteral("Ort"), QStringLiteral("Ort"), 220 }, { QStringLiteral("Tart"), QStringLiteral("Tart") } },
        hintsFor(QStringLiteral("Zollstelle"), Gender::Feminine),
        { { QStringLiteral("Zollstelle"), QStringLiteral("ZollSt") },
            { QStringLiteral("Ort"), QStringLiteral("Ort") } },
        QStringLiteral("ZollSt"), QStringLiteral("Ort"));
    d.groups = { { {},
        { edit(1, QStringLiteral("Zollst"), QStringLiteral("Zollstelle")),
            edit(2, QStringLiteral("Art"), QStringLiteral("Art der Zollstelle")),
            edit(3, QStringLiteral("Ort"), QStringLiteral("Ort")),
            edit(4, QStringLiteral("Tart"), QStringLiteral("Transportart")) } } };
    d.listLayout = customsOfficeListLayout;
    return d;
}

MasterDataDefinition federalStateDefinition()
{
    QStringList hints = hintsFor(QStringLiteral("Bundesland"), Gender::Neuter);
    hints[5] = QStringLiteral("Akuelles Bundesland löschen");
    MasterDataDefinition d
        = member(QStringLiteral("TfrmBundeslnder"), QStringLiteral("Bundesländer"), Tables::FederalStates,
            { { QStringLiteral("Ulandi"), QStringLiteral("Nummer") },
                { QStringLiteral("Bez"), QStringLiteral("Bundesland"), 280 } },
            hints,
            { { QStringLiteral("Nummer"), QStringLiteral("Ulandi") },
                { QStringLiteral("Bundes-Land"), QStringLiteral("Bez") } },
            QStringLiteral("Ulandi"), QStringLiteral("Bez"));
    d.groups = { { {},
        { edit(1, QStringLiteral("Ulandi"), QStringLiteral("Nummer")),
            edit(2, QStringLiteral("Bez"), QStringLiteral("Bundesland"), EnterKey::Nothing) } } };
    d.listLayout = federalStateListLayout;
    return d;
}

ListLayout originClauseListLayout()
{
    ListLayout l = list(QStringLiteral("Ursprungszeugnis"), Tables::OriginClauses, QStringLiteral("uzklaus"),
        QStringLiteral("Ursprungszeugnis - Rückseite"), Centred, 2020, 2190, 2, 1020,
        QStringLiteral("Die Ursprungszeugnisse werden gedruckt..."));
    l.lookups = { { QStringLiteral("Land"), Tables::Countries, QStringLiteral("Land"), QStringLiteral("land") } };
    l.items = {
        listCaption(150, 200, QStringLiteral("Nummer    :")),
        listValue(150, 200, QStringLiteral("Nummer    : "), QStringLiteral("uzklaus")),
        listCaption(1000, 200, QStringLiteral("Land :")),
        listValue(1000, 200, QStringLiteral("Land : "),
            [](ListRecord &r) { return r.lookup(QStringLiteral("Land"), QStringLiteral("Bez")); }),
        listCaption(150, 260, QStringLiteral("Erklärung :")),
    };
    // Every clause line, empty ones as blank lines.
    for (int line = 1; line <= 20; ++line)
        l.items.append(listValue(
            150, 310 + 42 * (line - 1), QStringLiteral("Erklärung : "), QStringLiteral("klausel%1").arg(line)));
    l.items.append(listLine(1170));
    return l;
}

ListLayout transportModeListLayout()
{
    ListLayout l = list(QStringLiteral("Verkehrszweige"), Tables::TransportModes, {}, QStringLiteral("Verkehrszweige"),
        Centred, 2020, 2730, 9, 120, QStringLiteral("Die Verkehrszweige werden gedruckt..."));
    const QString first = QStringLiteral("Verkehrszweig : ");
    l.items = {
        listCaption(150, 200, QStringLiteral("Verkehrszweig :")),
        listValue(150, 200, first, QStringLiteral("Vkzweig")),
        // Each value under its own caption: the kind of transport is Bez2,
        // the designation Bez1.
        listCaption(150, 250, QStringLiteral("Transportart  :")),
        listValue(150, 250, first, QStringLiteral("Bez2")),
        listCaption(1000, 250, QStringLiteral("Bezeichnung :")),
        listValue(1000, 250, QStringLiteral("Bezeichnung : "), QStringLiteral("Bez1")),
        listLine(300),
    };
    return l;
}

ListLayout deliveryTermListLayout()
{
    ListLayout l = list(QStringLiteral("Lieferbedingungen"), Tables::DeliveryTerms, QStringLiteral("Lieferb"),
        QStringLiteral("Lieferbedingungen"), 800, 2000, 2800, 40, 60,
        QStringLiteral("Die Lieferbedingungen werden gedruckt..."));
    l.items = {
        listCaption(150, 200, QStringLiteral("Lieferbedingung :")),
        listValue(150, 200, QStringLiteral("Lieferbedingung : "), QStringLiteral("Lieferb")),
        listCaption(1000, 200, QStringLiteral("Bedeutung :")),
        listValue(1000, 200, QStringLiteral("Bedeutung : "), QStringLiteral("Bedeutung")),
    };
    return l;
}

ListLayout declarationProcedureListLayout()
{
    ListLayout l = list(QStringLiteral("Verfahren / Anmeldung"), Tables::DeclarationProcedures,
        QStringLiteral("Verfahr"), QStringLiteral("Verfahren - Anmeldung"), Centred, 2020, 2730, 17, 150,
        QStringLiteral("Die Verfahren / Anmeldung werden gedruckt..."));
    const QString reference = QStringLiteral("Verfahren : ");
    l.items = {
        listCaption(150, 200, QStringLiteral("Nummer    :")),
        listValue(150, 200, reference, QStringLiteral("Verfahr")),
        listCaption(150, 250, QStringLiteral("Verfahren :")),
        listValue(150, 254, reference, QStringLiteral("Bez")),
        listLine(330),
    };
    return l;
}

ListLayout box37ProcedureListLayout()
{
    ListLayout l = list(QStringLiteral("Verfahren"), Tables::Box37Procedures, QStringLiteral("Einh37"),
        QStringLiteral("Verfahren"), Centred, 2020, 2730, 17, 150, QStringLiteral("Die Verfahren werden gedruckt..."));
    const QString reference = QStringLiteral("Bedeutung : ");
    l.items = {
        listCaption(150, 200, QStringLiteral("Nummmer   :")),
        listValue(150, 200, reference, QStringLiteral("Einh37")),
        listCaption(150, 242, QStringLiteral("Verfahren :")),
        listValue(150, 242, reference,
            [](ListRecord &r) {
                return r.field(QStringLiteral("Verfnr1")) + QLatin1Char(' ') + r.field(QStringLiteral("Verfnr2"));
            }),
        listCaption(150, 284, QStringLiteral("Bedeutung :")),
        listValue(150, 284, reference, QStringLiteral("Bedeutung")),
        listLine(330),
    };
    return l;
}

ListLayout businessTypeListLayout()
{
    ListLayout l = list(QStringLiteral("Geschäftsarten"), Tables::BusinessTypes, QStringLiteral("Geart"),
        QStringLiteral("Geschäftsarten"), 850, 2000, 2800, 40, 60,
        QStringLiteral("Die Geschäftsarten werden gedruckt..."));
    l.items = {
        listCaption(150, 300, QStringLiteral("Geschäftsart :")),
        listValue(150, 300, QStringLiteral("Geschäftsart : "), QStringLiteral("Geart")),
        listCaption(600, 300, QStringLiteral("Bezeichnung :")),
        listValue(600, 300, QStringLiteral("Bezeichnung : "), QStringLiteral("Bez")),
    };
    return l;
}

ListLayout portListLayout()
{
    ListLayout l = list(QStringLiteral("Flughäfen"), Tables::Ports, {}, QStringLiteral("Flughäfen"), 950, 2000, 2800,
        40, 60, QStringLiteral("Die Flughäfen werden gedruckt..."));
    l.fixedQuestion = QStringLiteral("Bitte legen Sie 3 leere Blätter \rin den Drucker ein! ");
    l.cancelAbortsJob = true;
    l.items = {
        listCaption(150, 300, QStringLiteral("Nummer. :")),
        listValue(150, 300, QStringLiteral("Nummer. : "), QStringLiteral("Nummer")),
        listCaption(1000, 300, QStringLiteral("Hafen :")),
        listValue(1000, 300, QStringLiteral("Hafen : "), QStringLiteral("Hafen")),
    };
    return l;
}

ListLayout customsOfficeListLayout()
{
    ListLayout l = list(QStringLiteral("Zollstellen"), Tables::CustomsOffices, QStringLiteral("Zollst"),
        QStringLiteral("Zollstellen"), Centred, 2020, 2700, 17, 150,
        QStringLiteral("Die Zollstellen werden gedruckt..."));
    const QString left = QStringLiteral("Art der Zollstelle : ");
    const QString right = QStringLiteral("Transportart : ");
    l.items = {
        listCaption(150, 200, QStringLiteral("Zollstelle         :")),
        listValue(150, 200, left, QStringLiteral("Zollst")),
        listCaption(150, 242, QStringLiteral("Art der Zollstelle :")),
        listValue(150, 242, left, QStringLiteral("Art")),
        listCaption(950, 200, QStringLiteral("Ort          :")),
        listValue(950, 200, right, QStringLiteral("Ort")),
        listCaption(950, 242, QStringLiteral("Transportart :")),
        listValue(950, 242, right, QStringLiteral("Tart")),
        listLine(300),
    };
    return l;
}

ListLayout federalStateListLayout()
{
    ListLayout l = list(QStringLiteral("Bundesländer"), Tables::FederalStates, QStringLiteral("Ulandi"),
        QStringLiteral("Bundesländer"), 850, 2000, 2800, 0, 60, QStringLiteral("Die Bundesländer werden gedruckt..."));
    l.fixedQuestion = QStringLiteral("Bitte legen Sie 1 leeres Blatt \rin den Drucker ein! ");
    l.items = {
        listCaption(150, 300, QStringLiteral("Nummer :")),
        listValue(150, 300, QStringLiteral("Nummer : "), QStringLiteral("Ulandi")),
        listCaption(1000, 300, QStringLiteral("Bundesland :")),
        listValue(1000, 300, QStringLiteral("Bundesland : "), QStringLiteral("Bez")),
    };
    return l;
}

const QVector<CodeTable> &codeTables()
{
    static const QVector<CodeTable> tables = {
        { QStringLiteral("TfrmUrzeug"), originClauseDefinition, originClauseListLayout },
        { QStringLiteral("TfrmVerkehrszweig"), transportModeDefinition, transportModeListLayout },
        { QStringLiteral("TfrmLieferbedingungen"), deliveryTermDefinition, deliveryTermListLayout },
        { QStringLiteral("TfrmVerfan"), declarationProcedureDefinition, declarationProcedureListLayout },
        { QStringLiteral("TfrmVerf"), box37ProcedureDefinition, box37ProcedureListLayout },
        { QStringLiteral("TfrmGeschft"), businessTypeDefinition, businessTypeListLayout },
        { QStringLiteral("TfrmHafen"), portDefinition, portListLayout },
        { QStringLiteral("TfrmZoll"), customsOfficeDefinition, customsOfficeListLayout },
        { QStringLiteral("TfrmBundeslnder"), federalStateDefinition, federalStateListLayout },
    };
    return tables;
}

} // namespace masterdata
