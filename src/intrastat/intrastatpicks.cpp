#include "intrastat/intrastatpicks.h"

#include "masterdata/countries.h"
#include "masterdata/customers.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/picklists.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/tbrdateform.h"

#include <memory>

namespace intrastat {

namespace {

std::unique_ptr<masterdata::SelectionWindow> selectionWindow(const QString &listClass, QWidget *parent)
{
    if (listClass == QLatin1String("TfrmLnder_e"))
        return std::make_unique<masterdata::TfrmLnder_e>(parent);
    return std::make_unique<masterdata::SelectionWindow>(masterdata::selectionDefinition(listClass), parent);
}

} // namespace

shell::EntryPick customerAddressPick(
    const QString &name, const QRect &geometry, const QStringList &fields, const QString &focusAfter)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [fields](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        masterdata::TfrmKunden customers(&window);
        customers.setPickMode(true);
        if (customers.exec() != QDialog::Accepted)
            return std::nullopt;
        platform::Table &customer = customers.table();
        if (!customer.isActive() || customer.isEmpty())
            return std::nullopt;
        const auto text
            = [&customer](const char *field) { return customer.fieldByName(QLatin1String(field)).asString(); };
        const QStringList lines
            = { text("Name1"), text("Name2"), text("Name3"), text("Strasse") + QStringLiteral("  ") + text("Ort") };
        shell::PickValues values;
        for (int i = 0; i < fields.size() && i < lines.size(); ++i)
            values.append({ fields.at(i), lines.at(i) });
        return values;
    };
    return pick;
}

shell::EntryPick monthPick(const QString &name, const QRect &geometry)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.run = [](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        shell::TBrDateForm calendar(&window);
        if (calendar.exec() != QDialog::Accepted)
            return std::nullopt;
        const QDate date = calendar.date();
        return shell::PickValues { { QStringLiteral("int2_1"), date.toString(QStringLiteral("MM")) },
            { QStringLiteral("int2_2"), date.toString(QStringLiteral("yy")) } };
    };
    return pick;
}

shell::EntryPick goodsNumberPick(const QString &name, const QRect &geometry, const QString &focusAfter)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        masterdata::TfrmWare goods(&window);
        goods.setPickMode(true);
        if (goods.exec() != QDialog::Accepted)
            return std::nullopt;
        platform::Table &number = goods.table();
        if (!number.isActive() || number.isEmpty())
            return std::nullopt;
        shell::PickValues values;
        for (int line = 1; line <= 9; ++line) {
            const QString field = QStringLiteral("bez%1").arg(line);
            if (number.fieldIndex(field) >= 0)
                values.append({ QStringLiteral("int6_%1").arg(line), number.fieldByName(field).asString() });
        }
        values.append({ QStringLiteral("int13_1"), number.fieldByName(QStringLiteral("waren")).asString() });
        values.append({ QStringLiteral("int14_1"), number.fieldByName(QStringLiteral("Land")).asString() });
        return values;
    };
    return pick;
}

shell::EntryPick selectionPick(const QString &name, const QRect &geometry, const QString &listClass,
    const QString &field, const QString &startIndex, const QString &takeField, const QString &focusAfter,
    const QString &showIndex)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [=](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        std::unique_ptr<masterdata::SelectionWindow> list = selectionWindow(listClass, &window);
        platform::Table &rows = list->table();
        rows.setIndexFieldNames(startIndex);
        const QString start = window.head().fieldByName(field).asString();
        if (!start.isEmpty())
            rows.findNearest({ start });
        if (!showIndex.isEmpty()) {
            const QString chosenKey = rows.isEmpty() ? QString() : rows.fieldByName(takeField).asString();
            rows.setIndexFieldNames(showIndex);
            if (!chosenKey.isEmpty())
                rows.locate(takeField, { chosenKey });
        }
        if (list->exec() != QDialog::Accepted || rows.isEmpty())
            return std::nullopt;
        return shell::PickValues { { field, rows.fieldByName(takeField).asString() } };
    };
    return pick;
}

} // namespace intrastat
