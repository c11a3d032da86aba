#pragma once

#include <QString>

namespace platform {
class Table;
}

namespace shell {

// The user's print settings S_BENUTZ.DB (database Export): one row per
// printed form or sheet with the printer index as text ("-1" = none), the
// column and row corrections in 0.1 mm and the number of copies.
inline const QString PrintSettingsTable = QStringLiteral("S_BENUTZ.DB");
// Corrections of single boxes S_FelderJust.DB (database d_ezudod).
inline const QString FieldCorrectionsTable = QStringLiteral("S_FelderJust.DB");

inline const QString NoPrinterText = QStringLiteral("Kein Drucker zugeordnet");
inline const QString FaultyPrinterText = QStringLiteral("Druckerzuordnung fehlerhaft!");
inline const QString NoPrinterChosenMessage = QStringLiteral("Es wurde kein Drucker ausgewählt!");

// Declares S_BENUTZ.DB and S_FelderJust.DB.
void registerPrintTables();

// A printer index that asks for a printer: "LPT1" in any case, empty, "-1".
bool noPrinterAssigned(const QString &schnittst);
// The printer index of a row, -1 when it names no installed printer.
int printerIndexOf(const QString &schnittst);
// The printer name TfrmDrucker shows for a row: the printer's name,
// NoPrinterText for "-1", FaultyPrinterText for anything else that names no
// installed printer.
QString printerNameOf(const QString &schnittst);
// The same for a row whose printer may be remembered by name: a remembered
// printer that is gone is FaultyPrinterText.
QString printerNameOf(const QString &row, const QString &schnittst);

// The printer a row meant, by name: "schnittst" is a place in the printer
// list, which moves when printers come or go, so the name of the printer
// chosen is remembered beside it ("Drucker.ini" in the user's directory,
// section "Drucker", key = row name).
inline const QString PrinterNamesFile = QStringLiteral("Drucker.ini");
// The printer name remembered for a row; empty when none is.
QString rememberedPrinter(const QString &row);
// Remembers the printer at index for the row (forgets it for index -1).
void rememberPrinter(const QString &row, int index);
// The printer index a row prints on: its remembered printer where it names
// one (-1 when that printer is gone), else the index in schnittst.
int resolvePrinterIndex(const QString &row, const QString &schnittst);

// Rows stored while the printer list counted the system's printers from 0
// and put "PDF-Datei" last: once per user directory, each row that names a
// printer by its place alone is read in that order, moved to the printer's
// place in today's list (PDF-Datei first) and the printer's name remembered.
// Drucker.ini notes that it was done, so rows stored later are left alone.
void adoptOldPrinterOrder();

// Rows of an open S_BENUTZ table, found by their name (the key).
bool findPrintRow(platform::Table &settings, const QString &name);
// Inserts the row with the defaults of a new row (copies 1, offsets 0) when
// it is missing; true when it was created.
bool createPrintRow(platform::Table &settings, const QString &name, const QString &schnittst = QStringLiteral("0"));
// A row the user's table lacks: copied from the data directory's master copy
// of S_BENUTZ.DB when that holds it, else created as createPrintRow does.
// Other rows are neither read nor changed. True when the row was added.
bool addMissingPrintRow(platform::Table &settings, const QString &name, const QString &schnittst);
// Inserts the row of box corrections (every pair 0) into an open
// S_FelderJust table when it is missing; true when it was created.
bool createFieldCorrectionsRow(platform::Table &corrections, const QString &name);
// Renames a row of an older version; nothing when it is absent or the new
// name exists already.
void renamePrintRow(platform::Table &settings, const QString &oldName, const QString &newName);

} // namespace shell
