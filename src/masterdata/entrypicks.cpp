#include "masterdata/entrypicks.h"

#include "masterdata/customers.h"
#include "masterdata/packagekinds.h"
#include "platform/field.h"
#include "platform/table.h"

namespace masterdata {

QString CustomerAddress::value(CustomerField field) const
{
    switch (field) {
    case CustomerField::Name1:
        return name1;
    case CustomerField::Name2:
        return name2;
    case CustomerField::Name3:
        return name3;
    case CustomerField::Strasse:
        return strasse;
    case CustomerField::Ort:
        return ort;
    case CustomerField::Telefon:
        return telefon;
    case CustomerField::PLZ:
        return plz;
    }
    return {};
}

std::optional<CustomerAddress> pickCustomerAddress(QWidget *parent)
{
    TfrmKunden window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    platform::Table &customer = window.table();
    if (!customer.isActive() || customer.isEmpty())
        return std::nullopt;
    const auto text = [&customer](const char *field) { return customer.fieldByName(QLatin1String(field)).asString(); };
    return CustomerAddress { text("Name1"), text("Name2"), text("Name3"), text("Strasse"), text("Ort"), text("telefon"),
        text("PLZ") };
}

shell::EntryPick customerPick(
    const QString &name, int page, const QRect &geometry, const CustomerFields &fields, const QString &focusAfter)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.page = page;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [fields](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        const std::optional<CustomerAddress> customer = pickCustomerAddress(&window);
        if (!customer)
            return std::nullopt;
        shell::PickValues values;
        for (const auto &[field, source] : fields)
            values.append({ field, customer->value(source) });
        return values;
    };
    return pick;
}

shell::EntryPick customerPick(
    const QString &name, int page, const QRect &geometry, const QStringList &addressFields, const QString &focusAfter)
{
    static const CustomerField lines[] = { CustomerField::Name1, CustomerField::Name2, CustomerField::Name3,
        CustomerField::Strasse, CustomerField::Ort };
    CustomerFields fields;
    for (int i = 0; i < addressFields.size() && i < 5; ++i)
        fields.append({ addressFields.at(i), lines[i] });
    return customerPick(name, page, geometry, fields, focusAfter);
}

shell::EntryPick packageKindPick(
    const QString &name, int page, const QRect &geometry, const QStringList &fields, const QString &focusAfter)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.page = page;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [fields](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        TfrmPackst packageKinds(&window);
        packageKinds.setPickMode(true);
        if (packageKinds.exec() != QDialog::Accepted)
            return std::nullopt;
        platform::Table &kind = packageKinds.table();
        if (!kind.isActive() || kind.isEmpty())
            return std::nullopt;
        const char *sources[] = { "bez", "packart", "laenge", "breite", "hoehe" };
        shell::PickValues values;
        for (int i = 0; i < fields.size() && i < 5; ++i) {
            const platform::Field field = kind.fieldByName(QLatin1String(sources[i]));
            values.append({ fields.at(i), i < 2 ? field.asString() : QString::number(field.asInteger()) });
        }
        return values;
    };
    return pick;
}

} // namespace masterdata
