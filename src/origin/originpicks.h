#pragma once

#include "shell/entrywindow.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace origin {

// The customer list "TfrmKunden" in pick mode: Name1, Name2, Name3, Strasse
// and Ort of the chosen customer; nothing when the user cancels.
std::optional<QStringList> pickCustomerAddress(QWidget *parent);

// The country list "TfrmLnder_e" in the order of the names, on the nearest
// name at or after the start text; the name (Bez) of the chosen country.
// at: where the list is placed, relative to the parent's top left corner.
std::optional<QString> pickCountryName(const QString &start, QWidget *parent, std::optional<QPoint> at = {});

// Pick buttons of the entry windows: the customer's five lines into the
// fields given, or a country's name into one field, the list started on the
// field's text. placedAt: the list's position in the entry window.
shell::EntryPick customerPick(
    const QString &name, int page, const QRect &geometry, const QStringList &fields, const QString &focusAfter);
shell::EntryPick countryPick(const QString &name, int page, const QRect &geometry, const QString &field,
    const QString &focusAfter, std::optional<QPoint> placedAt = {});

} // namespace origin
