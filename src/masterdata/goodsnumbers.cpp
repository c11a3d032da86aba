#include "masterdata/goodsnumbers.h"

#include "masterdata/masterdataexchange.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/tfrmkundenimport.h"
#include "platform/datacheckbox.h"
#include "platform/field.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "shell/tmynav.h"
#include "shell/twheeldbgrid.h"

#include <QToolButton>

namespace masterdata {

namespace {

const QString FindOrder = QStringLiteral("waren;bez1;bez2;bez3;bez4;bez5;Land");

EditField edit(const QString &name, const QString &field, const QString &label)
{
    return { .objectName = name, .field = field, .label = label };
}

void setupWindow(MasterDataWindow &window)
{
    // The special unit is not entered here: switching the flag either way
    // clears it.
    if (auto *flag = qobject_cast<platform::DataCheckBox *>(window.controlForField(QStringLiteral("maseinheit")))) {
        flag->setValues(QStringLiteral("J"), QStringLiteral("N"));
        QObject::connect(flag, &QCheckBox::clicked, &window, platform::reported(&window, [&window] {
            platform::Table &goods = window.table();
            if (goods.isEditing())
                goods.setValue(QStringLiteral("Einheit"), QVariant());
        }));
    }
    // Moving through the records hands the focus back to the grid.
    if (shell::TMyNav *navigator = window.navigator()) {
        using B = shell::TMyNav::Button;
        for (B which : { B::First, B::Prior, B::Next, B::Last, B::Delete })
            QObject::connect(navigator->button(which), &QToolButton::clicked, &window,
                platform::reported(&window, [&window] { window.grid()->setFocus(); }));
    }
}

QString text(platform::Table &table, const QString &field)
{
    return table.fieldByName(field).asString();
}

} // namespace

MasterDataDefinition goodsNumberDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmWare");
    d.caption = QStringLiteral("Statistische Warennummern");
    d.table = Tables::GoodsNumbers;
    d.order = QStringLiteral("Waren");
    // The number may repeat, so it is no key, but a row without it is lost.
    d.requiredFields = { QStringLiteral("waren") };
    d.columns = { { QStringLiteral("waren"), QStringLiteral("Warennummer") } };
    for (int part = 2; part <= 5; ++part)
        d.columns.append({ QStringLiteral("Waren%1").arg(part), QStringLiteral("Warennummer") });
    for (int line = 1; line <= 9; ++line)
        d.columns.append({ QStringLiteral("bez%1").arg(line), QStringLiteral("Bezeichnung %1").arg(line), 180 });
    d.columns.append({ QStringLiteral("maseinheit"), QStringLiteral("Bes. Maßeinheit") });
    d.columns.append({ QStringLiteral("Land"), QStringLiteral("Land") });
    d.columns.append({ QStringLiteral("Brutto"), QStringLiteral("Brutto") });
    d.columns.append({ QStringLiteral("Netto"), QStringLiteral("Netto") });

    EditGroup number { {},
        { edit(QStringLiteral("DBEdit1"), QStringLiteral("waren"), QStringLiteral("Warennummer")) } };
    for (int part = 2; part <= 5; ++part)
        number.fields.append(edit(QStringLiteral("DBEdit%1").arg(12 + part), QStringLiteral("Waren%1").arg(part), {}));
    EditGroup description { QStringLiteral("Bezeichnung 1 .. 9"), {} };
    for (int line = 1; line <= 9; ++line)
        description.fields.append(edit(QStringLiteral("DBEdit%1").arg(line + 1), QStringLiteral("bez%1").arg(line),
            QStringLiteral("Bezeichnung %1").arg(line)));
    EditField country
        = edit(QStringLiteral("DBLookupComboBox1"), QStringLiteral("Land"), QStringLiteral("Ursprungsland"));
    country.kind = ControlKind::Lookup;
    country.lookup = { .table = Tables::Countries,
        .keyField = QStringLiteral("Lkz"),
        .displayField = QStringLiteral("Bez"),
        .order = QStringLiteral("LKZ"),
        .nameIndex = QStringLiteral("iBez") };
    EditField specialUnit
        = edit(QStringLiteral("DBCheckBox1"), QStringLiteral("maseinheit"), QStringLiteral("Besondere Maßeinheit"));
    specialUnit.kind = ControlKind::CheckBox;
    EditGroup other { {},
        { country, edit(QStringLiteral("DBEdit11"), QStringLiteral("Brutto"), QStringLiteral("Brutto :")),
            edit(QStringLiteral("DBEdit12"), QStringLiteral("Netto"), QStringLiteral("Netto :")), specialUnit } };
    d.groups = { number, description, other };

    d.navigator = true;
    d.focusField = QStringLiteral("waren");
    d.cancelCaption = QStringLiteral("Abbrechen");
    d.cancelName = QStringLiteral("BitBtn2");
    d.searchKeys = { { QStringLiteral("Stat.-Waren-Nr."), QStringLiteral("Waren") },
        { QStringLiteral("Bezeichnung"), QStringLiteral("Bez1") } };
    d.searchKeyOrder = FindOrder;
    d.orderAfterSearch = QStringLiteral("Bez1");
    d.sort = { .items = { QStringLiteral("St. Waren-Nr."), QStringLiteral("Bezeichnung") },
        .orders = { QStringLiteral("Waren"), QStringLiteral("Bez1") },
        .iniKey = QStringLiteral("WarenNr"),
        .storeChoice = true };
    d.dataImport = [](MasterDataWindow &window) {
        showMasterDataImport(exchangeKind(ExchangeKinds::GoodsNumbers), &window);
        window.table().refresh();
    };
    d.listLayout = goodsNumberListLayout;
    d.setup = setupWindow;
    return d;
}

ListLayout goodsNumberListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Statistische Warennummer");
    l.table = Tables::GoodsNumbers;
    l.order = QStringLiteral("waren");
    l.lookups = { { QStringLiteral("Land"), Tables::Countries, QStringLiteral("Lkz"), QStringLiteral("Land") } };
    l.jobTitle = QStringLiteral("Export / Versand: Statistische Warennummer");
    l.progressText = QStringLiteral("Statistische Waren-Nr. wird gedruckt...");
    l.title = QStringLiteral("Statistische Warennummer");
    l.titleX = 750;
    l.frameRight = 2000;
    l.frameBottom = 2840;
    l.recordsPerSheet = 4;
    l.step = 670;
    l.items.append(listCaption(550, 200, QStringLiteral("Warennummer   :")));
    l.items.append(listValue(550, 200, QStringLiteral("Warennummer   : "), [](ListRecord &r) {
        QStringList parts { r.field(QStringLiteral("waren")) };
        for (int part = 2; part <= 5; ++part)
            parts.append(r.field(QStringLiteral("Waren%1").arg(part)));
        return parts.join(QLatin1Char(' '));
    }));
    const QString reference = QStringLiteral("Bezeichnung 1        : ");
    for (int line = 1; line <= 9; ++line) {
        const int y = 260 + 42 * (line - 1);
        l.items.append(listCaption(150, y, QStringLiteral("Bezeichnung %1        :").arg(line)));
        l.items.append(listValue(150, y, reference, QStringLiteral("bez%1").arg(line)));
    }
    // The special unit only where the flag is set, in either case.
    auto specialUnit
        = [](ListRecord &r) { return r.field(QStringLiteral("maseinheit")).toUpper() == QLatin1String("J"); };
    ListItem unitCaption = listCaption(150, 652, QStringLiteral("Besondere Maßeinheit :"));
    unitCaption.when = specialUnit;
    ListItem unitValue = listValue(150, 652, QStringLiteral("Besondere Maßeinheit : "), QStringLiteral("Einheit"));
    unitValue.when = specialUnit;
    l.items.append(unitCaption);
    l.items.append(unitValue);
    const QString lower = QStringLiteral("Besondere Maßeinheit : ");
    l.items.append(listCaption(150, 694, QStringLiteral("Ursprungsland        :")));
    l.items.append(listValue(
        150, 694, lower, [](ListRecord &r) { return r.lookup(QStringLiteral("Land"), QStringLiteral("Bez")); }));
    l.items.append(listCaption(150, 736, QStringLiteral("Brutto Gewicht       :")));
    l.items.append(listValue(150, 736, lower, QStringLiteral("Brutto")));
    l.items.append(listCaption(150, 778, QStringLiteral("Netto Gewicht        :")));
    l.items.append(listValue(150, 778, lower, QStringLiteral("Netto")));
    l.items.append(listLine(830));
    return l;
}

TfrmWare::TfrmWare(QWidget *parent)
    : MasterDataWindow(goodsNumberDefinition(), parent)
{
}

bool TfrmWare::SelectGoodsNumber(TGoodsNumberRecord &record, QWidget *parent)
{
    TfrmWare window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted || window.table().isEmpty())
        return false;
    platform::Table &goods = window.table();
    record.waren = text(goods, QStringLiteral("waren"));
    record.Waren2 = text(goods, QStringLiteral("Waren2"));
    record.Waren3 = text(goods, QStringLiteral("Waren3"));
    record.Waren4 = text(goods, QStringLiteral("Waren4"));
    record.Waren5 = text(goods, QStringLiteral("Waren5"));
    // Always eight blanks, also between empty lines.
    QStringList lines;
    for (int line = 1; line <= 9; ++line)
        lines.append(text(goods, QStringLiteral("bez%1").arg(line)));
    record.bez = lines.join(QLatin1Char(' '));
    return true;
}

QString TfrmWare::SelectGoodsNumberText(QWidget *parent)
{
    TfrmWare window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted || window.table().isEmpty())
        return {};
    platform::Table &goods = window.table();
    return QStringList { text(goods, QStringLiteral("waren")), text(goods, QStringLiteral("Waren2")),
        text(goods, QStringLiteral("Waren3")), text(goods, QStringLiteral("Waren4")) }
        .join(QLatin1Char(';'));
}

} // namespace masterdata
