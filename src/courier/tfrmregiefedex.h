#pragma once

#include "shell/documentregister.h"

namespace courier {

// The kind FedEx as the shared register serves it.
const shell::DocumentKind &fedExKind();

// "Regiezentrum: ", the register of the waybills in FEDEX.DB
// with the parameter fields of code 30.
class TfrmRegieFedEx : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieFedEx(QWidget *parent = nullptr);

    // Opens the waybill in the entry window with the register hidden; a
    // number no waybill has does nothing.
    static void OpenDocument(int number);
};

// The register while one exists; the entry window reaches its tables
// through it.
extern shell::DocumentRegister *frmRegieFedEx;

} // namespace courier
