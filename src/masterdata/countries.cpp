#include "masterdata/countries.h"

#include "masterdata/masterdatatables.h"
#include "masterdata/procedurecodes.h"
#include "platform/field.h"
#include "platform/table.h"

namespace masterdata {

namespace {

EditField edit(const QString &name, const QString &field, const QString &label)
{
    return { .objectName = name, .field = field, .label = label };
}

// The pick button of a "Verfahren" field: the sub-field list on the code the
// field holds, the chosen code into the field, the country posted.
template <typename Window> void pickProcedureDefault(MasterDataWindow &window, const QString &field, bool focusNext)
{
    platform::Table &countries = window.table();
    countries.edit();
    {
        Window list(&window);
        list.setPickMode(true);
        list.moveToCode(countries.fieldByName(field).asString());
        if (list.exec() == QDialog::Accepted)
            countries.setValue(field, list.code());
    }
    countries.post();
    if (focusNext) {
        if (QWidget *next = window.controlForField(QStringLiteral("Verfahren2")))
            next->setFocus();
    }
}

} // namespace

MasterDataDefinition countryDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmLnder");
    d.caption = QStringLiteral("Länderverwaltung");
    d.table = Tables::Countries;
    d.order = QStringLiteral("Bez");
    d.columns = {
        { QStringLiteral("Land"), QStringLiteral("Nummer") },
        { QStringLiteral("Bez"), QStringLiteral("Bezeichnung"), 180 },
        { QStringLiteral("Landkbz"), QStringLiteral("Kurzbezeichnung") },
        { QStringLiteral("Sprache"), {} },
        { QStringLiteral("Lkz"), {} },
        { QStringLiteral("Zug"), {} },
        { QStringLiteral("Grenzkz"), {} },
        { QStringLiteral("Grenzort"), {} },
        { QStringLiteral("Kurs"), {} },
        { QStringLiteral("Waehrung"), {} },
        { QStringLiteral("WaerBez"), {} },
        { QStringLiteral("Verfahren1"), {} },
        { QStringLiteral("Verfahren2"), {} },
        { QStringLiteral("EinzelMit"), {} },
    };
    EditField language
        = edit(QStringLiteral("DBLookupComboBox1"), QStringLiteral("Sprache"), QStringLiteral("Sprache"));
    language.kind = ControlKind::Lookup;
    language.lookup
        = { .table = Tables::Languages, .keyField = QStringLiteral("Skz"), .displayField = QStringLiteral("Sprache") };
    EditField procedure1 = edit(QStringLiteral("DBEdit11"), QStringLiteral("Verfahren1"), QStringLiteral("Verfahren"));
    procedure1.pick
        = [](MasterDataWindow &w) { pickProcedureDefault<TfrmEinh_Verfahren1>(w, QStringLiteral("Verfahren1"), true); };
    procedure1.pickButtonName = QStringLiteral("SpeedButton1");
    EditField procedure2 = edit(QStringLiteral("DBEdit12"), QStringLiteral("Verfahren2"), QStringLiteral("Verfahren"));
    procedure2.pick = [](MasterDataWindow &w) {
        pickProcedureDefault<TfrmEinh_Verfahren2>(w, QStringLiteral("Verfahren2"), false);
    };
    procedure2.pickButtonName = QStringLiteral("SpeedButton2");
    EditField single
        = edit(QStringLiteral("DBCheckBox1"), QStringLiteral("EinzelMit"), QStringLiteral("Einzelmitteilung"));
    single.kind = ControlKind::CheckBox;
    d.groups = {
        { {},
            { edit(QStringLiteral("DBEdit1"), QStringLiteral("Land"), QStringLiteral("Land")),
                edit(QStringLiteral("DBEdit2"), QStringLiteral("Bez"), QStringLiteral("Bezeichnung")),
                edit(QStringLiteral("DBEdit3"), QStringLiteral("Landkbz"), QStringLiteral("Land - Kbz.")), language } },
        { {},
            { edit(QStringLiteral("DBEdit4"), QStringLiteral("Lkz"), QStringLiteral("Alpha-2-Code")),
                edit(QStringLiteral("DBEdit5"), QStringLiteral("Zug"), QStringLiteral("Zugehörigkeit")),
                edit(QStringLiteral("DBEdit6"), QStringLiteral("Grenzkz"), QStringLiteral("Zollstelle")),
                edit(QStringLiteral("DBEdit7"), QStringLiteral("Grenzort"), QStringLiteral("Grenzort")) } },
        { QStringLiteral("Währung"),
            { edit(QStringLiteral("DBEdit8"), QStringLiteral("Waehrung"), QStringLiteral("Iso-Alpha-3-Code:")),
                edit(QStringLiteral("DBEdit9"), QStringLiteral("WaerBez"), QStringLiteral("Bezeichnung:")),
                edit(QStringLiteral("DBEdit10"), QStringLiteral("Kurs"), QStringLiteral("Umrechnungskurs")) } },
        { {}, { procedure1, procedure2, single } },
    };
    d.buttonHints = { QStringLiteral("Erstes Land"), QStringLiteral("Vorheriges Land"), QStringLiteral("Nächstes Land"),
        QStringLiteral("Letztes Land"), QStringLiteral("Land hinzufügen"), QStringLiteral("Aktuelles Land löschen"),
        QStringLiteral("Aktuelles Land bearbeiten") };
    d.focusField = QStringLiteral("Land");
    d.searchKeys = {
        { QStringLiteral("Länder-Code"), QStringLiteral("Land"), 11 },
        { QStringLiteral("ISO-Alpha-Code"), QStringLiteral("LKZ") },
        { QStringLiteral("Länder-Name"), QStringLiteral("Bez") },
    };
    d.searchKeyOrder = QStringLiteral("Land");
    d.orderAfterSearch = QStringLiteral("Bez");
    d.closeTableOnClose = true;
    d.redRowField = QStringLiteral("EinzelMit");
    d.listLayout = countryListLayout;
    return d;
}

ListLayout countryListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Länder");
    l.table = Tables::Countries;
    l.order = QStringLiteral("Bez");
    l.lookups = { { QStringLiteral("Sprache"), Tables::Languages, QStringLiteral("Skz"), QStringLiteral("Sprache") } };
    l.jobTitle = QStringLiteral("Export / Versand: Länder");
    l.progressText = QStringLiteral("Die Länder werden gedruckt...");
    l.title = QStringLiteral("Länder");
    l.titleX = 950;
    l.frameRight = 2020;
    l.frameBottom = 2730;
    l.recordsPerSheet = 17;
    l.step = 150;
    const QString first = QStringLiteral("Land-Nr. : ");
    const QString second = QStringLiteral("Land-KBZ : ");
    const QString third = QStringLiteral("Bezeichnung : ");
    l.items = {
        listCaption(150, 200, QStringLiteral("Land-Nr. :")),
        listValue(150, 200, first, QStringLiteral("Land")),
        listCaption(150, 284, QStringLiteral("Zug      :")),
        listValue(150, 284, first, QStringLiteral("Zug")),
        listCaption(550, 200, QStringLiteral("Land-KBZ :")),
        listValue(550, 200, second, QStringLiteral("Landkbz")),
        listCaption(550, 242, QStringLiteral("LKZ      :")),
        listValue(550, 242, second, QStringLiteral("Lkz")),
        listCaption(550, 284, QStringLiteral("Grenzk   :")),
        listValue(550, 284, second, QStringLiteral("Grenzkz")),
        // The third column's values stand 10 left of its captions.
        listCaption(980, 200, QStringLiteral("Bezeichnung :")),
        listValue(970, 200, third, QStringLiteral("Bez")),
        listCaption(980, 242, QStringLiteral("Sprache     :")),
        listValue(970, 242, third,
            [](ListRecord &r) { return r.lookup(QStringLiteral("Sprache"), QStringLiteral("Sprache")); }),
        listCaption(980, 284, QStringLiteral("Grenzort    :")),
        listValue(970, 284, third, QStringLiteral("Grenzort")),
        listLine(330),
    };
    return l;
}

TfrmLnder::TfrmLnder(QWidget *parent)
    : MasterDataWindow(countryDefinition(), parent)
{
}

SelectionDefinition countrySelectionDefinition()
{
    SelectionDefinition d;
    d.className = QStringLiteral("TfrmLnder_e");
    d.caption = QStringLiteral("Auswahl: Ländertabelle");
    d.table = Tables::Countries;
    d.order = QStringLiteral("Bez");
    d.columns = {
        { QStringLiteral("Lkz"), QStringLiteral("Alpha-2-Code") },
        { QStringLiteral("Waehrung"), {} },
        { QStringLiteral("Land"), {} },
        { QStringLiteral("Bez"), QStringLiteral("Bezeichnung"), 180 },
        { QStringLiteral("Verfahren1"), {} },
        { QStringLiteral("Verfahren2"), {} },
    };
    d.searchIndex = QStringLiteral("iBez");
    d.searchField = QStringLiteral("Bez");
    d.keys = TypeAheadKeys::LettersAndDigits;
    d.redRowField = QStringLiteral("EinzelMit");
    return d;
}

TfrmLnder_e::TfrmLnder_e(QWidget *parent)
    : SelectionWindow(countrySelectionDefinition(), parent)
{
}

QString TfrmLnder_e::SelectCountry(const QString &keyField, const QString &startValue, QWidget *parent)
{
    TfrmLnder_e window(parent);
    if (!startValue.isEmpty()) {
        // The list is shown in the key's order; a value that is not there
        // leaves it on the first country by name.
        window.table().setIndexFieldNames(keyField);
        window.table().findKey({ startValue });
    }
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.table().fieldByName(keyField).asString();
}

QString TfrmLnder_e::SelectCountryName(QWidget *parent)
{
    TfrmLnder_e window(parent);
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.table().fieldByName(QStringLiteral("Bez")).asString();
}

QString TfrmLnder_e::LookupCountryName(const QString &keyField, const QString &keyValue)
{
    if (keyValue.isEmpty())
        return {};
    platform::Table countries(platform::Alias::Data, Tables::Countries);
    countries.setIndexFieldNames(keyField);
    countries.open();
    if (!countries.findKey({ keyValue }))
        return {};
    return countries.fieldByName(QStringLiteral("Bez")).asString();
}

} // namespace masterdata
