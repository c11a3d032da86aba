#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

namespace platform {
class Table;
}

namespace masterdata {

// The type-ahead lookup of entry windows on the tables of the shared data
// module (shell::frmData1): typing narrows the table to the rows whose key
// starts with the text; leaving the field takes the one row left at once,
// offers several in "Übernahme" (TfrmAllgemein) and reports none.

inline const QString NoPackageKindFound = QStringLiteral("Es wurde kein Datensatz mit dieser Packart gefunden!");
inline const QString NoCountryFound = QStringLiteral("Es wurde kein Datensatz mit dieser Länderkennzahl gefunden!");
inline const QString NoGoodsNumberFound = QStringLiteral("Es wurde kein Datensatz mit dieser Waren-Nr. gefunden!");
inline const QString NoEntryFound = QStringLiteral("Es wurde kein Datensatz mit diesem Eintrag gefunden!");

enum class KeyMatch {
    Prefix, // the key starts with the text, ignoring case
    Number, // the number equals the text (customers, forwarders)
};

struct KeyLookup {
    QString field;
    KeyMatch match = KeyMatch::Prefix;
    QString notFoundMessage;
    // A field whose exact value (ignoring case) is taken first, before the
    // key: a box that a pick list fills with another code of the same row.
    QString exactField {};
};

enum class KeyLookupResult {
    Empty, // no text: nothing looked up
    NotFound, // the message was shown
    Found, // exactly one row, now current
    Chosen, // several rows, one taken in "Übernahme"
    Cancelled, // several rows, "Übernahme" cancelled
};

inline bool rowTaken(KeyLookupResult result)
{
    return result == KeyLookupResult::Found || result == KeyLookupResult::Chosen;
}

// While typing: narrows the table to the rows matching the text and
// switches its filter on; an empty text changes nothing. The filter stays
// until the next call.
void filterTypedKey(platform::Table &table, const KeyLookup &lookup, const QString &text);

// On leaving the field: the rows matching the text (the filter is set anew
// from it, so a field left without typing cannot take a row of an earlier
// field's filter); a taken row is the table's current record.
KeyLookupResult lookUpTypedKey(
    platform::Table &table, const KeyLookup &lookup, const QString &text, QWidget *parent = nullptr);

// Ties an edit to the lookup: every change of its text filters the table,
// moving the focus from it to another control with a text looks the key up
// and hands a taken row to take.
// table is asked each time (the data module's table may come later or be
// absent: nullptr does nothing).
void attachKeyLookup(QLineEdit *edit, std::function<platform::Table *()> table, KeyLookup lookup,
    std::function<void(platform::Table &)> take);

} // namespace masterdata
