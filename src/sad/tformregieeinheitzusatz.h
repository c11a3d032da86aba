#pragma once

#include "shell/documentregister.h"

namespace sad {

// The kind supplementary sheet for inward processing ("EinheitZusatz") as
// the shared register serves it.
const shell::DocumentKind &supplementarySheetKind();

// "Regiezentrum: Zusatzblatt zum Einheitspapier für die Abfertigung von
// Waren": the register of the supplementary sheets (EinZus.db), one record
// a sheet, no goods items.
class TFormRegieEinheitZusatz : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TFormRegieEinheitZusatz(QWidget *parent = nullptr);

    platform::Table &tbEinheit() { return head(); }
    platform::Table &tbParameter() { return parameter(); }
};

// The supplementary sheet register while one exists.
extern shell::DocumentRegister *FormRegieEinheitZusatz;

} // namespace sad
