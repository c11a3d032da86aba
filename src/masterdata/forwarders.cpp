#include "masterdata/forwarders.h"

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/table.h"

namespace masterdata {

namespace {

// What both address windows share; they differ in table, captions and the
// telex field.
MasterDataDefinition addressWindow(
    const QString &className, const QString &caption, const QString &table, const QString &nameTitle, bool telex)
{
    MasterDataDefinition d;
    d.className = className;
    d.caption = caption;
    d.table = table;
    d.order = QStringLiteral("name1");
    d.columns = { { QStringLiteral("nummer"), QStringLiteral("Nummer") } };
    for (int i = 1; i <= 5; ++i)
        d.columns.append({ QStringLiteral("name%1").arg(i), nameTitle.arg(i), 160 });
    d.columns.append({ QStringLiteral("land"), QStringLiteral("Land") });
    d.columns.append({ QStringLiteral("telefon"), QStringLiteral("Telefon") });
    d.columns.append({ QStringLiteral("telefax"), QStringLiteral("Telefax") });
    if (telex)
        d.columns.append({ QStringLiteral("telex"), QStringLiteral("Telex") });
    d.columns.append({ QStringLiteral("ansprech"), QStringLiteral("Ansprechpartner") });

    EditGroup number { {},
        { { .objectName = QStringLiteral("DBEdit1"),
            .field = QStringLiteral("nummer"),
            .label = QStringLiteral("Nummer") } } };
    EditGroup address { QStringLiteral("Adresse"), {} };
    for (int i = 1; i <= 5; ++i)
        address.fields.append(
            { .objectName = QStringLiteral("DBEdit%1").arg(i + 1), .field = QStringLiteral("name%1").arg(i) });
    EditField country { .objectName = QStringLiteral("DBLookupCombo1"),
        .field = QStringLiteral("land"),
        .label = QStringLiteral("Land"),
        .kind = ControlKind::Lookup };
    country.lookup = { .table = Tables::Countries,
        .keyField = QStringLiteral("Land"),
        .displayField = QStringLiteral("Bez"),
        .order = QStringLiteral("Land"),
        .nameIndex = QStringLiteral("iBez") };
    EditGroup contact { {},
        { country,
            { .objectName = QStringLiteral("DBEdit7"),
                .field = QStringLiteral("telefon"),
                .label = QStringLiteral("Telefon") },
            { .objectName = QStringLiteral("DBEdit8"),
                .field = QStringLiteral("telefax"),
                .label = QStringLiteral("Telefax") } } };
    if (telex)
        contact.fields.append({ .objectName = QStringLiteral("DBEdit9"),
            .field = QStringLiteral("telex"),
            .label = QStringLiteral("Telex") });
    contact.fields.append({ .objectName = QStringLiteral("DBEdit10"),
        .field = QStringLiteral("ansprech"),
        .label = QStringLiteral("Ansprechpartner") });
    d.groups = { number, address, contact };
    d.numberField = QStringLiteral("nummer");
    d.focusField = QStringLiteral("nummer");
    d.searchKeyOrder = QStringLiteral("Nummer");
    d.orderAfterSearch = QStringLiteral("Name1");
    return d;
}

} // namespace

MasterDataDefinition forwarderDefinition()
{
    MasterDataDefinition d = addressWindow(QStringLiteral("TfrmSpedit"), QStringLiteral("Spediteure"),
        Tables::Forwarders, QStringLiteral("Name %1"), false);
    d.buttonHints = { QStringLiteral("Erster Spediteur"), QStringLiteral("Vorheriger Spediteur"),
        QStringLiteral("Nächster Spediteur"), QStringLiteral("Letzter Spediteur"),
        QStringLiteral("Spediteur hinzufügen"), QStringLiteral("Aktueller Spediteur löschen"),
        QStringLiteral("Aktueller Spediteur bearbeiten") };
    d.searchCaption = QStringLiteral("&Suchen");
    d.searchKeys = { { QStringLiteral("Spedit.-Nr."), QStringLiteral("Nummer"), 11 },
        { QStringLiteral("Name"), QStringLiteral("Name1") } };
    d.gridEnter = GridEnter::Take;
    d.listLayout = forwarderListLayout;
    return d;
}

MasterDataDefinition shippingAddressDefinition()
{
    MasterDataDefinition d = addressWindow(QStringLiteral("TfrmVersand"), QStringLiteral("Versandanschrift"),
        Tables::ShippingAddresses, QStringLiteral("Name%1"), true);
    d.buttonHints = { QStringLiteral("Erste Versandanschrift"), QStringLiteral("Vorherige Versandanschrift"),
        QStringLiteral("Nächste Versandanschrift"), QStringLiteral("Letzte Versandanschrift"),
        QStringLiteral("Versandanschrift hinzufügen"), QStringLiteral("Aktuelle Versandanschrift löschen"),
        QStringLiteral("Aktuelle Versandanschrift bearbeiten") };
    d.cancelCaption = QStringLiteral("Abbrechen");
    d.searchKeys = { { QStringLiteral("Versender-Nr."), QStringLiteral("Nummer"), 11 },
        { QStringLiteral("Versender"), QStringLiteral("Name1") } };
    d.gridEnter = GridEnter::Nothing;
    d.listLayout = shippingAddressListLayout;
    return d;
}

ListLayout forwarderListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Spediteure");
    l.table = Tables::Forwarders;
    l.order = QStringLiteral("nummer");
    l.lookups = { { QStringLiteral("Land"), Tables::Countries, QStringLiteral("Land"), QStringLiteral("land") } };
    l.jobTitle = QStringLiteral("Export / Versand: Spediteure");
    l.progressText = QStringLiteral("Die Spediteure werden geduckt...");
    l.title = QStringLiteral("Spediteure");
    l.titleX = 900;
    l.frameRight = 2000;
    l.frameBottom = 2800;
    l.recordsPerSheet = 5;
    l.step = 530;
    // Each value follows its caption text directly.
    auto line = [&l](int x, int y, const QString &caption, ListText value) {
        l.items.append(listCaption(x, y, caption));
        l.items.append(listValue(x, y, caption, std::move(value)));
    };
    auto field = [](const QString &name) { return [name](ListRecord &r) { return r.field(name); }; };
    line(900, 200, QStringLiteral("Spediteur-Nr.   :"), field(QStringLiteral("nummer")));
    const QString address = QStringLiteral("Anschrift       :");
    l.items.append(listCaption(150, 260, address));
    for (int i = 1; i <= 5; ++i)
        l.items.append(listValue(150, 260 + 42 * (i - 1), address, QStringLiteral("name%1").arg(i)));
    line(150, 500, QStringLiteral("Telefon         :"), field(QStringLiteral("telefon")));
    line(150, 542, QStringLiteral("Telefax         :"), field(QStringLiteral("telefax")));
    line(150, 584, QStringLiteral("Land            :"),
        [](ListRecord &r) { return r.lookup(QStringLiteral("Land"), QStringLiteral("Land")); });
    line(150, 626, QStringLiteral("Ansprechpartner :"), field(QStringLiteral("ansprech")));
    l.items.append(listLine(680));
    return l;
}

ListLayout shippingAddressListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Versandanschriften");
    l.table = Tables::ShippingAddresses;
    l.order = QStringLiteral("nummer");
    l.lookups = { { QStringLiteral("Land"), Tables::Countries, QStringLiteral("Land"), QStringLiteral("land") } };
    l.jobTitle = QStringLiteral("Export / Versand: Versandanschriften");
    l.progressText = QStringLiteral("Versenserstamm wird gedruckt...");
    l.title = QStringLiteral("Versandanschriften");
    l.titleX = 800;
    l.frameRight = 2000;
    l.frameBottom = 2680;
    l.recordsPerSheet = 7;
    l.step = 360;
    l.items = {
        listCaption(900, 200, QStringLiteral("Nummer :")),
        listValue(900, 200, QStringLiteral("Nummer : "), QStringLiteral("nummer")),
        listCaption(150, 250, QStringLiteral("Anschrift :")),
    };
    for (int i = 1; i <= 5; ++i)
        l.items.append(listValue(150, 300 + 42 * (i - 1), {}, QStringLiteral("name%1").arg(i)));
    const QString right = QStringLiteral("Ansprechpartner : ");
    const struct {
        const char *caption;
        const char *field;
    } lines[] = {
        { "Telefon         :", "telefon" },
        { "Telefax         :", "telefax" },
        { "Telex           :", "telex" },
        { "Land            :", nullptr },
        { "Ansprechpartner :", "ansprech" },
    };
    for (int i = 0; i < 5; ++i) {
        const int y = 300 + 42 * i;
        l.items.append(listCaption(900, y, QString::fromLatin1(lines[i].caption)));
        if (lines[i].field)
            l.items.append(listValue(900, y, right, QString::fromLatin1(lines[i].field)));
        else
            l.items.append(listValue(
                900, y, right, [](ListRecord &r) { return r.lookup(QStringLiteral("Land"), QStringLiteral("Bez")); }));
    }
    l.items.append(listLine(520));
    return l;
}

TfrmSpedit::TfrmSpedit(QWidget *parent)
    : MasterDataWindow(forwarderDefinition(), parent)
{
}

int TfrmSpedit::SelectForwarderNumber(QWidget *parent)
{
    TfrmSpedit window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted || window.table().isEmpty())
        return -1;
    return window.table().fieldByName(QStringLiteral("nummer")).asInteger();
}

TfrmVersand::TfrmVersand(QWidget *parent)
    : MasterDataWindow(shippingAddressDefinition(), parent)
{
}

} // namespace masterdata
