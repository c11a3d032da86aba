#pragma once

#include "shell/entrywindow.h"

#include <QRect>
#include <QString>
#include <QStringList>

namespace intrastat {

// The pick buttons of the Intrastat windows: each runs a master-data or
// "Auswahl" window and gives the fields of the chosen row.

// Box 1 and box 4: the customer's Name1, Name2, Name3 and "Strasse  Ort".
shell::EntryPick customerAddressPick(
    const QString &name, const QRect &geometry, const QStringList &fields, const QString &focusAfter);
// Box 2: the month calendar; the chosen date as "MM" and "YY".
shell::EntryPick monthPick(const QString &name, const QRect &geometry);
// Box 6: the goods-number window; description lines, number and country.
shell::EntryPick goodsNumberPick(const QString &name, const QRect &geometry, const QString &focusAfter);
// An "Auswahl" list started on the row nearest to the field's text in the
// order of startIndex (then shown in showIndex, when given); the value of
// takeField of the chosen row goes into the field.
shell::EntryPick selectionPick(const QString &name, const QRect &geometry, const QString &listClass,
    const QString &field, const QString &startIndex, const QString &takeField, const QString &focusAfter,
    const QString &showIndex = {});

} // namespace intrastat
