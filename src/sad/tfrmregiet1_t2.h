#pragma once

#include "shell/documentregister.h"

namespace sad {

// The kind transit declaration T1/T2 ("T1_T2") as the shared register serves it.
const shell::DocumentKind &transitDeclarationKind();

// "Regiezentrum: Versandmeldung", the register of the transit declarations
// (AUSFUHR.DB with their goods items AUSFOLG.DB) and of the transit
// declaration's parameter fields. The entry and goods-item windows, the
// export declaration's "Wechseln" and the ATLAS copy work on its tables.
class TfrmRegieT1_T2 : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieT1_T2(QWidget *parent = nullptr);

    // Opens the declaration in the entry window with the register hidden;
    // a number no declaration has does nothing and shows nothing.
    static void OpenDocument(int number);

    platform::Table &tbEinheit() { return head(); }
    platform::Table &tbEinfol() { return *positions(); }
    platform::Table &tbParameter() { return parameter(); }

protected:
    // The new declaration is handed to the entry window in edit.
    bool createDocument(int number) override;
};

// The transit declaration register while one exists.
extern shell::DocumentRegister *frmRegieT1_T2;

} // namespace sad
