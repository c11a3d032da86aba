#include "masterdata/customers.h"

#include "masterdata/masterdataexchange.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/tfrmkundenimport.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/table.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace masterdata {

namespace {

EditField edit(const QString &name, const QString &field, const QString &label)
{
    return { .objectName = name, .field = field, .label = label };
}

EditField lookup(const QString &name, const QString &field, const QString &label, const LookupList &list)
{
    EditField result = edit(name, field, label);
    result.kind = ControlKind::Lookup;
    result.lookup = list;
    return result;
}

// The alpha-2 code of the country with that statistical number; empty
// when the table has no such country.
QString countryCode(const QString &land)
{
    if (land.isEmpty())
        return {};
    platform::Table countries(platform::Alias::Data, Tables::Countries);
    countries.open();
    if (!countries.findKey({ land }))
        return {};
    return countries.fieldByName(QStringLiteral("Lkz")).asString();
}

// The fields every customer pick hands over.
void fillAddress(platform::Table &customers, TPartyAddress &address)
{
    auto text = [&customers](const char *field) { return customers.fieldByName(QLatin1String(field)).asString(); };
    address.TIN = text("TIN");
    address.name1 = text("name1");
    address.strasse = text("strasse");
    address.PLZ = text("PLZ");
    address.ort = text("ort");
    address.land = countryCode(text("land"));
}

// "Kunde hinzufügen": the new customer is stored at once, holding only its
// number, and stands first in the name order for the user to fill in.
void addCustomer(MasterDataWindow &window)
{
    platform::Table &customers = window.table();
    const int number = proposeCustomerNumber();
    customers.insert();
    customers.setValue(QStringLiteral("nummer"), number);
    customers.post();
    customers.setIndexFieldNames(QStringLiteral("Name1"));
}

} // namespace

int proposeCustomerNumber()
{
    return platform::queryScalar(QStringLiteral("SELECT MAX(nummer) FROM S_KUNDEN.DB")).toInt() + 1;
}

MasterDataDefinition customerDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmKunden");
    d.caption = QStringLiteral("Kundenverwaltung");
    d.table = Tables::Customers;
    d.order = QStringLiteral("Nummer");
    d.columns = {
        { QStringLiteral("nummer"), QStringLiteral("Kunden-Nr.") },
        { QStringLiteral("name1"), QStringLiteral("Name"), 180 },
        { QStringLiteral("name2"), QStringLiteral("1. Zusatz"), 140 },
        { QStringLiteral("name3"), QStringLiteral("2. Zusatz"), 140 },
        { QStringLiteral("strasse"), QStringLiteral("Strasse"), 140 },
        { QStringLiteral("PLZ"), QStringLiteral("PLZ") },
        { QStringLiteral("ort"), QStringLiteral("Ort"), 140 },
        { QStringLiteral("land"), QStringLiteral("Land") },
        { QStringLiteral("telefon"), QStringLiteral("Telefon") },
        { QStringLiteral("telefax"), QStringLiteral("Telefax") },
        { QStringLiteral("ustnr"), QStringLiteral("UST-Id."), 120 },
        { QStringLiteral("TIN"), QStringLiteral("TIN") },
    };

    EditField identKind = edit(QStringLiteral("DBComboBox1"), QStringLiteral("IsDeuZoll"), QStringLiteral("Ident-Art"));
    identKind.kind = ControlKind::Choice;
    // A one-letter code per kind; "J" marks the German customs number that
    // the electronic declaration flags with "1".
    identKind.choices = { QStringLiteral("Adressdaten"), QStringLiteral("Zollnummer"), QStringLiteral("EORI-TIN"),
        QStringLiteral("Adressdaten und TIN") };
    identKind.choiceCodes = { QStringLiteral("N"), QStringLiteral("J"), QStringLiteral("E"), QStringLiteral("T") };

    d.groups = {
        { {},
            {
                edit(QStringLiteral("DBEdit1"), QStringLiteral("nummer"), QStringLiteral("Kd-Nr.")),
                edit(QStringLiteral("DBEdit14"), QStringLiteral("TIN"), QStringLiteral("TIN:")),
                edit(QStringLiteral("DBEdit2"), QStringLiteral("name1"), QStringLiteral("Name:")),
                edit(QStringLiteral("DBEdit3"), QStringLiteral("name2"), QStringLiteral("1. Zusatz:")),
                edit(QStringLiteral("DBEdit4"), QStringLiteral("name3"), QStringLiteral("2. Zusatz:")),
                edit(QStringLiteral("DBEdit5"), QStringLiteral("strasse"), QStringLiteral("Strasse:")),
                edit(QStringLiteral("DBEdit15"), QStringLiteral("PLZ"), QStringLiteral("Postleitzahl:")),
                edit(QStringLiteral("DBEdit6"), QStringLiteral("ort"), QStringLiteral("Ort:")),
            } },
        { {},
            {
                edit(QStringLiteral("DBEdit12"), QStringLiteral("ustnr"), QStringLiteral("UST-Id.")),
                edit(QStringLiteral("DBEdit8"), QStringLiteral("telefon"), QStringLiteral("Telefon")),
                edit(QStringLiteral("DBEdit9"), QStringLiteral("telefax"), QStringLiteral("Telefax")),
                lookup(QStringLiteral("DBLookupComboBox1"), QStringLiteral("land"), QStringLiteral("Land"),
                    { .table = Tables::Countries,
                        .keyField = QStringLiteral("Land"),
                        .displayField = QStringLiteral("Bez"),
                        .order = QStringLiteral("Land"),
                        .nameIndex = QStringLiteral("iBez") }),
                identKind,
                lookup(QStringLiteral("DBLookupComboBox2"), QStringLiteral("sprache"), QStringLiteral("Sprache"),
                    { .table = Tables::Languages,
                        .keyField = QStringLiteral("Skz"),
                        .displayField = QStringLiteral("Sprache") }),
                lookup(QStringLiteral("DBLookupComboBox3"), QStringLiteral("franka"), QStringLiteral("Frankatur"),
                    { .table = Tables::DeliveryTerms,
                        .keyField = QStringLiteral("Lieferb"),
                        .displayField = QStringLiteral("Bedeutung") }),
            } },
    };
    d.buttonHints = { QStringLiteral("Erster Kunde"), QStringLiteral("Vorheriger Kunde"),
        QStringLiteral("Nächster Kunde"), QStringLiteral("Letzter Kunde"), QStringLiteral("Kunde hinzufügen"),
        QStringLiteral("Aktueller Kunde löschen"), QStringLiteral("Aktueller Kunde bearbeiten") };
    d.enableButtonsByPosition = false;
    d.focusField = QStringLiteral("nummer");
    d.addRecord = addCustomer;
    d.closeCaption = QStringLiteral("&Schließen");
    d.searchKeys = { { QStringLiteral("Kunden-Nr."), QStringLiteral("Nummer"), 0, true },
        { QStringLiteral("Kunde"), QStringLiteral("Name1") } };
    d.searchKeyOrder = QStringLiteral("Nummer");
    d.orderAfterSearch = QStringLiteral("Name1");
    d.sort = { .items = { QStringLiteral("Kunden-Nr."), QStringLiteral("Firma") },
        .orders = { QStringLiteral("Nummer"), QStringLiteral("Name1") },
        .iniKey = QStringLiteral("Kunden"),
        .storeChoice = false };
    d.dataImport = [](MasterDataWindow &window) {
        showMasterDataImport(exchangeKind(ExchangeKinds::Customers), &window);
        window.table().refresh();
    };
    d.listLayout = customerListLayout;
    d.setup = [](MasterDataWindow &window) {
        // The delivery terms' meanings need a wider list than the field.
        if (auto *terms = qobject_cast<QComboBox *>(window.controlForField(QStringLiteral("franka"))))
            terms->view()->setMinimumWidth(240);
    };
    return d;
}

ListLayout customerListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Kundenstammdaten");
    l.table = Tables::Customers;
    l.order = QStringLiteral("name1");
    l.lookups = {
        { QStringLiteral("Land"), Tables::Countries, QStringLiteral("Land"), QStringLiteral("land") },
        { QStringLiteral("Sprache"), Tables::Languages, QStringLiteral("Skz"), QStringLiteral("sprache") },
    };
    l.jobTitle = QStringLiteral("Export / Versand: Kundenstamm");
    l.progressText = QStringLiteral("Kundenstamm wird gedruckt...");
    l.title = QStringLiteral("Kunden Stammdaten");
    l.titleX = 800;
    l.frameRight = 2000;
    l.frameBottom = 2800;
    l.recordsPerSheet = 5;
    l.step = 530;
    // Every value starts one caption width right of its column.
    const QString reference = QStringLiteral("Firma      : ");
    auto line = [&](int x, int y, const QString &caption, ListText value) {
        l.items.append(listCaption(x, y, caption));
        l.items.append(listValue(x, y, reference, std::move(value)));
    };
    auto field = [](const QString &name) -> ListText { return [name](ListRecord &r) { return r.field(name); }; };
    line(900, 200, QStringLiteral("Kunden-Nr. :"), field(QStringLiteral("nummer")));
    line(150, 242, QStringLiteral("Firma      :"), field(QStringLiteral("name1")));
    l.items.append(listCaption(150, 284, QStringLiteral("Anschrift  :")));
    const char *const address[] = { "name2", "name3", "strasse", "ort" };
    for (int i = 0; i < 4; ++i)
        l.items.append(listValue(150, 326 + 42 * i, reference, QString::fromLatin1(address[i])));
    line(150, 500, QStringLiteral("Telefon    :"), field(QStringLiteral("telefon")));
    line(150, 542, QStringLiteral("Telefax    :"), field(QStringLiteral("telefax")));
    line(150, 626, QStringLiteral("Land       :"),
        [](ListRecord &r) { return r.lookup(QStringLiteral("Land"), QStringLiteral("Bez")); });
    line(900, 500, QStringLiteral("Sprache    :"),
        [](ListRecord &r) { return r.lookup(QStringLiteral("Sprache"), QStringLiteral("Sprache")); });
    line(900, 542, QStringLiteral("Frankatur  :"), field(QStringLiteral("franka")));
    line(900, 584, QStringLiteral("UST-ID     :"), field(QStringLiteral("ustnr")));
    l.items.append(listLine(680));
    return l;
}

TfrmKunden::TfrmKunden(QWidget *parent)
    : MasterDataWindow(customerDefinition(), parent)
{
}

bool TfrmKunden::SelectCustomer(TPartyAddress &address, QWidget *parent)
{
    TfrmKunden window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted || window.table().isEmpty())
        return false;
    platform::Table &customers = window.table();
    fillAddress(customers, address);
    address.IsDeuZoll = customers.fieldByName(QStringLiteral("IsDeuZoll")).asString() == QLatin1String("J")
        ? QStringLiteral("1")
        : QStringLiteral("0");
    return true;
}

bool TfrmKunden::LookupCustomerByTIN(const QString &tin, TPartyAddress &address)
{
    if (tin.isEmpty())
        return false;
    platform::Table customers(platform::Alias::Data, Tables::Customers);
    customers.open();
    if (!customers.locate(QStringLiteral("TIN"), { tin }, { .caseInsensitive = true }))
        return false;
    fillAddress(customers, address);
    return true;
}

int TfrmKunden::SelectCustomerNumber(QWidget *parent)
{
    TfrmKunden window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted || window.table().isEmpty())
        return -1;
    return window.table().fieldByName(QStringLiteral("nummer")).asInteger();
}

} // namespace masterdata
