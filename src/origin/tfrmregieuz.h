#pragma once

#include "shell/documentregister.h"

namespace origin {

// The kind certificate of origin as the shared register serves it.
const shell::DocumentKind &ursprungKind();

// "Regiezentrum: Ursprungszeugnis", the register of the certificates of
// origin (URSPRUNG.DB) with the parameter fields of code 5. It searches with
// the filter dialog.
class TfrmRegieUZ : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieUZ(QWidget *parent = nullptr);

    // Opens the document in the entry window with the register hidden; a
    // number no document has does nothing.
    static void OpenDocument(int number);
};

// The certificate of origin register while one exists.
extern shell::DocumentRegister *frmRegieUZ;

} // namespace origin
