#include "origin/originpicks.h"

#include "masterdata/countries.h"
#include "platform/field.h"
#include "platform/table.h"

namespace origin {

std::optional<QString> pickCountry(
    const QString &keyField, const QString &start, QWidget *parent, std::optional<QPoint> at)
{
    masterdata::TfrmLnder_e window(parent);
    platform::Table &countries = window.table();
    countries.setIndexFieldNames(keyField);
    if (!start.isEmpty())
        countries.findNearest({ start });
    if (at && parent)
        window.move(parent->mapToGlobal(*at));
    if (window.exec() != QDialog::Accepted || countries.isEmpty())
        return std::nullopt;
    return countries.fieldByName(keyField).asString();
}

std::optional<QString> pickCountryName(const QString &start, QWidget *parent, std::optional<QPoint> at)
{
    return pickCountry(QStringLiteral("Bez"), start, parent, at);
}

namespace {

shell::EntryPick countryFieldPick(const QString &keyField, const QString &name, int page, const QRect &geometry,
    const QString &field, const QString &focusAfter, std::optional<QPoint> placedAt)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.page = page;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [keyField, field, placedAt](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        const QString start = window.head().fieldByName(field).asString();
        const std::optional<QString> country = pickCountry(keyField, start, &window, placedAt);
        if (!country)
            return std::nullopt;
        return shell::PickValues { { field, *country } };
    };
    return pick;
}

} // namespace

shell::EntryPick countryPick(const QString &name, int page, const QRect &geometry, const QString &field,
    const QString &focusAfter, std::optional<QPoint> placedAt)
{
    return countryFieldPick(QStringLiteral("Bez"), name, page, geometry, field, focusAfter, placedAt);
}

shell::EntryPick countryCodePick(
    const QString &name, int page, const QRect &geometry, const QString &field, const QString &focusAfter)
{
    return countryFieldPick(QStringLiteral("LKZ"), name, page, geometry, field, focusAfter, std::nullopt);
}

} // namespace origin
