#pragma once

#include "shell/documentregister.h"

namespace origin {

// The kind EUR.1 as the shared register serves it.
const shell::DocumentKind &eur1Kind();

// "Regiezentrum: EUR. 1", the register of the EUR.1 movement certificates
// (EUR1.DB) with the parameter fields of code 3.
class TfrmRegieEUR1 : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieEUR1(QWidget *parent = nullptr);

    // Opens the document in the entry window with the register hidden; a
    // number no document has does nothing.
    static void OpenDocument(int number);
};

// The EUR.1 register while one exists; the entry and print windows reach
// its tables through it.
extern shell::DocumentRegister *frmRegieEUR1;

} // namespace origin
