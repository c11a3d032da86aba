#include "origin/originpicks.h"

#include "masterdata/countries.h"
#include "platform/field.h"
#include "platform/table.h"

namespace origin {

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
