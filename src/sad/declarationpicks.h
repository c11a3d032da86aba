#pragma once

#include "platform/field.h"
#include "platform/table.h"
#include "shell/entrywindow.h"

#include <QDialog>

#include <functional>
#include <optional>

namespace masterdata {
class TfrmLnder_e;
}

namespace sad {

// The pick buttons of the declaration windows, built from the master data's
// lists.

// A list that writes the chosen row itself into the window by its tag.
// setUp positions the list before it is shown; focusBefore takes the focus
// before the list opens, focusAfter after a choice.
template <class List>
shell::EntryPick taggedPick(const QString &name, const QRect &geometry, int tag,
    std::function<void(List &, shell::EntryWindow &)> setUp, const QString &focusBefore, const QString &focusAfter = {})
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [tag, setUp, focusBefore](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        if (!focusBefore.isEmpty())
            window.focusControl(focusBefore);
        List list(&window);
        list.setTag(tag);
        if (setUp)
            setUp(list, window);
        if (list.exec() != QDialog::Accepted)
            return std::nullopt;
        return shell::PickValues {};
    };
    return pick;
}

template <class List>
shell::EntryPick listPick(
    const QString &name, const QRect &geometry, int tag, const QString &focusBefore, const QString &focusAfter = {})
{
    return taggedPick<List>(name, geometry, tag, {}, focusBefore, focusAfter);
}

// The country list positioned on the code of the field (or, by name, on
// its name) and shown in the order of the names. A box number above 0 is
// added to its caption.
std::function<void(masterdata::TfrmLnder_e &, shell::EntryWindow &)> countrySetUp(
    const QString &field, int box, bool byName = false);

shell::EntryPick countryPick(const QString &name, const QRect &geometry, int tag, const QString &field, int box,
    const QString &focusBefore, bool byName = false);

// A list read by the window after OK: the field takes the row's value.
template <class List>
shell::EntryPick readPick(const QString &name, const QRect &geometry, const QString &field, const QString &sourceField,
    const QString &focusAfter)
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [field, sourceField](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        List list(&window);
        if (list.exec() != QDialog::Accepted || list.table().isEmpty())
            return std::nullopt;
        return shell::PickValues { { field, list.table().fieldByName(sourceField).asString() } };
    };
    return pick;
}

// A pick button running a routine of the window's own.
shell::EntryPick routinePick(const QString &name, const QRect &geometry, const QString &focusAfter,
    std::function<std::optional<shell::PickValues>(shell::EntryWindow &)> run);

// Package kinds: the field takes the count typed in the list, a blank and
// the package kind ("12 Karton").
std::optional<shell::PickValues> pickPackageKind(shell::EntryWindow &window, const QString &field);

// The list of goods numbers without its four sub-number columns: each
// document field takes the field of the chosen number given with it.
using GoodsNumberFields = QVector<QPair<QString, QString>>;
std::optional<shell::PickValues> pickGoodsNumber(shell::EntryWindow &window, const GoodsNumberFields &fields);

// Federal states, positioned on the field's code, the list placed at the
// point of the window: the field takes the code.
std::optional<shell::PickValues> pickFederalState(shell::EntryWindow &window, const QString &field, const QPoint &at);

// Where box 37's lists of procedure codes start: on the field's code found
// ignoring case (the first code when it is not there), or on the first code
// equal to the field's text (the last code when none is).
enum class ProcedureStart { IgnoringCase, EqualOrLast };

// Box 37's lists of procedure codes, started on the field's code.
template <class List>
std::optional<shell::PickValues> pickProcedureCode(
    shell::EntryWindow &window, const QString &field, ProcedureStart start = ProcedureStart::IgnoringCase)
{
    const QString current = window.head().fieldByName(field).asString();
    QString code;
    if (start == ProcedureStart::IgnoringCase) {
        code = List::SelectProcedureCode(current, &window);
    } else {
        List list(&window);
        list.moveToCode(current);
        list.setPickMode(true);
        if (list.exec() == QDialog::Accepted)
            code = list.code();
    }
    if (code.isEmpty())
        return std::nullopt;
    return shell::PickValues { { field, code } };
}

// The help of box 40: the field takes its two codes, each followed by "-".
std::optional<shell::PickValues> pickPreviousDocument(shell::EntryWindow &window, const QString &field);

} // namespace sad
