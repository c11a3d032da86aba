#include "origin/originpicks.h"

#include "masterdata/countries.h"
#include "masterdata/customers.h"
#include "platform/field.h"
#include "platform/table.h"

namespace origin {

std::optional<QStringList> pickCustomerAddress(QWidget *parent)
{
    masterdata::TfrmKunden window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    platform::Table &customer = window.table();
    if (!customer.isActive() || customer.isEmpty())
        return std::nullopt;
    QStringList lines;
    for (const char *field : { "Name1", "Name2", "Name3", "Strasse", "Ort" })
        lines.append(customer.fieldByName(QLatin1String(field)).asString());
    return lines;
}

std::optional<QString> pickCountryName(const QString &start, QWidget *parent, std::optional<QPoint> at)
{
    masterdata::TfrmLnder_e window(parent);
    platform::Table &countries = window.table();
    countries.setIndexFieldNames(QStringLiteral("Bez"));
    if (!start.isEmpty())
        countries.findNearest({ start });
    if (at && parent)
        window.move(parent->mapToGlobal(*at));
    if (window.exec() != QDialog::Accepted || countries.isEmpty())
        return std::nullopt;
    return countries.fieldByName(QStringLiteral("Bez")).asString();
}

shell::EntryPick customerPick(
    const QString &name, int page, const QRect &geometry, const QStringList &fields, const QString &focusAfter)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.page = page;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [fields](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        const std::optional<QStringList> lines = pickCustomerAddress(&window);
        if (!lines)
            return std::nullopt;
        shell::PickValues values;
        for (int i = 0; i < fields.size() && i < lines->size(); ++i)
            values.append({ fields.at(i), lines->at(i) });
        return values;
    };
    return pick;
}

shell::EntryPick countryPick(const QString &name, int page, const QRect &geometry, const QString &field,
    const QString &focusAfter, std::optional<QPoint> placedAt)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.page = page;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [field, placedAt](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        const QString start = window.head().fieldByName(field).asString();
        const std::optional<QString> country = pickCountryName(start, &window, placedAt);
        if (!country)
            return std::nullopt;
        return shell::PickValues { { field, *country } };
    };
    return pick;
}

} // namespace origin
