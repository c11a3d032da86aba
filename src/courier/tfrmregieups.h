#pragma once

#include "shell/documentregister.h"

namespace courier {

// The kind UPS as the shared register serves it.
const shell::DocumentKind &upsKind();

// "Regiezentrum: ", the register of the waybills in B_UPS.DB
// with the parameter fields of code 22.
class TfrmRegieUPS : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieUPS(QWidget *parent = nullptr);

    // Opens the waybill in the entry window with the register hidden; a
    // number no waybill has does nothing.
    static void OpenDocument(int number);
};

// The register while one exists; the entry window reaches its tables
// through it.
extern shell::DocumentRegister *frmRegieUPS;

} // namespace courier
