#pragma once

#include "masterdata/entrypicks.h"
#include "shell/entrywindow.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace origin {

using masterdata::customerPick;

// The country list "TfrmLnder_e" in the order of a key field ("Bez" the
// name, "LKZ" the code), on the nearest key at or after the start text; that
// field of the chosen country. at: where the list is placed, relative to the
// parent's top left corner.
std::optional<QString> pickCountry(
    const QString &keyField, const QString &start, QWidget *parent, std::optional<QPoint> at = {});
// The same in the order of the names: the name (Bez) of the chosen country.
std::optional<QString> pickCountryName(const QString &start, QWidget *parent, std::optional<QPoint> at = {});

// A pick button of the entry windows: a country's name into one field, the
// list started on the field's text. placedAt: the list's position in the
// entry window. (Customers: masterdata::customerPick.)
shell::EntryPick countryPick(const QString &name, int page, const QRect &geometry, const QString &field,
    const QString &focusAfter, std::optional<QPoint> placedAt = {});
// The same with the country's code (Lkz), the list in the order of the codes.
shell::EntryPick countryCodePick(
    const QString &name, int page, const QRect &geometry, const QString &field, const QString &focusAfter);

} // namespace origin
