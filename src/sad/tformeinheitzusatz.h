#pragma once

#include "shell/entrywindow.h"

namespace sad {

// The entry window of the supplementary sheet as data: one control for
// every field of EinZus.db after the number and the date, in the table's
// field order, named DBEdit<field> or DBCheckBox<field>.
shell::EntryWindowDefinition supplementarySheetEntryDefinition();

// "Zusatzblatt zum Einheitspapier für die Abfertigung von Waren zur aktiven
// Veredelung / Umwandlung": one sheet laid out like the official form. The
// template's fixed fields are read from the parameter record; the window
// has no key to change them and no completeness check.
class TFormEinheitZusatz : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TFormEinheitZusatz(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace sad
