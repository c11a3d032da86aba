#include "masterdata/packagekinds.h"

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"
#include "shell/mainstate.h"

#include <QLabel>
#include <QLineEdit>

namespace masterdata {

namespace {

const QString ParameterTable = QStringLiteral("S_PARAME.DB");

// The language fields in the order of Sprache1 to Sprache5, each with the
// label that is named after it.
struct LanguageLine {
    const char *field;
    const char *edit;
    const char *label;
    const char *designCaption;
};
const LanguageLine LanguageLines[] = {
    { "bez", "DBEdit2", "Label5", "Bezeichnung" },
    { "e", "DBEdit4", "Label3", "Englisch" },
    { "f", "DBEdit6", "Label6", "Französisch" },
    { "s", "DBEdit9", "Label8", "Portugisisch" },
    { "p", "DBEdit8", "Label9", "Spanisch" },
};

QStringList namesFrom(platform::DataSet &parameter)
{
    QStringList names;
    for (int i = 1; i <= 5; ++i) {
        const platform::Field field = parameter.findField(QStringLiteral("Sprache%1").arg(i));
        names.append(field.isValid() ? field.asString() : QString());
    }
    return names;
}

void showLanguageNames(MasterDataWindow &window)
{
    platform::Table *parameter = shell::mainState().tbParameter;
    if (!parameter || !parameter->isActive())
        return;
    const QStringList names = namesFrom(*parameter);
    for (int i = 0; i < 5; ++i) {
        if (auto *label = qobject_cast<QLabel *>(window.control(QString::fromLatin1(LanguageLines[i].label))))
            label->setText(names.at(i));
    }
}

} // namespace

QStringList languageNames()
{
    if (!platform::SchemaRegistry::instance().contains(ParameterTable))
        return QStringList(5, QString());
    platform::Table parameter(platform::Alias::Data, ParameterTable);
    parameter.open();
    return namesFrom(parameter);
}

MasterDataDefinition packageKindDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmPackst");
    d.caption = QStringLiteral("Packstücke");
    d.table = Tables::PackageKinds;
    d.order = QStringLiteral("packart");
    d.columns = {
        { QStringLiteral("packart"), QStringLiteral("Art") },
        { QStringLiteral("bez"), QStringLiteral("Bezeichnung"), 180 },
        { QStringLiteral("e"), QStringLiteral("Englisch"), 120 },
        { QStringLiteral("f"), QStringLiteral("Französich"), 120 },
        { QStringLiteral("s"), QStringLiteral("Spanisch"), 120 },
        { QStringLiteral("p"), QStringLiteral("Portugisisch"), 120 },
        { QStringLiteral("laenge"), QStringLiteral("Länge") },
        { QStringLiteral("breite"), QStringLiteral("Breite") },
        { QStringLiteral("hoehe"), QStringLiteral("Höhe") },
        { QStringLiteral("Besch"), QStringLiteral("Beschreibung"), 180 },
    };
    EditGroup languages;
    for (const LanguageLine &line : LanguageLines) {
        languages.fields.append({ .objectName = QString::fromLatin1(line.edit),
            .field = QString::fromLatin1(line.field),
            .label = QString::fromUtf8(line.designCaption),
            .labelName = QString::fromLatin1(line.label) });
    }
    d.groups = {
        { {},
            { { .objectName = QStringLiteral("DBEdit1"),
                  .field = QStringLiteral("packart"),
                  .label = QStringLiteral("Packart") },
                { .objectName = QStringLiteral("DBEdit10"),
                    .field = QStringLiteral("Besch"),
                    .label = QStringLiteral("Beschreibung ") } } },
        languages,
        { {},
            { { .objectName = QStringLiteral("DBEdit3"),
                  .field = QStringLiteral("laenge"),
                  .label = QStringLiteral("Länge") },
                { .objectName = QStringLiteral("DBEdit5"),
                    .field = QStringLiteral("breite"),
                    .label = QStringLiteral("Breite") },
                { .objectName = QStringLiteral("DBEdit7"),
                    .field = QStringLiteral("hoehe"),
                    .label = QStringLiteral("Höhe") },
                { .objectName = QStringLiteral("Edit2"),
                    .label = QStringLiteral("Anzahl :"),
                    .kind = ControlKind::PlainEdit,
                    .initialText = QStringLiteral("1") } } },
    };
    d.buttonHints = { QStringLiteral("Erstes Packstück"), QStringLiteral("Vorheriges Packstück"),
        QStringLiteral("Nächstes Packstück"), QStringLiteral("Letztes Packstück"),
        QStringLiteral("Packstück hinzufügen"), QStringLiteral("Aktuelles Packstück löschen"),
        QStringLiteral("Aktuelles Packstück bearbeiten") };
    d.focusField = QStringLiteral("packart");
    d.gridEnter = GridEnter::TakeOnKeyUp;
    d.searchKeys = { { QStringLiteral("Packart"), QStringLiteral("PackArt") },
        { QStringLiteral("Bezeichnung"), QStringLiteral("Bez") } };
    d.searchKeyOrder = QStringLiteral("PackArt");
    d.orderAfterSearch = QStringLiteral("Bez");
    d.listLayout = packageKindListLayout;
    d.setup = showLanguageNames;
    return d;
}

ListLayout packageKindListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Packstücke");
    l.table = Tables::PackageKinds;
    l.jobTitle = QStringLiteral("Export / Versand: Packstücke");
    l.progressText = QStringLiteral("Die Packstücke werden geduckt...");
    l.title = QStringLiteral("Packstücke");
    l.titleX = 900;
    l.frameRight = 2000;
    l.frameBottom = 2610;
    l.recordsPerSheet = 7;
    l.step = 350;
    const QString measure = QStringLiteral("Packart: ");
    const QString language = QStringLiteral("123456789012345 : ");
    l.items = {
        listCaption(900, 200, QStringLiteral("Packart :")),
        listValue(900, 200, QStringLiteral("Packart : "), QStringLiteral("packart")),
        listCaption(150, 242, QStringLiteral("Länge  :")),
        listValue(150, 242, measure, QStringLiteral("laenge")),
        listCaption(150, 284, QStringLiteral("Breite :")),
        listValue(150, 284, measure, QStringLiteral("breite")),
        listCaption(150, 326, QStringLiteral("Höhe   :")),
        listValue(150, 326, measure, QStringLiteral("hoehe")),
    };
    // The language names as the parameter record has them when the list opens.
    const QStringList names = languageNames();
    for (int i = 0; i < 5; ++i) {
        const int y = 284 + 42 * i;
        l.items.append(listCaption(900, y, names.at(i) + QStringLiteral(" :")));
        l.items.append(listValue(900, y, language, QString::fromLatin1(LanguageLines[i].field)));
    }
    l.items.append(listLine(510));
    return l;
}

TfrmPackst::TfrmPackst(QWidget *parent)
    : MasterDataWindow(packageKindDefinition(), parent)
{
}

QString TfrmPackst::count() const
{
    auto *edit = qobject_cast<QLineEdit *>(control(QStringLiteral("Edit2")));
    return edit ? edit->text() : QString();
}

QString TfrmPackst::SelectPackageKind(const QString &startCode, QWidget *parent)
{
    TfrmPackst window(parent);
    if (!startCode.isEmpty()) {
        window.openTables();
        window.table().locate(QStringLiteral("packart"), { startCode }, { .caseInsensitive = true });
    }
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted)
        return {};
    return window.table().fieldByName(QStringLiteral("packart")).asString();
}

QString TfrmPackst::LookupPackageKindName(const QString &code)
{
    if (code.isEmpty())
        return {};
    platform::Table packages(platform::Alias::Data, Tables::PackageKinds);
    packages.open();
    if (!packages.locate(QStringLiteral("packart"), { code }, { .caseInsensitive = true }))
        return {};
    return packages.fieldByName(QStringLiteral("bez")).asString();
}

} // namespace masterdata
