#pragma once

#include "shell/documentregister.h"

namespace origin {

// The kind A.TR. as the shared register serves it.
const shell::DocumentKind &atrKind();

// "Regiezentrum: A.TR.", the register of the A.TR. movement certificates
// (ATR.DB) with the parameter fields of code 13. It searches with the filter
// dialog and underlines the command under the mouse.
class TfrmRegieATR : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieATR(QWidget *parent = nullptr);

    // Opens the document in the entry window with the register hidden; a
    // number no document has does nothing.
    static void OpenDocument(int number);
};

// The A.TR. register while one exists.
extern shell::DocumentRegister *frmRegieATR;

} // namespace origin
