#include "masterdata/picklists.h"

#include "masterdata/countries.h"
#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/table.h"

#include <stdexcept>

namespace masterdata {

namespace {

using platform::DataSetColumn;

SelectionDefinition list(const char *className, const char *caption, const QString &table, const char *order,
    QVector<DataSetColumn> columns, const char *searchIndex, const char *searchField, TypeAheadKeys keys)
{
    SelectionDefinition d;
    d.className = QString::fromLatin1(className);
    d.caption = QString::fromUtf8(caption);
    d.table = table;
    d.order = QString::fromLatin1(order);
    d.columns = std::move(columns);
    d.searchIndex = QString::fromLatin1(searchIndex);
    d.searchField = QString::fromLatin1(searchField);
    d.keys = keys;
    return d;
}

DataSetColumn column(const char *field, const char *caption = nullptr, int width = 0)
{
    return { QString::fromLatin1(field), caption ? QString::fromUtf8(caption) : QString(), width };
}

constexpr TypeAheadKeys LettersAndDigits = TypeAheadKeys::LettersAndDigits;
constexpr TypeAheadKeys AnyKey = TypeAheadKeys::AnyKey;

// The list on its first row; the field of the row taken over, or an empty
// text when cancelled.
template <typename Window> QString selectField(const QString &field, QWidget *parent)
{
    Window window(parent);
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.table().fieldByName(field).asString();
}

} // namespace

const QVector<SelectionDefinition> &selectionDefinitions()
{
    static const QVector<SelectionDefinition> definitions = {
        countrySelectionDefinition(),
        list("TfrmLnderbrd_e", "Auswahl: Bundesländer", Tables::FederalStates, "Bez",
            { column("Ulandi", "Nr."), column("Bez", "Bezeichnung", 240) }, "iBez", "Bez", AnyKey),
        list("TfrmVerfan_e", "Auswahl: Verfahren", Tables::DeclarationProcedures, "Bez",
            { column("Verfahr"), column("Bez", nullptr, 300) }, "iBez", "Bez", AnyKey),
        list("TfrmLiefer_e", "Auswahl: Lieferbedingung", Tables::DeliveryTerms, "Bedeutung",
            { column("Lieferb"), column("Bedeutung", nullptr, 200) }, "iBedeutung", "Bedeutung", LettersAndDigits),
        list("TfrmZoll_e", "Auswahl: Zolltabelle", Tables::CustomsOffices, "Ort",
            { column("Zollst"), column("Art"), column("Ort", nullptr, 200), column("TArt") }, "iOrt", "Ort",
            LettersAndDigits),
        list("TfrmVerzw_e", "Auswahl: VerkehrszweigeTabelle", Tables::TransportModes, "Bez1",
            { column("Vkzweig", "Nummer"), column("Bez1", "Bezeichnung", 240), column("Bez2", "Transportart") }, "iBez",
            "Bez1", LettersAndDigits),
        list("TfrmPackst_e", "Auswahl: Packstücke", Tables::PackageKinds, "bez",
            { column("packart", "Packart"), column("bez", "Bezeichnung", 240), column("laenge"), column("breite"),
                column("hoehe") },
            "iBez", "Bez", AnyKey),
        list("TfrmVerf_e", "Auswahl: VerfahrenAuswahl", Tables::Box37Procedures, "Bedeutung",
            { column("Verfnr1", "Nr1"), column("Verfnr2", "Nr2"), column("Bedeutung", nullptr, 300) }, "iBedeutung",
            "Bedeutung", AnyKey),
        list("TfrmHafen_e", "Auswahl: Hafen - Tabelle", Tables::Ports, "Nummer",
            { column("Nummer"), column("Hafen", nullptr, 240) }, "iHafen", "Hafen", AnyKey),
        list("TfrmWare_e", "Auswahl: Statistische Warennummer", Tables::GoodsNumbers, "bez1",
            { column("waren", "WarenNr."), column("bez1", "Bezeichnung", 240), column("Land") }, "ibez", "Bez1",
            AnyKey),
        list("TfrmArtikel_e", "Auswahl: Artikel", Tables::Articles, "bez1",
            { column("artikel", "ArtikelNr."), column("waren", "WarenNr."), column("bez1", "Bezeichnung", 240) },
            "iBez", "Bez1", AnyKey),
        list("TfrmGesch_e", "Auswahl: Geschäftsart-Tabelle", Tables::BusinessTypes, "Bez",
            { column("Geart", "Art"), column("Bez", "Bezeichnung", 240) }, "iBez", "Bez", LettersAndDigits),
        list("TfrmUrzeug_e", "Auswahl: Ursprung - Tabelle", Tables::OriginClauses, "klausel1",
            { column("uzklaus", "Nr"), column("klausel1", "Klausel", 360) }, "iKlausel", "Klausel1", AnyKey),
    };
    return definitions;
}

const SelectionDefinition &selectionDefinition(const QString &className)
{
    for (const SelectionDefinition &definition : selectionDefinitions()) {
        if (definition.className == className)
            return definition;
    }
    throw std::out_of_range("no pick list " + className.toStdString());
}

TfrmLnderbrd_e::TfrmLnderbrd_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmLnderbrd_e")), parent)
{
}

QString TfrmLnderbrd_e::SelectFederalState(const QString &startValue, QWidget *parent)
{
    TfrmLnderbrd_e window(parent);
    // A number that is not there leaves the list on the first state.
    if (!startValue.isEmpty())
        window.table().locate(QStringLiteral("Ulandi"), { startValue }, { .caseInsensitive = true });
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.table().fieldByName(QStringLiteral("Ulandi")).asString();
}

TfrmVerfan_e::TfrmVerfan_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmVerfan_e")), parent)
{
}

TfrmLiefer_e::TfrmLiefer_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmLiefer_e")), parent)
{
}

QString TfrmLiefer_e::SelectDeliveryTerm(const QString &, QWidget *parent)
{
    return selectField<TfrmLiefer_e>(QStringLiteral("Lieferb"), parent);
}

TfrmZoll_e::TfrmZoll_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmZoll_e")), parent)
{
}

TfrmVerzw_e::TfrmVerzw_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmVerzw_e")), parent)
{
}

QString TfrmVerzw_e::SelectTransportMode(const QString &, QWidget *parent)
{
    return selectField<TfrmVerzw_e>(QStringLiteral("Vkzweig"), parent);
}

TfrmPackst_e::TfrmPackst_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmPackst_e")), parent)
{
}

TfrmVerf_e::TfrmVerf_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmVerf_e")), parent)
{
}

TfrmHafen_e::TfrmHafen_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmHafen_e")), parent)
{
}

TfrmWare_e::TfrmWare_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmWare_e")), parent)
{
}

TfrmArtikel_e::TfrmArtikel_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmArtikel_e")), parent)
{
}

TfrmGesch_e::TfrmGesch_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmGesch_e")), parent)
{
}

QString TfrmGesch_e::SelectBusinessType(const QString &, QWidget *parent)
{
    return selectField<TfrmGesch_e>(QStringLiteral("Geart"), parent);
}

TfrmUrzeug_e::TfrmUrzeug_e(QWidget *parent)
    : SelectionWindow(selectionDefinition(QStringLiteral("TfrmUrzeug_e")), parent)
{
}

} // namespace masterdata

namespace masterdata {

QString pickProcedureForOptions(QWidget *parent, const QString &current, bool *chosen)
{
    TfrmVerf_e window(parent);
    platform::Table &table = window.table();
    table.setIndexFieldNames(QStringLiteral("Einh37"));
    if (!table.locate(QStringLiteral("Verfnr1;Verfnr2"), { current.left(4), current.mid(4, 1) }))
        table.last();
    *chosen = window.exec() == QDialog::Accepted;
    if (!*chosen)
        return {};
    return table.fieldByName(QStringLiteral("Verfnr1")).asString()
        + table.fieldByName(QStringLiteral("Verfnr2")).asString();
}

QString pickBusinessTypeForOptions(QWidget *parent, const QString &current, bool *chosen)
{
    TfrmGesch_e window(parent);
    platform::Table &table = window.table();
    table.setIndexFieldNames(QStringLiteral("Geart"));
    table.findNearest({ current });
    *chosen = window.exec() == QDialog::Accepted;
    if (!*chosen)
        return {};
    return table.fieldByName(QStringLiteral("Geart")).asString();
}

} // namespace masterdata
