#pragma once

#include "shell/entrywindow.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QVector>

namespace atlas {

// Height of the single-line edits of the ATLAS windows.
inline constexpr int EditHeight = 21;

// What the button beside a field picks (F9 in the field clicks it).
enum class RowPick {
    None,
    CodeList, // the code-list picker with the row's list
    Country, // country list on the field's code
    Currency, // country list by currency, started empty
    TransportMode,
    BusinessType,
    DeliveryTerm,
    PresentationStart, // date and time "YYYYMMDD" + "hhnn"
    PresentationEnd,
    FederalState,
    ProcedureCode1,
    ProcedureCode2,
    PackageKind,
    Document, // the supporting documents: the code and its qualifier
    Date, // "YYYYMMDD", started on the field's date or today
};

// One captioned field of an ATLAS window: a caption, the edit and the
// button of its pick. The differences between the fields are this data.
struct EntryRow {
    QString caption; // empty: none
    QString control;
    QString field;
    int width = 30;
    RowPick pick = RowPick::None;
    int list = -1; // the code list of RowPick::CodeList
    bool hotKey = true; // F9 clicks the pick button (the customs offices: button only)
    bool mandatory = false; // pale yellow
    QString hotKeyTo = {}; // F9 clicks this button of the window instead; no button of its own
};

// Builds an entry window's definition from captions, rows and buttons.
class RowBuilder
{
public:
    shell::EntryWindowDefinition d;
    QHash<QString, QString> captions; // buttons with a text of their own

    void label(const QString &text, int x, int y, const QString &name = {});
    shell::EntryControl &edit(const QString &name, const QString &field, int x, int y, int width);
    shell::EntryControl &memo(const QString &name, const QString &field, int x, int y, int width, int height);
    void button(const QString &name, int x, int y,
        std::function<std::optional<shell::PickValues>(shell::EntryWindow &)> run, const QString &focusAfter = {},
        const QString &caption = {}, int width = 22, int height = EditHeight);

    // The row's caption at labelX (named labelName), its edit at editX and
    // its pick button right of the edit.
    void row(const EntryRow &row, int labelX, int editX, int y, const QString &labelName = {});
    // Rows one below the other, step pixels apart; returns the y below the last.
    int column(const QVector<EntryRow> &rows, int labelX, int editX, int y, int step = 28);
};

// The pick a row's button runs.
std::function<std::optional<shell::PickValues>(shell::EntryWindow &)> rowPick(const EntryRow &row);

// The presentation period's value after the date-time pick: the field's text
// is the start ("Anfang:" from 8 characters on, "Ende:" from 9), nullopt on
// cancel.
std::optional<shell::PickValues> dateTimePick(shell::EntryWindow &window, const QString &field, bool end);

} // namespace atlas
