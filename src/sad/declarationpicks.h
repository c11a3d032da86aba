#pragma once

#include "masterdata/picktargets.h"
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

// A list read by the window after OK (a list with tag 0 writes nothing
// itself): each field takes its value from the chosen row. setUp positions
// the list before it is shown.
template <class List>
shell::EntryPick readPick(const QString &name, const QRect &geometry, QVector<masterdata::PickTargetValue> values,
    const QString &focusAfter, std::function<void(List &, shell::EntryWindow &)> setUp = {})
{
    shell::EntryPick pick;
    pick.name = name;
    pick.geometry = geometry;
    pick.focusAfter = focusAfter;
    pick.run = [values, setUp](shell::EntryWindow &window) -> std::optional<shell::PickValues> {
        List list(&window);
        if (setUp)
            setUp(list, window);
        if (list.exec() != QDialog::Accepted || list.table().isEmpty())
            return std::nullopt;
        shell::PickValues written;
        for (const masterdata::PickTargetValue &value : values)
            written.append({ value.field, value.value(list.table()) });
        return written;
    };
    return pick;
}

// The same for one field taking one field of the row.
template <class List>
shell::EntryPick readPick(const QString &name, const QRect &geometry, const QString &field, const QString &sourceField,
    const QString &focusAfter)
{
    return readPick<List>(name, geometry, { masterdata::PickTargetValue::fromField(field, sourceField) }, focusAfter);
}

// A box of a country typed as its number (Land): leaving it with a number
// that one country begins with writes that country's name and number, with
// several the clerk chooses in "Übernahme", with none the message comes and
// the text stays. A text that is exactly a letter code (as the country list
// leaves it) is taken as that country's letter code with its name from
// letterCodeName. The head is posted.
struct CountryNumberBox {
    QString nameField; // "F17"
    QString codeField; // "F17_1"
    QString letterCodeName = QStringLiteral("Bez"); // the name a picked letter code stands with
};
void attachCountryNumberLookup(shell::EntryWindow &window, const QString &edit, const CountryNumberBox &box);

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
